// The test console at real pacing: CModuleTestDlg with its real serial port against morvane-sim
// on a pseudo-terminal. User count and capacity, whole enrolments, image captures at both
// resolutions, and a feature value uploaded, saved to a file and downloaded again.
#include "console_rig.h"

#include "console/finger_image_button.h"
#include "console/image_decoder.h"
#include "protocol/buffers.h"
#include "serial/shared_settings.h"
#include "support/language_columns.h"
#include "support/packet_bytes.h"
#include "support/process_state.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <set>
#include <sys/resource.h>

namespace {
constexpr int kUserCountRadio = 1018, kEnrolRadio = 1021, kImageRadio = 1032,
              kStoreFeatureRadio = 1027, kDownload11Radio = 1029, kUploadUserRadio = 1028;
constexpr int kCapacityCheck = 1098, kCaptureTwiceCheck = 1080, kHighResolutionCheck = 1088;
constexpr int kBrowseFeature = 1041, kSaveFeature = 1048, kFeaturePathField = 1042;
constexpr int kReplyDump = 1054, kResultField = 1007;

constexpr int kFeatureSize = 193;
constexpr int kFeatureAt = 12;
constexpr int kFeatureReplySize = 207;

// A large image crosses the pty in pieces; give it time on a loaded machine.
constexpr int kImageTimeoutMs = 15000;

// The dump field as one line of hexadecimal byte pairs.
QByteArray DumpBytes(const CConsoleRig& rig) {
    return QByteArray::fromHex(rig.Text(kReplyDump).toLatin1());
}

// The count of users as the console reads it from the module.
QString UserCountText(CConsoleRig& rig) {
    rig.Click(kUserCountRadio);
    return rig.SendAndAwaitResult();
}

struct CPlacement {
    int top, left, rows, columns;
};

// Where the decoder puts a W x H sensor image in a canvas of rows of `side` bytes: centred, at
// half or full resolution.
CPlacement PlacementOf(int width, int height, bool high) {
    const int divisor = high ? 1 : 2;
    return {(kCanvasSide - height) / (2 * divisor), (kCanvasSide - width) / (2 * divisor),
            height / divisor, width / divisor};
}

long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool InPlacement(const CPlacement& at, int row, int column) {
    return row >= at.top && row < at.top + at.rows && column >= at.left &&
           column < at.left + at.columns;
}
} // namespace

