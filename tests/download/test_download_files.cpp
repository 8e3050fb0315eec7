#include "panel_fixture.h"
#include "support/file_size_limit.h"

#include "download/program_image.h"
#include "serial/shared_settings.h"
#include "widgets/cool_button.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kReadFailed = QStringLiteral("文件读取失败! %1："); // then the reason

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ImageBytes() {
    return QByteArray(reinterpret_cast<const char*>(ProgramImage), kProgramImageSize);
}

QByteArray BinOf(QByteArray image) {
    for (int k = 0; k < image.size(); k += 2)
        std::swap(image[k], image[k + 1]);
    return image + QByteArray(0x20000, char(0xFF));
}

// Sets or clears the immutable attribute of a folder; false where the file system refuses.
bool SetImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool CanCreateIn(const QString& dir) {
    QFile probe(dir + QStringLiteral("/probe"));
    const bool created = probe.open(QIODevice::WriteOnly);
    if (created)
        probe.remove();
    return created;
}

// A folder nobody may create files in, not even an administrator (who ignores permissions,
// but not the immutable attribute).
class CReadOnlyFolder {
public:
    explicit CReadOnlyFolder(const QString& path) : m_strPath(path) {
        ::chmod(QFile::encodeName(path).constData(), 0555);
        if (CanCreateIn(path))
            m_bImmutable = SetImmutable(path, true);
    }
    ~CReadOnlyFolder() {
        if (m_bImmutable)
            SetImmutable(m_strPath, false);
        ::chmod(QFile::encodeName(m_strPath).constData(), 0755);
    }
    bool IsReadOnly() const { return !CanCreateIn(m_strPath); }

private:
    QString m_strPath;
    bool m_bImmutable = false;
};
} // namespace

class TestDownloadFiles : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<CPanelFixture> m_pFix;
    CPanelFixture& Fix() { return *m_pFix; }

