// The frame decoder: every command the program sends, the replies with their result codes, data
// packets of each kind, the download, frames cut anywhere across reads, bad checks, missing
// tails and bytes of no frame.
#include "protocol/reply_texts.h"
#include "support/packet_bytes.h"
#include "trace/frame_decoder.h"

#include <QTest>

namespace {
using Lines = QStringList;

Lines LinesOf(const std::vector<CLineFrame>& frames) {
    Lines lines;
    for (const CLineFrame& frame : frames)
        lines << FrameLine(frame);
    return lines;
}

// The host's transmission, then the module's reply in reads cut at `cuts`, then the quiet line.
Lines Exchange(const QByteArray& sent, const QByteArray& received, QList<int> cuts = {}) {
    CFrameDecoder decoder;
    Lines lines;
    if (!sent.isEmpty())
        lines << LinesOf(decoder.Feed(ECommDirection::Sent, sent));
    cuts << int(received.size());
    for (int at = 0, i = 0; at < received.size(); at = cuts[i++])
        lines << LinesOf(decoder.Feed(ECommDirection::Received, received.mid(at, cuts[i] - at)));
    return lines << LinesOf(decoder.EndOfReply());
}

QByteArray Feature(char fill = '\x5A') {
    return QByteArray(193, fill);
}

QByteArray Block(int index, bool goodCheck = true) {
    const QByteArray contents = char(index) + QByteArray(4096, char(index * 3));
    return char(0xF5) + contents + char(Xor(contents) ^ (goodCheck ? 0 : 1)) + char(0xF5);
}

// The test console's text on one line: line breaks between its lines become "；".
QString ConsoleText(const QByteArray& reply) {
    const QString text = InterpretReplyBytes(reinterpret_cast<const uint8_t*>(reply.constData()),
                                             int(reply.size()), {})
                             .status;
    return text.split("\r\n", Qt::SkipEmptyParts).join("；");
}
} // namespace

