// One complete firmware download at real pacing: the download panel with its real serial port
// against morvane-sim on a pseudo-terminal, which refuses some blocks on the way; in Chinese
// and in English, with the question and the closing message checked.
#include "dat_writer.h"
#include "sim_session.h"

#include "download/download_panel.h"
#include "support/language_columns.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"
#include "widgets/cool_button.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kBlockCount = 32;
constexpr int kBlockSize = 4096;
constexpr int kBlockPacketSize = kBlockSize + 4;
constexpr int kNakEvery = 5;
// 40 block round trips of about 600 ms each, with room for a loaded machine.
constexpr int kDownloadTimeoutMs = 50000;

CCoolButton* Button(CDownloadDlg& panel, int id) {
    auto* button = panel.findChild<CCoolButton*>(QStringLiteral("ctl%1").arg(id));
    if (!button)
        qFatal("no button %d", id);
    return button;
}

void Click(CDownloadDlg& panel, int id) {
    CCoolButton* button = Button(panel, id);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Arrival numbers (counted from 1) that the simulator refuses when it refuses every k-th block,
// until all 32 blocks have been kept.
QList<int> RefusedArrivals(int k) {
    QList<int> refused;
    int kept = 0;
    for (int arrival = 1; kept < kBlockCount; ++arrival) {
        if (arrival % k == 0)
            refused.append(arrival);
        else
            ++kept;
    }
    return refused;
}

// The values of the part of a half that is sent as read, high byte first.
QByteArray UnprocessedTail(const QVector<uint16_t>& values, int firstValue) {
    QByteArray bytes;
    for (int k = firstValue; k < values.size(); ++k) {
        bytes.append(char(values[k] >> 8));
        bytes.append(char(values[k] & 0xFF));
    }
    return bytes;
}

// The first offset where the two differ, or -1.
int FirstDifference(const QByteArray& a, const QByteArray& b) {
    const int common = int(qMin(a.size(), b.size()));
    for (int i = 0; i < common; ++i)
        if (a[i] != b[i])
            return i;
    return a.size() == b.size() ? -1 : common;
}

// What the module saw: the handshake, then every block; each refused block was acknowledged
// negatively and came again byte for byte, and the blocks were kept in order 0 to 31.
void VerifyBlocksInLog(const QStringList& log, const QList<int>& refusedArrivals) {
    const QList<QByteArray> blocks =
        LoggedFrames(log, QStringLiteral("RX"), QStringLiteral("block"));
    QCOMPARE(blocks.size(), kBlockCount + refusedArrivals.size());
    QList<QByteArray> acks;
    for (const QByteArray& frame : LoggedFrames(log, QStringLiteral("TX")))
        if (frame.size() == 8 && uint8_t(frame[1]) == 0xFF)
            acks.append(frame);
    QCOMPARE(acks.size(), 1 + blocks.size()); // the handshake's, then one per block
    QList<int> keptOrder;
    for (int arrival = 1; arrival <= blocks.size(); ++arrival) {
        const QByteArray& block = blocks[arrival - 1];
        QCOMPARE(block.size(), kBlockPacketSize);
        const uint8_t index = uint8_t(block[1]);
        const QByteArray& ack = acks[arrival];
        QCOMPARE(uint8_t(ack[3]), index);
        if (!refusedArrivals.contains(arrival)) {
            QCOMPARE(uint8_t(ack[4]), uint8_t(0x00));
            keptOrder.append(index);
            continue;
        }
        QCOMPARE(uint8_t(ack[4]), uint8_t(0x02)); // refused by --nak-every
        QVERIFY2(arrival < blocks.size() && blocks[arrival] == block,
                 qPrintable(QStringLiteral("block %1 was not sent again").arg(index)));
    }
    QList<int> allBlocks;
    for (int k = 0; k < kBlockCount; ++k)
        allBlocks.append(k);
    QCOMPARE(keptOrder, allBlocks);
    const QStringList notes = LoggedNotes(log);
    QCOMPARE(notes.filter(QStringLiteral("refused, reason 02")).size(), refusedArrivals.size());
}
} // namespace

