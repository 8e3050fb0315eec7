#include "comm_log.h"

#include "protocol/hex_text.h"

#include <QCoreApplication>

// The log's words, translated as one context.
class CCommLogTexts {
    Q_DECLARE_TR_FUNCTIONS(CCommLogTexts)
};

CCommLog* g_pCommLog = nullptr;

namespace {
const char kHexDigits[] = "0123456789ABCDEF";
constexpr int kHeadIndent = 10; // the byte lines start under the time

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

QString PortText(int port, const QString& device) {
    return QStringLiteral("COM%1 %2")
        .arg(port)
        .arg(device.isEmpty() ? QStringLiteral("-") : device);
}

QString TimeText(double msSinceClear, const QDateTime& wallClock) {
    return QStringLiteral("%1 ms  %2")
        .arg(msSinceClear, kHeadIndent - 3, 'f', 1)
        .arg(wallClock.toString(QStringLiteral("HH:mm:ss.zzz")));
}

QString HeadLine(const CCommLogEntry& entry) {
    QString head = CCommLogTexts::tr("%1  %2  %3  %4 字节")
                       .arg(TimeText(entry.msSinceClear, entry.wallClock),
                            CommDirectionText(entry.direction), PortText(entry.port, entry.device))
                       .arg(entry.bytes.size());
    if (entry.msSinceWrite >= 0)
        head += QStringLiteral("  +%1 ms").arg(entry.msSinceWrite, 0, 'f', 1);
    return head;
}

constexpr int kFrameHexBytes = 16; // a frame row shows its first bytes; the pieces show all

// "   12.3 ms  16:40:02.123  接收  COM1 /dev/pts/3  帧 8 字节  F5 09 00 05 00 00 0C F5".
QString FrameHeadLine(const CLoggedFrame& logged) {
    const QByteArray& bytes = logged.frame.bytes;
    const int shown = qMin(int(bytes.size()), kFrameHexBytes);
    QString hex = FormatHexDump(reinterpret_cast<const uint8_t*>(bytes.constData()), shown);
    if (shown < bytes.size())
        hex += QStringLiteral(" …");
    return CCommLogTexts::tr("%1  %2  %3  帧 %4 字节  %5")
        .arg(TimeText(logged.msSinceClear, logged.wallClock),
             CommDirectionText(logged.frame.direction), logged.port)
        .arg(bytes.size())
        .arg(hex);
}
} // namespace

QString CommDirectionText(ECommDirection direction) {
    return direction == ECommDirection::Sent ? CCommLogTexts::tr("发送")
                                             : CCommLogTexts::tr("接收");
}

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
    return CCommLogTexts::tr("%1往返 %2 ms（首字节写出至末字节读入）")
        .arg(QString(kHeadIndent, QLatin1Char(' ')))
        .arg(ms, 0, 'f', 1);
}

QString FormatNoReply(double ms) {
    return CCommLogTexts::tr("%1无应答：发送后 %2 ms 内未收到任何字节，本次交换结束")
        .arg(QString(kHeadIndent, QLatin1Char(' ')))
        .arg(ms, 0, 'f', 1);
}

QString FormatNewDate(const QDate& date) {
    return QStringLiteral("—— %1 ——").arg(date.toString(QStringLiteral("yyyy-MM-dd")));
}

QString DroppedLinesNotice(qint64 dropped) {
    return CCommLogTexts::tr("（只保留最新的 %1 行，更早的 %2 行已丢弃）")
        .arg(CCommLog::kMaxLines)
        .arg(dropped);
}