class TestFrameDecoder : public QObject {
    Q_OBJECT
private slots:
    // Every command the program writes, named as the operation table (or its own caller) names it.
    void commands_data() {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<Lines>("lines");
        const auto row = [](const char* name, const QByteArray& sent, const Lines& lines) {
            QTest::newRow(name) << sent << lines;
        };
        row("count", Packet(0x09), {"命令包  0x09 取用户总数"});
        row("capacity", Packet(0x09, 0, 0, 0xFF), {"命令包  0x09 取用户总数  取容量"});
        row("enrol", Packet(0x01, 0x01, 0x02, 1), {"命令包  0x01 用户录入  用户号 258，权限 01"});
        row("enrol 2", Packet(0x02, 0, 5, 1),
            {"命令包  0x02 用户录入（第二次采集）  用户号 5，权限 01"});
        row("enrol 3", Packet(0x03, 0, 5, 1),
            {"命令包  0x03 用户录入（最后一次采集）  用户号 5，权限 01"});
        row("enrol 6", Packet(0x06, 0, 5, 1),
            {"命令包  0x06 用户录入（最后一次采集并上传特征值）  用户号 5，权限 01"});
        row("privilege", Packet(0x0A, 0, 7), {"命令包  0x0A 取用户权限  用户号 7"});
        row("delete", Packet(0x04, 0, 7), {"命令包  0x04 删除指定用户  用户号 7"});
        row("delete all", Packet(0x05, 0, 0, 2), {"命令包  0x05 删除所有用户  P3 02"});
        row("1:1", Packet(0x0B, 0, 9), {"命令包  0x0B 1:1比对  用户号 9"});
        row("1:N", Packet(0x0C), {"命令包  0x0C 1:N比对"});
        row("image half", Packet(0x24), {"命令包  0x24 采集图像  半分辨率"});
        row("image full", Packet(0x24, 0, 0, 0x20), {"命令包  0x24 采集图像  高分辨率原图"});
        row("upload user", Packet(0x31, 0, 3), {"命令包  0x31 取用户特征值上传  用户号 3"});
        row("capture upload", Packet(0x23), {"命令包  0x23 采集指纹提取特征值上传"});
        row("user list", Packet(0x2B), {"命令包  0x2B 取用户信息"});
        row("sleep", Packet(0x2C), {"命令包  0x2C 使进入休眠模式"});
        row("version", Packet(0x26), {"命令包  0x26 取脱机模块版本"});
        row("level", Packet(0x28, 0, 1, 5), {"命令包  0x28 设置比对等级  P2 01，P3 05"});
        row("brightness", Packet(0x2F), {"命令包  0x2F 连续取亮度"});
        row("adjust", Packet(0x0F, 0, 0, 3), {"命令包  0x0F 亮度自适应  P3 03"});
        row("one record", Packet(0x38, 0, 4), {"命令包  0x38 取单条记录  记录号 4"});
        row("new records", Packet(0x39, 0, 1, 2), {"命令包  0x39 取新记录  记录号 1，P3 02"});
        row("clear records", Packet(0x3B), {"命令包  0x3B 清空记录"});
        row("initial value", Packet(0x22, 1, 2, 3),
            {"命令包  0x22 设置初始化值  用户号 258，P3 03"});
        row("serial test", Packet(0x25), {"命令包  0x25 串口通信测试"});
        row("rate", Packet(0x21, 0, 0, 5), {"命令包  0x21 设置模块波特率  速率序号 5"});
        row("handshake", Packet(0xFF), {"命令包  0xFF 下载握手"});
        row("unknown", Packet(0x07), {"命令包  0x07 未知命令"});
        const QByteArray store = QByteArray::fromHex("000501") + Feature();
        row("store feature", Packet(0x41, 0x00, 0xC4) + DataPacket(store),
            {"命令包  0x41 存储用户特征值  数据 196 字节",
             "数据包  0x41 存储用户特征值  用户号 5，权限 1，特征值 1 × 193 字节"});
        const QByteArray two = QByteArray(3, 0) + Feature() + Feature('\x11');
        row("two fingers", Packet(0x46, 0x01, 0x85) + DataPacket(two),
            {"命令包  0x46 下传特征值与采集指纹比对（2指纹）  数据 389 字节",
             "数据包  0x46 下传特征值与采集指纹比对（2指纹）  用户号 0，权限 0，特征值 2 × 193 "
             "字节"});
        for (uint8_t code : {0x42, 0x43, 0x44})
            QTest::newRow(qPrintable(QString::number(code, 16)))
                << Packet(code, 0x00, 0xC4) + DataPacket(QByteArray(3, 0) + Feature()) << Lines{};
    }
    void commands() {
        QFETCH(QByteArray, sent);
        QFETCH(Lines, lines);
        const Lines decoded = Exchange(sent, {});
        if (lines.isEmpty()) { // the download-and-compare rows: a command with its data packet
            QCOMPARE(decoded.size(), 2);
            QVERIFY(decoded[1].startsWith("数据包  0x4"));
            QVERIFY(!decoded.join(' ').contains("✗"));
            return;
        }
        QCOMPARE(decoded, lines);
    }

    // Every reply's result code comes with the text the test console shows for the whole reply.
    void replyResultCodes_data() {
        QTest::addColumn<QByteArray>("reply");
        for (uint8_t command : {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x09, 0x0A, 0x0B, 0x0C,
                                0x0F, 0x22, 0x23, 0x24, 0x25, 0x26, 0x28, 0x2B, 0x2C, 0x2D,
                                0x2F, 0x31, 0x38, 0x39, 0x3B, 0x41, 0x42, 0x43, 0x44, 0x46})
            for (uint8_t rc : {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x20, 0xFF})
                QTest::addRow("%02X rc %02X", command, rc) << Packet(command, 0, 7, rc);
    }
    void replyResultCodes() {
        QFETCH(QByteArray, reply);
        const Lines lines = Exchange({}, reply);
        QCOMPARE(lines.size(), 1);
        const QString code =
            QString::number(uint8_t(reply[4]), 16).rightJustified(2, '0').toUpper();
        QVERIFY2(lines[0].startsWith("回复  0x"), qPrintable(lines[0]));
        QVERIFY2(lines[0].endsWith("  值 7  结果码 " + code + "：" + ConsoleText(reply)),
                 qPrintable(lines[0]));
    }

