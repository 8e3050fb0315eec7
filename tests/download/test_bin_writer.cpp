#include "support/file_size_limit.h"

#include "download/bin_writer.h"
#include "download/program_image.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
void FillImagePattern() {
    for (int i = 0; i < kProgramImageSize; ++i)
        ProgramImage[i] = static_cast<uint8_t>((i * 7 + i / 256) & 0xFF);
}

QByteArray ImageBytes() {
    return QByteArray(reinterpret_cast<const char*>(ProgramImage), kProgramImageSize);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestBinWriter : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void init() {
        ResetProgramImage();
        FillImagePattern();
    }

    void swapsEveryValue() {
        static uint8_t scratch[kBinScratchSize];
        FillSwappedImage(scratch);
        for (int k = 0; k < kProgramImageSize / 2; ++k) {
            QCOMPARE(scratch[2 * k], ProgramImage[2 * k + 1]);
            QCOMPARE(scratch[2 * k + 1], ProgramImage[2 * k]);
        }
    }

    // The file layout, byte by byte, against the image: swapped halves then the 0xFF tail.
    void fileLayout_data() {
        QTest::addColumn<int>("fileOffset");
        QTest::addColumn<int>("expectedByte"); // -1: image byte swapped within its value
        QTest::newRow("first byte is the low byte of value 0") << 0 << -1;
        QTest::newRow("second byte is its high byte") << 1 << -1;
        QTest::newRow("last of the 0x28000 half") << 0xFFFF << -1;
        QTest::newRow("first of the 0x38000 half") << 0x10000 << -1;
        QTest::newRow("last of the image") << 0x1FFFF << -1;
        QTest::newRow("tail start") << 0x20000 << 0xFF;
        QTest::newRow("tail end") << 0x3FFFF << 0xFF;
    }
    void fileLayout() {
        QFETCH(int, fileOffset);
        QFETCH(int, expectedByte);
        const QString path = m_dir.filePath(QStringLiteral("layout.bin"));
        QCOMPARE(WriteBinFile(path), QString());
        const QByteArray file = ReadAll(path);
        QCOMPARE(file.size(), kBinFileSize);
        const int expected = expectedByte >= 0 ? expectedByte : ProgramImage[fileOffset ^ 1];
        QCOMPARE(int(uint8_t(file[fileOffset])), expected);
    }

    void wholeFile() {
        const QByteArray before = ImageBytes();
        const QString path = m_dir.filePath(QStringLiteral("whole.bin"));
        QCOMPARE(WriteBinFile(path), QString());
        const QByteArray file = ReadAll(path);
        QCOMPARE(file.size(), kBinFileSize);
        QByteArray swapped = before;
        for (int k = 0; k < swapped.size(); k += 2)
            std::swap(swapped[k], swapped[k + 1]);
        QCOMPARE(file.left(kProgramImageSize), swapped);
        QCOMPARE(file.mid(kProgramImageSize), QByteArray(0x20000, char(0xFF)));
        QCOMPARE(ImageBytes(), before); // the image itself is only read
    }

    void generatingTwiceGivesTheSameFile() {
        const QString first = m_dir.filePath(QStringLiteral("one.bin"));
        const QString second = m_dir.filePath(QStringLiteral("two.bin"));
        QCOMPARE(WriteBinFile(first), QString());
        QCOMPARE(WriteBinFile(second), QString());
        QCOMPARE(ReadAll(first), ReadAll(second));
        QCOMPARE(WriteBinFile(first), QString()); // overwrites in place
        QCOMPARE(ReadAll(first), ReadAll(second));
    }

    void overwritesALongerFile() {
        const QString path = m_dir.filePath(QStringLiteral("long.bin"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(kBinFileSize + 1000, 'x'));
        }
        QCOMPARE(WriteBinFile(path), QString());
        QCOMPARE(QFileInfo(path).size(), qint64(kBinFileSize));
    }

    void missingFolderCannotBeCreated() {
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/x.bin"));
        QCOMPARE(WriteBinFile(path),
                 "HEX文件打开失败! " + path + QStringLiteral("：文件或文件夹不存在"));
        QVERIFY(!QFile::exists(path));
    }

    void deviceThatRefusesWrites() {
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(!WriteBinImage(buffer));
        QBuffer open;
        QVERIFY(open.open(QIODevice::WriteOnly));
        QVERIFY(WriteBinImage(open));
        QCOMPARE(open.data().size(), kBinFileSize);
    }

    // A write that fails half way (the file may not grow past 64 KB here) leaves no file
    // behind, and an existing file of that name keeps its contents.
    void failedWriteLeavesNoPartialFile() {
        const QString fresh = m_dir.filePath(QStringLiteral("fresh.bin"));
        const QString existing = m_dir.filePath(QStringLiteral("existing.bin"));
        const QByteArray old("an earlier program image");
        {
            QFile file(existing);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        const int filesBefore = QDir(m_dir.path()).entryList(QDir::Files).size();
        {
            CFileSizeLimit limit(0x10000);
            QVERIFY(limit.IsActive());
            for (const QString& path : {fresh, existing})
                QCOMPARE(WriteBinFile(path),
                         "Bin文件写入失败! " + path + QStringLiteral("：文件超过允许的大小"));
        }
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(ReadAll(existing), old);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), filesBefore);
    }
};

QTEST_GUILESS_MAIN(TestBinWriter)
#include "test_bin_writer.moc"
