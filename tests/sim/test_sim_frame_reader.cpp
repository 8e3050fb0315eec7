#include "sim/frame_reader.h"
#include "sim_test_bytes.h"

#include <QTest>

using namespace simtest;
using sim::CFrame;
using sim::CFrameReader;
using sim::EFrameKind;

namespace {
QString KindName(EFrameKind kind) {
    switch (kind) {
    case EFrameKind::Garbage:
        return QStringLiteral("garbage");
    case EFrameKind::Command:
        return QStringLiteral("command");
    case EFrameKind::BadData:
        return QStringLiteral("bad");
    case EFrameKind::TruncatedData:
        return QStringLiteral("truncated");
    case EFrameKind::Block:
        return QStringLiteral("block");
    case EFrameKind::TruncatedBlock:
        return QStringLiteral("truncated-block");
    }
    return QString();
}

QString Describe(const CFrame& frame) {
    QString text = KindName(frame.kind);
    if (frame.kind == EFrameKind::Block || frame.kind == EFrameKind::TruncatedBlock)
        return text + QStringLiteral(" %1 %2 %3")
                          .arg(frame.blockIndex)
                          .arg(frame.goodBlock ? "good" : "bad")
                          .arg(frame.bytes.size());
    text += QLatin1Char(' ') + Hex(frame.bytes);
    if (!frame.payload.isEmpty())
        text += QStringLiteral(" payload %1").arg(frame.payload.size());
    return text;
}

// Feeds the chunks one after another (1 ms apart), takes every frame, then optionally lets
// quietMs pass and takes the stale rest.
QStringList Parse(const QByteArrayList& chunks, bool download, int quietMs) {
    CFrameReader reader;
    reader.SetDownloadMode(download);
    QStringList frames;
    qint64 now = 0;
    CFrame frame;
    for (const QByteArray& chunk : chunks) {
        reader.Append(chunk, ++now);
        while (reader.TakeFrame(frame))
            frames << Describe(frame);
    }
    if (quietMs >= 0)
        while (reader.TakeStale(now + quietMs, frame))
            frames << Describe(frame);
    return frames;
}

QByteArray Hx(const char* hex) {
    return QByteArray::fromHex(hex);
}

QByteArrayList Pieces(const QByteArray& bytes, int size) {
    QByteArrayList pieces;
    for (int i = 0; i < bytes.size(); i += size)
        pieces << bytes.mid(i, size);
    return pieces;
}
} // namespace

class TestSimFrameReader : public QObject {
    Q_OBJECT
private slots:
    void commandMode_data() {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<QStringList>("expected");

        const QByteArray count = Hx("F5090000000009F5");
        const QByteArray store = WithData(0x41, FeaturePayload(1, 1, Feature(0x11)));
        QByteArray badStore = store;
        badStore[badStore.size() - 2] = char(badStore.at(badStore.size() - 2) ^ 0x40);
        QByteArray wrongTail = store;
        wrongTail[wrongTail.size() - 1] = 0x00;

        QTest::newRow("user count")
            << QByteArrayList{count} << -1 << QStringList{"command F5 09 00 00 00 00 09 F5"};
        QTest::newRow("one byte at a time")
            << Pieces(count, 1) << -1 << QStringList{"command F5 09 00 00 00 00 09 F5"};
        QTest::newRow("two commands in one piece")
            << QByteArrayList{count + Hx("F5090000FF00F6F5")} << -1
            << QStringList{"command F5 09 00 00 00 00 09 F5", "command F5 09 00 00 FF 00 F6 F5"};
        QTest::newRow("garbage before a command")
            << QByteArrayList{Hx("0012C0") + count} << -1
            << QStringList{"garbage 00 12 C0", "command F5 09 00 00 00 00 09 F5"};
        QTest::newRow("a mark that starts no packet")
            << QByteArrayList{Hx("F500") + count} << -1
            << QStringList{"garbage F5 00", "command F5 09 00 00 00 00 09 F5"};
        QTest::newRow("wrong check is garbage")
            << QByteArrayList{Hx("F509000000000AF5") + count} << -1
            << QStringList{"garbage F5 09 00 00 00 00 0A F5", "command F5 09 00 00 00 00 09 F5"};
        QTest::newRow("brightness step frame is garbage")
            << QByteArrayList{Hx("C0010000000000010B000DC0")} << -1
            << QStringList{"garbage C0 01 00 00 00 00 00 01 0B 00 0D C0"};
        QTest::newRow("partial command waits")
            << QByteArrayList{Hx("F50900")} << -1 << QStringList{};
        QTest::newRow("partial command given up as garbage")
            << QByteArrayList{Hx("F50900")} << 500 << QStringList{"garbage F5 09 00"};
        QTest::newRow("not given up before the quiet time")
            << QByteArrayList{Hx("F50900")} << 499 << QStringList{};
        QTest::newRow("store with its data packet")
            << QByteArrayList{store} << -1 << QStringList{"command " + Hex(store) + " payload 196"};
        QTest::newRow("store in 512-byte pieces")
            << Pieces(store, 7) << -1 << QStringList{"command " + Hex(store) + " payload 196"};
        QTest::newRow("store with a bad check")
            << QByteArrayList{badStore} << -1 << QStringList{"bad " + Hex(badStore)};
        QTest::newRow("store with a wrong tail")
            << QByteArrayList{wrongTail} << -1 << QStringList{"bad " + Hex(wrongTail)};
        QTest::newRow("truncated store") << QByteArrayList{store.left(100)} << 500
                                         << QStringList{"truncated " + Hex(store.left(100))};
        QTest::newRow("truncated store waits first")
            << QByteArrayList{store.left(100)} << -1 << QStringList{};
        QTest::newRow("store without any data") << QByteArrayList{store.left(8)} << 500
                                                << QStringList{"truncated " + Hex(store.left(8))};
        QTest::newRow("impossible data size")
            << QByteArrayList{Hx("F541FFFF000041F5") + count} << -1
            << QStringList{"bad F5 41 FF FF 00 00 41 F5", "command F5 09 00 00 00 00 09 F5"};
        QTest::newRow("empty data packet")
            << QByteArrayList{Hx("F5410000000041F5F500F5")} << -1
            << QStringList{"command F5 41 00 00 00 00 41 F5 F5 00 F5"};
    }
    void commandMode() {
        QFETCH(QByteArrayList, chunks);
        QFETCH(int, quietMs);
        QFETCH(QStringList, expected);
        QCOMPARE(Parse(chunks, false, quietMs), expected);
    }

