#include "sim_server.h"

#include "pty.h"
#include "user_dump.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {
// Output that the host has not taken for this long is dropped: the host has closed the port
// and would otherwise find stale replies when it opens it again.
constexpr qint64 kStallMs = 2000;
// Upper bound of one wait, so that a hang-up or error state can never make the loop spin.
constexpr int kIdlePollMs = 1000;

// The bit rate of a module rate index 1 to 5; 0 for any other.
int ModuleRateBits(int index) {
    constexpr int kModuleRates[] = {9600, 19200, 38400, 57600, 115200};
    return index >= 1 && index <= 5 ? kModuleRates[index - 1] : 0;
}

const char* KindWord(EFrameKind kind) {
    switch (kind) {
    case EFrameKind::Garbage:
        return "garbage";
    case EFrameKind::BadData:
        return "bad";
    case EFrameKind::TruncatedData:
    case EFrameKind::TruncatedBlock:
        return "truncated";
    case EFrameKind::Block:
        return "block";
    case EFrameKind::Command:
        break;
    }
    return "";
}
} // namespace

CSimServer::CSimServer(const CSimOptions& options, CPseudoTerminal& pty, CSimLog& log)
    : m_options(options), m_pty(pty), m_log(log), m_module(options.module, options.faults),
      m_stream(options.streamRate, options.module.seed), m_start(std::chrono::steady_clock::now()) {
}

qint64 CSimServer::Now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 m_start)
        .count();
}

void CSimServer::Run(int stopFd) {
    for (;;) {
        const qint64 now = Now();
        bool wantWrite = false;
        const int timeout = PollTimeout(now, wantWrite);
        pollfd fds[2] = {{stopFd, POLLIN, 0},
                         {m_pty.MasterFd(), short(POLLIN | (wantWrite ? POLLOUT : 0)), 0}};
        const int ready = poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0 && (fds[0].revents & POLLIN))
            break;
        if (ready > 0 && (fds[1].revents & POLLIN))
            ReadInput();
        if (m_bHungUp)
            break;
        TakeStaleFrames(Now());
        WriteOutput(Now());
    }
    WriteUserDump(Now());
}

int CSimServer::PollTimeout(qint64 now, bool& wantWrite) const {
    qint64 wait = kIdlePollMs;
    const auto until = [&](qint64 at) {
        if (at >= 0)
            wait = std::min(wait, std::max<qint64>(0, at - now));
    };
    until(m_reader.StaleAt());
    const qint64 due = m_output.NextDueAt();
    wantWrite = due >= 0 && due <= now;
    if (wantWrite)
        until(m_nLastWriteMs + kStallMs);
    else
        until(due);
    const qint64 streamDue = m_stream.NextDueAt();
    if (streamDue >= 0 && streamDue <= now)
        wantWrite = true;
    else
        until(streamDue);
    return int(wait);
}

void CSimServer::ReadInput() {
    char chunk[8192];
    for (;;) {
        const ssize_t n = read(m_pty.MasterFd(), chunk, sizeof chunk);
        if (n <= 0)
            return; // EAGAIN: all read; EIO: no host at the other end
        const qint64 now = Now();
        m_reader.Append(QByteArray(chunk, int(n)), now);
        TakeFrames(now);
    }
}

void CSimServer::TakeFrames(qint64 now) {
    CFrame frame;
    while (m_reader.TakeFrame(frame))
        Handle(frame, now);
}

void CSimServer::TakeStaleFrames(qint64 now) {
    CFrame frame;
    while (m_reader.TakeStale(now, frame))
        Handle(frame, now);
}

