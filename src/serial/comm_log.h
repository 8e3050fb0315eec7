#pragma once
// The communication log: every transmission a serial control writes and every piece it reads,
// in order, as lines of text (a head line with the time, direction, port, device and byte count,
// then the bytes as hexadecimal pairs with an ASCII column), with the round trip of each
// exchange. Beside the pieces, the frames the line carried (trace/frame_decoder.h): a frame row
// with its bytes and a line that explains it. It keeps the newest kMaxLines rows, can show all
// of them, the frames only or the errors only, and can append every entry to a file as it comes.
// No widgets: the main window shows it, a command-line program could print it.
#include "trace/frame_decoder.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

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

// "发送" or "接收".
QString CommDirectionText(ECommDirection direction);

// The lines of one entry: the head line, then kCommLogBytesPerLine bytes a line as offset,
// hexadecimal pairs and the printable ASCII characters ('.' for the others).
QStringList FormatCommLogEntry(const CCommLogEntry& entry);
// The line that closes an exchange: its round trip from the first byte written to the last read.
QString FormatRoundTrip(double ms);
// The line that closes an exchange the module never answered, when the next one starts.
QString FormatNoReply(double ms);
// The line that starts the entries of a new day.
QString FormatNewDate(const QDate& date);
// The first line shown once older lines have gone.
QString DroppedLinesNotice(qint64 dropped);
// The first line of a saved log or of a file recorded to: the program's version and the date.
QString LogFileHeader(const QDateTime& since);

// Which rows the log shows.
enum class ECommLogFilter { Everything, FramesOnly, ErrorsOnly };

// A frame as the log keeps it: what the decoder found, and where and when.
struct CLoggedFrame {
    CLineFrame frame;
    QString port; // "COM1 /dev/pts/3"
    QDateTime wallClock;
    double msSinceClear = 0;
};

class CCommLog : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 50000;

    explicit CCommLog(QObject* parent = nullptr);
    ~CCommLog() override;

    // One transmission written or one piece read by the control of `port` on `device`.
    void Record(ECommDirection direction, int port, const QString& device, const QByteArray& bytes);
    // A transmission starts (its pieces follow): an exchange still open is closed, with its round
    // trip or with the fact that no byte came back, so that the new one counts from its write.
    void StartTransmission();
    // A reply is complete: the exchange's round trip closes it, when bytes went both ways.
    void EndExchange();
    // Empties the log and starts its clock again; a file being recorded to stays open.
    void Clear();
    // The wall clock the entries are stamped with (tests give one of their own).
    void SetWallClock(std::function<QDateTime()> clock) { m_wallClock = std::move(clock); }

    // Rows as the filter shows them: the dropped-lines notice first, once older rows have gone.
    int RowCount(ECommLogFilter filter) const;
    QString RowText(ECommLogFilter filter, int index) const;
    bool RowIsError(ECommLogFilter filter, int index) const;
    // The frame a row shows or explains; nullptr for other rows.
    const CLoggedFrame* RowFrame(ECommLogFilter filter, int index) const;
    // A row's lasting id (rows keep theirs while older ones go), -1 for the notice row; and the
    // row of an id in a filter: that row, or the first shown after it.
    qint64 RowId(ECommLogFilter filter, int index) const;
    int RowOfId(ECommLogFilter filter, qint64 id) const;
    // The row's place in another filter's rows: the same row, or the first shown after it.
    int MapRow(ECommLogFilter from, int index, ECommLogFilter to) const;
    // The next (or previous) error row after (before) `index`; -1 when there is none.
    int NextError(ECommLogFilter filter, int index, bool forward) const;
    // The next (previous) row after (before) `index` whose text holds `query`, or whose frame
    // holds its bytes when it reads as hexadecimal pairs ("F5 09", "f509"); -1 for none.
    int Find(ECommLogFilter filter, int index, const QString& query, bool forward) const;

    // Every row, as the window shows them unfiltered.
    int LineCount() const { return RowCount(ECommLogFilter::Everything); }
    QString Line(int index) const { return RowText(ECommLogFilter::Everything, index); }
    qint64 DroppedLines() const { return m_nDropped; }
    QString Text() const; // the header line, then every line shown, each ended by a line feed

    // Writes the header and the lines shown as UTF-8 text; "" or the message to show.
    QString SaveAs(const QString& path) const;
    // Writes the frames as CSV, one a row: time, direction, port, command, fields, result,
    // check, hex; "" or the message to show.
    QString SaveCsv(const QString& path) const;
    // From now on every entry is appended to `path` as it comes, after a header line; "" or the
    // message. A write that fails ends the recording: the entry it cut is taken back and
    // FileRecordingFailed says why.
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
    enum ERowFlag : uint8_t { kWithFrames = 1, kError = 2, kFrameHead = 4 };
    struct CRow {
        QString text;
        std::shared_ptr<const CLoggedFrame> frame;
        qint64 wallMs = 0;
        uint8_t flags = 0;
    };

    double Now() const;
    QDateTime WallClock() const;
    void Append(std::vector<CRow> rows);
    void AddFrameRows(const std::vector<CLineFrame>& frames, const CCommLogEntry& when,
                      std::vector<CRow>& rows) const;
    // The frames still open end: the reply is over, or the next transmission starts.
    void AddOpenFrames(std::vector<CRow>& rows);
    void CloseExchange(std::vector<CRow>& rows);
    void AppendToFile(const QByteArray& bytes);
    void DropOldest();
    const std::deque<qint64>* IdsOf(ECommLogFilter filter) const;
    const CRow* RowAt(ECommLogFilter filter, int index) const;
    QDateTime OldestTime() const;

    std::deque<CRow> m_rows;
    std::deque<qint64> m_frameIds; // rows shown with the frames only
    std::deque<qint64> m_errorIds; // rows shown with the errors only
    qint64 m_nFirstId = 0;         // the id of m_rows.front()
    qint64 m_nDropped = 0;
    QElapsedTimer m_clock;
    QDateTime m_clearedAt;
    QDate m_lastDate;
    std::function<QDateTime()> m_wallClock;
    CFrameDecoder m_decoder;
    QFile m_file;
    int m_nLastPort = 0; // where the frames that end with a reply were read
    QString m_strLastDevice;
    bool m_bExchangeOpen = false;
    double m_dFirstWriteMs = 0;
    double m_dLastReadMs = -1;
};

// The log that every serial control records into, or nullptr while none is kept: recording then
// costs one test of this pointer.
extern CCommLog* g_pCommLog;
