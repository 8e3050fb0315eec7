#pragma once
// Panel timers that count every start, so that a test can tell a tick kept on time from one put
// off by a start over; their ticks go nowhere (tests fire the handler themselves).
#include "serial/panel_timers.h"

#include <map>

class CCountedTimers : public CPanelTimers {
public:
    CCountedTimers() : CPanelTimers(nullptr, [](int) {}) {}
    void Start(int id, int periodMs) override {
        ++m_starts[id];
        CPanelTimers::Start(id, periodMs);
    }
    int Starts(int id) { return m_starts[id]; }

private:
    std::map<int, int> m_starts;
};
