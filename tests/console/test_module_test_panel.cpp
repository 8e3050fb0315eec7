// The test panel's commands: start-up, the parameter fields kept in step, every operation's
// packet through its radio button, the options, the refusals and the send path.
#include "test_module_test_panel_driver.h"

#include "protocol/hex_text.h"
#include "serial/shared_settings.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"
#include "widgets/user_changes.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <utility>

namespace {
const QList<ControlId> kEnableFields{Id::kParam1,  Id::kParam2,      Id::kParam3,
                                     Id::kParam12, Id::kFeaturePath, Id::kBrowse};

QByteArray FeatureBytes(uint8_t first) {
    QByteArray bytes;
    for (int i = 0; i < kFeatureSize; ++i)
        bytes.append(char(uint8_t(first + i)));
    return bytes;
}

QString WriteFeatureFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
} // namespace

class TestModuleTestPanel : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void startUpState() {
        CPanelDriver driver;
        CModuleTestDlg& panel = driver.Panel();
        QCOMPARE(panel.Operation(), 0);
        QCOMPARE(panel.OperationGroup().checkedId(), 0);
        QCOMPARE(driver.CommandDisplay(), QStringLiteral("F5 09 00 00 00 00 09 F5 "));
        QCOMPARE(driver.TxBytes(8), Hex("F5 09 00 00 00 00 09 F5"));
        QCOMPARE(driver.TxLength(), 8);
        for (Id id : kEnableFields)
            QVERIFY2(!driver.Enabled(id), qPrintable(QString::number(IdNumber(id))));
        QVERIFY(!driver.Enabled(Id::kSaveFeature));
        for (Id id : {Id::kBatchStore, Id::kBatchTotal, Id::kBatchCurrent, Id::kBatchTotalLabel,
                      Id::kBatchCurrentLabel})
            QVERIFY(!driver.Enabled(id));
        QVERIFY(driver.Enabled(Id::kBatchEnable));
        QVERIFY(driver.Enabled(Id::kSendCommand));
        QVERIFY(!panel.SyncingParams());
        QVERIFY(!panel.NeedFeatureFile());
        QVERIFY(!panel.EnrolFirstStep());
        for (Id id : {Id::kMoveRightValue, Id::kMoveUpValue, Id::kBrightnessStep, Id::kCaptureTime,
                      Id::kBatchTotal, Id::kBatchCurrent})
            QCOMPARE(driver.Text(id), QStringLiteral("0"));
        QCOMPARE(driver.Text(Id::kFeaturePath), QString());
        QCOMPARE(driver.Text(Id::kResult), QString());
        QCOMPARE(driver.Text(Id::kDump), QString());
    }

    void startUpConfiguresThePortWithoutOpeningIt() {
        g_nCommPort = 3;
        g_nBaudIndex = 4;
        CModuleTestDlg panel;
        QCOMPARE(panel.Comm().CommPort(), short(3));
        QCOMPARE(panel.Comm().Settings(), QStringLiteral("57600,n,8,1"));
        QCOMPARE(panel.Comm().InputMode(), 1);
        QCOMPARE(panel.Comm().RThreshold(), 1);
        QCOMPARE(panel.Comm().InputLen(), 9000);
        QVERIFY(!panel.Comm().PortOpen());
        QCOMPARE(FakeOf(panel.Comm())->m_nOpenCount, 0);
    }

    void parameterSynchronisation_data() {
        QTest::addColumn<ControlId>("presetField");
        QTest::addColumn<QString>("presetText");
        QTest::addColumn<ControlId>("typedField");
        QTest::addColumn<QString>("typedText");
        QTest::addColumn<QString>("p1");
        QTest::addColumn<QString>("p2");
        QTest::addColumn<QString>("p12");
        QTest::newRow("P1 12 beside P2 34") << Id::kParam2 << "34" << Id::kParam1 << "12"
                                            << "12"
                                            << "34"
                                            << "1234";
        QTest::newRow("P1,2 5") << Id::kParam1 << "77" << Id::kParam12 << "5"
                                << "0"
                                << "5"
                                << "5";
        QTest::newRow("P1,2 five digits") << Id::kParam1 << "" << Id::kParam12 << "12345"
                                          << "12"
                                          << "34"
                                          << "12345";
        QTest::newRow("P2 alone, leading zeros go") << Id::kParam1 << "0" << Id::kParam2 << "0A"
                                                    << "0"
                                                    << "0A"
                                                    << "A";
        QTest::newRow("P1 of three digits") << Id::kParam2 << "1" << Id::kParam1 << "123"
                                            << "123"
                                            << "1"
                                            << "1201";
        QTest::newRow("lower case typed") << Id::kParam2 << "ff" << Id::kParam1 << "ab"
                                          << "AB"
                                          << "FF"
                                          << "ABFF";
        QTest::newRow("P1,2 emptied") << Id::kParam12 << "ABCD" << Id::kParam12 << ""
                                      << "0"
                                      << "0"
                                      << "";
        QTest::newRow("P1 zero P2 zero") << Id::kParam2 << "0" << Id::kParam1 << "0"
                                         << "0"
                                         << "0"
                                         << "0";
    }
    void parameterSynchronisation() {
        QFETCH(ControlId, presetField);
        QFETCH(QString, presetText);
        QFETCH(ControlId, typedField);
        QFETCH(QString, typedText);
        QFETCH(QString, p1);
        QFETCH(QString, p2);
        QFETCH(QString, p12);
        CPanelDriver driver;
        driver.Click(Id::kRadioEnrol);
        driver.Type(presetField, presetText);
        driver.Type(typedField, typedText);
        QCOMPARE(driver.Text(Id::kParam1), p1);
        QCOMPARE(driver.Text(Id::kParam2), p2);
        QCOMPARE(driver.Text(Id::kParam12), p12);
        QVERIFY(!driver.Panel().SyncingParams());
        // The packet follows the fields at once.
        const uint8_t expectedP1 = ParseHexText(p1, 2), expectedP2 = ParseHexText(p2, 2);
        QCOMPARE(driver.Tx()[2], expectedP1);
        QCOMPARE(driver.Tx()[3], expectedP2);
    }

    void operationPackets_data() {
        QTest::addColumn<ControlId>("radio");
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<ControlId>>("enabled");
        const QList<ControlId> p12{Id::kParam1, Id::kParam2, Id::kParam12};
        const QList<ControlId> all4{Id::kParam1, Id::kParam2, Id::kParam3, Id::kParam12};
        QTest::newRow("0 user count")
            << Id::kRadioUserCount << Hex("F5090000000009F5") << 8 << QList<ControlId>{};
        QTest::newRow("1 enrol") << Id::kRadioEnrol << Hex("F5011234560071F5") << 8 << all4;
        QTest::newRow("2 privilege")
            << Id::kRadioUserPrivilege << Hex("F50A123400002CF5") << 8 << p12;
        QTest::newRow("3 delete one")
            << Id::kRadioDeleteUser << Hex("F5041234000022F5") << 8 << p12;
        QTest::newRow("4 delete all") << Id::kRadioDeleteAllUsers << Hex("F5050000560053F5") << 8
                                      << QList<ControlId>{Id::kParam3};
        QTest::newRow("5 1:1") << Id::kRadioCompareOne << Hex("F50B123400002DF5") << 8 << p12;
        QTest::newRow("6 1:N") << Id::kRadioCompareAll << Hex("F50C000000000CF5") << 8
                               << QList<ControlId>{};
        QTest::newRow("7 image") << Id::kRadioCaptureImage << Hex("F5240000000024F5") << 8
                                 << QList<ControlId>{};
        QTest::newRow("8 store") << Id::kRadioStoreFeature << Hex("F54100C4000085F5") << 207
                                 << QList<ControlId>{Id::kParam1, Id::kParam2, Id::kParam3,
                                                     Id::kParam12, Id::kBrowse};
        QTest::newRow("9 download compare") << Id::kRadioDownloadCompare << Hex("F54400C4000080F5")
                                            << 207 << QList<ControlId>{Id::kBrowse};
        QTest::newRow("10 download 1:1")
            << Id::kRadioDownloadCompareOne << Hex("F54200C4000086F5") << 207
            << QList<ControlId>{Id::kParam1, Id::kParam2, Id::kParam12, Id::kBrowse};
        QTest::newRow("11 download 1:N") << Id::kRadioDownloadCompareAll << Hex("F54300C4000087F5")
                                         << 207 << QList<ControlId>{Id::kBrowse};
        QTest::newRow("12 upload user")
            << Id::kRadioUploadUser << Hex("F5311234000017F5") << 8 << p12;
        QTest::newRow("13 capture upload")
            << Id::kRadioCaptureUpload << Hex("F5230000000023F5") << 8 << QList<ControlId>{};
        QTest::newRow("14 user list")
            << Id::kRadioUserList << Hex("F52B000000002BF5") << 8 << QList<ControlId>{};
        QTest::newRow("15 sleep") << Id::kRadioSleep << Hex("F52C000000002CF5") << 8
                                  << QList<ControlId>{};
        QTest::newRow("16 version")
            << Id::kRadioVersion << Hex("F5260000000026F5") << 8 << QList<ControlId>{};
        QTest::newRow("17 compare level")
            << Id::kRadioCompareLevel << Hex("F528003456004AF5") << 8
            << QList<ControlId>{Id::kParam2, Id::kParam3, Id::kFeaturePath};
        QTest::newRow("18 brightness")
            << Id::kRadioBrightness << Hex("F52F000000002FF5") << 8 << QList<ControlId>{};
        QTest::newRow("19 self-adjust") << Id::kRadioAdjustBrightness << Hex("F50F0000560059F5")
                                        << 8 << QList<ControlId>{Id::kParam3};
        QTest::newRow("20 one record")
            << Id::kRadioOneRecord << Hex("F538123400001EF5") << 8 << p12;
        QTest::newRow("21 new records") << Id::kRadioNewRecords << Hex("F5391234560049F5") << 8
                                        << QList<ControlId>{Id::kParam1, Id::kParam2, Id::kParam3};
        QTest::newRow("22 clear records")
            << Id::kRadioClearRecords << Hex("F53B000000003BF5") << 8 << QList<ControlId>{};
        QTest::newRow("25 initial value")
            << Id::kRadioInitialValue << Hex("F5221234560052F5") << 8 << all4;
    }
    void operationPackets() {
        QFETCH(ControlId, radio);
        QFETCH(QByteArray, packet);
        QFETCH(int, length);
        QFETCH(QList<ControlId>, enabled);
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.SelectWithParams(radio, "12", "34", "56");
        QVERIFY(driver.Button(radio)->isChecked());
        QCOMPARE(driver.TxBytes(8), packet);
        QCOMPARE(driver.CommandDisplay(), CommandText(packet));
        QCOMPARE(driver.TxLength(), length);
        for (Id id : kEnableFields)
            QVERIFY2(driver.Enabled(id) == enabled.contains(id),
                     qPrintable(QString::number(IdNumber(id))));
        QVERIFY(!driver.Enabled(Id::kSaveFeature));
        QCOMPARE(driver.Panel().NeedFeatureFile(), length > 8);
        if (length > 8)
            return; // their sending needs a feature file: see the tests below
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{packet});
        // The same choice toggled by an assistive technology, coming from another operation.
        driver.Click(radio == Id::kRadioUserCount ? Id::kRadioUserPrivilege : Id::kRadioUserCount);
        driver.Toggle(radio);
        QVERIFY(driver.Button(radio)->isChecked());
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), QList<QByteArray>{packet});
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void featureOperationsCarryTheirHeaderBytes_data() {
        QTest::addColumn<ControlId>("radio");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("store") << Id::kRadioStoreFeature << Hex("123456");
        QTest::newRow("download compare") << Id::kRadioDownloadCompare << Hex("000000");
        QTest::newRow("download 1:1") << Id::kRadioDownloadCompareOne << Hex("123400");
        QTest::newRow("download 1:N") << Id::kRadioDownloadCompareAll << Hex("000000");
    }
    void featureOperationsCarryTheirHeaderBytes() {
        QFETCH(ControlId, radio);
        QFETCH(QByteArray, header);
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        const QByteArray feature = FeatureBytes(0x40);
        prompts.m_files << WriteFeatureFile(dir, "a.fea", feature);
        driver.SelectWithParams(radio, "12", "34", "56");
        driver.Click(Id::kBrowse);
        QCOMPARE(driver.Text(Id::kFeaturePath), dir.filePath("a.fea"));
        driver.Click(Id::kSendCommand);
        const QList<QByteArray> writes = driver.Writes();
        QCOMPARE(writes.size(), 1);
        const QByteArray sent = writes.first();
        QCOMPARE(sent.size(), 207);
        QCOMPARE(sent.left(8), driver.TxBytes(8));
        QCOMPARE(uint8_t(sent[8]), kPacketMark);
        QCOMPARE(sent.mid(9, 3), header);
        QCOMPARE(sent.mid(12, 193), feature);
        QCOMPARE(uint8_t(sent[205]), Xor(sent.mid(9, 196)));
        QCOMPARE(uint8_t(sent[206]), kPacketMark);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void twoFingerComparisonSendsFourHundredBytes() {
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        const QByteArray first = FeatureBytes(0x01), second = FeatureBytes(0x80);
        prompts.m_files << WriteFeatureFile(dir, "x.fea", first);
        WriteFeatureFile(dir, "x.fea.fea", second);
        driver.Click(Id::kRadioDownloadCompare);
        driver.Click(Id::kTwoFingers);
        QCOMPARE(driver.Panel().Operation(), 9);
        QCOMPARE(driver.TxBytes(8), Hex("F54601850000C2F5"));
        QCOMPARE(driver.TxLength(), 400);
        driver.Click(Id::kBrowse);
        driver.Click(Id::kSendCommand);
        const QList<QByteArray> writes = driver.Writes();
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes[0].size(), 400);
        QCOMPARE(writes[0].mid(12, 193), first);
        QCOMPARE(writes[0].mid(205, 193), second);
        QCOMPARE(uint8_t(writes[0][398]), Xor(writes[0].mid(9, 389)));
    }

    void refusals_data() {
        QTest::addColumn<ControlId>("radio");
        QTest::addColumn<QString>("p1");
        QTest::addColumn<QString>("p2");
        QTest::addColumn<QString>("p3");
        QTest::addColumn<bool>("upload");
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<QString>("message"); // empty: the command is written
        QTest::newRow("enrol user 0") << Id::kRadioEnrol << "0"
                                      << "0"
                                      << "1" << false << false << "用户号不能为0";
        QTest::newRow("enrol privilege 0") << Id::kRadioEnrol << "0"
                                           << "1"
                                           << "0" << false << false << "权限无效";
        QTest::newRow("enrol both 0, user first") << Id::kRadioEnrol << ""
                                                  << ""
                                                  << "" << false << false << "用户号不能为0";
        QTest::newRow("enrol user 0 with upload") << Id::kRadioEnrol << "0"
                                                  << "0"
                                                  << "0" << true << false << "";
        QTest::newRow("enrol user 100 privilege 1") << Id::kRadioEnrol << "1"
                                                    << "0"
                                                    << "1" << false << false << "";
        QTest::newRow("store privilege 0") << Id::kRadioStoreFeature << "0"
                                           << "1"
                                           << "0" << false << true << "权限无效";
        QTest::newRow("store user 0") << Id::kRadioStoreFeature << "0"
                                      << "0"
                                      << "1" << false << true << "用户号不能为0";
        QTest::newRow("store user 0, upload exempts only enrolment")
            << Id::kRadioStoreFeature << "0"
            << "0"
            << "1" << true << true << "用户号不能为0";
        QTest::newRow("store without a file") << Id::kRadioStoreFeature << "0"
                                              << "1"
                                              << "1" << false << false << "请选择特征值文件";
        QTest::newRow("download 1:N without a file") << Id::kRadioDownloadCompareAll << "0"
                                                     << "0"
                                                     << "0" << false << false << "请选择特征值文件";
        QTest::newRow("download 1:1 user 0 needs no check") << Id::kRadioDownloadCompareOne << "0"
                                                            << "0"
                                                            << "0" << false << true << "";
    }
    void refusals() {
        QFETCH(ControlId, radio);
        QFETCH(QString, p1);
        QFETCH(QString, p2);
        QFETCH(QString, p3);
        QFETCH(bool, upload);
        QFETCH(bool, withFile);
        QFETCH(QString, message);
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.Click(Id::kRadioEnrol);
        driver.Type(Id::kParam1, p1);
        driver.Type(Id::kParam2, p2);
        driver.Type(Id::kParam3, p3);
        if (upload)
            driver.Click(Id::kUploadFeature);
        driver.Click(radio);
        if (withFile) {
            prompts.m_files << WriteFeatureFile(dir, "f.fea", FeatureBytes(7));
            driver.Click(Id::kBrowse);
        }
        const QByteArray before = driver.TxBytes(12);
        driver.SetRxCount(5);
        driver.Click(Id::kSendCommand);
        const QList<QByteArray> writes = driver.Writes();
        if (message.isEmpty()) {
            QVERIFY(prompts.m_messages.isEmpty());
            QCOMPARE(writes.size(), 1);
            QCOMPARE(writes[0].size(), driver.TxLength());
            QCOMPARE(driver.RxCount(), 0);
            return;
        }
        QCOMPARE(prompts.m_messages, QStringList{message});
        QCOMPARE(prompts.m_messageCaptions, QStringList{QStringLiteral("Morvane")});
        QVERIFY(writes.isEmpty());
        QCOMPARE(driver.RxCount(), 5);
        QCOMPARE(driver.TxBytes(12), before);
    }

    void shortFeatureFileRefusesTheSend() {
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        const QString path = WriteFeatureFile(dir, "s.fea", FeatureBytes(1).left(192));
        prompts.m_files << path;
        driver.Click(Id::kRadioDownloadCompareAll);
        driver.Click(Id::kBrowse);
        driver.Click(Id::kSendCommand);
        QCOMPARE(prompts.m_messages,
                 QStringList{QStringLiteral("读 ") + path + QStringLiteral(" 文件错误")});
        QVERIFY(driver.Writes().isEmpty());
    }

    void browseCancelledKeepsThePath() {
        QTemporaryDir dir;
        CScriptedPrompts prompts;
        CPanelDriver driver;
        prompts.m_files << WriteFeatureFile(dir, "k.fea", FeatureBytes(1)) << QString();
        driver.Click(Id::kRadioDownloadCompareAll);
        driver.Click(Id::kBrowse);
        driver.Click(Id::kBrowse);
        QCOMPARE(driver.Text(Id::kFeaturePath), dir.filePath("k.fea"));
        QCOMPARE(driver.Panel().FeaturePath(), dir.filePath("k.fea"));
        QCOMPARE(prompts.m_dialogs.size(), 2);
        QCOMPARE(prompts.m_dialogs[0].defaultSuffix, QStringLiteral("fea"));
        QCOMPARE(prompts.m_dialogs[0].initialName, QStringLiteral("feature"));
    }

    void writeToAClosedPortIsReported() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.Panel().Comm().SetPortOpen(false);
        driver.SetRxCount(3);
        driver.Click(Id::kSendCommand);
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("Comm port error!")});
        QCOMPARE(driver.RxCount(), 3);
        driver.Click(Id::kSendCommand);
        QCOMPARE(prompts.m_messages.size(), 2);
    }

    void writeRefusedByTheDeviceIsReported() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.Device().m_bFailWrites = true;
        driver.Click(Id::kSendCommand);
        QCOMPARE(prompts.m_messages, QStringList{QStringLiteral("Comm port error!")});
    }

    void sendClearsTheDisplays() {
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.Reply(Packet(0x09, 0x00, 0x05, 0x00));
        QVERIFY(!driver.Text(Id::kResult).isEmpty());
        QVERIFY(!driver.Text(Id::kDump).isEmpty());
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Text(Id::kResult), QString());
        QCOMPARE(driver.Text(Id::kDump), QString());
        QCOMPARE(driver.Writes().size(), 1);
    }

    void queryCapacityOption() {
        CPanelDriver driver;
        driver.Click(Id::kRadioDeleteUser);
        driver.Click(Id::kQueryCapacity);
        QCOMPARE(driver.Panel().Operation(), 0);
        QVERIFY(driver.Button(Id::kRadioUserCount)->isChecked());
        QCOMPARE(driver.CommandDisplay(), QStringLiteral("F5 09 00 00 FF 00 F6 F5 "));
        driver.Click(Id::kRadioDeleteUser);
        driver.Click(Id::kQueryCapacity);
        QCOMPARE(driver.Panel().Operation(), 0);
        QCOMPARE(driver.CommandDisplay(), QStringLiteral("F5 09 00 00 00 00 09 F5 "));
    }

    void highResolutionOption() {
        CPanelDriver driver;
        driver.Click(Id::kHighResolution);
        QCOMPARE(driver.Panel().Operation(), 7);
        QCOMPARE(driver.TxBytes(8), Hex("F5240000200004F5"));
        driver.Click(Id::kHighResolution);
        QCOMPARE(driver.TxBytes(8), Hex("F5240000000024F5"));
    }

    void twoFingersOptionSelectsItsOperation() {
        CPanelDriver driver;
        driver.Click(Id::kRadioDeleteUser);
        driver.Click(Id::kTwoFingers);
        QCOMPARE(driver.Panel().Operation(), 9);
        QVERIFY(driver.Button(Id::kRadioDownloadCompare)->isChecked());
        QCOMPARE(driver.TxBytes(8), Hex("F54601850000C2F5"));
        QCOMPARE(driver.TxLength(), 400);
        driver.Click(Id::kTwoFingers);
        QCOMPARE(driver.TxBytes(8), Hex("F54400C4000080F5"));
        QCOMPARE(driver.TxLength(), 207);
    }

    void idIncrementOptionSelectsTheStore() {
        CPanelDriver driver;
        driver.Click(Id::kIdIncAfterStore);
        QCOMPARE(driver.Panel().Operation(), 8);
        QCOMPARE(driver.Panel().BoundValue(Id::kIdIncAfterStore), 1);
        QCOMPARE(driver.TxBytes(8), Hex("F54100C4000085F5"));
    }

    void enrolOptionsStartANewEnrolment_data() {
        QTest::addColumn<ControlId>("option");
        QTest::addColumn<bool>("toggled");
        QTest::newRow("采集两次") << Id::kCaptureTwice << false;
        QTest::newRow("特征值上传") << Id::kUploadFeature << false;
        QTest::newRow("ID号自增1") << Id::kIdIncAfterEnrol << false;
        QTest::newRow("采集两次 toggled") << Id::kCaptureTwice << true;
        QTest::newRow("特征值上传 toggled") << Id::kUploadFeature << true;
        QTest::newRow("ID号自增1 toggled") << Id::kIdIncAfterEnrol << true;
    }
    void enrolOptionsStartANewEnrolment() {
        QFETCH(ControlId, option);
        QFETCH(bool, toggled);
        CPanelDriver driver;
        driver.Click(Id::kRadioUserList);
        driver.Panel().SetEnrolFirstStep(false);
        driver.Tx()[1] = 0x03; // an enrolment left half-way
        toggled ? driver.Toggle(option) : driver.Click(option);
        QCOMPARE(driver.Panel().Operation(), 1);
        QVERIFY(driver.Panel().EnrolFirstStep());
        QCOMPARE(driver.Tx()[1], uint8_t(0x01));
        QVERIFY(driver.Button(option)->isChecked());
    }

    void enrolRadioStartsANewEnrolment() {
        CPanelDriver driver;
        driver.Panel().SetEnrolFirstStep(false);
        driver.Tx()[1] = 0x02;
        driver.Click(Id::kRadioEnrol);
        QVERIFY(driver.Panel().EnrolFirstStep());
        QCOMPARE(driver.Tx()[1], uint8_t(0x01));
        driver.Panel().SetEnrolFirstStep(false); // a click on the checked button starts again
        driver.Tx()[1] = 0x02;
        driver.Click(Id::kRadioEnrol);
        QCOMPARE(driver.Tx()[1], uint8_t(0x01));
    }

    void rowsWithoutACommandRepeatThePrevious_data() {
        QTest::addColumn<ControlId>("radio");
        QTest::newRow("23 set time") << Id::kRadioSetTime;
        QTest::newRow("24 read time") << Id::kRadioReadTime;
        QTest::newRow("26 serial test") << Id::kRadioSerialTest;
    }
    void rowsWithoutACommandRepeatThePrevious() {
        QFETCH(ControlId, radio);
        CScriptedPrompts prompts;
        CPanelDriver driver;
        driver.SelectWithParams(Id::kRadioCompareOne, "0", "7", "0");
        const QByteArray previous = driver.TxBytes(8);
        QCOMPARE(previous, Hex("F50B000700000CF5"));
        driver.Click(radio);
        QCOMPARE(driver.Panel().Operation(),
                 driver.Panel().OperationGroup().id(driver.Button(radio)));
        QCOMPARE(driver.TxBytes(8), previous);
        QCOMPARE(driver.TxLength(), 8);
        QCOMPARE(driver.CommandDisplay(), CommandText(previous));
        QVERIFY(driver.Enabled(Id::kParam1)); // enables stay as the previous build left them
        driver.Click(Id::kSendCommand);
        driver.Click(Id::kSendCommand);
        QCOMPARE(driver.Writes(), (QList<QByteArray>{previous, previous}));
    }

    void batchEnableTogglesTheBatchControls() {
        CPanelDriver driver;
        driver.Click(Id::kBatchEnable);
        QCOMPARE(driver.Panel().BoundValue(Id::kBatchEnable), 1);
        for (Id id : {Id::kBatchStore, Id::kBatchTotalLabel, Id::kBatchCurrentLabel,
                      Id::kBatchTotal, Id::kBatchCurrent})
            QVERIFY(driver.Enabled(id));
        driver.Click(Id::kBatchEnable);
        for (Id id : {Id::kBatchStore, Id::kBatchTotalLabel, Id::kBatchCurrentLabel,
                      Id::kBatchTotal, Id::kBatchCurrent})
            QVERIFY(!driver.Enabled(id));
        driver.Toggle(Id::kBatchEnable);
        for (Id id : {Id::kBatchStore, Id::kBatchTotalLabel, Id::kBatchCurrentLabel,
                      Id::kBatchTotal, Id::kBatchCurrent})
            QVERIFY(driver.Enabled(id));
    }

    // Options toggled by an assistive technology select their operation as a click does; a
    // push runs no handler, and a click runs its handler once (one rebuild of the command).
    void optionsFollowEveryChangeButAPush() {
        CPanelDriver driver;
        CModuleTestDlg& panel = driver.Panel();
        driver.Toggle(Id::kHighResolution);
        QCOMPARE(panel.Operation(), 7);
        QCOMPARE(driver.TxBytes(8), Hex("F5240000200004F5"));
        driver.Toggle(Id::kQueryCapacity);
        QVERIFY(driver.Button(Id::kRadioUserCount)->isChecked());
        QCOMPARE(driver.CommandDisplay(), QStringLiteral("F5 09 00 00 FF 00 F6 F5 "));
        QSignalSpy rebuilds(qobject_cast<QPlainTextEdit*>(driver.Control(Id::kCommandDisplay)),
                            &QPlainTextEdit::textChanged);
        panel.SetOperation(3);
        panel.SetBoundValue(Id::kTwoFingers, 1);
        panel.SetBoundValue(Id::kBatchEnable, 1);
        panel.Push();
        QCOMPARE(panel.Operation(), 3);
        QVERIFY(!driver.Enabled(Id::kBatchStore));
        QCOMPARE(rebuilds.count(), 0);
        driver.Click(Id::kRadioUserPrivilege);
        driver.Click(Id::kTwoFingers);
        QCOMPARE(rebuilds.count(), 2);
        QCOMPARE(panel.Operation(), 9);
    }

    void hiddenEnableSendButton() {
        CPanelDriver driver;
        driver.Control(Id::kSendCommand)->setEnabled(false);
        driver.Click(Id::kEnableSend);
        QVERIFY(driver.Enabled(Id::kSendCommand));
        QVERIFY(!driver.Control(Id::kEnableSend)->isVisible());
    }

    void pushWritesEveryMember() {
        CPanelDriver driver;
        CModuleTestDlg& panel = driver.Panel();
        panel.SetOperation(16);
        panel.SetFeaturePath(QStringLiteral("/tmp/f.fea"));
        const std::pair<ControlId, int> values[] = {
            {Id::kMoveRightValue, -3}, {Id::kMoveUpValue, 12},    {Id::kBrightnessStep, 4},
            {Id::kIdIncAfterEnrol, 1}, {Id::kCaptureTwice, 1},    {Id::kUploadFeature, 0},
            {Id::kCaptureTime, 250},   {Id::kIdIncAfterStore, 1}, {Id::kTwoFingers, 0},
            {Id::kHighResolution, 1},  {Id::kBatchTotal, 42},     {Id::kBatchCurrent, 7},
            {Id::kBatchEnable, 1},     {Id::kQueryCapacity, 0}};
        for (const auto& [id, value] : values)
            panel.SetBoundValue(id, value);
        panel.Push();
        QVERIFY(driver.Button(Id::kRadioVersion)->isChecked());
        QCOMPARE(driver.Text(Id::kFeaturePath), QStringLiteral("/tmp/f.fea"));
        QCOMPARE(driver.Text(Id::kMoveRightValue), QStringLiteral("-3"));
        QCOMPARE(driver.Text(Id::kMoveUpValue), QStringLiteral("12"));
        QCOMPARE(driver.Text(Id::kBrightnessStep), QStringLiteral("4"));
        QCOMPARE(driver.Text(Id::kCaptureTime), QStringLiteral("250"));
        QCOMPARE(driver.Text(Id::kBatchTotal), QStringLiteral("42"));
        QCOMPARE(driver.Text(Id::kBatchCurrent), QStringLiteral("7"));
        const QList<Id> ticked{Id::kIdIncAfterEnrol, Id::kCaptureTwice, Id::kIdIncAfterStore,
                               Id::kHighResolution, Id::kBatchEnable};
        for (Id id :
             {Id::kIdIncAfterEnrol, Id::kCaptureTwice, Id::kUploadFeature, Id::kIdIncAfterStore,
              Id::kTwoFingers, Id::kHighResolution, Id::kBatchEnable, Id::kQueryCapacity})
            QCOMPARE(driver.Button(id)->isChecked(), ticked.contains(id));
        QVERIFY(!driver.Control(Id::kMoveRightValue)->isVisible()); // hidden controls stay hidden
    }

    void pullReadsEveryControl() {
        CPanelDriver driver;
        CModuleTestDlg& panel = driver.Panel();
        // Set quietly, as a push would, so that no handler changes them before the pull.
        SetCheckedQuietly(driver.Button(Id::kRadioSleep), true);
        driver.Edit(Id::kMoveRightValue)->setText("9");
        driver.Edit(Id::kMoveUpValue)->setText("-1");
        driver.Edit(Id::kBrightnessStep)->setText("5");
        driver.Edit(Id::kCaptureTime)->setText("30");
        driver.Edit(Id::kBatchTotal)->setText("3");
        driver.Edit(Id::kBatchCurrent)->setText("2");
        driver.Edit(Id::kFeaturePath)->setText("p.fea");
        for (Id id : {Id::kUploadFeature, Id::kTwoFingers, Id::kQueryCapacity})
            SetCheckedQuietly(driver.Button(id), true);
        panel.Pull();
        QCOMPARE(panel.Operation(), 15);
        QCOMPARE(panel.BoundValue(Id::kMoveRightValue), 9);
        QCOMPARE(panel.BoundValue(Id::kMoveUpValue), -1);
        QCOMPARE(panel.BoundValue(Id::kBrightnessStep), 5);
        QCOMPARE(panel.BoundValue(Id::kCaptureTime), 30);
        QCOMPARE(panel.BatchTotal(), 3u);
        QCOMPARE(panel.BatchCurrent(), 2u);
        QCOMPARE(panel.FeaturePath(), QStringLiteral("p.fea"));
        QCOMPARE(panel.BoundValue(Id::kUploadFeature), 1);
        QCOMPARE(panel.BoundValue(Id::kTwoFingers), 1);
        QCOMPARE(panel.BoundValue(Id::kQueryCapacity), 1);
        QCOMPARE(panel.BoundValue(Id::kCaptureTwice), 0);
        QCOMPARE(panel.BoundValue(Id::kBatchEnable), 0);
    }

    void noOperationSelectedPullsMinusOne() {
        CPanelDriver driver;
        CModuleTestDlg& panel = driver.Panel();
        panel.SetOperation(-1);
        panel.Push();
        QCOMPARE(panel.OperationGroup().checkedId(), -1);
        panel.Pull();
        QCOMPARE(panel.Operation(), -1);
        const QByteArray before = driver.TxBytes(8);
        panel.BuildCommand(); // nothing to build: the packet stays
        QCOMPARE(driver.TxBytes(8), before);
    }

    void parseHexField_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("P1 keeps two") << 1 << "123" << 0x12;
        QTest::newRow("P2 ff") << 2 << "ff" << 0xFF;
        QTest::newRow("P2 keeps two") << 2 << "ABC" << 0xAB;
        QTest::newRow("P3 G counts 16") << 3 << "G" << 16;
        QTest::newRow("P3 keeps two") << 3 << "345" << 0x34;
        QTest::newRow("P1,2 keeps four") << 4 << "12345" << 0x1234;
        QTest::newRow("P1,2 empty") << 4 << "" << 0;
    }
    void parseHexField() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(int, value);
        CPanelDriver driver;
        const Id ids[] = {Id::kNone, Id::kParam1, Id::kParam2, Id::kParam3, Id::kParam12};
        driver.Click(Id::kRadioEnrol);
        driver.Type(ids[field], text);
        QCOMPARE(int(driver.Panel().ParseHexField(field)), value);
        QCOMPARE(int(driver.Panel().ParseHexField(5)), 0);
    }

    void moveButtonsSendBareCommands_data() {
        QTest::addColumn<ControlId>("button");
        QTest::addColumn<ControlId>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("packet");
        QTest::newRow("right 10") << Id::kMoveRight << Id::kMoveRightValue << "10"
                                  << Hex("F5220060000042F5");
        QTest::newRow("right 0") << Id::kMoveRight << Id::kMoveRightValue << "0"
                                 << Hex("F522006A000048F5");
        QTest::newRow("up 10") << Id::kMoveUp << Id::kMoveUpValue << "10"
                               << Hex("F5220176000055F5");
        QTest::newRow("up wraps") << Id::kMoveUp << Id::kMoveUpValue << "129"
                                  << Hex("F52201FF0000DCF5");
    }
    void moveButtonsSendBareCommands() {
        QFETCH(ControlId, button);
        QFETCH(ControlId, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, packet);
        CScriptedPrompts prompts;
        CPanelDriver driver;
        // A feature operation: no file is asked for all the same.
        driver.Click(Id::kRadioStoreFeature);
        driver.Edit(field)->setText(value);
        driver.Click(button);
        QCOMPARE(driver.Writes(), QList<QByteArray>{packet});
        QVERIFY(prompts.m_messages.isEmpty());
        QCOMPARE(driver.TxLength(), 8);
    }

    void brightnessButtonWritesItsFixedFrame() {
        CPanelDriver driver;
        driver.Click(Id::kBrightnessUp);
        QCOMPARE(driver.Writes(), QList<QByteArray>{Hex("C0010000000000010B000DC0")});
    }
};

QTEST_MAIN(TestModuleTestPanel)
#include "test_module_test_panel.moc"
