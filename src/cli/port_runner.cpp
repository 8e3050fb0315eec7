#include "port_runner.h"

#include "backup_job.h"
#include "cli_texts.h"
#include "console_job.h"
#include "find_rate_job.h"
#include "flash_job.h"
#include "interrupt_watch.h"
#include "rate_job.h"
#include "result_printer.h"
#include "trace_backend.h"

#include "download/download_frames.h"
#include "protocol/buffers.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/rate_table.h"
#include "serial/serial_control.h"

#include <QMetaObject>
#include <QMutex>
#include <QTimer>

namespace {
// An answer ends at a quiet tick of 50 or 100 ms after its last byte; bytes this recent mean
// the module is sending still.
constexpr int kLineBusyMs = 200;

QMutex g_traceMutex;
} // namespace

void TraceLine(const QString& port, const QString& line) {
    QMutexLocker lock(&g_traceMutex);
    WriteText(stderr, port + QStringLiteral(": ") + line + QLatin1Char('\n'));
}

CPortRunner::CPortRunner(CPortTask task) : m_task(std::move(task)) {
    m_result.port = m_task.port;
}

CPortRunner::~CPortRunner() = default;

void CPortRunner::Run() {
    if (!OpenPort()) {
        Finish();
        return;
    }
    m_bFindingRate = m_task.rateAuto && m_task.kind != ECommandKind::FindRate;
    StartJob(m_bFindingRate ? new CFindRateJob(*m_pSession, this) : MakeJob());
}

void CPortRunner::StartJob(CPortJob* job) {
    m_pJob = job;
    WatchSilence();
    WatchAnswers();
    connect(m_pSession.get(), &CPortSession::PortLost, m_pJob,
            [job] { job->Fail(EJobFailure::PortLost); });
    connect(m_pJob, &CPortJob::Progress, this, &CPortRunner::Progress);
    connect(m_pJob, &CPortJob::Ended, this, &CPortRunner::OnEnded);
    m_pJob->Start();
}

void CPortRunner::WatchSilence() {
    m_pWatchdog = new QTimer(this);
    m_pWatchdog->setSingleShot(true);
    m_pWatchdog->setInterval(WatchdogMs());
    connect(m_pWatchdog, &QTimer::timeout, m_pJob,
            [job = m_pJob] { job->Fail(EJobFailure::Timeout); });
    // Each byte from the module shows it is still there; the host's own resends do not.
    connect(&m_pSession->Comm(), &CMSComm::BytesReceived, m_pWatchdog, qOverload<>(&QTimer::start));
    m_pWatchdog->start();
}

// Each answer that ends starts the time of the next one over.
void CPortRunner::WatchAnswers() {
    m_pAnswerWatch = new QTimer(this);
    m_pAnswerWatch->setSingleShot(true);
    m_pAnswerWatch->setInterval(AnswerLimitMs());
    connect(m_pAnswerWatch, &QTimer::timeout, this, &CPortRunner::OnAnswerLimit);
    connect(m_pJob, &CPortJob::ReplyEnded, m_pAnswerWatch, qOverload<>(&QTimer::start));
    connect(&m_pSession->Comm(), &CMSComm::BytesReceived, this, [this] { m_lastByte.start(); });
    m_pAnswerWatch->start();
}

// A quiet line is a module still at work (the silence watchdog sees to that); one still sending
// has sent for longer than any answer lasts.
void CPortRunner::OnAnswerLimit() {
    const bool sending = m_pSession->Comm().InBufferCount() > 0 ||
                         (m_lastByte.isValid() && m_lastByte.elapsed() < kLineBusyMs);
    if (sending)
        m_pJob->Fail(EJobFailure::Stream);
    else
        m_pAnswerWatch->start();
}

void CPortRunner::Interrupt(int code) {
    m_nInterrupted = code;
    if (m_pJob)
        m_pJob->Interrupt(code);
}