class TestE2eConsole : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProcessState(); }
    // Each test's simulator has gone with its session, and COM1 leads nowhere again.
    void cleanup() { QVERIFY(!qEnvironmentVariableIsSet("MORVANE_COM1")); }

    void userCountAndCapacity_data() {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<bool>("capacity");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<ELanguage>("language");
        const QStringList threeUsers{QStringLiteral("--users"), QStringLiteral("3")};
        QTest::newRow("three users") << threeUsers << false << QStringLiteral("用户总数为：3")
                                     << Packet(0x09, 0x00, 0x03, 0x00) << ELanguage::Chinese;
        // The result field shows its text in capitals, English as well.
        QTest::newRow("three users, English")
            << threeUsers << false << QStringLiteral("USER COUNT: 3")
            << Packet(0x09, 0x00, 0x03, 0x00) << ELanguage::English;
        QTest::newRow("default capacity")
            << threeUsers << true << QStringLiteral("用户容量为：1000")
            << Packet(0x09, 0x03, 0xE8, 0xFF) << ELanguage::Chinese;
        QTest::newRow("capacity 300")
            << (threeUsers + QStringList{QStringLiteral("--capacity"), QStringLiteral("300")})
            << true << QStringLiteral("用户容量为：300") << Packet(0x09, 0x01, 0x2C, 0xFF)
            << ELanguage::Chinese;
    }
    void userCountAndCapacity() {
        QFETCH(QStringList, simArguments);
        QFETCH(bool, capacity);
        QFETCH(QString, result);
        QFETCH(QByteArray, reply);
        QFETCH(ELanguage, language);
        const CLanguageTranslators translators(language);
        CConsoleRig rig(simArguments);
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
        rig.Click(capacity ? kCapacityCheck : kUserCountRadio);
        QCOMPARE(rig.SendAndAwaitResult(), result);
        QCOMPARE(DumpBytes(rig), reply);
        QCOMPARE(rig.ReceivedCommands({0x09}),
                 QList<QByteArray>{Packet(0x09, 0, 0, capacity ? 0xFF : 0x00)});
        QVERIFY(rig.Prompts().m_messages.isEmpty());
        QCOMPARE(rig.LineTroubles(), QStringList());
    }

    void wholeEnrolment_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("captureTwice");
        QTest::addColumn<QList<uint8_t>>("steps");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("countAfter");
        QTest::addColumn<ELanguage>("language");
        QTest::newRow("three captures")
            << QStringLiteral("4") << false << QList<uint8_t>{0x01, 0x02, 0x03}
            << QStringLiteral("用户录入成功") << QStringLiteral("用户总数为：4")
            << ELanguage::Chinese;
        QTest::newRow("three captures, English")
            << QStringLiteral("4") << false << QList<uint8_t>{0x01, 0x02, 0x03}
            << QStringLiteral("USER ENROLLED") << QStringLiteral("USER COUNT: 4")
            << ELanguage::English;
        QTest::newRow("two captures") << QStringLiteral("A") << true << QList<uint8_t>{0x01, 0x03}
                                      << QStringLiteral("用户录入成功")
                                      << QStringLiteral("用户总数为：4") << ELanguage::Chinese;
        QTest::newRow("existing user") << QStringLiteral("2") << false << QList<uint8_t>{0x01}
                                       << QStringLiteral("此用户已存在")
                                       << QStringLiteral("用户总数为：3") << ELanguage::Chinese;
    }
    void wholeEnrolment() {
        QFETCH(QString, user);
        QFETCH(bool, captureTwice);
        QFETCH(QList<uint8_t>, steps);
        QFETCH(QString, result);
        QFETCH(QString, countAfter);
        QFETCH(ELanguage, language);
        const CLanguageTranslators translators(language);
        CConsoleRig rig({QStringLiteral("--users"), QStringLiteral("3")});
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
        rig.SelectWithParams(kEnrolRadio, QStringLiteral("0"), user, QStringLiteral("1"));
        if (captureTwice)
            rig.Click(kCaptureTwiceCheck);
        // Each next capture is written by the reply path itself; only the first is pressed.
        QCOMPARE(rig.SendAndAwaitResult(), result);
        const uint8_t userLow = uint8_t(user.toUInt(nullptr, 16));
        QList<QByteArray> expected;
        for (uint8_t step : steps)
            expected.append(Packet(step, 0x00, userLow, 0x01));
        QCOMPARE(rig.ReceivedCommands({0x01, 0x02, 0x03, 0x06}), expected);
        QCOMPARE(rig.Text(1002).trimmed(),
                 QString::fromLatin1(Packet(0x01, 0x00, userLow, 0x01).toHex(' ').toUpper()));
        QCOMPARE(UserCountText(rig), countAfter);
        QVERIFY(rig.Prompts().m_messages.isEmpty());
        QCOMPARE(rig.LineTroubles(), QStringList());
    }

    void imageCapture_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("high");
        QTest::newRow("half 256x280") << 256 << 280 << false;
        QTest::newRow("full 256x280") << 256 << 280 << true;
        QTest::newRow("half 160x208") << 160 << 208 << false;
        QTest::newRow("full 304x304") << 304 << 304 << true;
    }
    void imageCapture() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, high);
        CConsoleRig rig(
            {QStringLiteral("--image"), QStringLiteral("%1x%2").arg(width).arg(height)});
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
        rig.Click(high ? kHighResolutionCheck : kImageRadio);
        QCOMPARE(rig.SendAndAwaitResult(kImageTimeoutMs), QStringLiteral("指纹采集成功"));
        QCOMPARE(rig.ReceivedCommands({0x24}),
                 QList<QByteArray>{Packet(0x24, 0, 0, high ? 0x20 : 0x00)});

        const CFingerImageButton& control = rig.Panel().ImageControl();
        const int side = high ? kCanvasSide : kHalfCanvasSide;
        QCOMPARE(control.Pixels(), static_cast<const uint8_t*>(g_ImageCanvas));
        QCOMPARE(control.ImageWidth(), side);
        QCOMPARE(control.ImageHeight(), side);

        // The image lies centred and shows ridges; around it the canvas stays black. At half
        // resolution each pixel keeps only the high four bits.
        const CPlacement at = PlacementOf(width, height, high);
        std::set<int> shades;
        int outsideLit = 0, lowBitsSet = 0;
        for (int row = 0; row < side; ++row) {
            for (int column = 0; column < side; ++column) {
                const uint8_t pixel = g_ImageCanvas[row * side + column];
                if (InPlacement(at, row, column))
                    shades.insert(pixel);
                else if (pixel != 0)
                    ++outsideLit;
                if (!high && (pixel & 0x0F) != 0)
                    ++lowBitsSet;
            }
        }
        QCOMPARE(outsideLit, 0);
        QCOMPARE(lowBitsSet, 0);
        QVERIFY2(shades.size() >= 4, qPrintable(QString::number(shades.size())));
        QVERIFY(*shades.rbegin() > 0);

        // What the control draws on screen is not all black either.
        const QImage shown = rig.Panel().ImageControl().grab().toImage();
        QVERIFY(!shown.isNull());
        int litPixels = 0;
        for (int y = 0; y < shown.height(); y += 2)
            for (int x = 0; x < shown.width(); x += 2)
                if (qGray(shown.pixel(x, y)) > 16)
                    ++litPixels;
        QVERIFY2(litPixels > 0, "the image control shows nothing");
        QCOMPARE(rig.LineTroubles(), QStringList());
    }

    void largestImageInPacketsAtTheLineRate() {
        // 38,400 bit/s: a 64-byte packet takes 17 ms. The reply's 92,416th byte ends a packet,
        // and the 11 after it come 40 ms later, as an adapter's latency timer lets them go.
        g_nBaudIndex = 3;
        CConsoleRig rig({"--image", "304x304", "--chunk", "64", "--latency-ms", "40"});
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
        rig.Click(kHighResolutionCheck);
        const QDeadlineTimer paced(24000); // 92,427 bytes of 10 bits at 38,400 bit/s
        QCOMPARE(rig.SendAndAwaitResult(40000), QStringLiteral("指纹采集成功"));
        QCOMPARE(DumpBytes(rig).size(), 92427);
        QVERIFY(paced.hasExpired());
    }

    // A module that never stops sending, as fast as the line takes it: the console shows the
    // reply cut at the collection limit, drops what follows, keeps turning its event loop, and
    // its peak memory grows by less than 64 MB (the widgets and the sanitizer of the test build
    // take about 60 MB before it starts).
    void endlessStream() {
        CConsoleRig rig({QStringLiteral("--stream"), QStringLiteral("0")});
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));
        rig.Click(kUserCountRadio);
        const long peakBefore = PeakMemoryKb();
        QCOMPARE(rig.SendAndAwaitResult(), QString()); // no quiet tick ever comes
        QVERIFY(!rig.Text(kResultField).isEmpty());    // but the reply was read
        const QByteArray dump = DumpBytes(rig);
        QVERIFY(dump.size() >= kRxCollectLimit && dump.size() < kRxBufferSize);
        QVERIFY(!dump.contains(char(0xF5))); // the stream's noise, nothing else
        QElapsedTimer clock;
        clock.start();
        qint64 longestTurn = 0;
        for (qint64 last = 0; clock.elapsed() < 1000; last = clock.elapsed()) {
            QTest::qWait(10);
            longestTurn = std::max(longestTurn, clock.elapsed() - last);
        }
        QVERIFY2(longestTurn < 250, qPrintable(QString::number(longestTurn)));
        const long growth = PeakMemoryKb() - peakBefore;
        QVERIFY2(growth < 64 * 1024, qPrintable(QString::number(growth)));
    }

    void featureUploadSavedAndDownloaded_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("p1");
        QTest::addColumn<QString>("p2");
        QTest::addColumn<QString>("p3");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("countAfter");
        QTest::newRow("1:1 with its own user")
            << kDownload11Radio << QStringLiteral("0") << QStringLiteral("2") << QString()
            << QStringLiteral("指纹比对成功") << QStringLiteral("用户总数为：3");
        QTest::newRow("1:1 with another user")
            << kDownload11Radio << QStringLiteral("0") << QStringLiteral("1") << QString()
            << QStringLiteral("指纹比对失败") << QStringLiteral("用户总数为：3");
        QTest::newRow("stored as a new user")
            << kStoreFeatureRadio << QStringLiteral("0") << QStringLiteral("4")
            << QStringLiteral("1") << QStringLiteral("操作成功") << QStringLiteral("用户总数为：4");
    }
    void featureUploadSavedAndDownloaded() {
        QFETCH(int, radio);
        QFETCH(QString, p1);
        QFETCH(QString, p2);
        QFETCH(QString, p3);
        QFETCH(QString, result);
        QFETCH(QString, countAfter);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString featureFile = dir.filePath(QStringLiteral("user2.fea"));
        CConsoleRig rig({QStringLiteral("--users"), QStringLiteral("3")});
        QVERIFY2(rig.IsReady(), qPrintable(rig.NotReadyReason()));

        // Upload user 2's feature value and save it.
        rig.SelectWithParams(kUploadUserRadio, QStringLiteral("0"), QStringLiteral("2"));
        QCOMPARE(rig.SendAndAwaitResult(), QStringLiteral("特征值上传成功"));
        const QByteArray upload = DumpBytes(rig);
        QCOMPARE(upload.size(), kFeatureReplySize);
        QVERIFY(rig.Panel().Control(kSaveFeature)->isEnabled());
        rig.Prompts().m_files = {featureFile};
        rig.Click(kSaveFeature);
        QFile saved(featureFile);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray feature = saved.readAll();
        QCOMPARE(feature, upload.mid(kFeatureAt, kFeatureSize));

        // Download it again, chosen through the browse button.
        rig.SelectWithParams(radio, p1, p2, p3);
        rig.Prompts().m_files = {featureFile};
        rig.Click(kBrowseFeature);
        QCOMPARE(rig.Text(kFeaturePathField), featureFile);
        QCOMPARE(rig.SendAndAwaitResult(), result);
        const uint8_t command = radio == kStoreFeatureRadio ? 0x41 : 0x42;
        const QList<QByteArray> sent = rig.ReceivedCommands({command});
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].mid(kFeatureAt, kFeatureSize), feature);
        QCOMPARE(UserCountText(rig), countAfter);
        QVERIFY2(rig.Prompts().m_messages.isEmpty(),
                 qPrintable(rig.Prompts().m_messages.join(QLatin1Char('|'))));
        QCOMPARE(rig.LineTroubles(), QStringList());
    }
};

QTEST_MAIN(TestE2eConsole)
#include "test_e2e_console.moc"
