#pragma once
// One port's command on a thread of its own: it opens the port, runs the command's job with a
// watchdog of --timeout on the line, closes the port and reports. Everything it makes lives and
// dies on that thread, with the thread's own transmit and receive buffers.
#include "cli_result.h"
#include "console_plan.h"

#include <QObject>
#include <memory>

class CMSComm;
class CPortJob;
class QTimer;

struct CPortTask {
    ECommandKind kind = ECommandKind::Console;
    QString port;      // as given
    QString device;    // the device to open
    int comNumber = 1; // the port number it is bound to, for the messages
    int lineRateIndex = 2;
    int moduleRateIndex = 0; // set-rate
    int timeoutMs = 5000;
    bool verbose = false;
    bool yes = false;
    CConsolePlan plan; // console commands
    QString folder;    // backup
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
    CPortJob* MakeJob();
    void OnEnded(int code, const QString& text, const QJsonObject& data);
    void Finish();

    CPortTask m_task;
    CPortResult m_result;
    std::unique_ptr<CMSComm> m_pComm;
    CPortJob* m_pJob = nullptr;
    QTimer* m_pWatchdog = nullptr;
};

// Where -v lines go: standard error, one whole line at a time, the port first.
void TraceLine(const QString& port, const QString& line);
