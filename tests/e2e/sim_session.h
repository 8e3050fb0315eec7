#pragma once
// One simulated module for an end-to-end test, reached as COM1: starts morvane-sim with the
// test's options, points MORVANE_COM1 at its pseudo-terminal, and undoes both when it goes.
// Declare it before the panels that talk to it, so that they close their ports first.
#include "support/sim_process.h"

#include <QString>
#include <QStringList>

class CPortSession;
class QWidget;

class CSimSession {
public:
    explicit CSimSession(const QStringList& simArguments = {});
    ~CSimSession();
    CSimSession(const CSimSession&) = delete;
    CSimSession& operator=(const CSimSession&) = delete;

    bool IsRunning() const { return m_sim.IsRunning(); }
    CSimProcess& Sim() { return m_sim; }
    const CSimProcess& Sim() const { return m_sim; }
    // Why the simulator did not start, for failure messages.
    QString StartFailure();

    // Opens the panel's port on COM1 the way the shell does when the panel is shown.
    static bool OpenPanelPort(CPortSession& session, QWidget* panel);

private:
    CSimProcess m_sim;
};

// The hexadecimal bytes of the log lines "<seconds> <direction> [kind] <bytes>" whose direction
// and kind match; kind is empty for plain frames.
QList<QByteArray> LoggedFrames(const QStringList& logLines, const QString& direction,
                               const QString& kind = QString());
// The text after "NOTE " of every note line.
QStringList LoggedNotes(const QStringList& logLines);
// The lines that tell of a fault on the line: bytes the module could not take as a frame (garbage,
// bad or truncated packets) and replies it had to drop. Empty for a clean exchange.
QStringList LoggedTroubles(const QStringList& logLines);
