#pragma once
// The communication log: every transmission a serial control writes and every piece it reads,
// in order, as lines of text (a head line with the time, direction, port, device and byte count,
// then the bytes as hexadecimal pairs with an ASCII column), with the round trip of each
// exchange. It keeps the newest kMaxLines lines and can append every entry to a file as it comes.
// No widgets: the main window shows it, a command-line program could print it.
#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>

enum class ECommDirection { Sent, Received };

struct CCommLogEntry {
    double msSinceClear = 0;
    QDateTime wallClock;
    ECommDirection direction = ECommDirection::Sent;
    int port = 0;
    QString device;
    QByteArray bytes;
    double msSinceWrite = -1; // a read inside an exchange: ms since its first byte was written
};

constexpr int kCommLogBytesPerLine = 16;

// The lines of one entry: the head line, then kCommLogBytesPerLine bytes a line as offset,
// hexadecimal pairs and the printable ASCII characters ('.' for the others).
QStringList FormatCommLogEntry(const CCommLogEntry& entry);
// The line that closes an exchange: its round trip from the first byte written to the last read.
QString FormatRoundTrip(double ms);
// The first line shown once older lines have gone.
QString DroppedLinesNotice(qint64 dropped);

class CCommLog : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 50000;

    explicit CCommLog(QObject* parent = nullptr);
    ~CCommLog() override;

    // One transmission written or one piece read by the control of `port` on `device`.
    void Record(ECommDirection direction, int port, const QString& device, const QByteArray& bytes);
    // A reply is complete: the exchange's round trip closes it, when bytes went both ways.
    void EndExchange();
    // Empties the log and starts its clock again; a file being recorded to stays open.
    void Clear();

    // Lines as shown: the dropped-lines notice first, once older lines have gone.
    int LineCount() const;
    QString Line(int index) const;
    qint64 DroppedLines() const { return m_nDropped; }
    QString Text() const; // every line shown, each ended by a line feed

    // Writes the lines shown as UTF-8 text; "" or the message to show.
    QString SaveAs(const QString& path) const;
    // From now on every entry is appended to `path` as it comes; "" or the message. A write
    // that fails ends the recording: the entry it cut is taken back and FileRecordingFailed
    // says why.
    QString StartFileRecording(const QString& path);
    void StopFileRecording();
    bool IsRecordingToFile() const { return m_file.isOpen(); }
    QString RecordingPath() const { return m_file.fileName(); }

signals:
    // Lines were added, dropped or cleared.
    void Changed();
    // Recording to a file has stopped because a write failed; the message says why.
    void FileRecordingFailed(const QString& message);

private:
    double Now() const;
    void Append(const QStringList& lines);
    void AppendToFile(const QByteArray& bytes);

    std::deque<QString> m_lines;
    qint64 m_nDropped = 0;
    QElapsedTimer m_clock;
    QFile m_file;
    bool m_bExchangeOpen = false;
    double m_dFirstWriteMs = 0;
    double m_dLastReadMs = -1;
};

// The log that every serial control records into, or nullptr while none is kept: recording then
// costs one test of this pointer.
extern CCommLog* g_pCommLog;
