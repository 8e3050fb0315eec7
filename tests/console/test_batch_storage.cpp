#include "console/batch_folder_scan.h"
#include "protocol/packets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <vector>

using KeyList = QList<uint32_t>;
Q_DECLARE_METATYPE(KeyList)

namespace {

constexpr uint8_t kUntouched = 0xA5;

// The contents of a feature file that tells its name apart: every byte derived from `seed`.
QByteArray FeatureFor(int seed, int size = kFeatureSize) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((seed * 31 + i) & 0xFF);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// A fresh folder holding the named feature files, each with FeatureFor(its index).
struct CFolder {
    QTemporaryDir dir;
    explicit CFolder(const QStringList& names, int size = kFeatureSize) {
        for (int i = 0; i < names.size(); ++i)
            WriteFile(dir.filePath(names[i]), FeatureFor(i, size));
    }
    QString Path() const { return dir.path(); }
};

// The list the scans of a test load into.
CBatchList& List() {
    static CBatchList list;
    return list;
}

// A scan into that list, and the user number of one of its items.
QString ScanBatchFolder(const QString& folder) {
    return ::ScanBatchFolder(folder, &List());
}

uint32_t BatchItemUser(int pos) {
    return ::BatchItemUser(List(), pos);
}

std::vector<uint8_t> FilledTx(int pos, int* length = nullptr) {
    std::vector<uint8_t> tx(4100, kUntouched);
    const int filled = FillBatchItem(List(), pos, tx.data());
    if (length)
        *length = filled;
    return tx;
}

QByteArray Span(const std::vector<uint8_t>& tx, int from, int n) {
    return QByteArray(reinterpret_cast<const char*>(tx.data()) + from, n);
}

} // namespace

class TestBatchStorage : public QObject {
    Q_OBJECT
private slots:
    void init() { List() = CBatchList(); }

