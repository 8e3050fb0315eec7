#include "dat_fixture.h"

#include "download/dat_reader.h"
#include "download/program_image.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/resource.h>

Q_DECLARE_METATYPE(EDatReadResult)

namespace {
constexpr uint8_t kUntouched = 0xEE;

QVector<uint16_t> Values28000() {
    return ProgramValues(0xAD28, 28000);
}

QByteArray Records(const QVector<uint16_t>& values, const QByteArray& lineEnd = "\r\n") {
    CDatFileLayout layout;
    layout.values = values;
    layout.lineEnd = lineEnd;
    return DatFileBytes(layout);
}

// Peak resident memory of this process in kilobytes.
long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes header, then the records, then filler lines until the file has about totalBytes,
// one megabyte at a time so the test itself stays small.
bool WriteLargeFile(const QString& path, const QByteArray& start, qint64 totalBytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size())
        return false;
    QByteArray filler;
    while (filler.size() < 1 << 20)
        filler += "0x1234\r\n";
    while (file.size() < totalBytes)
        if (file.write(filler) != filler.size())
            return false;
    return true;
}
} // namespace

class TestDatReader : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    uint8_t m_half[kProgramHalfSize];

    QString FileWith(const QByteArray& bytes) {
        static int count = 0;
        return WriteFixtureFile(m_dir.path(), QStringLiteral("f%1.dat").arg(++count), bytes);
    }

