#pragma once
// The frame log of --log: one line per frame, "<seconds> <RX|TX> [kind] <hex bytes>", and
// "<seconds> NOTE <text>" for how a frame was handled. Each line is flushed at once, so that a
// test can read the log while the simulator runs.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace sim {

class CSimLog {
public:
    // An empty path logs nothing.
    bool Open(const QString& path, QString& error);
    bool IsOpen() const { return m_file.isOpen(); }

    // kind: empty for a plain frame, else a word such as "garbage" or "noise".
    void Frame(qint64 nowMs, const char* direction, const char* kind, const QByteArray& bytes);
    void Note(qint64 nowMs, const QString& text);

    static QByteArray LineOf(qint64 nowMs, const char* direction, const char* kind,
                             const QByteArray& bytes);

private:
    void Write(const QByteArray& line);
    QFile m_file;
};

} // namespace sim
