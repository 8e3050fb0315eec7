#include "protocol/hex_text.h"

#include <QTest>

class TestHexText : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keep");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty") << "" << 2 << 0;
        QTest::newRow("upper FF") << "FF" << 2 << 0xFF;
        QTest::newRow("lower ff") << "ff" << 2 << 0xFF;
        QTest::newRow("mixed fF") << "fF" << 2 << 0xFF;
        QTest::newRow("three digits keep two") << "123" << 2 << 0x12;
        QTest::newRow("five digits keep four") << "12345" << 4 << 0x1234;
        QTest::newRow("G counts 16") << "G" << 2 << 16;
        QTest::newRow("a and A") << "aA" << 2 << 0xAA;
        QTest::newRow("Z is 35") << "Z" << 2 << 35;
        QTest::newRow("space is -16") << "1 " << 2 << 0x00;
        QTest::newRow("wraps modulo 65536")
            << "ZZZZ" << 4 << ((((35 * 16 + 35) * 16 + 35) * 16 + 35) & 0xFFFF);
        QTest::newRow("only nine read") << "0000000001" << 10 << 0;
        QTest::newRow("single digit") << "5" << 4 << 5;
        QTest::newRow("word FFFF") << "FFFF" << 4 << 0xFFFF;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(int, keep);
        QFETCH(int, expected);
        QCOMPARE(int(ParseHexText(text, keep)), expected);
    }

    void dump_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("one") << QByteArray::fromHex("0a") << "0A";
        QTest::newRow("user count")
            << QByteArray::fromHex("F509000500000CF5") << "F5 09 00 05 00 00 0C F5";
    }
    void dump() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(
            FormatHexDump(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size())),
            expected);
    }

    void largestDumpHasThreeCharactersPerByte() {
        QByteArray bytes(101415, '\xAB');
        const QString dump =
            FormatHexDump(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()));
        QCOMPARE(dump.size(), 3 * 101415 - 1);
        QVERIFY(dump.startsWith("AB AB"));
        QVERIFY(dump.endsWith("AB"));
    }

    void commandBytesEndWithASpace() {
        const uint8_t bytes[] = {0xF5, 0x09, 0x00, 0xAB};
        QCOMPARE(FormatCommandBytes(bytes, 4), QString("f5 09 00 ab "));
    }

    void noLeadingZeros() {
        QCOMPARE(HexNoLeadingZeros(0), QString("0"));
        QCOMPARE(HexNoLeadingZeros(0x0A), QString("a"));
        QCOMPARE(HexNoLeadingZeros(0x100), QString("100"));
    }
};

QTEST_GUILESS_MAIN(TestHexText)
#include "test_hex_text.moc"