private slots:
    void init() {
        m_pFix = std::make_unique<CPanelFixture>();
        Fix().NewPanel();
    }
    void cleanup() { m_pFix.reset(); }

    void controls_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("0x28000 path") << "ctl1025"
                                      << "0x28000" << true << true;
        QTest::newRow("0x28000 browse") << "ctl1024"
                                        << "浏览" << true << true;
        QTest::newRow("0x38000 path") << "ctl1028"
                                      << "0x38000" << true << true;
        QTest::newRow("0x38000 browse") << "ctl1029"
                                        << "浏览" << true << true;
        QTest::newRow("start") << "ctl1026"
                               << "开始下载" << true << false;
        QTest::newRow("cancel") << "ctl1027"
                                << "取消" << true << true;
        QTest::newRow("progress") << "ctl1023"
                                  << "下载进度" << true << true;
        QTest::newRow("generate") << "ctl1045"
                                  << "生成Bin文件" << true << false;
        QTest::newRow("close") << "ctl2"
                               << "关闭" << false << true;
    }
    void controls() {
        QFETCH(QString, objectName);
        QFETCH(QString, accessibleName);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        auto* control = Fix().Panel().findChild<QWidget*>(objectName);
        QVERIFY(control);
        QCOMPARE(control->accessibleName(), accessibleName);
        QCOMPARE(control->isVisibleTo(&Fix().Panel()), visible);
        QCOMPARE(control->isEnabled(), enabled);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY(qobject_cast<CCoolButton*>(button));
            QCOMPARE(button->text(), accessibleName);
        }
    }

    void panelAndLabels() {
        CDownloadDlg& panel = Fix().Panel();
        QCOMPARE(panel.accessibleName(), QStringLiteral("程序下载工具"));
        QCOMPARE(panel.findChildren<CCoolButton*>().size(), 6);
        QCOMPARE(panel.Comm().objectName(), QStringLiteral("ctl1013"));
        QMap<QString, QString> buddies;
        for (QLabel* label : panel.findChildren<QLabel*>())
            if (label->buddy())
                buddies[label->text()] = label->buddy()->objectName();
        QCOMPARE(buddies.value("0x28000"), QStringLiteral("ctl1025"));
        QCOMPARE(buddies.value("0x38000"), QStringLiteral("ctl1028"));
        QCOMPARE(buddies.value("下载进度"), QStringLiteral("ctl1023"));
        QVERIFY(Fix().Edit(1025)->isReadOnly());
        QVERIFY(Fix().Edit(1028)->isReadOnly());
        QCOMPARE(Fix().Progress()->minimum(), 0);
        QCOMPARE(Fix().Progress()->maximum(), 32);
        QCOMPARE(Fix().Progress()->value(), 0);
    }

    // The port is configured at creation from the shared settings but not opened.
    void portConfiguredNotOpened() {
        g_nCommPort = 4;
        g_nBaudIndex = 5;
        CDownloadDlg& panel = Fix().NewPanel();
        QCOMPARE(panel.Comm().CommPort(), short(4));
        QCOMPARE(panel.Comm().InputMode(), 1);
        QCOMPARE(panel.Comm().RThreshold(), 1);
        QCOMPARE(panel.Comm().InputLen(), 200);
        QCOMPARE(panel.Comm().Settings(), QStringLiteral("115200,n,8,1"));
        QVERIFY(!panel.Comm().PortOpen());
        QCOMPARE(Fix().Fake().m_nOpenCount, 0);
    }

    void dialogs() {
        Fix().m_prompts.m_files = QStringList{QString(), QString(), QString()};
        Fix().Panel().OnBrowse28000();
        Fix().Panel().OnBrowse38000();
        Fix().Panel().OnGenerateBin();
        const QList<CFileDialogOptions>& rows = Fix().m_prompts.m_dialogs;
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(rows[i].filter, QStringLiteral("DSP program data files - 28000 (*.dat)"));
            QCOMPARE(rows[i].defaultSuffix, QStringLiteral("dat"));
            QVERIFY(rows[i].initialName.isEmpty());
            // A typed name of a missing file reaches the loader, which reports it.
            QFileDialog dialog;
            ConfigureFileDialog(dialog, rows[i], false);
            QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        }
        QCOMPARE(rows[2].filter, QStringLiteral("bin files (*.bin)"));
        QCOMPARE(rows[2].defaultSuffix, QStringLiteral("bin"));
        QVERIFY(rows[2].initialName.isEmpty());
        QVERIFY(Fix().m_prompts.m_messages.isEmpty());
    }

    void enableRules_data() {
        QTest::addColumn<bool>("low28000First");
        QTest::newRow("0x28000 first") << true;
        QTest::newRow("0x38000 first") << false;
    }
    void enableRules() {
        QFETCH(bool, low28000First);
        const QString low = Fix().Write28000File();
        const QString high = Fix().Write38000File();
        if (low28000First)
            Fix().Load28000(low);
        else
            Fix().Load38000(high);
        QVERIFY(!Fix().StartEnabled());
        QVERIFY(!Fix().GenerateEnabled());
        QCOMPARE(Fix().Edit(low28000First ? 1025 : 1028)->text(), low28000First ? low : high);
        if (low28000First)
            Fix().Load38000(high);
        else
            Fix().Load28000(low);
        QVERIFY(Fix().StartEnabled());
        QVERIFY(Fix().GenerateEnabled());
        QCOMPARE(Fix().Edit(1025)->text(), low);
        QCOMPARE(Fix().Edit(1028)->text(), high);
        QCOMPARE(Fix().Panel().Path28000(), low);
        QCOMPARE(Fix().Panel().Path38000(), high);
        QCOMPARE(ImageBytes(), Fix().ExpectedImage());
        QVERIFY(Fix().m_prompts.m_messages.isEmpty());
    }

    // Firmware is never sent half empty: the 0x28000 file alone does not enable 开始下载,
    // not even through ResetDownload.
    void oneFileNeverEnablesStart() {
        Fix().Load28000(Fix().Write28000File());
        Fix().Panel().ResetDownload();
        QVERIFY(!Fix().StartEnabled());
        QVERIFY(!Fix().GenerateEnabled());
    }

    void cancelledDialogs() {
        Fix().LoadBoth();
        const QByteArray image = ImageBytes();
        Fix().m_prompts.m_files.append(QString());
        Fix().Panel().OnBrowse38000();
        QVERIFY(Fix().StartEnabled()); // the 0x38000 dialog changes nothing
        QVERIFY(Fix().GenerateEnabled());

        Fix().m_prompts.m_files.append(QString());
        Fix().Panel().OnBrowse28000();
        QVERIFY(!Fix().StartEnabled()); // the 0x28000 dialog disables 开始下载 first
        QVERIFY(Fix().GenerateEnabled());
        QVERIFY(!Fix().Panel().Path28000().isEmpty());
        QVERIFY(!Fix().Panel().Path38000().isEmpty());
        QCOMPARE(ImageBytes(), image);

        Fix().Panel().ResetDownload(); // both files are still loaded
        QVERIFY(Fix().StartEnabled());
        QVERIFY(Fix().m_prompts.m_messages.isEmpty());
    }

    void loadFailures_data() {
        QTest::addColumn<bool>("low");
        QTest::addColumn<QByteArray>("file"); // empty name below: the file does not exist
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message"); // a trailing "%1" stands for the path
        CDatFileLayout good28000;
        good28000.values = ProgramValues(0xAD28, 1);
        CDatFileLayout short38000;
        short38000.values = ProgramValues(0xAD38, 1);
        short38000.values.removeLast();
        CDatFileLayout noCrLf = good28000;
        noCrLf.cutFromEnd = 2;
        QTest::newRow("missing 0x28000") << true << QByteArray() << false << "无法打开 %1";
        QTest::newRow("missing 0x38000") << false << QByteArray() << false << "无法打开 %1";
        const QString records = kReadFailed + "只有 32767 条完整记录，应有 32768 条";
        const QString noHeader = kReadFailed + "文件在标题行结束之前就结束了";
        QTest::newRow("32767 records") << false << DatFileBytes(short38000) << true << records;
        QTest::newRow("last record without CR LF")
            << true << DatFileBytes(noCrLf) << true << records;
        QTest::newRow("empty file") << true << QByteArray() << true << noHeader;
        QTest::newRow("ends before its first line feed")
            << false << QByteArray("0x38000 program") << true << noHeader;
        QTest::newRow("header line too long") << true << QByteArray(1 << 20, 'h') << true
                                              << kReadFailed + "标题行过长（1 MiB 内没有换行）";
        QTest::newRow("0x28000 file for the 0x38000 half")
            << false << DatFileBytes(good28000) << true << "无效文件: %1";
        CDatFileLayout bareLf = good28000;
        bareLf.lineEnd = "\n";
        bareLf.values += QVector<uint16_t>(6000, 0x1111);
        QTest::newRow("bare LF, long enough")
            << true << DatFileBytes(bareLf) << true << "无效文件: %1";
    }
    void loadFailures() {
        QFETCH(bool, low);
        QFETCH(QByteArray, file);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        Fix().LoadBoth();
        const QString path = exists ? Fix().WriteFile(QStringLiteral("bad.dat"), file)
                                    : Fix().m_dir.filePath(QStringLiteral("absent.dat"));
        if (low)
            Fix().Load28000(path);
        else
            Fix().Load38000(path);
        QCOMPARE(Fix().m_prompts.m_messages,
                 QStringList{message.contains("%1") ? message.arg(path) : message});
        QCOMPARE(Fix().m_prompts.m_messageCaptions, QStringList{QStringLiteral("Morvane")});
        QVERIFY((low ? Fix().Panel().Path28000() : Fix().Panel().Path38000()).isEmpty());
        QVERIFY(Fix().Edit(low ? 1025 : 1028)->text().isEmpty());
        QVERIFY(!(low ? Fix().Panel().Path38000() : Fix().Panel().Path28000()).isEmpty());
        QVERIFY(!Fix().StartEnabled());
        QVERIFY(!Fix().GenerateEnabled());
        Fix().Panel().ResetDownload();
        QVERIFY(!Fix().StartEnabled());
    }

    // A wrong signature leaves the file's values in the half, unprocessed; the half stays
    // unloaded until a good file is read.
    void invalidFileKeepsItsValues() {
        Fix().Load38000(Fix().Write28000File(9));
        const QVector<uint16_t> values = ProgramValues(0xAD28, 9);
        QCOMPARE(ImageBytes().mid(kProgramHalfSize), BigEndianBytes(values));
        Fix().Load38000(Fix().Write38000File(10));
        QVERIFY(Fix().m_prompts.m_messages.size() == 1);
        QCOMPARE(ImageBytes().mid(kProgramHalfSize), ExpectedHalf38000(ProgramValues(0xAD38, 10)));
    }

    void generateBin() {
        Fix().LoadBoth();
        const QByteArray image = ImageBytes();
        const QString first = Fix().m_dir.filePath(QStringLiteral("first.bin"));
        const QString second = Fix().m_dir.filePath(QStringLiteral("second.bin"));
        Fix().m_prompts.m_files = QStringList{first, second};
        Fix().Panel().OnGenerateBin();
        Fix().Panel().OnGenerateBin();
        QCOMPARE(ReadAll(first), BinOf(Fix().ExpectedImage()));
        QCOMPARE(ReadAll(first), ReadAll(second));
        QCOMPARE(ImageBytes(), image);
        QVERIFY(Fix().m_prompts.m_messages.isEmpty());
    }

    // Spot checks of the file against the values as the .dat files hold them.
    void generatedBinOffsets() {
        Fix().LoadBoth();
        const QString path = Fix().m_dir.filePath(QStringLiteral("spots.bin"));
        Fix().m_prompts.m_files = QStringList{path};
        Fix().Panel().OnGenerateBin();
        const QByteArray bin = ReadAll(path);
        QCOMPARE(bin.size(), 262144);
        const QVector<uint16_t> low = ProgramValues(0xAD28, 28);
        for (int k : {768, 5000, 30718, 30720, 32767}) {
            QCOMPARE(uint8_t(bin[2 * k]), uint8_t(low[k] & 0xFF));
            QCOMPARE(uint8_t(bin[2 * k + 1]), uint8_t(low[k] >> 8));
        }
        QCOMPARE(bin.left(0x600), QByteArray(0x600, char(0xFF)));
        QCOMPARE(bin.mid(0x10000, 0x100), QByteArray(0x100, char(0xFF)));
        QCOMPARE(bin.mid(0x1E800, 0x10), QByteArray(0x10, char(0xFF)));
        QCOMPARE(bin.mid(0x20000), QByteArray(0x20000, char(0xFF)));
    }

    void cancelledSaveWritesNothing() {
        Fix().LoadBoth();
        Fix().m_prompts.m_files = QStringList{QString()};
        Fix().Panel().OnGenerateBin();
        QVERIFY(Fix().m_prompts.m_messages.isEmpty());
        QCOMPARE(QDir(Fix().m_dir.path()).entryList({"*.bin"}, QDir::Files).size(), 0);
    }

    void binInReadOnlyFolder() {
        Fix().LoadBoth();
        const QString folder = Fix().m_dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        const QString existing = folder + QStringLiteral("/old.bin");
        QVERIFY(!WriteFixtureFile(folder, QStringLiteral("old.bin"), "old image").isEmpty());
        CReadOnlyFolder locked(folder);
        if (!locked.IsReadOnly())
            QSKIP("this file system cannot make a folder read-only for this user");
        Fix().m_prompts.m_files = QStringList{folder + QStringLiteral("/new.bin"), existing};
        Fix().Panel().OnGenerateBin();
        Fix().Panel().OnGenerateBin();
        const QString refused = QStringLiteral("HEX文件打开失败! %1：没有权限");
        QCOMPARE(Fix().m_prompts.m_messages,
                 QStringList({refused.arg(folder + "/new.bin"), refused.arg(existing)}));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/new.bin")));
        QCOMPARE(ReadAll(existing), QByteArray("old image"));
    }

    // The file is created, then the disk refuses more bytes: the user is told, and no partial
    // file is left behind; an existing file keeps its contents.
    void binWriteFailure() {
        Fix().LoadBoth();
        const QString fresh = Fix().m_dir.filePath(QStringLiteral("fresh.bin"));
        const QString existing =
            WriteFixtureFile(Fix().m_dir.path(), QStringLiteral("old.bin"), "old image");
        Fix().m_prompts.m_files = QStringList{fresh, existing};
        {
            CFileSizeLimit limit(100000);
            QVERIFY(limit.IsActive());
            Fix().Panel().OnGenerateBin();
            Fix().Panel().OnGenerateBin();
        }
        const QString failed = QStringLiteral("Bin文件写入失败! %1：文件超过允许的大小");
        QCOMPARE(Fix().m_prompts.m_messages,
                 QStringList({failed.arg(fresh), failed.arg(existing)}));
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(ReadAll(existing), QByteArray("old image"));
        QCOMPARE(QDir(Fix().m_dir.path()).entryList({"*.bin*"}, QDir::Files),
                 QStringList{QStringLiteral("old.bin")});
    }
};

QTEST_MAIN(TestDownloadFiles)
#include "test_download_files.moc"
