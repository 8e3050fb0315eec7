#include "console/feature_files.h"
#include "protocol/packets.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <vector>

namespace {

constexpr int kTxSize = 4100;
constexpr uint8_t kUntouched = 0xA5;

QByteArray Pattern(int n, int seed) {
    QByteArray bytes(n, '\0');
    for (int i = 0; i < n; ++i)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Span(const std::vector<uint8_t>& tx, int from, int n) {
    return QByteArray(reinterpret_cast<const char*>(tx.data()) + from, n);
}

// True when a file can still be created in a directory whose write permission was removed
// (running as root), so permissions cannot make a save fail.
bool PermissionsIgnored(const QString& dir) {
    QFile probe(dir + QStringLiteral("/probe"));
    const bool created = probe.open(QIODevice::WriteOnly);
    if (created)
        probe.remove();
    return created;
}

} // namespace

class TestFeatureFiles : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::vector<uint8_t> m_tx;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_tx.assign(kTxSize, kUntouched);
    }

    void dialogOptions() {
        const CFileDialogOptions dialog = FeatureFileDialogOptions();
        QCOMPARE(dialog.filter, QStringLiteral("feature files (*.fea)"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("fea"));
        QCOMPARE(dialog.initialName, QStringLiteral("feature"));
    }

    void secondPathAppendsTheSuffix() {
        QCOMPARE(SecondFeaturePath(QStringLiteral("/x/a.fea")), QStringLiteral("/x/a.fea.fea"));
        QCOMPARE(SecondFeaturePath(QStringLiteral("b")), QStringLiteral("b.fea"));
    }

    // One finger: the first 193 bytes go to 12..204; nothing else of the buffer changes.
    void loadOneFile_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("193 bytes") << 193 << true;
        QTest::newRow("300 bytes") << 300 << true;
        QTest::newRow("192 bytes") << 192 << false;
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("1 byte") << 1 << false;
    }
    void loadOneFile() {
        QFETCH(int, size);
        QFETCH(bool, accepted);
        const QString path = Path(QStringLiteral("one.fea"));
        const QByteArray contents = Pattern(size, 3);
        WriteFile(path, contents);

        const QString result = LoadFeatureFiles(path, false, m_tx.data());

        if (!accepted) {
            QCOMPARE(result, QStringLiteral("读 ") + path + QStringLiteral(" 文件错误"));
            return;
        }
        QCOMPARE(result, QString());
        QCOMPARE(Span(m_tx, kFeatureOffset, kFeatureSize), contents.left(kFeatureSize));
        QCOMPARE(m_tx[kFeatureOffset - 1], kUntouched);
        QCOMPARE(m_tx[kSecondFeatureOffset], kUntouched);
    }

    void loadRefusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("twoFingers");
        QTest::addColumn<QString>("expected"); // %1 stands for the full path of `name`
        QTest::newRow("no file chosen") << QString() << false << "请选择特征值文件";
        QTest::newRow("no file chosen, two") << QString() << true << "请选择特征值文件";
        QTest::newRow("missing") << "missing.fea" << false << "无法打开 %1";
        QTest::newRow("missing second") << "only.fea" << true << "无法打开 %1.fea";
        QTest::newRow("short second") << "short2.fea" << true << "读 %1.fea 文件错误";
        QTest::newRow("a directory") << "folder.fea" << false << "无法打开 %1";
    }
    void loadRefusals() {
        QFETCH(QString, name);
        QFETCH(bool, twoFingers);
        QFETCH(QString, expected);
        WriteFile(Path(QStringLiteral("only.fea")), Pattern(193, 1));
        WriteFile(Path(QStringLiteral("short2.fea")), Pattern(193, 1));
        WriteFile(Path(QStringLiteral("short2.fea.fea")), Pattern(192, 2));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.fea")));
        const QString path = name.isEmpty() ? QString() : Path(name);

        QCOMPARE(LoadFeatureFiles(path, twoFingers, m_tx.data()),
                 QString(expected).replace(QStringLiteral("%1"), path));
    }

    void loadTwoFingers() {
        const QString path = Path(QStringLiteral("x.fea"));
        const QByteArray first = Pattern(193, 11), second = Pattern(250, 99);
        WriteFile(path, first);
        WriteFile(path + QStringLiteral(".fea"), second);

        QCOMPARE(LoadFeatureFiles(path, true, m_tx.data()), QString());

        QCOMPARE(Span(m_tx, kFeatureOffset, kFeatureSize), first);
        QCOMPARE(Span(m_tx, kSecondFeatureOffset, kFeatureSize), second.left(kFeatureSize));
        QCOMPARE(m_tx[kSecondFeatureOffset + kFeatureSize], kUntouched);
    }

    void saveThenLoadGivesTheSameBytes() {
        std::vector<uint8_t> reply(207);
        for (int i = 0; i < 207; ++i)
            reply[i] = uint8_t(255 - i);
        const QString path = Path(QStringLiteral("feature.fea"));

        QCOMPARE(SaveFeatureValue(path, reply.data() + kFeatureOffset), QString());
        QCOMPARE(QFileInfo(path).size(), qint64(kFeatureSize));
        QCOMPARE(LoadFeatureFiles(path, false, m_tx.data()), QString());

        QCOMPARE(Span(m_tx, kFeatureOffset, kFeatureSize),
                 Span(reply, kFeatureOffset, kFeatureSize));
    }

    void saveReplacesALongerFile() {
        const QString path = Path(QStringLiteral("old.fea"));
        WriteFile(path, Pattern(300, 5));
        const QByteArray feature = Pattern(193, 77);

        QCOMPARE(SaveFeatureValue(path, reinterpret_cast<const uint8_t*>(feature.constData())),
                 QString());

        QCOMPARE(ReadFile(path), feature);
    }

    void saveUnderAFileFails() {
        const QString parent = Path(QStringLiteral("plain"));
        WriteFile(parent, "x");
        const QString path = parent + QStringLiteral("/feature.fea");
        const QByteArray feature = Pattern(193, 1);

        QCOMPARE(SaveFeatureValue(path, reinterpret_cast<const uint8_t*>(feature.constData())),
                 "无法打开 " + path + "：路径中有一项不是文件夹");

        QCOMPARE(ReadFile(parent), QByteArray("x"));
    }

    void failedSaveKeepsAnExistingFile() {
        const QString folder = Path(QStringLiteral("locked"));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("locked")));
        const QString path = folder + QStringLiteral("/kept.fea");
        const QByteArray old = Pattern(193, 42);
        WriteFile(path, old);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (PermissionsIgnored(folder)) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
            QSKIP("permissions do not apply to this user");
        }
        const QByteArray feature = Pattern(193, 1);

        const QString result =
            SaveFeatureValue(path, reinterpret_cast<const uint8_t*>(feature.constData()));

        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(result, "无法打开 " + path + "：没有权限");
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("kept.fea")});
    }

    // A write that fails after the file was opened (here: the process may not write files
    // larger than 100 bytes) reports the write error and leaves the old file and no other.
    void failedWriteKeepsAnExistingFile() {
        const QString folder = Path(QStringLiteral("full"));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("full")));
        const QString path = folder + QStringLiteral("/kept.fea");
        const QByteArray old = Pattern(50, 8);
        WriteFile(path, old);
        const QByteArray feature = Pattern(193, 1);

        QString result;
        {
            CFileSizeLimit limit(100);
            result = SaveFeatureValue(path, reinterpret_cast<const uint8_t*>(feature.constData()));
        }
        QCOMPARE(result, "写 " + path + " 文件错误：文件超过允许的大小");
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("kept.fea")});
    }
};

QTEST_APPLESS_MAIN(TestFeatureFiles)
#include "test_feature_files.moc"
