#include "panel_timers.h"

#include <QTimerEvent>

CPanelTimers::CPanelTimers(QObject* parent, Handler onTimer)
    : QObject(parent), m_onTimer(std::move(onTimer)) {}

void CPanelTimers::Start(int id, int periodMs) {
    CTimer& entry = m_timers[id];
    entry.periodMs = periodMs;
    entry.timer.start(periodMs, Qt::PreciseTimer, this);
}

void CPanelTimers::Stop(int id) {
    auto it = m_timers.find(id);
    if (it != m_timers.end())
        it->second.timer.stop();
}

void CPanelTimers::StopAll() {
    for (auto& entry : m_timers)
        entry.second.timer.stop();
}

bool CPanelTimers::IsRunning(int id) const {
    auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.timer.isActive();
}

int CPanelTimers::Period(int id) const {
    return IsRunning(id) ? m_timers.at(id).periodMs : 0;
}

bool CPanelTimers::AnyRunning() const {
    for (const auto& entry : m_timers)
        if (entry.second.timer.isActive())
            return true;
    return false;
}

void CPanelTimers::timerEvent(QTimerEvent* event) {
    for (const auto& entry : m_timers) {
        if (entry.second.timer.timerId() == event->timerId()) {
            const int id = entry.first; // the handler may stop or restart the timer
            m_onTimer(id);
            return;
        }
    }
    QObject::timerEvent(event);
}