    void sortBatchKeys_data() {
        QTest::addColumn<KeyList>("keys");
        QTest::addColumn<int>("n");
        QTest::addColumn<KeyList>("expected");
        QTest::newRow("n 0 leaves them") << KeyList{3, 1, 2} << 0 << KeyList{3, 1, 2};
        QTest::newRow("n 1 leaves them") << KeyList{3, 1, 2} << 1 << KeyList{3, 1, 2};
        QTest::newRow("negative n leaves them") << KeyList{3, 1, 2} << -1 << KeyList{3, 1, 2};
        QTest::newRow("two") << KeyList{9, 4} << 2 << KeyList{4, 9};
        QTest::newRow("only the first n") << KeyList{5, 4, 3, 2, 1} << 3 << KeyList{3, 4, 5, 2, 1};
        QTest::newRow("n as a 16-bit count")
            << KeyList{5, 4, 3, 2, 1} << 65536 + 3 << KeyList{3, 4, 5, 2, 1};
        QTest::newRow("equal keys") << KeyList{7, 7, 7} << 3 << KeyList{7, 7, 7};
        QTest::newRow("already sorted") << KeyList{1, 2, 3, 4} << 4 << KeyList{1, 2, 3, 4};
        QTest::newRow("reversed") << KeyList{4, 3, 2, 1} << 4 << KeyList{1, 2, 3, 4};
        QTest::newRow("unsigned compare") << KeyList{0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 0u} << 4
                                          << KeyList{0u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
        QTest::newRow("users with slots")
            << KeyList{(7u << 16) | 0, (3u << 16) | 1, (12u << 16) | 2} << 3
            << KeyList{(3u << 16) | 1, (7u << 16) | 0, (12u << 16) | 2};
    }
    void sortBatchKeys() {
        QFETCH(KeyList, keys);
        QFETCH(int, n);
        QFETCH(KeyList, expected);
        std::vector<uint32_t> array(keys.begin(), keys.end());
        SortBatchKeys(array.data(), n);
        QCOMPARE(KeyList(array.begin(), array.end()), expected);
    }

    void sortsAFullBatch() {
        std::vector<uint32_t> keys(kBatchCapacity);
        for (int i = 0; i < kBatchCapacity; ++i)
            keys[i] = uint32_t(((i * 7919) % 16383) << 16 | i);
        std::vector<uint32_t> expected = keys;
        std::sort(expected.begin(), expected.end());
        SortBatchKeys(keys.data(), kBatchCapacity);
        QVERIFY(keys == expected);
    }

    void batchUserNumber_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("user");
        QTest::newRow("25.fea") << "25.fea" << 25;
        QTest::newRow(".fea") << ".fea" << 0;
        QTest::newRow("0.fea") << "0.fea" << 0;
        QTest::newRow("16382.fea") << "16382.fea" << 16382;
        QTest::newRow("16383.fea") << "16383.fea" << -1;
        QTest::newRow("05.fea") << "05.fea" << 5;
        QTest::newRow("leading zeros") << "000000000016382.fea" << 16382;
        QTest::newRow("very long number") << "99999999999999999999999.fea" << -1;
        QTest::newRow("abc.fea") << "abc.fea" << -1;
        QTest::newRow("1a.fea") << "1a.fea" << -1;
        QTest::newRow("-1.fea") << "-1.fea" << -1;
        QTest::newRow("space") << " 5.fea" << -1;
        QTest::newRow("full-width digit") << QStringLiteral("５.fea") << -1;
        QTest::newRow("5.fea.fea") << "5.fea.fea" << -1;
        QTest::newRow("upper case") << "5.FEA" << 5;
        QTest::newRow("mixed case") << "8.Fea" << 8;
        QTest::newRow("no suffix") << "5" << -1;
        QTest::newRow("other suffix") << "5.fe" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void batchUserNumber() {
        QFETCH(QString, name);
        QFETCH(int, user);
        QCOMPARE(BatchUserNumber(name), user);
    }

    // Users 3, 7, 12 are stored in that order, each from the slot of the order its file was found.
    void sevenThreeTwelve() {
        const QStringList files{"7.fea", "3.fea", "12.fea"};
        CFolder folder(files);
        const QStringList found = BatchFileNames(folder.Path());
        QCOMPARE(found.size(), 3);

        QCOMPARE(ScanBatchFolder(folder.Path()), QString());

        QCOMPARE(List().Count(), 3);
        const int users[] = {3, 7, 12};
        for (int pos = 0; pos < 3; ++pos) {
            const QString name = QString::number(users[pos]) + QStringLiteral(".fea");
            const int slot = found.indexOf(name);
            QCOMPARE(List().Key(pos), uint32_t(users[pos]) << 16 | uint32_t(slot));
            QCOMPARE(BatchItemUser(pos), uint32_t(users[pos]));
            int length = 0;
            const std::vector<uint8_t> tx = FilledTx(pos, &length);
            QCOMPARE(length, 207);
            QCOMPARE(Span(tx, 0, 8), QByteArray::fromHex("F54100C4000085F5")); // its own store
            QCOMPARE(Span(tx, 9, 3),
                     QByteArray::fromRawData("\x00", 1) + char(users[pos]) + char(kBatchPrivilege));
            QCOMPARE(Span(tx, kFeatureOffset, kFeatureSize), FeatureFor(files.indexOf(name)));
            QCOMPARE(tx[8], kUntouched);
            QCOMPARE(tx[kFeatureOffset + kFeatureSize], kUntouched);
        }
    }

    void userNumberHighByte() {
        CFolder folder({"16382.fea"});
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        QCOMPARE(List().Count(), 1);
        const std::vector<uint8_t> tx = FilledTx(0);
        QCOMPARE(tx[9], uint8_t(16382 >> 8));
        QCOMPARE(tx[10], uint8_t(16382 & 0xFF));
        QCOMPARE(tx[11], uint8_t(1));
    }

    void bareSuffixIsUserZero() {
        CFolder folder({".fea"});
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        QCOMPARE(List().Count(), 1);
        QCOMPARE(BatchItemUser(0), 0u);
        const std::vector<uint8_t> tx = FilledTx(0);
        QCOMPARE(Span(tx, 9, 3), QByteArray("\x00\x00\x01", 3));
        QCOMPARE(Span(tx, kFeatureOffset, kFeatureSize), FeatureFor(0));
    }

    // 5.fea and 05.fea are both user 5, kept in the order found.
    void equalUsersKeepTheOrderFound() {
        CFolder folder({"5.fea", "05.fea"});
        const QStringList found = BatchFileNames(folder.Path());
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        QCOMPARE(List().Count(), 2);
        QCOMPARE(BatchItemUser(0), 5u);
        QCOMPARE(BatchItemUser(1), 5u);
        QCOMPARE(List().Key(0), (5u << 16) | 0u);
        QCOMPARE(List().Key(1), (5u << 16) | 1u);
        const QStringList created{"5.fea", "05.fea"};
        QCOMPARE(Span(FilledTx(0), kFeatureOffset, kFeatureSize),
                 FeatureFor(created.indexOf(found[0])));
        QCOMPARE(Span(FilledTx(1), kFeatureOffset, kFeatureSize),
                 FeatureFor(created.indexOf(found[1])));
    }

    void upperCaseSuffixMatches() {
        CFolder folder({"7.FEA", "8.Fea", "9.fea", "notes.txt", "10.fea.bak"});
        QStringList found = BatchFileNames(folder.Path());
        found.sort();
        QCOMPARE(found, (QStringList{"7.FEA", "8.Fea", "9.fea"}));
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        QCOMPARE(List().Count(), 3);
        QCOMPARE(BatchItemUser(0), 7u);
        QCOMPARE(BatchItemUser(1), 8u);
        QCOMPARE(BatchItemUser(2), 9u);
    }

    void aFolderNamedLikeAFileIsNoItem() {
        CFolder folder({"1.fea"});
        QVERIFY(QDir(folder.Path()).mkdir(QStringLiteral("2.fea")));
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        QCOMPARE(List().Count(), 1);
        QCOMPARE(BatchItemUser(0), 1u);
    }

    void longerFileUsesItsFirstBytes() {
        CFolder folder({"4.fea"}, 300);
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        QCOMPARE(Span(FilledTx(0), kFeatureOffset, kFeatureSize), FeatureFor(0));
    }

    // Each stop leaves nothing to send: position and count back at 0.
    void scanStops_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty folder") << QStringList{} << 193 << "无特征值文件!";
        QTest::newRow("no match") << QStringList{"a.txt", "5.fea.bak", "fea"} << 193
                                  << "无特征值文件!";
        QTest::newRow("letters") << QStringList{"1.fea", "2.fea", "abc.fea"} << 193
                                 << "文件名abc.fea无效!";
        QTest::newRow("16383") << QStringList{"16383.fea"} << 193 << "文件名16383.fea无效!";
        for (int size : {100, 192, 0}) // %1 stands for the folder
            QTest::addRow("%d bytes", size)
                << QStringList{"1.fea"} << size
                << "文件读取失败! %1/1.fea：只有 " + QString::number(size) + " 字节，应有 193 字节";
    }
    void scanStops() {
        QFETCH(QStringList, names);
        QFETCH(int, size);
        QFETCH(QString, expected);
        CFolder folder(names, size);
        CFolder earlier({"1.fea", "2.fea"}); // a list left by an earlier batch
        QCOMPARE(ScanBatchFolder(earlier.Path()), QString());

        QCOMPARE(ScanBatchFolder(folder.Path()), expected.replace("%1", folder.Path()));

        QCOMPARE(List().Count(), 0);
        const std::vector<uint8_t> tx = FilledTx(0);
        QCOMPARE(Span(tx, 9, 196), QByteArray(196, char(kUntouched)));
    }