// As the window opens a panel's port: binary input, a threshold of 1, reads of up to 9000 bytes,
// the rate of --rate.
bool CPortRunner::OpenPort() {
    std::unique_ptr<CSerialBackend> device = CreateSerialBackend();
    if (m_task.verbose)
        device = std::make_unique<CTraceBackend>(
            std::move(device),
            [port = m_task.port](const QString& line) { TraceLine(port, line); });
    m_pSession = std::make_unique<CPortSession>(std::move(device), nullptr);
    CMSComm& comm = m_pSession->Comm();
    comm.SetCommPort(static_cast<short>(m_task.comNumber));
    comm.SetDevice(m_task.device);
    m_pSession->ApplyBaudRate(m_task.lineRateIndex);
    ConfigureReplyInput(comm);
    try {
        comm.SetPortOpen(true);
    } catch (const CCommPortError&) {
        m_result.code = kExitPort;
        const QString where = m_task.device.isEmpty() ? m_task.port : m_task.device;
        m_result.text = QString::fromLatin1(CommPortErrorText()) + QLatin1Char(' ') +
                        CCliTexts::tr("%1：%2").arg(where, PortOpenFailureReason(comm));
        return false;
    }
    return true;
}

// --timeout, and for a download the time a program block takes on the line before the module
// can answer it (4.3 s at 9,600 bit/s).
int CPortRunner::WatchdogMs() const {
    if (m_task.kind != ECommandKind::Flash)
        return m_task.timeoutMs;
    return m_task.timeoutMs + LineTimeMs(m_task.lineRateIndex, kBlockPacketSize);
}

// --timeout, the line time of the longest answer to the command, and the quiet that ends it.
int CPortRunner::AnswerLimitMs() const {
    return m_task.timeoutMs + LineTimeMs(m_task.lineRateIndex, m_pJob->LongestReply()) +
           kLineBusyMs;
}

CPortJob* CPortRunner::MakeJob() {
    switch (m_task.kind) {
    case ECommandKind::Flash:
        return new CFlashJob(*m_pSession, {m_task.yes, m_task.expectVersion, m_task.timeoutMs},
                             this);
    case ECommandKind::SetRate:
        return new CRateJob(*m_pSession, m_task.moduleRateIndex, this);
    case ECommandKind::FindRate:
        return new CFindRateJob(*m_pSession, this);
    case ECommandKind::Backup:
        return new CBackupJob(*m_pSession, m_task.folder, m_task.yes, this);
    case ECommandKind::StoreFolder:
        return new CConsoleJob(*m_pSession, m_task.plan, true, this);
    default:
        return new CConsoleJob(*m_pSession, m_task.plan, false, this);
    }
}

// The job may still be inside its exchange: the port closes once that has returned.
void CPortRunner::OnEnded(int code, const QString& text, const QJsonObject& data) {
    m_pWatchdog->stop();
    m_pAnswerWatch->stop();
    if (m_bFindingRate && code == kExitOk) {
        QMetaObject::invokeMethod(
            this, [this] { StartAtRateFound(); }, Qt::QueuedConnection);
        return;
    }
    m_result.code = code;
    m_result.text = text;
    m_result.data = data;
    QMetaObject::invokeMethod(this, &CPortRunner::Finish, Qt::QueuedConnection);
}

// --rate auto: the command itself, at the rate the module answered at (the port is at it).
void CPortRunner::StartAtRateFound() {
    DropJob();
    m_bFindingRate = false;
    if (m_nInterrupted) { // the signal came after the rate was found
        m_result.code = m_nInterrupted;
        m_result.text = InterruptWords(m_nInterrupted);
        Finish();
        return;
    }
    m_task.lineRateIndex = m_pSession->BaudIndex(); // the probe left the port at the rate found
    TraceLine(m_task.port, RateFoundText(RateBitsText(m_task.lineRateIndex)));
    StartJob(MakeJob()); // its exchange takes the place of the probe's
}

void CPortRunner::DropJob() {
    delete m_pJob;
    m_pJob = nullptr;
    delete m_pWatchdog;
    m_pWatchdog = nullptr;
    delete m_pAnswerWatch;
    m_pAnswerWatch = nullptr;
}

void CPortRunner::Finish() {
    DropJob();
    if (m_pSession)
        m_pSession->Comm().SetPortOpen(false);
    m_pSession.reset();
    emit Finished();
}
