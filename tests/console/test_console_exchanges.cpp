// The enrolment sequence and the batch store driven without any window, as a command-line front
// end drives them.
#include "console/batch_storage.h"
#include "console/batch_store.h"
#include "console/enrolment_sequence.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestConsoleExchanges : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetBatchState(); }

    void enrolmentStep_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("twice");
        QTest::addColumn<bool>("upload");
        QTest::addColumn<QString>("next"); // "" nothing, "new" a new enrolment, else the step
        QTest::newRow("first, then second") << 0x01 << 0x00 << false << false << "2";
        QTest::newRow("first, captured twice") << 0x01 << 0x00 << true << false << "3";
        QTest::newRow("first, twice, upload") << 0x01 << 0x00 << true << true << "6";
        QTest::newRow("second, upload") << 0x02 << 0x00 << false << true << "6";
        QTest::newRow("first failed") << 0x01 << 0x01 << false << false << "new";
        QTest::newRow("second failed") << 0x02 << 0x08 << false << false << "new";
        QTest::newRow("last") << 0x03 << 0x00 << false << false << "new";
        QTest::newRow("last with upload") << 0x06 << 0x00 << false << true << "new";
        QTest::newRow("another command") << 0x41 << 0x00 << false << false << "";
    }
    void enrolmentStep() {
        QFETCH(int, command);
        QFETCH(int, result);
        QFETCH(bool, twice);
        QFETCH(bool, upload);
        QFETCH(QString, next);
        QString done;
        CEnrolmentSequence sequence({[&] {
                                         return CEnrolmentOptions{twice, upload};
                                     },
                                     [&](uint8_t step) { done = QString::number(step); },
                                     [&] { done = QStringLiteral("new"); }});
        sequence.OnReply(command, result);
        QCOMPARE(done, next);
    }

    void nextUserNumber() {
        QCOMPARE(NextUserNumber(0x00, 0x05).low, uint8_t(0x06));
        const CUserNumber carried = NextUserNumber(0x01, 0xFF);
        QCOMPARE(carried.high, uint8_t(0x02));
        QCOMPARE(carried.low, uint8_t(0x00));
        QCOMPARE(NextUserNumber(0xFF, 0xFF).high, uint8_t(0x00));
    }

    // Three items: each reply sends the next, a refusal ends the batch at the following reply.
    void batchRunsItemByItem() {
        QTemporaryDir dir;
        for (const char* name : {"7.fea", "3.fea", "5.fea"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(256, '\x11'));
        }
        QList<uint32_t> sent;
        QStringList told;
        uint8_t tx[300] = {};
        CBatchStore batch({[&] {
                               if (batch.FillItem(tx) == 207)
                                   sent << (tx[9] * 256u + tx[10]);
                           },
                           [&](const QString& message) { told << message; }});
        QSignalSpy progress(&batch, &CBatchStore::Progress);
        QCOMPARE(batch.Load(dir.path()), QString());
        QCOMPARE(batch.Total(), 3u);
        batch.Begin();
        batch.OnReply();
        QCOMPARE(sent, (QList<uint32_t>{3, 5}));
        QCOMPARE(progress.size(), 1);
        QCOMPARE(progress[0], (QVariantList{3u, 2u}));
        batch.OnRefused(QStringLiteral("refused"));
        QCOMPARE(told, QStringList{QStringLiteral("refused")});
        QVERIFY(batch.IsActive() && !batch.IsRunning());
        batch.OnReply();
        QVERIFY(!batch.IsActive());
        QCOMPARE(sent.size(), 2);
    }

    // The front end's own command, or a failed write, ends a batch under way.
    void batchEnds() {
        g_nBatchCount = 2;
        CBatchStore batch({[] {}, [](const QString&) {}});
        batch.Begin();
        batch.EndIfActive();
        QVERIFY(!batch.IsActive() && !batch.IsRunning());
        uint8_t tx[300] = {};
        g_bBatchActive = true;
        QCOMPARE(batch.FillItem(tx), 0);
        QVERIFY(!batch.IsActive());
    }
};

QTEST_GUILESS_MAIN(TestConsoleExchanges)
#include "test_console_exchanges.moc"
