#pragma once
// One port's command on a thread of its own: it opens the port, runs the command's job with two
// watchdogs on the line, closes the port and reports. One ends the command when the module has
// been silent for --timeout; the other when an answer has not ended --timeout (plus the line time
// of the longest answer to the command) after the previous one, while bytes still come. Everything
// it makes lives and dies on that thread, with the port's own session: its serial control, its
// transmit packet, its receive buffer and its rate (--rate).
#include "cli_result.h"
#include "console_plan.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>
#include <optional>

class CPortJob;
class CPortSession;
class QTimer;

struct CPortTask {
    ECommandKind kind = ECommandKind::Console;
    QString port;      // as given
    QString device;    // the device to open
    int comNumber = 1; // the port number it is bound to, for the messages
    int lineRateIndex = 2;
    bool rateAuto = false;   // the rate is found first (--rate auto)
    int moduleRateIndex = 0; // set-rate
    int timeoutMs = 5000;
    bool verbose = false;
    bool yes = false;
    CConsolePlan plan;                    // console commands
    QString folder;                       // backup
    std::optional<QString> expectVersion; // flash: the version the module must then report
};

class CPortRunner : public QObject {
    Q_OBJECT
public:
    explicit CPortRunner(CPortTask task);
    ~CPortRunner() override;

    // On the port's thread.
    void Run();
    // A signal arrived: `code` is the exit code it stands for.
    void Interrupt(int code);
    // Once Finished has been raised.
    const CPortResult& Result() const { return m_result; }

signals:
    void Progress(int done, int total);
    void Finished();

private:
    bool OpenPort();
    int WatchdogMs() const;
    int AnswerLimitMs() const;
    void WatchSilence();
    void WatchAnswers();
    void OnAnswerLimit();
    CPortJob* MakeJob();
    void StartJob(CPortJob* job);
    void DropJob();
    void OnEnded(int code, const QString& text, const QJsonObject& data);
    void StartAtRateFound();
    void Finish();

    CPortTask m_task;
    CPortResult m_result;
    std::unique_ptr<CPortSession> m_pSession;
    CPortJob* m_pJob = nullptr;
    bool m_bFindingRate = false; // --rate auto: the rate is being found
    int m_nInterrupted = 0;      // the exit code of a signal that came, 0 for none
    QTimer* m_pWatchdog = nullptr;
    QTimer* m_pAnswerWatch = nullptr;
    QElapsedTimer m_lastByte; // since the module's last bytes arrived
};

// Where -v lines go: standard error, one whole line at a time, the port first.
void TraceLine(const QString& port, const QString& line);