QString LogFileHeader(const QDateTime& since) {
    const QString version = QCoreApplication::applicationVersion();
    return CCommLogTexts::tr("Morvane %1通信记录  始于 %2")
        .arg(version.isEmpty() ? QString() : version + QLatin1Char(' '),
             since.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

CCommLog::CCommLog(QObject* parent) : QObject(parent) {
    m_clock.start();
    m_clearedAt = WallClock();
    m_lastDate = m_clearedAt.date();
}

CCommLog::~CCommLog() {
    if (g_pCommLog == this)
        g_pCommLog = nullptr;
}

double CCommLog::Now() const {
    return double(m_clock.nsecsElapsed()) / 1e6;
}

QDateTime CCommLog::WallClock() const {
    return m_wallClock ? m_wallClock() : QDateTime::currentDateTime();
}

void CCommLog::Record(ECommDirection direction, int port, const QString& device,
                      const QByteArray& bytes) {
    CCommLogEntry entry;
    entry.msSinceClear = Now();
    entry.wallClock = WallClock();
    entry.direction = direction;
    entry.port = port;
    entry.device = device;
    entry.bytes = bytes;
    m_nLastPort = port;
    m_strLastDevice = device;
    if (direction == ECommDirection::Sent && !m_bExchangeOpen) {
        m_bExchangeOpen = true;
        m_dFirstWriteMs = entry.msSinceClear;
        m_dLastReadMs = -1;
    } else if (direction == ECommDirection::Received) {
        m_dLastReadMs = entry.msSinceClear;
        if (m_bExchangeOpen)
            entry.msSinceWrite = entry.msSinceClear - m_dFirstWriteMs;
    }
    std::vector<CRow> rows;
    // What this side's bytes end on the other side comes first, then the piece and its frames.
    AddFrameRows(m_decoder.EndOtherSide(direction), entry, rows);
    const qint64 wallMs = entry.wallClock.toMSecsSinceEpoch();
    if (entry.wallClock.date() != m_lastDate) {
        m_lastDate = entry.wallClock.date();
        rows.push_back({FormatNewDate(m_lastDate), nullptr, wallMs, kWithFrames});
    }
    for (QString& line : FormatCommLogEntry(entry))
        rows.push_back({std::move(line), nullptr, wallMs, 0});
    AddFrameRows(m_decoder.Add(direction, bytes), entry, rows);
    Append(std::move(rows));
}

// Each frame makes two rows: its head with the first bytes, and the line that explains it.
void CCommLog::AddFrameRows(const std::vector<CLineFrame>& frames, const CCommLogEntry& when,
                            std::vector<CRow>& rows) const {
    if (frames.empty()) // most pieces end no frame
        return;
    const QString port = PortText(when.port, when.device);
    const qint64 wallMs = when.wallClock.toMSecsSinceEpoch();
    for (const CLineFrame& frame : frames) {
        auto logged = std::make_shared<CLoggedFrame>(
            CLoggedFrame{frame, port, when.wallClock, when.msSinceClear});
        const uint8_t flags = kWithFrames | (frame.IsError() ? kError : 0);
        rows.push_back({FrameHeadLine(*logged), logged, wallMs, uint8_t(flags | kFrameHead)});
        rows.push_back(
            {QString(kHeadIndent, QLatin1Char(' ')) + QStringLiteral("▸ ") + FrameLine(frame),
             logged, wallMs, flags});
    }
}

void CCommLog::AddOpenFrames(std::vector<CRow>& rows) {
    CCommLogEntry now;
    now.msSinceClear = Now();
    now.wallClock = WallClock();
    now.port = m_nLastPort;
    now.device = m_strLastDevice;
    AddFrameRows(m_decoder.EndOfReply(), now, rows);
}

void CCommLog::StartTransmission() {
    std::vector<CRow> rows;
    CloseExchange(rows);
    if (!rows.empty())
        Append(std::move(rows));
}

void CCommLog::EndExchange() {
    std::vector<CRow> rows;
    AddOpenFrames(rows);
    CloseExchange(rows);
    if (!rows.empty())
        Append(std::move(rows));
}

// An exchange ends with its round trip; one that no byte answered says so, and is an error.
void CCommLog::CloseExchange(std::vector<CRow>& rows) {
    if (!m_bExchangeOpen)
        return;
    m_bExchangeOpen = false;
    const qint64 wallMs = WallClock().toMSecsSinceEpoch();
    if (m_dLastReadMs >= m_dFirstWriteMs)
        rows.push_back(
            {FormatRoundTrip(m_dLastReadMs - m_dFirstWriteMs), nullptr, wallMs, kWithFrames});
    else
        rows.push_back(
            {FormatNoReply(Now() - m_dFirstWriteMs), nullptr, wallMs, kWithFrames | kError});
}

void CCommLog::Append(std::vector<CRow> rows) {
    QByteArray forFile;
    for (CRow& row : rows) {
        const qint64 id = m_nFirstId + qint64(m_rows.size());
        if (row.flags & kWithFrames)
            m_frameIds.push_back(id);
        if (row.flags & kError)
            m_errorIds.push_back(id);
        if (m_file.isOpen())
            forFile += row.text.toUtf8() + '\n';
        m_rows.push_back(std::move(row));
    }
    DropOldest();
    if (m_file.isOpen())
        AppendToFile(forFile);
    emit Changed();
}

void CCommLog::DropOldest() {
    while (m_rows.size() > size_t(kMaxLines)) {
        m_rows.pop_front();
        ++m_nFirstId;
        ++m_nDropped;
    }
    for (std::deque<qint64>* ids : {&m_frameIds, &m_errorIds})
        while (!ids->empty() && ids->front() < m_nFirstId)
            ids->pop_front();
}

void CCommLog::Clear() {
    m_rows.clear();
    m_frameIds.clear();
    m_errorIds.clear();
    m_nFirstId = 0;
    m_nDropped = 0;
    m_bExchangeOpen = false;
    m_decoder.Reset();
    m_clock.restart();
    m_clearedAt = WallClock();
    m_lastDate = m_clearedAt.date();
    emit Changed();
}
