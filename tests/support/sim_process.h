#pragma once
// Runs the real morvane-sim for a test: starts it with the given extra arguments and a frame log
// in a temporary folder, waits for the device path on its first line of output, and ends it
// (SIGTERM, then SIGKILL if it does not go) when the object goes.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CSimProcess {
public:
    // simPath: the morvane-sim executable (tests get it as MORVANE_SIM_PATH).
    CSimProcess(const QString& simPath, const QStringList& extraArguments = {},
                int startTimeoutMs = 10000);
    ~CSimProcess();
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // Whether it started and printed a device path.
    bool IsRunning() const;
    QString DevicePath() const { return m_strDevice; }
    QString LogPath() const { return m_strLog; }
    // The log lines written so far.
    QStringList LogLines() const;
    // Waits up to timeoutMs for a log line containing text.
    bool WaitForLogLine(const QString& text, int timeoutMs) const;
    // Standard error so far, for failure messages.
    QString ErrorOutput();
    // Ends it with SIGTERM; true when it exited by itself with status 0 within timeoutMs.
    bool Stop(int timeoutMs = 5000);

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_strDevice;
    QString m_strLog;
    QString m_strErrors;
};
