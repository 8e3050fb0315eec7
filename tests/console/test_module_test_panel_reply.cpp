// The test panel's reply path: collection over timer-1 ticks, the dump and the status text, and
// the follow-ups: the enrolment sequence, the user-number increments, the save button, the image
// and the batch step.
#include "test_module_test_panel_driver.h"

#include "console/batch_folder_scan.h"
#include "console/finger_image_button.h"
#include "console/image_decoder.h"
#include "protocol/hex_text.h"
#include "serial/shared_settings.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

namespace {
QString Dump(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// The dump field's text: the dump exactly, one space between bytes.
QString DumpOf(CPanelDriver& driver) {
    return driver.Text(Id::kDump);
}

QByteArray Pattern(int n) {
    QByteArray bytes(n, '\0');
    for (int i = 0; i < n; ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

// Enrol operation selected with user p1 p2 and privilege p3, options as given.
void PrepareEnrolment(CPanelDriver& driver, const QString& p1, const QString& p2, bool twice,
                      bool upload, bool increment = false) {
    driver.Click(Id::kRadioEnrol);
    driver.Type(Id::kParam1, p1);
    driver.Type(Id::kParam2, p2);
    driver.Type(Id::kParam3, QStringLiteral("1"));
    if (twice)
        driver.Click(Id::kCaptureTwice);
    if (upload)
        driver.Click(Id::kUploadFeature);
    if (increment)
        driver.Click(Id::kIdIncAfterEnrol);
}
} // namespace

class TestModuleTestPanelReply : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }
    void cleanup() {
        for (const QString& name : std::as_const(m_batchFiles))
            QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(name));
        m_batchFiles.clear();
    }