void CSimServer::Handle(const CFrame& frame, qint64 now) {
    if (m_bHungUp)
        return;
    m_log.Frame(now, "RX", KindWord(frame.kind), frame.bytes);
    if (++m_nFramesReceived == m_options.hangUpAt) {
        m_log.Note(now, QStringLiteral("hanging up"));
        m_bHungUp = true;
        return;
    }
    if (m_options.module.strictRate && !AtModuleRate()) {
        m_log.Note(now, QStringLiteral("sent at %1 bit/s, not at the module's rate: lost")
                            .arg(m_pty.LineRate()));
        return;
    }
    if (m_stream.IsEnabled()) {
        if (!m_stream.IsRunning())
            m_log.Note(now, QStringLiteral("streaming noise without end"));
        m_stream.Begin(now);
        return;
    }
    const CAnswer answer = m_module.OnFrame(frame);
    m_reader.SetDownloadMode(m_module.InDownloadMode());
    if (!answer.note.isEmpty())
        m_log.Note(now, answer.note);
    Send(answer, now);
    if (m_module.TakeFinishedDownload())
        WriteProgramImage(now);
}

void CSimServer::Send(const CAnswer& answer, qint64 now) {
    if (answer.reply.isEmpty())
        return;
    if (!answer.noise.isEmpty())
        m_log.Frame(now, "TX", "noise", answer.noise);
    m_log.Frame(now, "TX", "", answer.reply);
    if (m_output.Empty())
        m_nLastWriteMs = now;
    m_output.Add(answer.noise + answer.reply, now, m_options.splitMs, m_options.chunkBytes,
                 LineRate(), m_options.latencyMs);
}

// The rate paced output crosses the line at: the one the host set on the device, which a module
// talking to it must share; the module's own when the device shows none of the rates.
int CSimServer::LineRate() const {
    const int hostRate = m_pty.LineRate();
    const int ownRate = ModuleRateBits(m_module.State().RateIndex());
    if (hostRate > 0)
        return hostRate;
    return ownRate > 0 ? ownRate : 19200;
}

bool CSimServer::AtModuleRate() const {
    return m_pty.LineRate() == ModuleRateBits(m_module.State().RateIndex());
}

void CSimServer::WriteOutput(qint64 now) {
    if (m_stream.IsRunning()) {
        WriteStream(now);
        return;
    }
    for (;;) {
        const QByteArray due = m_output.Due(now);
        if (due.isEmpty())
            return;
        const ssize_t n = write(m_pty.MasterFd(), due.constData(), size_t(due.size()));
        if (n > 0) {
            m_output.Written(int(n));
            m_nLastWriteMs = now;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            m_log.Note(now, QStringLiteral("write failed (%1): dropped %2 bytes")
                                .arg(QString::fromLocal8Bit(strerror(errno)))
                                .arg(m_output.PendingBytes()));
            m_output.Clear();
        } else if (now - m_nLastWriteMs >= kStallMs) {
            m_log.Note(now, QStringLiteral("host is not reading: dropped %1 bytes")
                                .arg(m_output.PendingBytes()));
            m_output.Clear();
            tcflush(m_pty.SlaveFd(), TCIFLUSH);
        }
        return;
    }
}

// As much of the stream as is due and the device takes; poll tells when it takes more.
void CSimServer::WriteStream(qint64 now) {
    for (QByteArray due = m_stream.Due(now); !due.isEmpty(); due = m_stream.Due(now)) {
        const ssize_t n = write(m_pty.MasterFd(), due.constData(), size_t(due.size()));
        if (n <= 0)
            return;
        m_stream.Written(n);
    }
}

void CSimServer::WriteProgramImage(qint64 now) {
    if (m_options.flashOutPath.isEmpty())
        return;
    QFile file(m_options.flashOutPath);
    const QByteArray& image = m_module.Download().ProgramImage();
    const bool ok =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(image) == image.size();
    m_log.Note(now, ok ? QStringLiteral("program image written to %1").arg(file.fileName())
                       : QStringLiteral("cannot write the program image to %1: %2")
                             .arg(file.fileName(), file.errorString()));
}

void CSimServer::WriteUserDump(qint64 now) {
    if (m_options.userDumpPath.isEmpty())
        return;
    QFile file(m_options.userDumpPath);
    const QByteArray text = UserDumpText(m_module.State());
    const bool ok =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
    m_log.Note(now, ok ? QStringLiteral("stored users written to %1").arg(file.fileName())
                       : QStringLiteral("cannot write the stored users to %1: %2")
                             .arg(file.fileName(), file.errorString()));
}

} // namespace sim
