// The communication log in files: saved as text or CSV, or appended to a file as it comes.
#include "comm_log.h"

#include "files/file_access.h"
#include "files/file_errors.h"
#include "protocol/hex_text.h"

#include <QCoreApplication>
#include <cerrno>

// The log files' texts, translated as one context.
class CCommLogFileTexts {
    Q_DECLARE_TR_FUNCTIONS(CCommLogFileTexts)
};

namespace {
QString CsvField(QString text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QString CsvRow(const CLoggedFrame& logged) {
    const CLineFrame& frame = logged.frame;
    const QByteArray& bytes = frame.bytes;
    const QStringList fields = {
        logged.wallClock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
        CommDirectionText(frame.direction),
        logged.port,
        frame.kind == EFrameKind::Command || frame.kind == EFrameKind::Reply
            ? frame.command
            : FrameKindText(frame.kind) + QLatin1Char(' ') + frame.command,
        frame.fields,
        frame.result,
        FrameCheckText(frame),
        FormatHexDump(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()))};
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field.trimmed());
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString SaveFailure(const QString& path, const CFileWrite& write) {
    return WithReason(CCommLogFileTexts::tr("无法保存 %1").arg(path), WriteFailureReason(write));
}
} // namespace

QDateTime CCommLog::OldestTime() const {
    return m_rows.empty() ? m_clearedAt : QDateTime::fromMSecsSinceEpoch(m_rows.front().wallMs);
}

QString CCommLog::Text() const {
    QString text = LogFileHeader(OldestTime()) + QLatin1Char('\n');
    for (int i = 0; i < LineCount(); ++i)
        text += Line(i) + QLatin1Char('\n');
    return text;
}

QString CCommLog::SaveAs(const QString& path) const {
    const CFileWrite write = WriteWholeFile(path, Text().toUtf8());
    return write.result == EFileWriteResult::Written ? QString() : SaveFailure(path, write);
}

// UTF-8 with a byte-order mark, so that a spreadsheet reads the Chinese texts right.
QString CCommLog::SaveCsv(const QString& path) const {
    QString text = QStringLiteral("\uFEFF") +
                   CCommLogFileTexts::tr("时间,方向,端口,命令,字段,结果,校验,十六进制") +
                   QStringLiteral("\r\n");
    for (const CRow& row : m_rows)
        if (row.flags & kFrameHead)
            text += CsvRow(*row.frame);
    const CFileWrite write = WriteWholeFile(path, text.toUtf8());
    return write.result == EFileWriteResult::Written ? QString() : SaveFailure(path, write);
}

QString CCommLog::StartFileRecording(const QString& path) {
    StopFileRecording();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return CCommLogFileTexts::tr("无法打开 %1").arg(path);
    const QByteArray header = (LogFileHeader(WallClock()) + QLatin1Char('\n')).toUtf8();
    errno = 0;
    if (m_file.write(header) == header.size())
        return QString();
    const QString reason = LastErrorText();
    StopFileRecording();
    return WithReason(CCommLogFileTexts::tr("无法写入 %1").arg(path), reason);
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
    emit FileRecordingFailed(
        WithReason(CCommLogFileTexts::tr("记录到文件 %1 失败，已停止记录").arg(path), reason));
}