class TestE2eDownload : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProcessState(); }
    // Each test's simulator has gone with its session, and COM1 leads nowhere again.
    void cleanup() { QVERIFY(!qEnvironmentVariableIsSet("MORVANE_COM1")); }

    void downloadWithRefusedBlocks_data() {
        QTest::addColumn<ELanguage>("language");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("done");
        QTest::newRow("Chinese") << ELanguage::Chinese << "下载新的程序会冲掉片内原程序，是否继续？"
                                 << "已成功完成下载!";
        QTest::newRow("English")
            << ELanguage::English
            << "Downloading a new program overwrites the program in the module. Continue?"
            << "Download completed!";
    }
    void downloadWithRefusedBlocks() {
        QFETCH(ELanguage, language);
        QFETCH(QString, question);
        QFETCH(QString, done);
        const CLanguageTranslators translators(language);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QVector<uint16_t> values28000 = SignedProgramValues(kDatMark28000, 28);
        const QVector<uint16_t> values38000 = SignedProgramValues(kDatMark38000, 38);
        const QString dat28000 = dir.filePath(QStringLiteral("program_28000.dat"));
        const QString dat38000 = dir.filePath(QStringLiteral("program_38000.dat"));
        QVERIFY(WriteDatFile(dat28000, values28000));
        QVERIFY(WriteDatFile(dat38000, values38000));
        const QString flash = dir.filePath(QStringLiteral("flash.bin"));

        CScriptedPrompts prompts;
        prompts.m_files = {dat28000, dat38000};
        CSimSession session(
            {QStringLiteral("--nak-every"), QString::number(kNakEvery), "--flash-out", flash});
        QVERIFY2(session.IsRunning(), qPrintable(session.StartFailure()));
        CDownloadDlg panel;
        panel.show();
        QVERIFY(CSimSession::OpenPanelPort(panel.Session(), &panel));

        Click(panel, 1024);
        Click(panel, 1029);
        QCOMPARE(panel.Path28000(), dat28000);
        QCOMPARE(panel.Path38000(), dat38000);
        QVERIFY(Button(panel, 1026)->isEnabled());
        const QByteArray image(reinterpret_cast<const char*>(ProgramImage), kProgramImageSize);

        auto* progress = panel.findChild<QProgressBar*>(QStringLiteral("ctl1023"));
        QVERIFY(progress);
        QSignalSpy progressSteps(progress, &QProgressBar::valueChanged);
        QElapsedTimer clock;
        clock.start();
        Click(panel, 1026);
        QTRY_VERIFY_WITH_TIMEOUT(!prompts.m_messages.isEmpty(), kDownloadTimeoutMs);
        qInfo("download of %d blocks took %lld ms", kBlockCount, clock.elapsed());

        QCOMPARE(prompts.m_messages, QStringList{done});
        QCOMPARE(prompts.m_questions, QStringList{question});
        QVERIFY(!panel.IsDownloading());
        QCOMPARE(panel.AckCount(), 0);
        QCOMPARE(progress->value(), 0);
        QVERIFY(Button(panel, 1026)->isEnabled());
        int highest = 0;
        for (const QList<QVariant>& step : std::as_const(progressSteps))
            highest = qMax(highest, step.at(0).toInt());
        QCOMPARE(highest, kBlockCount);

        QVERIFY(session.Sim().WaitForLogLine(QStringLiteral("program image written"), 5000));
        QFile flashed(flash);
        QVERIFY(flashed.open(QIODevice::ReadOnly));
        const QByteArray flashedImage = flashed.readAll();
        QCOMPARE(flashedImage.size(), kProgramImageSize);
        const int difference = FirstDifference(flashedImage, image);
        QVERIFY2(difference < 0,
                 qPrintable(QStringLiteral("flash differs at 0x%1").arg(difference, 0, 16)));
        // The image is the one the two files made: the last 4 KB of each half go as read.
        constexpr int kTailValue = 30720;
        QCOMPARE(flashedImage.mid(2 * kTailValue, kProgramHalfSize - 2 * kTailValue),
                 UnprocessedTail(values28000, kTailValue));
        QCOMPARE(flashedImage.mid(kProgramHalfSize + 2 * kTailValue),
                 UnprocessedTail(values38000, kTailValue));
        QCOMPARE(ProgramImage[0], uint8_t(0xFF)); // blanked start of the 0x28000 half

        const QList<int> refused = RefusedArrivals(kNakEvery);
        QVERIFY(!refused.isEmpty());
        VerifyBlocksInLog(session.Sim().LogLines(), refused);
        QCOMPARE(LoggedTroubles(session.Sim().LogLines()), QStringList());
    }
};

QTEST_MAIN(TestE2eDownload)
#include "test_e2e_download.moc"
