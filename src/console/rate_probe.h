#pragma once
// Finds the rate a module talks at, without changing it: the test console's user count goes out
// at each rate of the rate table in turn, fastest first, and the first rate at which it is
// answered is the module's. At each rate the module has the time the command and its answer take
// on the line and three periods of the console's receive cycle to begin its answer; a reply that
// has begun is collected by that cycle as any other. A present module is found within a second.
// The window's test panel and morvane-cli each run one on their console exchange; the front end
// hands every reply to the exchange as usual, and the probe reads what the exchange made of it.
#include "console_exchange.h"

#include <QByteArray>
#include <QObject>

class CRateProbe : public QObject {
    Q_OBJECT
public:
    // The session's timer that ends the wait at one rate (1 collects replies; 3 and 4 pace the
    // console's backup).
    static constexpr int kTimerId = 5;
    static constexpr int kWaitPeriods = 3;

    CRateProbe(CPortSession& session, CConsoleExchange& console, QObject* parent = nullptr);

    // From the fastest rate on. The port keeps the rate found; when none answers it goes back
    // to the rate it had.
    void Start();
    // Ends a probe under way; the port goes back to the rate it had.
    void Stop();
    bool IsRunning() const { return m_nRateIndex > 0; }
    // How long the probe waits at a rate index for an answer to begin.
    static int WaitMs(int rateIndex);

signals:
    // The user count goes out at this rate now.
    void Trying(int rateIndex);
    // The rate index the module answered at; 0 when it answered at none.
    void Finished(int rateIndex);

private:
    void TryRate(int rateIndex);
    void OnReplyDone(const QByteArray& bytes);
    void OnTick(int id);
    void Finish(int rateIndex);

    CPortSession& m_Session;
    CConsoleExchange& m_Console;
    int m_nRateIndex = 0; // the rate being tried; 0 when not probing
    int m_nRateBefore = 0;
};

// A whole answer to the user count (F5 09 … check F5), whatever its result.
bool AnswersUserCount(const QByteArray& reply);
