#include "comm_log.h"

#include "files/file_access.h"
#include "files/file_errors.h"

#include <cerrno>

CCommLog* g_pCommLog = nullptr;

namespace {
const char kHexDigits[] = "0123456789ABCDEF";
constexpr int kHeadIndent = 10; // the byte lines start under the time

QString DirectionText(ECommDirection direction) {
    return direction == ECommDirection::Sent ? QStringLiteral("发送") : QStringLiteral("接收");
}

// "    0010  F5 09 ... 0C F5  |..A.....|": offset, the pairs (padded to a whole line) and ASCII.
QString ByteLine(const char* bytes, int count, int offset) {
    char line[kHeadIndent + 6 + 3 * kCommLogBytesPerLine + 2 + kCommLogBytesPerLine + 2];
    char* out = line;
    for (int i = 0; i < kHeadIndent; ++i)
        *out++ = ' ';
    for (int shift = 12; shift >= 0; shift -= 4)
        *out++ = kHexDigits[(offset >> shift) & 0xF];
    *out++ = ' ';
    for (int i = 0; i < kCommLogBytesPerLine; ++i) {
        const auto byte = static_cast<unsigned char>(i < count ? bytes[i] : 0);
        *out++ = ' ';
        *out++ = i < count ? kHexDigits[byte >> 4] : ' ';
        *out++ = i < count ? kHexDigits[byte & 0xF] : ' ';
    }
    *out++ = ' ';
    *out++ = ' ';
    *out++ = '|';
    for (int i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        *out++ = byte >= 0x20 && byte < 0x7F ? char(byte) : '.';
    }
    *out++ = '|';
    return QString::fromLatin1(line, out - line);
}

QString HeadLine(const CCommLogEntry& entry) {
    QString head = QStringLiteral("%1 ms  %2  %3  COM%4 %5  %6 字节")
                       .arg(entry.msSinceClear, kHeadIndent - 3, 'f', 1)
                       .arg(entry.wallClock.toString(QStringLiteral("HH:mm:ss.zzz")),
                            DirectionText(entry.direction))
                       .arg(entry.port)
                       .arg(entry.device.isEmpty() ? QStringLiteral("-") : entry.device)
                       .arg(entry.bytes.size());
    if (entry.msSinceWrite >= 0)
        head += QStringLiteral("  +%1 ms").arg(entry.msSinceWrite, 0, 'f', 1);
    return head;
}
} // namespace

QStringList FormatCommLogEntry(const CCommLogEntry& entry) {
    QStringList lines;
    const int count = int(entry.bytes.size());
    lines.reserve(1 + (count + kCommLogBytesPerLine - 1) / kCommLogBytesPerLine);
    lines.append(HeadLine(entry));
    for (int offset = 0; offset < count; offset += kCommLogBytesPerLine)
        lines.append(ByteLine(entry.bytes.constData() + offset,
                              qMin(kCommLogBytesPerLine, count - offset), offset));
    return lines;
}

QString FormatRoundTrip(double ms) {
    return QStringLiteral("%1往返 %2 ms（首字节写出至末字节读入）")
        .arg(QString(kHeadIndent, QLatin1Char(' ')))
        .arg(ms, 0, 'f', 1);
}

QString DroppedLinesNotice(qint64 dropped) {
    return QStringLiteral("（只保留最新的 %1 行，更早的 %2 行已丢弃）")
        .arg(CCommLog::kMaxLines)
        .arg(dropped);
}

CCommLog::CCommLog(QObject* parent) : QObject(parent) {
    m_clock.start();
}

CCommLog::~CCommLog() {
    if (g_pCommLog == this)
        g_pCommLog = nullptr;
}

double CCommLog::Now() const {
    return double(m_clock.nsecsElapsed()) / 1e6;
}

void CCommLog::Record(ECommDirection direction, int port, const QString& device,
                      const QByteArray& bytes) {
    CCommLogEntry entry;
    entry.msSinceClear = Now();
    entry.wallClock = QDateTime::currentDateTime();
    entry.direction = direction;
    entry.port = port;
    entry.device = device;
    entry.bytes = bytes;
    if (direction == ECommDirection::Sent && !m_bExchangeOpen) {
        m_bExchangeOpen = true;
        m_dFirstWriteMs = entry.msSinceClear;
        m_dLastReadMs = -1;
    } else if (direction == ECommDirection::Received) {
        m_dLastReadMs = entry.msSinceClear;
        if (m_bExchangeOpen)
            entry.msSinceWrite = entry.msSinceClear - m_dFirstWriteMs;
    }
    Append(FormatCommLogEntry(entry));
}

void CCommLog::EndExchange() {
    const bool answered = m_bExchangeOpen && m_dLastReadMs >= m_dFirstWriteMs;
    m_bExchangeOpen = false;
    if (answered)
        Append({FormatRoundTrip(m_dLastReadMs - m_dFirstWriteMs)});
}

void CCommLog::Append(const QStringList& lines) {
    for (const QString& line : lines)
        m_lines.push_back(line);
    while (m_lines.size() > size_t(kMaxLines)) {
        m_lines.pop_front();
        ++m_nDropped;
    }
    if (m_file.isOpen())
        AppendToFile((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    emit Changed();
}

void CCommLog::Clear() {
    m_lines.clear();
    m_nDropped = 0;
    m_bExchangeOpen = false;
    m_clock.restart();
    emit Changed();
}

int CCommLog::LineCount() const {
    return int(m_lines.size()) + (m_nDropped > 0 ? 1 : 0);
}

QString CCommLog::Line(int index) const {
    if (m_nDropped > 0 && index-- == 0)
        return DroppedLinesNotice(m_nDropped);
    return index >= 0 && size_t(index) < m_lines.size() ? m_lines[size_t(index)] : QString();
}

QString CCommLog::Text() const {
    QString text;
    for (int i = 0; i < LineCount(); ++i)
        text += Line(i) + QLatin1Char('\n');
    return text;
}

QString CCommLog::SaveAs(const QString& path) const {
    const CFileWrite write = WriteWholeFile(path, Text().toUtf8());
    if (write.result != EFileWriteResult::Written)
        return WithReason(QStringLiteral("无法保存 ") + path, WriteFailureReason(write));
    return QString();
}

QString CCommLog::StartFileRecording(const QString& path) {
    StopFileRecording();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return QStringLiteral("无法打开 ") + path;
    return QString();
}

void CCommLog::StopFileRecording() {
    m_file.close();
}

// An entry is in the file whole or not at all: a write that fails takes back what of it got
// there, the recording stops and the reason is reported once.
void CCommLog::AppendToFile(const QByteArray& bytes) {
    const qint64 before = m_file.size();
    errno = 0;
    if (m_file.write(bytes) == bytes.size())
        return;
    const QString reason = LastErrorText();
    m_file.resize(before);
    const QString path = m_file.fileName();
    StopFileRecording();
    emit FileRecordingFailed(WithReason(
        QStringLiteral("记录到文件 ") + path + QStringLiteral(" 失败，已停止记录"), reason));
}