private slots:
    void init() { std::memset(m_half, kUntouched, sizeof m_half); }

    void hexToWord_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("first signature") << QByteArray("D801") << 0xD801;
        QTest::newRow("lower case") << QByteArray("d801") << 0xD801;
        QTest::newRow("mixed case") << QByteArray("aB3c") << 0xAB3C;
        QTest::newRow("zero") << QByteArray("0000") << 0x0000;
        QTest::newRow("all ones upper") << QByteArray("FFFF") << 0xFFFF;
        QTest::newRow("all ones lower") << QByteArray("ffff") << 0xFFFF;
        QTest::newRow("digits") << QByteArray("1234") << 0x1234;
        // Characters that are no hex digits convert by the same rule, modulo 65536.
        QTest::newRow("G last") << QByteArray("000G") << 0x0010;
        QTest::newRow("G first overflows") << QByteArray("G000") << 0x0000;
        QTest::newRow("Z upper") << QByteArray("000Z") << 0x0023;
        QTest::newRow("z lower") << QByteArray("000z") << 0x0023;
        QTest::newRow("space goes below zero") << QByteArray("00 1") << 0xFF01;
        QTest::newRow("line break read out of step") << QByteArray("\r\n00") << 0xAA00;
        QTest::newRow("letters and dash") << QByteArray("ZZ-z") << 0x52F3;
    }
    void hexToWord() {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(int(HexToWord(text.constData())), value);
    }

    void readRecords_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<EDatReadResult>("result");
        QTest::addColumn<QVector<uint16_t>>("stored"); // the values found from index 0
        QTest::addColumn<int>("written");              // values stored; the rest is untouched

        const QVector<uint16_t> all = Values28000();
        const QVector<uint16_t> allButLast = all.mid(0, kFixtureValueCount - 1);
        QTest::newRow("32768 records") << Records(all) << EDatReadResult::Loaded << all << 32768;

        QVector<uint16_t> more = all;
        more.append(QVector<uint16_t>(500, 0x4444));
        QTest::newRow("extra records ignored")
            << Records(more) << EDatReadResult::Loaded << all << 32768;

        QTest::newRow("32767 records")
            << Records(allButLast) << EDatReadResult::ReadFailed << allButLast << 32767;

        QByteArray noCrLf = Records(all);
        noCrLf.chop(2);
        QTest::newRow("last record without CR LF")
            << noCrLf << EDatReadResult::ReadFailed << allButLast << 32767;
        QByteArray noLf = Records(all);
        noLf.chop(1);
        QTest::newRow("last record without LF")
            << noLf << EDatReadResult::ReadFailed << allButLast << 32767;

        // 7-byte lines: 32768 of them are too short for 32768 records of 8 bytes.
        const QByteArray bareLf = Records(all, "\n");
        QTest::newRow("bare LF line ends")
            << bareLf << EDatReadResult::ReadFailed << QVector<uint16_t>{0xD801, HexToWord("D28\n")}
            << 32768 * 7 / 8;

        CDatFileLayout lower;
        lower.values = all;
        lower.lowerCase = true;
        QTest::newRow("lower-case digits")
            << DatFileBytes(lower) << EDatReadResult::Loaded << all << 32768;

        QTest::newRow("empty file")
            << QByteArray() << EDatReadResult::ReadFailed << QVector<uint16_t>() << 0;
        QTest::newRow("ends inside its header line")
            << QByteArray("DSP program data without a line feed") << EDatReadResult::ReadFailed
            << QVector<uint16_t>() << 0;
        QTest::newRow("header line only") << QByteArray("DSP program data\r\n")
                                          << EDatReadResult::ReadFailed << QVector<uint16_t>() << 0;

        // Without a header the first record is skipped as one, and the file comes up short.
        QByteArray headerless = Records(all);
        headerless.remove(0, headerless.indexOf('\n') + 1);
        QTest::newRow("no header line")
            << headerless << EDatReadResult::ReadFailed << all.mid(1) << 32767;

        const QByteArray body = Records(all).mid(Records(all).indexOf('\n') + 1);
        for (int headerSize : {16384, 16385, 40000}) {
            const QByteArray header = QByteArray(headerSize - 1, 'h') + '\n';
            QTest::addRow("header of %d bytes", headerSize)
                << header + body << EDatReadResult::Loaded << all << 32768;
        }
        QTest::newRow("header line past 1 MiB")
            << QByteArray(1 << 20, 'h') + '\n' + body << EDatReadResult::ReadFailed
            << QVector<uint16_t>() << 0;

        QByteArray garbage = Records(all);
        const int record5 = garbage.indexOf('\n') + 1 + 5 * 8;
        garbage.replace(record5, 8, "0xZZ-z\r\n");
        QVector<uint16_t> garbageValues = all;
        garbageValues[5] = 0x52F3;
        QTest::newRow("non-hex characters")
            << garbage << EDatReadResult::Loaded << garbageValues << 32768;
    }
    void readRecords() {
        QFETCH(QByteArray, file);
        QFETCH(EDatReadResult, result);
        QFETCH(QVector<uint16_t>, stored);
        QFETCH(int, written);
        const QString path = FileWith(file);
        QVERIFY(!path.isEmpty());

        QCOMPARE(ReadDatFile(path, m_half), result);

        const QByteArray expected = BigEndianBytes(stored);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m_half), expected.size()), expected);
        const QByteArray rest(reinterpret_cast<const char*>(m_half) + 2 * written,
                              kProgramHalfSize - 2 * written);
        QCOMPARE(rest, QByteArray(rest.size(), char(kUntouched)));
        if (written > 0)
            QVERIFY(m_half[2 * written - 1] != kUntouched || m_half[2 * written - 2] != kUntouched);
    }

    void missingFileCannotBeOpened() {
        QCOMPARE(ReadDatFile(m_dir.filePath(QStringLiteral("absent.dat")), m_half),
                 EDatReadResult::OpenFailed);
        QCOMPARE(m_half[0], kUntouched);
    }

    void folderCannotBeOpened() {
        QCOMPARE(ReadDatFile(m_dir.path(), m_half), EDatReadResult::OpenFailed);
    }

    // Reading stops after the records: nothing past them is read, whatever the file's size.
    void largeFileReadsOnlyTheRecords() {
        const QByteArray start = Records(Values28000());
        const QString path = m_dir.filePath(QStringLiteral("large.dat"));
        QVERIFY(WriteLargeFile(path, start, 50LL << 20));

        const long peakBefore = PeakMemoryKb();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        QVERIFY(file.size() >= 50LL << 20);
        QCOMPARE(ReadDatRecords(file, m_half), EDatReadResult::Loaded);
        QCOMPARE(file.pos(), qint64(start.size()));
        QVERIFY2(PeakMemoryKb() - peakBefore < 8 * 1024,
                 qPrintable(QStringLiteral("peak grew by %1 kB").arg(PeakMemoryKb() - peakBefore)));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(m_half), kProgramHalfSize),
                 BigEndianBytes(Values28000()));
    }

    // A large file without any line feed is scanned in small pieces and reported short.
    void largeFileWithoutLineFeed() {
        const QString path = m_dir.filePath(QStringLiteral("noline.dat"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray piece(1 << 20, 'x');
            for (int i = 0; i < 50; ++i)
                QCOMPARE(file.write(piece), qint64(piece.size()));
        }
        const long peakBefore = PeakMemoryKb();
        QCOMPARE(ReadDatFile(path, m_half), EDatReadResult::ReadFailed);
        QVERIFY2(PeakMemoryKb() - peakBefore < 8 * 1024,
                 qPrintable(QStringLiteral("peak grew by %1 kB").arg(PeakMemoryKb() - peakBefore)));
        QCOMPARE(m_half[0], kUntouched);
    }
};

QTEST_GUILESS_MAIN(TestDatReader)
#include "test_dat_reader.moc"
