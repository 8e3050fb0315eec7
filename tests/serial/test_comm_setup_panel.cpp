// The communication settings panel: its controls as laid out, the port choice and the two
// PC-rate handlers, driven through the panel's own widgets on a fake serial device.
#include "serial/comm_setup_panel.h"
#include "serial/port_map.h"
#include "serial/shared_settings.h"
#include "support/accessible_toggle.h"
#include "support/dialog_geometry.h"
#include "support/fake_serial_backend.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"
#include "widgets/cool_button.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
QComboBox* List(CCommSetupDlg& panel, int id) {
    return panel.findChild<QComboBox*>(QStringLiteral("ctl%1").arg(id));
}

QStringList Entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

// The tooltips of the port entries, each "COMn — device, description".
QStringList PortTips(const QComboBox* list) {
    QStringList tips;
    for (int i = 0; i < list->count(); ++i)
        tips.append(list->itemData(i, Qt::ToolTipRole).toString());
    return tips;
}

const QStringList kRateTexts{"9,600", "19,200", "38,400", "57,600", "115,200"};
} // namespace

class TestCommSetupPanel : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void controlsSitAtTheirTemplatePositions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("units");
        QTest::addColumn<bool>("dropDown");
        QTest::newRow("port list") << "ctl1053" << QRect(136, 38, 46, 78) << true;
        QTest::newRow("PC-rate list") << "ctl1051" << QRect(138, 76, 46, 61) << true;
        QTest::newRow("change box") << "ctl1022" << QRect(193, 77, 25, 12) << false;
        QTest::newRow("module-rate list") << "ctl1011" << QRect(138, 106, 44, 58) << true;
        QTest::newRow("send button") << "ctl1012" << QRect(186, 104, 42, 16) << false;
        QTest::newRow("close button") << "ctl2" << QRect(49, 181, 166, 22) << false;
    }
    void controlsSitAtTheirTemplatePositions() {
        QFETCH(QString, name);
        QFETCH(QRect, units);
        QFETCH(bool, dropDown);
        CCommSetupDlg panel;
        auto* control = panel.findChild<QWidget*>(name);
        QVERIFY(control);
        const QRect expected = ExpectedPixels(panel.font(), units);
        QCOMPARE(control->pos(), expected.topLeft());
        QCOMPARE(control->width(), expected.width());
        if (!dropDown)
            QCOMPARE(control->height(), expected.height());
        else // closed, a drop-down is much lower than with its list dropped
            QVERIFY(control->height() < expected.height());
    }

    void panelSizeAndFont() {
        CCommSetupDlg panel;
        QCOMPARE(panel.font().pointSize(), 10);
        QCOMPARE(panel.size(), ExpectedPixels(panel.font(), QRect(0, 0, 262, 220)).size());
        QCOMPARE(panel.accessibleName(), QString("通信设置"));
    }

    void namesAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("visible");
        QTest::newRow("1053") << "ctl1053"
                              << "通信串口选择" << true;
        QTest::newRow("1051") << "ctl1051"
                              << "当前通信波特率选择" << true;
        QTest::newRow("1011") << "ctl1011"
                              << "脱机模块波特率设置" << true;
        QTest::newRow("1022") << "ctl1022"
                              << "更改" << true;
        QTest::newRow("1012") << "ctl1012"
                              << "发送命令" << true;
        QTest::newRow("2") << "ctl2"
                           << "关闭" << false;
    }
    void namesAndCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        QFETCH(bool, visible);
        CCommSetupDlg panel;
        panel.show();
        auto* control = panel.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->accessibleName(), accessibleName);
        QCOMPARE(control->isVisible(), visible);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QCOMPARE(button->text(), accessibleName);
    }

    void buttonsAreCoolButtons() {
        CCommSetupDlg panel;
        QVERIFY(panel.findChild<CCoolButton*>("ctl1012"));
        QVERIFY(panel.findChild<CCoolButton*>("ctl2"));
        QCOMPARE(panel.Comm().objectName(), QString("ctl1013"));
    }

    void labelsNameTheirLists() {
        CCommSetupDlg panel;
        QMap<QString, QString> buddyOf;
        for (QLabel* label : panel.findChildren<QLabel*>())
            buddyOf[label->text()] = label->buddy() ? label->buddy()->objectName() : QString();
        QCOMPARE(buddyOf.value("通信串口选择"), QString("ctl1053"));
        QCOMPARE(buddyOf.value("当前通信波特率选择"), QString("ctl1051"));
        QCOMPARE(buddyOf.value("脱机模块波特率设置"), QString("ctl1011"));
    }

    void listsHoldTheTablesInOrder() {
        CCommSetupDlg panel;
        QCOMPARE(Entries(List(panel, 1053)),
                 QStringList({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}));
        QCOMPARE(Entries(List(panel, 1051)), kRateTexts);
        QCOMPARE(Entries(List(panel, 1011)), kRateTexts);
        QVERIFY(List(panel, 1053)->isEditable());
        QVERIFY(List(panel, 1011)->isEditable());
        QVERIFY(!List(panel, 1051)->isEditable());
    }

    void portEntriesShowTheirDevices() {
        qputenv("MORVANE_COM3", "/tmp/module-pty");
        CCommSetupDlg panel;
        qunsetenv("MORVANE_COM3");
        QComboBox* ports = List(panel, 1053);
        const QStringList expected{"COM1 — /dev/ttyUSB0, fake adapter 0",
                                   "COM2 — /dev/ttyUSB1, fake adapter 1", "COM3 — /tmp/module-pty",
                                   "COM4 — /dev/ttyUSB2, fake adapter 2"};
        QCOMPARE(PortTips(ports).mid(0, 4), expected);
        QCOMPARE(ports->toolTip(), expected[0]);
        // The dropped list shows the entries with their devices (not "COM1" alone, which fits
        // the field), so it grows wider than the field.
        QVERIFY(ports->view()->minimumWidth() > ports->width());
    }

    // The list is bound again when it drops down and when the panel is shown: a device keeps its
    // number while it is there, so the current choice stays; new devices take free numbers.
    void portListFollowsTheDevicesThere() {
        CScriptedPrompts prompts;
        CFakePortList devices({{"/dev/ttyUSB0", "CP2102 USB to UART", EPortKind::Adapter},
                               {"/dev/ttyS0", "", EPortKind::Uart}});
        g_nCommPort = 2;
        CCommSetupDlg panel;
        ShowAndWait(panel);
        panel.Comm().SetPortOpen(true);
        QComboBox* ports = List(panel, 1053);
        QCOMPARE(PortTips(ports)[2], QString("COM3 — 无串口设备"));
        devices.m_ports.prepend({"/dev/ttyACM0", "", EPortKind::Adapter});
        ports->showPopup();
        QTRY_VERIFY(ports->view()->isVisible());
        QCOMPARE(PortTips(ports)[2], QString("COM3 — /dev/ttyACM0"));
        QTest::keyClick(ports->view(), Qt::Key_Escape);
        devices.m_ports[1].device = "/dev/ttyUSB1"; // unplugged and plugged in again
        panel.hide();
        ShowAndWait(panel);
        QCOMPARE(PortTips(ports).mid(0, 3),
                 QStringList({"COM1 — /dev/ttyUSB1, CP2102 USB to UART", "COM2 — /dev/ttyS0",
                              "COM3 — /dev/ttyACM0"}));
        QCOMPARE(ports->currentIndex(), 1);
        QCOMPARE(FakeOf(panel.Comm())->m_nOpenCount, 1); // refreshing opens nothing
    }

    // A device path typed into the edit field and confirmed is opened as the chosen port's
    // device; the field shows the port again, and a refusal names the typed device.
    void typedDevicePathIsOpened() {
        CScriptedPrompts prompts;
        g_nCommPort = 2;
        CCommSetupDlg panel;
        ShowAndWait(panel);
        QComboBox* ports = List(panel, 1053);
        CFakeSerialBackend::MissingDevices().insert("/dev/ttyUSB9");
        for (const char* typed : {"/dev/ttyUSB9", "/dev/ttyUSB7"}) {
            ports->lineEdit()->selectAll();
            QTest::keyClicks(ports->lineEdit(), typed);
            QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
        }
        QCOMPARE(prompts.m_messages,
                 QStringList{"串口错误!\nCOM2（/dev/ttyUSB9）：找不到该设备，请检查连接。"});
        QVERIFY(panel.Comm().PortOpen());
        QCOMPARE(FakeOf(panel.Comm())->m_strDevice, QString("/dev/ttyUSB7"));
        QCOMPARE(g_nCommPort, 2);
        QCOMPARE(ports->currentText(), QString("COM2"));
        QCOMPARE(ports->toolTip(), QString("COM2 — /dev/ttyUSB7, fake adapter 7"));
        QCOMPARE(PortTips(ports)[7], QString("COM8 — 无串口设备")); // bound to one number only
    }

    void initialSelectionsFollowTheSharedSettings_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("settings");
        QTest::newRow("start of a run") << 1 << 2 << "19200,n,8,1";
        QTest::newRow("COM5 at 57,600") << 5 << 4 << "57600,n,8,1";
        QTest::newRow("COM8 at 9,600") << 8 << 1 << "9600,n,8,1";
    }
    void initialSelectionsFollowTheSharedSettings() {
        QFETCH(int, port);
        QFETCH(int, baudIndex);
        QFETCH(QString, settings);
        g_nCommPort = port;
        g_nBaudIndex = baudIndex;
        CCommSetupDlg panel;
        QCOMPARE(List(panel, 1053)->currentIndex(), port - 1);
        QCOMPARE(List(panel, 1051)->currentIndex(), baudIndex - 1);
        QCOMPARE(List(panel, 1011)->currentIndex(), baudIndex - 1);
        QVERIFY(!List(panel, 1051)->isEnabled());
        QVERIFY(!panel.findChild<QCheckBox*>("ctl1022")->isChecked());
        CMSComm& comm = panel.Comm();
        QCOMPARE(int(comm.CommPort()), port);
        QCOMPARE(comm.Settings(), settings);
        QCOMPARE(comm.InputMode(), 1);
        QCOMPARE(comm.RThreshold(), 1);
        QCOMPARE(comm.InputLen(), 9000);
        QVERIFY(!comm.PortOpen()); // the hand-over opens it
        QCOMPARE(FakeOf(comm)->m_nOpenCount, 0);
    }

    void choosingAPortReopensOnIt() {
        CScriptedPrompts prompts;
        g_nBaudIndex = 4;
        CCommSetupDlg panel;
        ShowAndWait(panel);
        panel.Comm().SetPortOpen(true);
        ChooseFromDroppedList(List(panel, 1053), 3);
        CFakeSerialBackend* fake = FakeOf(panel.Comm());
        QCOMPARE(g_nCommPort, 4);
        QVERIFY(panel.Comm().PortOpen());
        QCOMPARE(fake->m_strDevice, DeviceForPort(4));
        QCOMPARE(fake->m_nCloseCount, 1);
        QCOMPARE(fake->m_nOpenCount, 2);
        QCOMPARE(fake->m_settings.baudRate, 57600);
        QCOMPARE(List(panel, 1053)->toolTip(), QString("COM4 — /dev/ttyUSB3, fake adapter 3"));
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void pickingTheOpenPortAgainReopensIt() {
        CScriptedPrompts prompts;
        CCommSetupDlg panel;
        ShowAndWait(panel);
        panel.Comm().SetPortOpen(true);
        CFakeSerialBackend* fake = FakeOf(panel.Comm());
        fake->PushModuleBytes("stale");
        ChooseFromDroppedList(List(panel, 1053), 0);
        QCOMPARE(g_nCommPort, 1);
        QCOMPARE(fake->m_nCloseCount, 1);
        QCOMPARE(fake->m_nOpenCount, 2);
        QVERIFY(panel.Comm().PortOpen());
        QCOMPARE(panel.Comm().InBufferCount(), 0);
    }

    void portChoiceByKeyboard() {
        CScriptedPrompts prompts;
        CCommSetupDlg panel;
        ShowAndWait(panel);
        QComboBox* ports = List(panel, 1053);
        ports->setFocus();
        QTest::keyClick(ports, Qt::Key_Down);
        QCOMPARE(g_nCommPort, 2);
        QCOMPARE(FakeOf(panel.Comm())->m_strDevice, DeviceForPort(2));
        QCOMPARE(FakeOf(panel.Comm())->m_nOpenCount, 1);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void aPortThatFailsToOpenIsReported() {
        CScriptedPrompts prompts;
        CFakeSerialBackend::MissingDevices().insert(DeviceForPort(3));
        CCommSetupDlg panel;
        ShowAndWait(panel);
        CMSComm& comm = panel.Comm();
        comm.SetPortOpen(true);
        comm.SetRThreshold(9000); // as during a collection
        ChooseFromDroppedList(List(panel, 1053), 2);
        QCOMPARE(prompts.m_messages,
                 QStringList{"串口错误!\nCOM3（/dev/ttyUSB2）：找不到该设备，请检查连接。"});
        QCOMPARE(prompts.m_messageCaptions, QStringList{"Morvane"});
        QCOMPARE(g_nCommPort, 3); // kept: the next hand-over tries it
        QVERIFY(!comm.PortOpen());
        QCOMPARE(int(comm.CommPort()), 3);
        QCOMPARE(comm.InputMode(), 1);
        QCOMPARE(comm.RThreshold(), 1);
        QCOMPARE(comm.InputLen(), 9000);
    }

    void changeBoxUnlocksThePcRate() {
        CCommSetupDlg panel;
        ShowAndWait(panel);
        auto* box = panel.findChild<QCheckBox*>("ctl1022");
        QComboBox* pcRate = List(panel, 1051);
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QVERIFY(pcRate->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!pcRate->isEnabled());
        QVERIFY(AccessibleToggle(box)); // as an assistive technology ticks it, without a click
        QVERIFY(box->isChecked());
        QVERIFY(pcRate->isEnabled());
        QVERIFY(AccessibleToggle(box));
        QVERIFY(!pcRate->isEnabled());
    }

    void keyboardChoiceKeepsTheListEnabled() {
        CCommSetupDlg panel;
        ShowAndWait(panel);
        panel.Comm().SetPortOpen(true);
        auto* box = panel.findChild<QCheckBox*>("ctl1022");
        QComboBox* pcRate = List(panel, 1051);
        QTest::mouseClick(box, Qt::LeftButton);
        pcRate->setFocus();
        QTest::keyClick(pcRate, Qt::Key_Down);
        QCOMPARE(g_nBaudIndex, 3);
        QCOMPARE(panel.Comm().Settings(), QString("38400,n,8,1"));
        QCOMPARE(FakeOf(panel.Comm())->m_settings.baudRate, 38400); // at once on the open port
        QVERIFY(!box->isChecked());
        QVERIFY(pcRate->isEnabled());
    }

    void choiceInTheDroppedListLocksTheList_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("settings");
        QTest::newRow("9,600") << 0 << 1 << "9600,n,8,1";
        QTest::newRow("the current 19,200 again") << 1 << 2 << "19200,n,8,1";
        QTest::newRow("115,200") << 4 << 5 << "115200,n,8,1";
    }
    void choiceInTheDroppedListLocksTheList() {
        QFETCH(int, row);
        QFETCH(int, baudIndex);
        QFETCH(QString, settings);
        CCommSetupDlg panel;
        ShowAndWait(panel);
        auto* box = panel.findChild<QCheckBox*>("ctl1022");
        QComboBox* pcRate = List(panel, 1051);
        QTest::mouseClick(box, Qt::LeftButton);
        panel.Comm().SetSettings("57600,n,8,1"); // proves the rate is applied again
        ChooseFromDroppedList(pcRate, row);
        QCOMPARE(pcRate->currentIndex(), row);
        QCOMPARE(g_nBaudIndex, baudIndex);
        QCOMPARE(panel.Comm().Settings(), settings);
        QVERIFY(!box->isChecked());
        QVERIFY(!pcRate->isEnabled());
    }

    void closingTheDroppedListWithoutAChoiceReappliesTheRate() {
        CCommSetupDlg panel;
        ShowAndWait(panel);
        auto* box = panel.findChild<QCheckBox*>("ctl1022");
        QComboBox* pcRate = List(panel, 1051);
        QTest::mouseClick(box, Qt::LeftButton);
        panel.Comm().SetSettings("57600,n,8,1");
        pcRate->showPopup();
        QTRY_VERIFY(pcRate->view()->isVisible());
        QTest::keyClick(pcRate->view(), Qt::Key_Escape);
        QTRY_VERIFY(!pcRate->view()->isVisible());
        QCOMPARE(g_nBaudIndex, 2);
        QCOMPARE(panel.Comm().Settings(), QString("19200,n,8,1"));
        QVERIFY(!box->isChecked());
        QVERIFY(!pcRate->isEnabled());
    }

    void hidingThePanelIsNoCloseUpOfTheList() {
        CCommSetupDlg panel;
        ShowAndWait(panel);
        auto* box = panel.findChild<QCheckBox*>("ctl1022");
        QTest::mouseClick(box, Qt::LeftButton);
        g_nBaudIndex = 4; // as another panel would find it
        panel.hide();     // the user switched to another panel
        QCOMPARE(g_nBaudIndex, 4);
        QCOMPARE(panel.Comm().Settings(), QString("19200,n,8,1"));
        QVERIFY(box->isChecked());
        QVERIFY(List(panel, 1051)->isEnabled());
    }

    void lostPortStopsTheCollectionAndIsReportedOnce() {
        CScriptedPrompts prompts;
        CCommSetupDlg panel;
        CMSComm& comm = panel.Comm();
        comm.SetPortOpen(true);
        FakeOf(comm)->PushModuleBytes(QByteArray::fromHex("F521"));
        QCoreApplication::processEvents();
        QVERIFY(panel.Timers().IsRunning(1));
        FakeOf(comm)->Unplug();
        QVERIFY(!panel.Timers().IsRunning(1));
        QCoreApplication::processEvents();
        QCOMPARE(prompts.m_messages, QStringList{"Comm port error!"});
    }

private:
    static void ShowAndWait(QWidget& panel) {
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
    }

    // Drops the list and clicks one of its entries, as the user does with the mouse.
    static void ChooseFromDroppedList(QComboBox* list, int row) {
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!view->isVisible());
    }
};

QTEST_MAIN(TestCommSetupPanel)
#include "test_comm_setup_panel.moc"