    void userCountReply() {
        CPanelDriver driver;
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{Hex("F5090000000009F5")});
        driver.Arrive(Hex("F50900050000 0CF5"));
        QVERIFY(driver.Collecting());
        QCOMPARE(driver.Panel().Timers().Period(1), 50);
        QCOMPARE(driver.Panel().Comm().RThreshold(), 9000);
        QCOMPARE(driver.TickUntilComplete(), 2); // the bytes, then a quiet tick
        QCOMPARE(driver.Text(Id::kDump), QStringLiteral("F5 09 00 05 00 00 0C F5"));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("用户总数为：5"));
        QCOMPARE(driver.RxCount(), 0);
        QCOMPARE(driver.Panel().Comm().RThreshold(), 1);
    }

    void finishedReplyEnablesTheSendButton() {
        CPanelDriver driver;
        driver.Click(Id::kSendCommand);
        driver.Control(Id::kSendCommand)->setEnabled(false);
        driver.Arrive(Packet(0x09, 0, 1, 0));
        driver.Tick();
        QVERIFY(!driver.Enabled(Id::kSendCommand)); // still collecting
        driver.Tick();
        QVERIFY(driver.Enabled(Id::kSendCommand));
    }

    void replyInTwoPiecesWithinOneTick() {
        CPanelDriver driver;
        driver.Click(Id::kSendCommand);
        driver.Arrive(Hex("F50900"));
        driver.Arrive(Hex("050000 0CF5")); // held back by the threshold: no second event
        QVERIFY(driver.Collecting());
        driver.Tick();
        QCOMPARE(driver.RxCount(), 8);
        QVERIFY(driver.Collecting());
        driver.Tick();
        QVERIFY(!driver.Collecting());
        QCOMPARE(driver.Text(Id::kDump), QStringLiteral("F5 09 00 05 00 00 0C F5"));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("用户总数为：5"));
    }

    void replySplitByAPauseIsTwoReplies() {
        CPanelDriver driver;
        driver.Click(Id::kSendCommand);
        driver.Reply(Hex("F5090005"));
        QCOMPARE(driver.Text(Id::kDump), QStringLiteral("F5 09 00 05"));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("操作失败"));
        QCOMPARE(driver.RxCount(), 0);
        driver.Reply(Hex("00000CF5"));
        QCOMPARE(driver.Text(Id::kDump), QStringLiteral("00 00 0C F5"));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("操作失败"));
    }

    void moreThanNineThousandBytesOverSeveralTicks() {
        CPanelDriver driver;
        driver.Click(Id::kRadioUserList);
        driver.Click(Id::kSendCommand);
        const int users = 6660;
        QByteArray payload;
        payload.append(char(users >> 8)).append(char(users & 0xFF));
        for (int k = 0; k < users; ++k)
            payload.append(char(k >> 8)).append(char(k & 0xFF)).append(char(1));
        const QByteArray reply = Packet(0x2B, 0, 0, 0) + DataPacket(payload);
        QCOMPARE(reply.size(), 19993);
        driver.Arrive(reply);
        const QList<int> counts{9000, 18000, 19993};
        for (int count : counts) {
            driver.Tick();
            QCOMPARE(driver.RxCount(), count);
            QVERIFY(driver.Collecting());
        }
        driver.Tick();
        QVERIFY(!driver.Collecting());
        QCOMPARE(DumpOf(driver), Dump(reply));
        QVERIFY(driver.Text(Id::kResult)
                    .startsWith(QStringLiteral("共取得6660个用户\n1:用户号 = 0 权限 = 1")));
        QVERIFY(driver.Text(Id::kResult).endsWith(QStringLiteral("6660:用户号 = 6659 权限 = 1\n")));
    }

    void collectionStopsAtTheLimit() {
        CPanelDriver driver;
        driver.Click(Id::kHighResolution);
        driver.Click(Id::kSendCommand);
        // A full-resolution 304 x 304 image (92,427 bytes) followed at once by more bytes.
        const QByteArray image = Packet(0x24, 0x2D, 0x20, 0x20) + DataPacket(Pattern(92416));
        const QByteArray more = Pattern(120000 - image.size());
        driver.Arrive(image + more);
        for (int tick = 1; tick <= 10; ++tick) {
            driver.Tick();
            QCOMPARE(driver.RxCount(), tick * 9000);
        }
        QVERIFY(driver.Collecting());
        driver.Tick(); // 99,000 bytes: past the limit, the reply is complete
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("指纹采集成功"));
        QCOMPARE(driver.Panel().Comm().InBufferCount(), 21000);
        QCOMPARE(driver.TickUntilComplete(), 4); // dropped, a read a tick, then a quiet tick
        QCOMPARE(driver.Text(Id::kDump), Dump((image + more).left(99000)));
        QCOMPARE(driver.Panel().ImageControl().ImageWidth(), 304);
        QCOMPARE(driver.Panel().ImageControl().Pixels(), g_ImageCanvas);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(g_ImageCanvas), 16), Pattern(16));
    }

    void fullImageTailOneTickLate_data() {
        QTest::addColumn<int>("first");
        QTest::newRow("92,416 then 11") << 92416;
        QTest::newRow("92,426 then 1") << 92426;
    }
    void fullImageTailOneTickLate() {
        QFETCH(int, first);
        CPanelDriver driver;
        driver.Click(Id::kHighResolution);
        driver.Click(Id::kSendCommand);
        const QByteArray image = Packet(0x24, 0x2D, 0x20, 0x20) + DataPacket(Pattern(92416));
        driver.Arrive(image.left(first));
        while (driver.RxCount() < first && driver.Collecting())
            driver.Tick();
        driver.Arrive(image.mid(first));
        driver.Tick();
        QCOMPARE(driver.TickUntilComplete(), 1); // the line is quiet after the image
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("指纹采集成功"));
        QCOMPARE(driver.Text(Id::kDump), Dump(image));
    }

    void halfResolutionImageAndCaptureTimeout() {
        CPanelDriver driver;
        driver.Click(Id::kRadioCaptureImage);
        driver.Click(Id::kSendCommand);
        driver.Reply(Packet(0x24, 0x20, 0x00, 0x00) + DataPacket(Pattern(8192)));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("指纹采集成功"));
        QCOMPARE(driver.Panel().ImageControl().ImageWidth(), 152);
        QCOMPARE(driver.Panel().ImageControl().ImageHeight(), 152);
        const QByteArray canvas(reinterpret_cast<const char*>(g_ImageCanvas), kCanvasSize);
        driver.Click(Id::kSendCommand);
        driver.Reply(Packet(0x24, 0x00, 0x00, 0x08));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("指纹采集超时"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(g_ImageCanvas), kCanvasSize), canvas);
        QCOMPARE(driver.Panel().ImageControl().ImageWidth(), 152);
    }

    // "保存图像…" waits for an image; the file holds the image's own pixels, turned as the
    // control shows them: its top line is the canvas row drawn along the top edge.
    void savedImageMatchesTheCanvas_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("region"); // in the canvas
        QTest::addColumn<int>("rowLength");
        QTest::newRow("256 x 280 at half resolution")
            << 8960 << 0x00 << "a.png" << QRect(12, 6, 128, 140) << 152;
        QTest::newRow("240 x 312 at full resolution, as BMP")
            << 9360 << 0x20 << "b.BMP" << QRect(32, 0, 240, 304) << 304;
        QTest::newRow("80 x 80") << 6400 << 0x00 << "c.png" << QRect(80, 80, 80, 80) << 240;
        QTest::newRow("80 x 80 as JPEG")
            << 6400 << 0x00 << "d.jpeg" << QRect(80, 80, 80, 80) << 240;
    }
    void savedImageMatchesTheCanvas() {
        QFETCH(int, length);
        QFETCH(int, result);
        QFETCH(QString, name);
        QFETCH(QRect, region);
        QFETCH(int, rowLength);
        CPanelDriver driver;
        CScriptedPrompts prompts;
        QTemporaryDir dir;
        QAction* save = driver.Panel().SaveImageAction();
        QVERIFY(!save->isEnabled() && driver.Panel().ImageControl().actions().contains(save));
        driver.Click(Id::kRadioCaptureImage);
        driver.Click(Id::kSendCommand);
        const int pixelBytes = length != 6400 && result == 0x20 ? 8 * length : length;
        driver.Reply(Packet(0x24, uint8_t(length >> 8), uint8_t(length), uint8_t(result)) +
                     DataPacket(Pattern(pixelBytes)));
        QVERIFY(save->isEnabled());
        prompts.m_files << dir.filePath(name);
        save->trigger();
        QVERIFY(prompts.m_dialogs.last().initialName.endsWith(
            QStringLiteral("-%1x%2.png").arg(region.width()).arg(region.height())));
        QImageReader reader(dir.filePath(name));
        const QByteArray format = reader.format();
        QCOMPARE(format, QFileInfo(name).suffix().toLower().toLatin1());
        const QImage image = reader.read().convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(image.size(), region.size());
        if (format == "jpeg")
            return; // not lossless
        QByteArray saved, shown;
        for (int y = 0; y < image.height(); ++y) {
            saved.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
            const int row = region.bottom() - y;
            shown.append(reinterpret_cast<const char*>(g_ImageCanvas) + row * rowLength +
                             region.left(),
                         region.width());
        }
        QCOMPARE(saved, shown);
    }

    // An image cut short or garbled stays on show, but is not saved as if it were whole; a name
    // of a format other than PNG, BMP or JPEG is refused before anything is written.
    void imageNotSaved_data() {
        QTest::addColumn<int>("cut");     // bytes of the reply left out
        QTest::addColumn<int>("flipped"); // the byte of the reply turned over, or -1
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // %1 stands for the file
        const QString partial = QStringLiteral("图像不完整，未保存：");
        QTest::newRow("cut short")
            << 83000 << -1 << "a.png" << partial + "只收到 9427 字节，应有 92427 字节";
        QTest::newRow("check byte wrong") << 0 << 92425 << "a.png" << partial + "数据校验错误";
        QTest::newRow("GIF") << 0 << -1 << "e.gif"
                             << "无法保存 %1：文件名须以 .png、.bmp、.jpg 或 .jpeg 结尾（PNG、BMP "
                                "或 JPEG 图像）";
    }
    void imageNotSaved() {
        QFETCH(int, cut);
        QFETCH(int, flipped);
        QFETCH(QString, name);
        QFETCH(QString, message);
        CPanelDriver driver;
        CScriptedPrompts prompts;
        QTemporaryDir dir;
        driver.Click(Id::kHighResolution);
        driver.Click(Id::kSendCommand);
        QByteArray reply = Packet(0x24, 0x2D, 0x20, 0x20) + DataPacket(Pattern(92416));
        if (flipped >= 0)
            reply[flipped] = char(~reply[flipped]);
        driver.Reply(reply.left(reply.size() - cut));
        QCOMPARE(driver.Panel().ImageControl().ImageWidth(), 304);
        prompts.m_files << dir.filePath(name);
        driver.Panel().SaveImageAction()->trigger();
        QCOMPARE(prompts.m_messages,
                 QStringList{QString(message).replace("%1", dir.filePath(name))});
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // The backup goes through the panel's own write and receive cycle with its progress in
    // "总数"/"当前"; "发送命令" stops it, and the panel's own command is built and sent again.
    void backupRunsThroughThePanel() {
        CPanelDriver driver;
        CScriptedPrompts prompts;
        QTemporaryDir dir;
        prompts.m_folders << dir.path();
        driver.Panel().BackupAction()->trigger();
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(0x2B)});
        driver.Reply(Packet(0x2B, 0, 8, 0) + DataPacket(Hex("0002 000501 000901")));
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(0x31, 0, 5)});
        QCOMPARE(driver.CommandDisplay(), CommandText(Packet(0x31, 0, 5)));
        driver.Reply(Packet(0x31, 0, 0xC4, 0) +
                     DataPacket(QByteArray(3, 0) + QByteArray(193, 'f')));
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(0x31, 0, 9)});
        QCOMPARE(driver.Text(Id::kBatchTotal) + driver.Text(Id::kBatchCurrent),
                 QStringLiteral("22"));
        QVERIFY(!driver.Panel().BackupAction()->isEnabled());
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(0x09)});
        QVERIFY(prompts.m_messages.last().startsWith(QStringLiteral("备份已停止。")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("5.fea"))));
        QVERIFY(driver.Panel().BackupAction()->isEnabled());
    }

    void enrolmentSequences_data() {
        QTest::addColumn<bool>("twice");
        QTest::addColumn<bool>("upload");
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<QString>("status");
        QTest::newRow("three captures")
            << false << false << QList<int>{0x01, 0x02, 0x03} << "用户录入成功";
        QTest::newRow("采集两次") << true << false << QList<int>{0x01, 0x03} << "用户录入成功";
        QTest::newRow("特征值上传") << false << true << QList<int>{0x01, 0x02, 0x06} << "操作成功";
        QTest::newRow("采集两次 and 特征值上传")
            << true << true << QList<int>{0x01, 0x06} << "操作成功";
    }
    void enrolmentSequences() {
        QFETCH(bool, twice);
        QFETCH(bool, upload);
        QFETCH(QList<int>, commands);
        QFETCH(QString, status);
        CScriptedPrompts prompts;
        CPanelDriver driver;
        PrepareEnrolment(driver, "0", "1", twice, upload);
        driver.Click(Id::kSendCommand);
        for (int command : commands) {
            QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(command, 0x00, 0x01, 0x01)});
            driver.Reply(command == 0x06 ? FeatureReply(0x06) : Packet(command, 0, 0, 0));
        }
        QVERIFY(driver.Writes().isEmpty());
        QCOMPARE(driver.Text(Id::kResult), status);
        QCOMPARE(driver.CommandDisplay(), CommandText(Packet(0x01, 0x00, 0x01, 0x01)));
        QVERIFY(driver.Panel().EnrolFirstStep());
        QCOMPARE(driver.Enabled(Id::kSaveFeature), upload);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void enrolmentStepFails_data() {
        QTest::addColumn<int>("failingCommand");
        QTest::addColumn<int>("resultCode");
        QTest::addColumn<QString>("status");
        QTest::newRow("first capture times out") << 0x01 << 0x08 << "采集指纹超时";
        QTest::newRow("user exists") << 0x01 << 0x06 << "此用户已存在";
        QTest::newRow("fingerprint exists") << 0x01 << 0x07 << "此指纹已存在";
        QTest::newRow("second capture times out") << 0x02 << 0x08 << "采集指纹超时";
        QTest::newRow("second capture fails") << 0x02 << 0x01 << "用户录入失败";
        QTest::newRow("last capture, user exists") << 0x03 << 0x06 << "此用户已存在";
    }
    void enrolmentStepFails() {
        QFETCH(int, failingCommand);
        QFETCH(int, resultCode);
        QFETCH(QString, status);
        CPanelDriver driver;
        PrepareEnrolment(driver, "0", "2", false, false);
        driver.Click(Id::kSendCommand);
        for (int command = 0x01; command < failingCommand; ++command) {
            QCOMPARE(driver.Writes().size(), 1);
            driver.Reply(Packet(command, 0, 0, 0));
        }
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(failingCommand, 0, 2, 1)});
        driver.Reply(Packet(failingCommand, 0, 0, resultCode));
        QCOMPARE(driver.Text(Id::kResult), status);
        QVERIFY(driver.Writes().isEmpty());
        QCOMPARE(driver.CommandDisplay(), CommandText(Packet(0x01, 0x00, 0x02, 0x01)));
        QVERIFY(driver.Panel().EnrolFirstStep());
    }

    void userNumberIncrementAfterEnrolment_data() {
        QTest::addColumn<QString>("p1");
        QTest::addColumn<QString>("p2");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("newP1");
        QTest::addColumn<QString>("newP2");
        QTest::addColumn<QString>("newP12");
        QTest::newRow("00 FF") << "00"
                               << "FF" << true << "1"
                               << "0"
                               << "100";
        QTest::newRow("FF FF") << "FF"
                               << "FF" << true << "0"
                               << "0"
                               << "0";
        QTest::newRow("0 9") << "0"
                             << "9" << true << "0"
                             << "A"
                             << "A";
        QTest::newRow("12 FF") << "12"
                               << "FF" << true << "13"
                               << "0"
                               << "1300";
        QTest::newRow("not ticked") << "00"
                                    << "FF" << false << "00"
                                    << "FF"
                                    << "FF";
    }
    void userNumberIncrementAfterEnrolment() {
        QFETCH(QString, p1);
        QFETCH(QString, p2);
        QFETCH(bool, ticked);
        QFETCH(QString, newP1);
        QFETCH(QString, newP2);
        QFETCH(QString, newP12);
        CPanelDriver driver;
        PrepareEnrolment(driver, p1, p2, true, false, ticked);
        driver.Click(Id::kSendCommand);
        driver.Reply(Packet(0x01, 0, 0, 0));
        driver.Reply(Packet(0x03, 0, 0, 0));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("用户录入成功"));
        QCOMPARE(driver.Text(Id::kParam1), newP1);
        QCOMPARE(driver.Text(Id::kParam2), newP2);
        QCOMPARE(driver.Text(Id::kParam12), newP12);
        const uint8_t userHigh = ParseHexText(newP1, 2), userLow = ParseHexText(newP2, 2);
        QCOMPARE(driver.CommandDisplay(), CommandText(Packet(0x01, userHigh, userLow, 0x01)));
    }

    void nextEnrolmentUsesTheIncrementedUser() {
        CPanelDriver driver;
        PrepareEnrolment(driver, "00", "FF", true, false, true);
        driver.Click(Id::kSendCommand);
        driver.Reply(Packet(0x01, 0, 0, 0));
        driver.Reply(Packet(0x03, 0, 0, 0));
        driver.Writes();
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(0x01, 0x01, 0x00, 0x01)});
    }

    void userNumberIncrementAfterStore_data() {
        QTest::addColumn<int>("resultCode");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("newP2");
        QTest::newRow("stored") << 0x00 << "操作成功"
                                << "6";
        QTest::newRow("exists") << 0x06 << "此用户已存在"
                                << "05";
        QTest::newRow("full") << 0x04 << "数据库已满，无法再增加用户"
                              << "05";
    }
    void userNumberIncrementAfterStore() {
        QFETCH(int, resultCode);
        QFETCH(QString, status);
        QFETCH(QString, newP2);
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        QFile file(dir.filePath("u.fea"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Pattern(193));
        file.close();
        prompts.m_files << file.fileName();
        driver.SelectWithParams(Id::kRadioStoreFeature, "0", "05", "1");
        driver.Click(Id::kIdIncAfterStore);
        driver.Click(Id::kBrowse);
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes().size(), 1);
        driver.Reply(Packet(0x41, 0, 0, resultCode));
        QCOMPARE(driver.Text(Id::kResult), status);
        QCOMPARE(driver.Text(Id::kParam2), newP2);
        QCOMPARE(driver.Tx()[10], uint8_t(ParseHexText(newP2, 2)));
        QVERIFY(prompts.m_messages.isEmpty()); // no batch: no message box
    }

    void operationSwitchedDuringEnrolment_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QByteArray>("packet");
        QTest::newRow("user count") << 1018 << Hex("F5090000000009F5");
        QTest::newRow("1:1 compare") << 1030 << Packet(0x0B, 0x00, 0x03, 0x00);
    }
    void operationSwitchedDuringEnrolment() {
        QFETCH(int, radio);
        QFETCH(QByteArray, packet);
        CPanelDriver driver;
        PrepareEnrolment(driver, "0", "3", false, false);
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{Packet(0x01, 0, 3, 1)});
        driver.Click(radio);
        driver.Reply(Packet(0x01, 0, 0, 0));
        QCOMPARE(driver.Writes(), QList<QByteArray>{packet});
        QVERIFY(driver.Button(radio)->isChecked());
    }

    void saveButtonAfterUploadReplies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("0x29") << Packet(0x29, 0, 0, 0) << "操作失败" << true;
        QTest::newRow("0x23 uploaded") << FeatureReply(0x23) << "特征值上传成功" << true;
        QTest::newRow("0x23 timed out") << Packet(0x23, 0, 0, 0x08) << "指纹采集超时" << true;
        QTest::newRow("0x31 no user") << Packet(0x31, 0, 0, 0x05) << "无此用户" << true;
        QTest::newRow("0x06 short") << Packet(0x06, 0, 0, 0) << "操作失败" << true;
        QTest::newRow("0x09") << Packet(0x09, 0, 1, 0) << "用户总数为：1" << false;
        QTest::newRow("0x07") << Packet(0x07, 0, 0, 0) << "操作失败" << false;
    }
    void saveButtonAfterUploadReplies() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, status);
        QFETCH(bool, enabled);
        CPanelDriver driver;
        driver.Click(Id::kRadioCaptureUpload);
        driver.Click(Id::kSendCommand);
        driver.Reply(reply);
        QCOMPARE(driver.Text(Id::kResult), status);
        QCOMPARE(driver.Enabled(Id::kSaveFeature), enabled);
        driver.Click(Id::kRadioCaptureUpload); // the next build disables it again
        QVERIFY(!driver.Enabled(Id::kSaveFeature));
    }

    void savedFeatureIsTheUploadedOne() {
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.Click(Id::kRadioCaptureUpload);
        driver.Click(Id::kSendCommand);
        const QByteArray reply = FeatureReply(0x23, 0x30);
        driver.Reply(reply);
        prompts.m_files << dir.filePath("saved.fea");
        driver.Click(Id::kSaveFeature);
        QFile saved(dir.filePath("saved.fea"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), reply.mid(12, 193));
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void receiveEventRaisesARateIndexOfZero() {
        CPanelDriver driver;
        g_nBaudIndex = 0;
        driver.Arrive(Hex("F5"));
        QCOMPARE(g_nBaudIndex, 1);
        QVERIFY(driver.Collecting());
    }

    void portLostStopsTheCollectionAndTellsOnce() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.Click(Id::kSendCommand);
        driver.Arrive(Hex("F509"));
        QVERIFY(driver.Collecting());
        driver.Device().Unplug();
        QVERIFY(!driver.Collecting());
        QCOMPARE(driver.Panel().Comm().RThreshold(), 1);
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("Comm port error!")});
        QVERIFY(!driver.Panel().Comm().PortOpen());
        // After the port is opened again, a reply is collected as usual.
        driver.Panel().Comm().SetPortOpen(true);
        driver.Click(Id::kSendCommand);
        driver.Reply(Packet(0x09, 0, 2, 0));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("用户总数为：2"));
        QCOMPARE(prompts.m_messages.size(), 1);
    }

    void otherTimersAreNotTheCollection() {
        CPanelDriver driver;
        driver.SetRxCount(0);
        driver.Arrive(Hex("F5"));
        driver.Panel().OnTimer(2);
        QCOMPARE(driver.RxCount(), 0);
        QVERIFY(driver.Collecting());
    }

    void batchStoresTheFolderInUserOrder() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        WriteBatchFile("7.fea", 0x70);
        WriteBatchFile("3.fea", 0x30);
        driver.Click(Id::kBatchEnable);
        driver.Click(Id::kBatchStore);
        QVERIFY(prompts.m_messages.isEmpty());
        QCOMPARE(driver.Text(Id::kBatchTotal), QStringLiteral("2"));
        QCOMPARE(driver.Text(Id::kBatchCurrent), QStringLiteral("1"));
        QCOMPARE(driver.Panel().Operation(), 8);
        ExpectStore(driver, 3, 0x30);
        // Choices made while the batch runs change the panel's packet, never the next store.
        driver.Click(Id::kRadioDeleteAllUsers); // "删除所有用户"
        driver.Click(Id::kTwoFingers);
        driver.Reply(Packet(0x41, 0, 0, 0));
        // The result text comes before the batch step, whose send of the next item clears it.
        QCOMPARE(driver.Text(Id::kResult), QString());
        QCOMPARE(driver.Text(Id::kBatchCurrent), QStringLiteral("2"));
        ExpectStore(driver, 7, 0x70);
        driver.Reply(Packet(0x41, 0, 0, 0));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("操作成功"));
        QVERIFY(driver.Writes().isEmpty());
        QVERIFY(driver.BatchActive()); // finished; the next reply's step clears the flag
        driver.Reply(Packet(0x09, 0, 0, 0));
        QVERIFY(!driver.BatchActive());
        QVERIFY(driver.Writes().isEmpty());
    }

    // More files than a batch holds: before anything is sent the user hears how many it leaves
    // out and why; Cancel sends nothing, OK stores the batch.
    void batchSaysWhatItLeavesOut_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("cancel") << false;
        QTest::newRow("store the batch") << true;
    }
    void batchSaysWhatItLeavesOut() {
        QFETCH(bool, answer);
        CScriptedPrompts prompts;
        CPanelDriver driver;
        QTemporaryDir dir;
        for (int user = 1; user <= 1002; ++user) {
            QFile file(dir.filePath(QStringLiteral("%1.fea").arg(user)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Pattern(193)) == 193);
        }
        prompts.m_folders << dir.path();
        driver.Panel().BatchFolderAction()->trigger();
        prompts.m_answers << answer;
        driver.Click(Id::kBatchEnable);
        driver.Click(Id::kBatchStore);
        QCOMPARE(prompts.m_questions,
                 QStringList{"文件夹中有 1002 个特征值文件，一批最多存储 1000 个：按找到的顺序"
                             "存储前 1000 个，其余 2 个文件不存储。\n确定：存储这 1000 个；取消："
                             "不存储。"});
        QCOMPARE(driver.Writes().size(), answer ? 1 : 0);
        QCOMPARE(driver.BatchActive(), answer);
    }

    void batchRefusalEndsTheBatch() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        WriteBatchFile("12.fea", 0x12);
        WriteBatchFile("5.fea", 0x05);
        driver.Click(Id::kBatchEnable);
        driver.Click(Id::kIdIncAfterStore); // no increment in the middle of a batch
        driver.Click(Id::kBatchStore);
        ExpectStore(driver, 5, 0x05);
        driver.Reply(Packet(0x41, 0, 0, 0));
        QCOMPARE(driver.Text(Id::kParam2), QString());
        ExpectStore(driver, 12, 0x12);
        driver.Reply(Packet(0x41, 0, 0, 0x06));
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("用户12已存在!")});
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("此用户已存在"));
        QCOMPARE(driver.Text(Id::kBatchCurrent), QStringLiteral("2"));
        QVERIFY(driver.Writes().isEmpty());
    }

    void sendCommandDuringABatchEndsIt() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        WriteBatchFile("1.fea", 1);
        WriteBatchFile("2.fea", 2);
        driver.Click(Id::kBatchEnable);
        driver.Click(Id::kBatchStore);
        ExpectStore(driver, 1, 1);
        driver.Click(Id::kRadioUserCount);
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{Hex("F5090000000009F5")});
        QVERIFY(!driver.BatchActive());
        driver.Reply(Packet(0x41, 0, 0, 0)); // the late reply to the batch item
        driver.Reply(Packet(0x09, 0, 0, 0));
        QVERIFY(driver.Writes().isEmpty());
        QCOMPARE(driver.Text(Id::kBatchCurrent), QStringLiteral("1"));
    }

    // A batch item that cannot be written ends the batch, as a lost port does: the late reply
    // to the item before sends nothing by itself.
    void batchWriteFailureEndsTheBatch() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        for (const char* name : {"1.fea", "2.fea", "3.fea"})
            WriteBatchFile(name, 1);
        driver.Click(Id::kBatchEnable);
        driver.Click(Id::kBatchStore);
        ExpectStore(driver, 1, 1);
        driver.Device().m_bFailWrites = true;
        driver.Reply(Packet(0x41, 0, 0, 0));
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("Comm port error!")});
        QVERIFY(!driver.BatchActive());
        driver.Device().m_bFailWrites = false;
        driver.Writes();
        driver.Reply(Packet(0x41, 0, 0, 0));
        QVERIFY(driver.Writes().isEmpty());
    }

    void batchWithoutFilesTellsSo() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        const QStringList present = QDir(QCoreApplication::applicationDirPath())
                                        .entryList({QStringLiteral("*.fea")}, QDir::Files);
        if (!present.isEmpty())
            QSKIP("the program folder holds feature files");
        driver.Click(Id::kBatchEnable);
        driver.Click(Id::kBatchStore);
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("无特征值文件!")});
        QVERIFY(driver.Writes().isEmpty());
    }

private:
    void WriteBatchFile(const QString& name, uint8_t first) {
        QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        QByteArray feature;
        for (int i = 0; i < kFeatureSize; ++i)
            feature.append(char(uint8_t(first + i)));
        file.write(feature);
        m_batchFiles.append(name);
    }
    static void ExpectStore(CPanelDriver& driver, int user, uint8_t first) {
        const QList<QByteArray> writes = driver.Writes();
        QCOMPARE(writes.size(), 1);
        const QByteArray& sent = writes[0];
        QCOMPARE(sent.size(), 207);
        QCOMPARE(sent.left(8), Hex("F54100C4000085F5"));
        QCOMPARE(uint8_t(sent[9]), uint8_t(user >> 8));
        QCOMPARE(uint8_t(sent[10]), uint8_t(user & 0xFF));
        QCOMPARE(uint8_t(sent[11]), uint8_t(1));
        QCOMPARE(uint8_t(sent[12]), first);
        QCOMPARE(uint8_t(sent[204]), uint8_t(first + 192));
    }

    QStringList m_batchFiles;
};

QTEST_MAIN(TestModuleTestPanelReply)
#include "test_module_test_panel_reply.moc"