    void unreadableFileStops() {
        CFolder folder({"1.fea"});
        const QString path = QDir(folder.Path()).filePath(QStringLiteral("1.fea"));
        QFile::setPermissions(path, QFileDevice::Permissions());
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permissions do not apply to this user");
        QCOMPARE(ScanBatchFolder(folder.Path()), "文件打开失败! " + path + "：没有权限");
        QCOMPARE(List().Count(), 0);
    }

    void missingFolderHasNoFiles() {
        QCOMPARE(ScanBatchFolder(QStringLiteral("/nonexistent/morvane/batch")),
                 QStringLiteral("无特征值文件!"));
    }

    // Paths of any length work: here the folder alone is longer than 200 characters.
    void longFolderPath() {
        QTemporaryDir root;
        const QString folder = root.filePath(QString(220, QLatin1Char('d')));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(folder.size() > 200);
        WriteFile(QDir(folder).filePath(QStringLiteral("42.fea")), FeatureFor(42));
        QCOMPARE(ScanBatchFolder(folder), QString());
        QCOMPARE(List().Count(), 1);
        QCOMPARE(BatchItemUser(0), 42u);
    }

    // 1001 files: the first 1000 found are loaded; the last one found is passed over silently.
    void moreThanAThousandFiles() {
        QStringList names;
        for (int user = 0; user <= 1000; ++user)
            names.append(QString::number(user) + QStringLiteral(".fea"));
        CFolder folder(names);
        const QStringList found = BatchFileNames(folder.Path());
        QCOMPARE(found.size(), 1001);
        const int skippedUser = BatchUserNumber(found.last());

        QCOMPARE(ScanBatchFolder(folder.Path()), QString());

        QCOMPARE(List().Count(), kBatchCapacity);
        int pos = 0;
        for (int user = 0; user <= 1000; ++user) {
            if (user == skippedUser)
                continue;
            QCOMPARE(BatchItemUser(pos), uint32_t(user));
            QCOMPARE(List().Key(pos) & 0xFFFF,
                     uint32_t(found.indexOf(QString::number(user) + QStringLiteral(".fea"))));
            ++pos;
        }
        QCOMPARE(pos, kBatchCapacity);
    }

    void fillOutsideTheBatchWritesNothing_data() {
        QTest::addColumn<int>("pos");
        QTest::newRow("at the count") << 2;
        QTest::newRow("negative") << -1;
        QTest::newRow("beyond capacity") << kBatchCapacity;
    }
    void fillOutsideTheBatchWritesNothing() {
        QFETCH(int, pos);
        CFolder folder({"1.fea", "2.fea"});
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        int length = -1;
        const std::vector<uint8_t> tx = FilledTx(pos, &length);
        QCOMPARE(length, 0);
        QCOMPARE(Span(tx, 0, 205), QByteArray(205, char(kUntouched)));
        QCOMPARE(BatchItemUser(pos), 0u);
    }

    void aNewListIsEmpty() {
        CFolder folder({"9.fea"});
        QCOMPARE(ScanBatchFolder(folder.Path()), QString());
        List() = CBatchList();
        QCOMPARE(List().Count(), 0);
        QCOMPARE(List().Key(0), 0u);
        QCOMPARE(BatchItemUser(0), 0u);
        QCOMPARE(FilledTx(0), std::vector<uint8_t>(4100, kUntouched));
    }
};

QTEST_APPLESS_MAIN(TestBatchStorage)
#include "test_batch_storage.moc"