    // The texts themselves, for a few replies and data packets of each kind.
    void replies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("system administrator")
            << QByteArray::fromHex("F50A0000030009F5")
            << Lines{"回复  0x0A 取用户权限  值 0  结果码 03：此用户为系统管理者"};
        QTest::newRow("image half 128 x 140")
            << Packet(0x24, 0x23, 0x00, 0x00) + DataPacket(QByteArray(8960, '\x77'))
            << Lines{"回复  0x24 采集图像  值 8960  结果码 00：指纹采集成功",
                     "数据包  0x24 采集图像  图像 128 × 140，半分辨率，8960 字节"};
        QTest::newRow("image full 304 x 304")
            << Packet(0x24, 0x2D, 0x20, 0x20) + DataPacket(QByteArray(92416, '\x10'))
            << Lines{"回复  0x24 采集图像  值 11552  结果码 20：指纹采集成功",
                     "数据包  0x24 采集图像  图像 304 × 304，全分辨率，92416 字节"};
        // The 80 x 80 sensor sends its 6400 bytes at full resolution too.
        QTest::newRow("image full 80 x 80")
            << Packet(0x24, 0x19, 0x00, 0x20) + DataPacket(QByteArray(6400, '\x10'))
            << Lines{"回复  0x24 采集图像  值 6400  结果码 20：指纹采集成功",
                     "数据包  0x24 采集图像  图像，全分辨率，6400 字节"};
        QTest::newRow("feature upload")
            << Packet(0x23, 0, 0xC4) + DataPacket(QByteArray(3, 0) + Feature())
            << Lines{"回复  0x23 采集指纹提取特征值上传  值 196  结果码 00：特征值上传成功",
                     "数据包  0x23 采集指纹提取特征值上传  特征值 193 字节"};
        QTest::newRow("timeout, no data")
            << Packet(0x23, 0, 0, 0x08)
            << Lines{"回复  0x23 采集指纹提取特征值上传  值 0  结果码 08：指纹采集超时"};
        QTest::newRow("user list of 2")
            << Packet(0x2B, 0, 8) + DataPacket(QByteArray::fromHex("00020005010007 03"))
            << Lines{
                   "回复  0x2B 取用户信息  值 8  结果码 00：共取得2个用户；1:用户号 = 5 权限 = 1；"
                   "2:用户号 = 7 权限 = 3",
                   "数据包  0x2B 取用户信息  用户列表 2 项"};
        QTest::newRow("records")
            << Packet(0x39, 0, 10) + DataPacket(QByteArray::fromHex("00010000040500000003"))
            << Lines{"回复  0x39 取新记录  值 10  结果码 00：记录数为：1；记录0：记录号为：1；  "
                     "添加成功 ID号为：5",
                     "数据包  0x39 取新记录  记录列表 1 条"};
        QTest::newRow("one record")
            << Packet(0x38, 0, 8) + DataPacket(QByteArray::fromHex("0000040500000001"))
            << Lines{"回复  0x38 取单条记录  值 8  结果码 00：记录号为：1；比对成功 ID号为：5",
                     "数据包  0x38 取单条记录  记录号 1，比对成功 ID号为：5"};
        QTest::newRow("version, length by its tail")
            << Packet(0x26, 0, 4) + DataPacket("V2.0")
            << Lines{"回复  0x26 取脱机模块版本  值 4  结果码 00：版本号:；V2.0",
                     "数据包  0x26 取脱机模块版本  版本 V2.0"};
    }
    void replies() {
        QFETCH(QByteArray, reply);
        QFETCH(Lines, lines);
        QCOMPARE(Exchange({}, reply), lines);
    }

    // A frame cut at any byte across two reads is the same frame.
    void cutAtEveryByte_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("reply") << Packet(0x09, 0, 5);
        QTest::newRow("user list")
            << Packet(0x2B, 0, 5) + DataPacket(QByteArray::fromHex("0001000901"));
        QTest::newRow("version") << Packet(0x26, 0, 3) + DataPacket("V\xF5Z");
        QTest::newRow("feature") << Packet(0x31, 0, 0xC4) +
                                        DataPacket(QByteArray(3, 0) + Feature('\xF5'));
    }
    void cutAtEveryByte() {
        QFETCH(QByteArray, reply);
        const Lines whole = Exchange(Packet(0x09), reply);
        QVERIFY(!whole.join(' ').contains("✗"));
        for (int cut = 1; cut < reply.size(); ++cut)
            QCOMPARE(Exchange(Packet(0x09), reply, {cut}), whole);
    }

    // Bad checks, missing tails and bytes of no frame are errors of their frame.
    void faults_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("bad check") << QByteArray::fromHex("F509000500000DF5")
                                   << Lines{"回复  0x09 取用户总数  值 5  结果码 00：用户总数为：5 "
                                            " ✗ 校验错误：应为 0C，收到 0D"};
        QTest::newRow("reply cut short")
            << QByteArray::fromHex("F509000500")
            << Lines{"回复  0x09 取用户总数  值 5  结果码 00：用户总数为：5  ✗ 缺少尾字节 F5"};
        QTest::newRow("no tail, next packet behind")
            << QByteArray::fromHex("F50900") + Packet(0x0C, 0, 2, 0)
            << Lines{"回复  0x09 取用户总数  值 0  操作失败  ✗ 缺少尾字节 F5",
                     "回复  0x0C 1:N比对  值 2  结果码 00：2号用户比对成功"};
        QTest::newRow("noise first")
            << QByteArray::fromHex("0011") + Packet(0x0C, 0, 2, 0)
            << Lines{"未成帧字节  2 字节，不属于任何帧",
                     "回复  0x0C 1:N比对  值 2  结果码 00：2号用户比对成功"};
        QTest::newRow("data packet bad check")
            << Packet(0x2B, 0, 5) + QByteArray::fromHex("F5000100090108F5")
            << Lines{"回复  0x2B 取用户信息  值 5  结果码 00：共取得1个用户；1:用户号 = 9 权限 = 1",
                     "数据包  0x2B 取用户信息  用户列表 1 项  ✗ 校验错误：应为 09，收到 08"};
        QTest::newRow("image cut short")
            << Packet(0x24, 0x23, 0x00) + QByteArray::fromHex("F5AABB")
            << Lines{"回复  0x24 采集图像  值 8960  结果码 00：指纹采集成功",
                     "数据包  0x24 采集图像  图像 128 × 140，半分辨率，0 字节  ✗ 缺少尾字节 F5"};
    }
    void faults() {
        QFETCH(QByteArray, reply);
        QFETCH(Lines, lines);
        QCOMPARE(Exchange({}, reply), lines);
    }

    // The download: start request, handshake, blocks with their acknowledgements, a resend, the
    // last acknowledgement; then a command packet is one again.
    void download() {
        CFrameDecoder decoder;
        Lines lines;
        const auto sent = [&](const QByteArray& b) {
            lines << LinesOf(decoder.Feed(ECommDirection::Sent, b));
        };
        const auto read = [&](const QByteArray& b) {
            lines << LinesOf(decoder.Feed(ECommDirection::Received, b))
                  << LinesOf(decoder.EndOfReply());
        };
        sent(Packet(0x09));
        read(Packet(0x09));
        sent(Packet(0xFF));
        read(Packet(0xFF));
        const QByteArray block = Block(0);
        for (int at = 0; at < block.size(); at += 512)
            sent(block.mid(at, 512));
        read(Packet(0xFF, 0, 0, 1));
        sent(Block(0, false));
        read(Packet(0xFF, 0, 0x1F, 0));
        sent(Packet(0x09));
        QCOMPARE(
            lines,
            Lines({"命令包  0x09 取用户总数",
                   "回复  0x09 取用户总数  值 0  结果码 00：用户总数为：0", "命令包  0xFF 下载握手",
                   "回复  0xFF 下载应答  值 0  结果码 00：已接受",
                   "程序块  第 1 块/共 32 块  程序 4096 字节",
                   "回复  0xFF 下载应答  值 0  结果码 01：未接受，重发",
                   "程序块  第 1 块/共 32 块  程序 4096 字节  ✗ 校验错误：应为 00，收到 01",
                   "回复  0xFF 下载应答  值 31  结果码 00：下载完成", "命令包  0x09 取用户总数"}));
    }
};

QTEST_GUILESS_MAIN(TestFrameDecoder)
#include "test_frame_decoder.moc"
