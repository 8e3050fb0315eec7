#pragma once
// The window timers of a panel, by identifier and period. Every tick goes to the panel's own
// timer handler, so tests can fire that handler instead of waiting for the real period.
#include <QBasicTimer>
#include <QObject>
#include <functional>
#include <map>

class CPanelTimers : public QObject {
public:
    using Handler = std::function<void(int id)>;
    CPanelTimers(QObject* parent, Handler onTimer);

    // Starts timer id with the period; starting a running timer starts its period over. Virtual
    // so that a test can see every start.
    virtual void Start(int id, int periodMs);
    void Stop(int id);
    void StopAll();
    bool IsRunning(int id) const;
    int Period(int id) const; // 0 when not running
    bool AnyRunning() const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    struct CTimer {
        QBasicTimer timer;
        int periodMs = 0;
    };
    Handler m_onTimer;
    std::map<int, CTimer> m_timers;
};
