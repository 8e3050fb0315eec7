#include "sim_log.h"

#include "files/file_errors.h"
#include "sim_texts.h"

namespace sim {

namespace {
QByteArray Stamp(qint64 nowMs) {
    return QByteArray::number(double(nowMs) / 1000.0, 'f', 3);
}
} // namespace

bool CSimLog::Open(const QString& path, QString& error) {
    if (path.isEmpty())
        return true;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        error = CSimTexts::tr("无法写入日志 %1：%2").arg(path, LastErrorText());
        return false;
    }
    return true;
}

QByteArray CSimLog::LineOf(qint64 nowMs, const char* direction, const char* kind,
                           const QByteArray& bytes) {
    QByteArray line = Stamp(nowMs) + ' ' + direction;
    if (kind && *kind)
        line += QByteArray(" ") + kind;
    return line + ' ' + bytes.toHex(' ').toUpper() + '\n';
}

void CSimLog::Frame(qint64 nowMs, const char* direction, const char* kind,
                    const QByteArray& bytes) {
    if (IsOpen())
        Write(LineOf(nowMs, direction, kind, bytes));
}

void CSimLog::Note(qint64 nowMs, const QString& text) {
    if (IsOpen())
        Write(Stamp(nowMs) + " NOTE " + text.toUtf8() + '\n');
}

void CSimLog::Write(const QByteArray& line) {
    m_file.write(line);
    m_file.flush();
}

} // namespace sim
