#include "protocol/reply_texts.h"
#include "support/packet_bytes.h"

#include <QTest>

namespace {
QByteArray FeatureReply(int command, int rc) {
    return Packet(command, 0, 0xC4, rc) + DataPacket(QByteArray(196, '\x33'));
}

CReplyOutcome Interpret(const QByteArray& bytes, const CReplyOptions& options = {}) {
    return InterpretReplyBytes(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               int(bytes.size()), options);
}
const QString kCrLf = "\r\n";
} // namespace

class TestReplyTexts : public QObject {
    Q_OBJECT
private slots:
    void texts_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("status");
        QTest::newRow("01 timeout") << Packet(0x01, 0, 1, 0x08) << "采集指纹超时";
        QTest::newRow("01 user exists") << Packet(0x01, 0, 1, 0x06) << "此用户已存在";
        QTest::newRow("01 finger exists") << Packet(0x01, 0, 1, 0x07) << "此指纹已存在";
        QTest::newRow("01 other") << Packet(0x01, 0, 1, 0x09) << "用户录入失败";
        QTest::newRow("01 success waits for next step") << Packet(0x01, 0, 1, 0x00) << "";
        QTest::newRow("02 timeout") << Packet(0x02, 0, 1, 0x08) << "采集指纹超时";
        QTest::newRow("02 user exists is a failure") << Packet(0x02, 0, 1, 0x06) << "用户录入失败";
        QTest::newRow("03 success") << Packet(0x03, 0, 1, 0x00) << "用户录入成功";
        QTest::newRow("03 user exists") << Packet(0x03, 0, 1, 0x06) << "此用户已存在";
        QTest::newRow("03 timeout") << Packet(0x03, 0, 1, 0x08) << "采集指纹超时";
        QTest::newRow("03 finger exists is a failure")
            << Packet(0x03, 0, 1, 0x07) << "用户录入失败";
        QTest::newRow("04 ok") << Packet(0x04, 0, 1, 0x00) << "操作成功";
        QTest::newRow("04 fail") << Packet(0x04, 0, 1, 0x05) << "操作失败";
        QTest::newRow("05 ok") << Packet(0x05, 0, 0, 0x00) << "操作成功";
        QTest::newRow("06 207 bytes") << FeatureReply(0x06, 0x00) << "操作成功";
        QTest::newRow("06 short") << Packet(0x06, 0, 0, 0x00) << "操作失败";
        QTest::newRow("09 count") << Packet(0x09, 0x00, 0x05, 0x00) << "用户总数为：5";
        QTest::newRow("09 count 16-bit") << Packet(0x09, 0x01, 0x00, 0x00) << "用户总数为：256";
        QTest::newRow("09 capacity") << Packet(0x09, 0x03, 0xE8, 0xFF) << "用户容量为：1000";
        QTest::newRow("09 other") << Packet(0x09, 0, 5, 0x01) << "操作失败";
        QTest::newRow("0A ordinary") << Packet(0x0A, 0, 0, 0x01) << "此用户为一般使用者";
        QTest::newRow("0A restricted") << Packet(0x0A, 0, 0, 0x02) << "此用户为限制管理者";
        QTest::newRow("0A system")
            << QByteArray::fromHex("F50A0000030009F5") << "此用户为系统管理者";
        QTest::newRow("0A none") << Packet(0x0A, 0, 0, 0x05) << "此用户不存在";
        QTest::newRow("0A zero undefined") << Packet(0x0A, 0, 0, 0x00) << "此用户为未定义权限者";
        QTest::newRow("0A four undefined") << Packet(0x0A, 0, 0, 0x04) << "此用户为未定义权限者";
        QTest::newRow("0B ok") << Packet(0x0B, 0, 1, 0x00) << "指纹比对成功";
        QTest::newRow("0B no user") << Packet(0x0B, 0, 1, 0x05) << "无此用户";
        QTest::newRow("0B timeout") << Packet(0x0B, 0, 1, 0x08) << "指纹采集超时";
        QTest::newRow("0B other") << Packet(0x0B, 0, 1, 0x01) << "指纹比对失败";
        QTest::newRow("0C matched 7")
            << QByteArray::fromHex("F50C000701000AF5") << "7号用户比对成功";
        QTest::newRow("0C no match") << QByteArray::fromHex("F50C0000050009F5") << "无匹配指纹";
        QTest::newRow("0C timeout") << Packet(0x0C, 0, 0, 0x08) << "指纹采集超时";
        QTest::newRow("0F ok") << Packet(0x0F, 0, 0, 0x00) << "校正成功";
        QTest::newRow("0F fail") << Packet(0x0F, 0, 0, 0x01) << "操作失败";
        QTest::newRow("22 ok hex") << Packet(0x22, 0, 0x6A, 0x00) << "前次此寄存器值为：0X6A";
        QTest::newRow("22 fail") << Packet(0x22, 0, 0x6A, 0x01) << "操作失败";
        QTest::newRow("23 207 any rc") << FeatureReply(0x23, 0x08) << "特征值上传成功";
        QTest::newRow("23 timeout") << Packet(0x23, 0, 0, 0x08) << "指纹采集超时";
        QTest::newRow("23 other") << Packet(0x23, 0, 0, 0x00) << "特征值上传失败";
        QTest::newRow("24 half") << Packet(0x24, 0, 0, 0x00) << "指纹采集成功";
        QTest::newRow("24 full") << Packet(0x24, 0, 0, 0x20) << "指纹采集成功";
        QTest::newRow("24 timeout") << Packet(0x24, 0, 0, 0x08) << "指纹采集超时";
        QTest::newRow("24 other") << Packet(0x24, 0, 0, 0x01) << "指纹采集失败";
        QTest::newRow("25 ok") << Packet(0x25, 0, 0, 0x00) << "串口通信成功";
        QTest::newRow("25 fail") << Packet(0x25, 0, 0, 0x02) << "串口通信失败";
        QTest::newRow("26 version")
            << Packet(0x26, 0, 5, 0x00) + DataPacket("v2.1b") << "版本号:" + kCrLf + "V2.1B";
        QTest::newRow("26 version in GB18030")
            << Packet(0x26, 0, 6, 0x00) + DataPacket(QByteArray::fromHex("B0E6B1BE2031"))
            << "版本号:" + kCrLf + "版本 1";
        QTest::newRow("26 fail") << Packet(0x26, 0, 0, 0x01) << "操作失败";
        QTest::newRow("28 ok") << QByteArray::fromHex("F528000A000022F5") << "前次比对等级为：A";
        QTest::newRow("28 fail") << Packet(0x28, 0, 0x0A, 0x01) << "操作失败";
        QTest::newRow("2B fail") << Packet(0x2B, 0, 0, 0x01) << "操作失败";
        QTest::newRow("2C ok") << Packet(0x2C, 0, 0, 0x00) << "模块进入休眠状态，不再响应任何命令";
        QTest::newRow("2C fail") << Packet(0x2C, 0, 0, 0x01) << "操作失败";
        QTest::newRow("2D ok") << Packet(0x2D, 0, 0xFE, 0x00) << "前次设置值为：FE";
        QTest::newRow("2D fail") << Packet(0x2D, 0, 0xFE, 0x03) << "操作失败";
        QTest::newRow("2F ok") << QByteArray::fromHex("F52F00800000AFF5")
                               << "操作成功 亮度值为：128";
        QTest::newRow("2F fail") << Packet(0x2F, 0, 0x80, 0x01) << "操作失败";
        QTest::newRow("31 207") << FeatureReply(0x31, 0x05) << "特征值上传成功";
        QTest::newRow("31 no user") << Packet(0x31, 0, 1, 0x05) << "无此用户";
        QTest::newRow("31 other") << Packet(0x31, 0, 1, 0x00) << "特征值上传失败";
        QTest::newRow("38 empty record")
            << Packet(0x38, 0, 8, 0) + DataPacket(QByteArray(8, '\xFF')) << "此为空记录";
        QTest::newRow("38 record")
            << Packet(0x38, 0, 8, 0) + DataPacket(QByteArray::fromHex("0000040500000003"))
            << "记录号为：1" + kCrLf + "添加成功 ID号为：5";
        QTest::newRow("38 unknown event")
            << Packet(0x38, 0, 8, 0) + DataPacket(QByteArray::fromHex("0000040500000009"))
            << "记录号为：1" + kCrLf;
        QTest::newRow("38 fail") << Packet(0x38, 0, 0, 0x05) << "操作失败";
        QTest::newRow("38 record missing") << Packet(0x38, 0, 8, 0) << "操作失败";
        QTest::newRow("3B ok") << Packet(0x3B, 0, 0, 0) << "清空记录成功";
        QTest::newRow("3B fail") << Packet(0x3B, 0, 0, 1) << "操作失败";
        QTest::newRow("41 ok") << Packet(0x41, 0, 0, 0) << "操作成功";
        QTest::newRow("41 full") << Packet(0x41, 0, 0, 4) << "数据库已满，无法再增加用户";
        QTest::newRow("41 exists") << Packet(0x41, 0, 0, 6) << "此用户已存在";
        QTest::newRow("41 other") << Packet(0x41, 0, 0, 1) << "操作失败";
        QTest::newRow("42 ok") << Packet(0x42, 0, 0, 0) << "指纹比对成功";
        QTest::newRow("42 no user") << Packet(0x42, 0, 0, 5) << "无此用户";
        QTest::newRow("42 timeout is a failure") << Packet(0x42, 0, 0, 8) << "指纹比对失败";
        QTest::newRow("43 no match") << Packet(0x43, 0, 0, 5) << "无匹配指纹";
        QTest::newRow("43 matched") << Packet(0x43, 0x01, 0x02, 0) << "258号用户比对成功";
        QTest::newRow("44 ok") << Packet(0x44, 0, 0, 0) << "指纹比对成功";
        QTest::newRow("44 fail") << Packet(0x44, 0, 0, 5) << "指纹比对失败";
        QTest::newRow("46 ok") << Packet(0x46, 0, 0, 0) << "指纹比对成功";
        QTest::newRow("46 fail") << Packet(0x46, 0, 0, 1) << "指纹比对失败";
        QTest::newRow("07 not listed") << Packet(0x07, 0, 0, 0) << "操作失败";
        QTest::newRow("29 not listed") << Packet(0x29, 0, 0, 0) << "操作失败";
        QTest::newRow("bad check read the same")
            << QByteArray::fromHex("F50900050000 00F5") << "用户总数为：5";
        QTest::newRow("empty reply") << QByteArray() << "操作失败";
        QTest::newRow("no result code") << QByteArray::fromHex("F50900") << "操作失败";
        // Without its result code a reply reads as its command's failure, never as a success.
        QTest::newRow("0B no result code") << QByteArray::fromHex("F50B00") << "指纹比对失败";
        QTest::newRow("24 no result code") << QByteArray::fromHex("F5240000") << "指纹采集失败";
        QTest::newRow("25 no result code") << QByteArray::fromHex("F525") << "串口通信失败";
        QTest::newRow("0C no result code") << QByteArray::fromHex("F50C0007") << "操作失败";
        QTest::newRow("43 no result code") << QByteArray::fromHex("F5430102") << "操作失败";
        QTest::newRow("no command byte") << QByteArray::fromHex("F5") << "操作失败";
    }
    void texts() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, status);
        QCOMPARE(Interpret(reply).status, status);
    }

    void userList() {
        QByteArray payload = QByteArray::fromHex("0002"
                                                 "000501"
                                                 "010003");
        const CReplyOutcome out = Interpret(Packet(0x2B, 0, 8, 0) + DataPacket(payload));
        QCOMPARE(out.status, "共取得2个用户" + kCrLf + "1:用户号 = 5 权限 = 1" + kCrLf +
                                 "2:用户号 = 256 权限 = 3" + kCrLf);
    }

    void emptyUserListIsTheHeadLineOnly() {
        const CReplyOutcome out =
            Interpret(Packet(0x2B, 0, 2, 0) + DataPacket(QByteArray::fromHex("0000")));
        QCOMPARE(out.status, "共取得0个用户" + kCrLf);
    }

    void userListStopsAtTheBytesReceived() {
        // The count claims 65535 entries but only one arrived (plus check and tail).
        const QByteArray reply = Packet(0x2B, 0, 5, 0) + DataPacket(QByteArray::fromHex("FFFF"
                                                                                        "000701"));
        const CReplyOutcome out = Interpret(reply);
        QCOMPARE(out.status, "共取得65535个用户" + kCrLf + "1:用户号 = 7 权限 = 1" + kCrLf);
    }

    void recordList() {
        const QByteArray payload = QByteArray::fromHex("0002"
                                                       "0000040500000003"
                                                       "FFFFFFFFFFFFFF06");
        const CReplyOutcome out = Interpret(Packet(0x39, 0, 18, 0) + DataPacket(payload));
        QCOMPARE(out.status, "记录数为：2" + kCrLf + "记录0：记录号为：1" + kCrLf +
                                 "  添加成功 ID号为：5" + kCrLf + "记录1：记录号为：4194303" +
                                 kCrLf + "  删除所有一般用户成功" + kCrLf);
    }

    void recordListWithCountOf65535AndTwelveBytes() {
        QByteArray reply = Packet(0x39, 0, 0, 0);
        reply.append(QByteArray::fromHex("F5FFFF01"));
        QCOMPARE(reply.size(), 12);
        QCOMPARE(Interpret(reply).status, "记录数为：65535" + kCrLf);
    }

    void eventTexts_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "比对成功 ID号为：773";
        QTest::newRow("2") << 2 << "管理员验证成功 ID号为：773";
        QTest::newRow("3") << 3 << "添加成功 ID号为：773";
        QTest::newRow("4") << 4 << "删除单用户成功 ID号为：773";
        QTest::newRow("5") << 5 << "删除所有用户成功 权限为：773";
        QTest::newRow("6") << 6 << "删除所有一般用户成功";
        QTest::newRow("7") << 7 << "删除所有管理者成功";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("high nibble ignored") << 0xF3 << "添加成功 ID号为：773";
    }
    void eventTexts() {
        QFETCH(int, type);
        QFETCH(QString, text);
        // user number field (b2 AND 3) * 256 + b3 = 3 * 256 + 5 = 773
        QByteArray record = QByteArray::fromHex("00000305000000");
        record.append(char(type));
        const CReplyOutcome out = Interpret(Packet(0x38, 0, 8, 0) + DataPacket(record));
        QCOMPARE(out.status, "记录号为：0" + kCrLf + text);
    }

    void followUps_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>(
            "flags"); // options: 1 inc after enrol, 2 inc after store, 4 batch active, 8 running
        QTest::addColumn<bool>("image");
        QTest::addColumn<bool>("increment");
        QTest::addColumn<bool>("save");
        QTest::newRow("image half") << Packet(0x24, 0, 0, 0) << 0 << true << false << false;
        QTest::newRow("image full") << Packet(0x24, 0, 0, 0x20) << 0 << true << false << false;
        QTest::newRow("image timeout") << Packet(0x24, 0, 0, 0x08) << 0 << false << false << false;
        QTest::newRow("enrol done, increment on")
            << Packet(0x03, 0, 0, 0) << 1 << false << true << false;
        QTest::newRow("enrol done, increment off")
            << Packet(0x03, 0, 0, 0) << 2 << false << false << false;
        QTest::newRow("enrol failed") << Packet(0x03, 0, 0, 6) << 1 << false << false << false;
        QTest::newRow("store, increment on")
            << Packet(0x41, 0, 0, 0) << 2 << false << true << false;
        QTest::newRow("store during batch")
            << Packet(0x41, 0, 0, 0) << (2 | 4 | 8) << false << false << false;
        QTest::newRow("store after batch")
            << Packet(0x41, 0, 0, 0) << (2 | 4) << false << true << false;
        QTest::newRow("save after 23 failure")
            << Packet(0x23, 0, 0, 8) << 0 << false << false << true;
        QTest::newRow("save after 29") << Packet(0x29, 0, 0, 0) << 0 << false << false << true;
        QTest::newRow("save after 31") << Packet(0x31, 0, 0, 5) << 0 << false << false << true;
        QTest::newRow("save after 06") << FeatureReply(0x06, 0) << 0 << false << false << true;
        QTest::newRow("no save after 09") << Packet(0x09, 0, 0, 0) << 0 << false << false << false;
    }
    void followUps() {
        QFETCH(QByteArray, reply);
        QFETCH(int, flags);
        CReplyOptions options;
        options.idIncAfterEnrol = flags & 1;
        options.idIncAfterStore = flags & 2;
        options.batchActive = flags & 4;
        options.batchRunning = flags & 8;
        const CReplyOutcome out = Interpret(reply, options);
        QTEST(out.decodeImage, "image");
        QTEST(out.incrementUser, "increment");
        QTEST(out.enableSave, "save");
    }

    void batchRefusals_data() {
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("message");
        QTest::newRow("full") << 0x04 << "数据库已满，无法再增加用户!";
        QTest::newRow("exists") << 0x06 << "用户12已存在!";
        QTest::newRow("other") << 0x01 << "操作失败!";
    }
    void batchRefusals() {
        QFETCH(int, rc);
        QFETCH(QString, message);
        CReplyOptions options;
        options.batchActive = true;
        options.batchRunning = true;
        options.batchUser = 12;
        const CReplyOutcome out = Interpret(Packet(0x41, 0, 0, rc), options);
        QCOMPARE(out.batchMessage, message);
        QVERIFY(out.endBatch);
    }

    void noBatchMessageOutsideABatch() {
        const CReplyOutcome out = Interpret(Packet(0x41, 0, 0, 0x06));
        QVERIFY(out.batchMessage.isEmpty());
        QVERIFY(!out.endBatch);
        QCOMPARE(out.status, QString("此用户已存在"));
    }

    void commandAndResultReported() {
        const CReplyOutcome out = Interpret(Packet(0x01, 0, 0, 0x08));
        QCOMPARE(out.command, 0x01);
        QCOMPARE(out.resultCode, 0x08);
        const CReplyOutcome none = Interpret(QByteArray::fromHex("F5"));
        QCOMPARE(none.command, -1);
        QCOMPARE(none.resultCode, -1);
    }
};

QTEST_GUILESS_MAIN(TestReplyTexts)
#include "test_reply_texts.moc"