    void commandFieldsAndPayload() {
        CFrameReader reader;
        const QByteArray feature = Feature(0x33);
        reader.Append(WithData(0x42, FeaturePayload(0x0102, 0, feature)), 0);
        CFrame frame;
        QVERIFY(reader.TakeFrame(frame));
        QCOMPARE(int(frame.command), 0x42);
        QCOMPARE(int(frame.p1), 0x00);
        QCOMPARE(int(frame.p2), 0xC4);
        QCOMPARE(frame.payload, FeaturePayload(0x0102, 0, feature));
        QVERIFY(!reader.TakeFrame(frame));
        QCOMPARE(reader.PendingBytes(), 0);
        QCOMPARE(reader.StaleAt(), qint64(-1));
    }

    void downloadMode_data() {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<QStringList>("expected");

        const QByteArray block = Block(3, BlockData(3));
        QByteArray badCheck = block;
        badCheck[4098] = char(badCheck.at(4098) ^ 1);
        QByteArray badData = block;
        badData[100] = char(badData.at(100) ^ 0x80);

        QTest::newRow("good block")
            << QByteArrayList{block} << -1 << QStringList{"block 3 good 4100"};
        QTest::newRow("in pieces of 512")
            << Pieces(block, 512) << -1 << QStringList{"block 3 good 4100"};
        QTest::newRow("bad check")
            << QByteArrayList{badCheck} << -1 << QStringList{"block 3 bad 4100"};
        QTest::newRow("damaged data")
            << QByteArrayList{badData} << -1 << QStringList{"block 3 bad 4100"};
        QTest::newRow("noise before the block")
            << QByteArrayList{Hx("0102") + block} << -1
            << QStringList{"garbage 01 02", "block 3 good 4100"};
        QTest::newRow("two blocks back to back")
            << QByteArrayList{block + Block(4, BlockData(4))} << -1
            << QStringList{"block 3 good 4100", "block 4 good 4100"};
        QTest::newRow("truncated block")
            << QByteArrayList{block.left(2000)} << 500 << QStringList{"truncated-block 3 bad 2000"};
        QTest::newRow("truncated block waits first")
            << QByteArrayList{block.left(2000)} << 100 << QStringList{};
        QTest::newRow("a command after a given-up download")
            << QByteArrayList{Hx("F5090000000009F5")} << 500
            << QStringList{"command F5 09 00 00 00 00 09 F5"};
    }
    void downloadMode() {
        QFETCH(QByteArrayList, chunks);
        QFETCH(int, quietMs);
        QFETCH(QStringList, expected);
        QCOMPARE(Parse(chunks, true, quietMs), expected);
    }

    void blockPayloadIsTheImageBytes() {
        CFrameReader reader;
        reader.SetDownloadMode(true);
        reader.Append(Block(31, BlockData(31)), 0);
        CFrame frame;
        QVERIFY(reader.TakeFrame(frame));
        QCOMPARE(frame.blockIndex, 31);
        QVERIFY(frame.goodBlock);
        QCOMPARE(frame.payload, BlockData(31));
    }

    void modeChangeAppliesToBufferedBytes() {
        // The handshake and a block can sit in one read; the block is framed as a block once the
        // module has switched the reader.
        CFrameReader reader;
        reader.Append(Hx("F5FF00000000FFF5") + Block(0, BlockData(0)), 0);
        CFrame frame;
        QVERIFY(reader.TakeFrame(frame));
        QCOMPARE(frame.kind, EFrameKind::Command);
        QCOMPARE(int(frame.command), 0xFF);
        reader.SetDownloadMode(true);
        QVERIFY(reader.TakeFrame(frame));
        QCOMPARE(frame.kind, EFrameKind::Block);
        QCOMPARE(frame.blockIndex, 0);
    }

    void randomGarbageNeverLosesAFollowingCommand() {
        QByteArray junk;
        uint32_t x = 12345;
        for (int i = 0; i < 3000; ++i) {
            x = x * 1103515245u + 12345u;
            junk.append(char(x >> 24));
        }
        CFrameReader reader;
        reader.Append(junk, 0);
        CFrame frame;
        int junkBytes = 0;
        while (reader.TakeFrame(frame))
            junkBytes += int(frame.bytes.size());
        while (reader.TakeStale(CFrameReader::kQuietMs, frame))
            junkBytes += int(frame.bytes.size());
        QCOMPARE(junkBytes, int(junk.size()));
        reader.Append(Hx("F5090000000009F5"), 1000);
        QVERIFY(reader.TakeFrame(frame));
        QCOMPARE(frame.kind, EFrameKind::Command);
        QCOMPARE(Hex(frame.bytes), QStringLiteral("F5 09 00 00 00 00 09 F5"));
    }
};

QTEST_GUILESS_MAIN(TestSimFrameReader)
#include "test_sim_frame_reader.moc"
