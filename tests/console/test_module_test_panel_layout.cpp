// The test panel's controls: every one of the 83 at its place in dialog units, with its caption,
// its state after start-up, its object name and the name assistive technology reads.
#include "test_module_test_panel_driver.h"

#include "console/finger_image_button.h"
#include "support/caption_room.h"
#include "support/dialog_geometry.h"
#include "support/language_columns.h"
#include "support/process_state.h"
#include "widgets/panel_font.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
enum State { Visible = 0, Hidden = 1, Disabled = 2 };
}

class TestModuleTestPanelLayout : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void init() { ResetProcessState(); }

    void radioButtons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("units");
        QTest::addColumn<bool>("visible");
        QTest::newRow("0") << 0 << 1018 << "取用户总数" << QRect(46, 49, 53, 8) << true;
        QTest::newRow("1") << 1 << 1021 << "用户录入" << QRect(46, 59, 49, 8) << true;
        QTest::newRow("2") << 2 << 1019 << "取用户权限" << QRect(46, 69, 55, 8) << true;
        QTest::newRow("3") << 3 << 1022 << "删除指定用户" << QRect(46, 79, 62, 8) << true;
        QTest::newRow("4") << 4 << 1023 << "删除所有用户" << QRect(46, 89, 62, 8) << true;
        QTest::newRow("5") << 5 << 1030 << "1:1比对" << QRect(46, 99, 45, 8) << true;
        QTest::newRow("6") << 6 << 1026 << "1:N比对" << QRect(46, 109, 42, 8) << true;
        QTest::newRow("7") << 7 << 1032 << "采集图像" << QRect(46, 119, 46, 8) << true;
        QTest::newRow("8") << 8 << 1027 << "存储用户特征值" << QRect(183, 49, 76, 8) << true;
        QTest::newRow("9") << 9 << 1031 << "下传特征值与采集指纹比对" << QRect(183, 58, 108, 8)
                           << true;
        QTest::newRow("10") << 10 << 1029 << "下传指纹1:1比对" << QRect(183, 67, 75, 8) << true;
        QTest::newRow("11") << 11 << 1020 << "下传指纹1:N比对" << QRect(183, 76, 79, 8) << true;
        QTest::newRow("12") << 12 << 1028 << "取用户特征值上传" << QRect(183, 106, 79, 8) << true;
        QTest::newRow("13") << 13 << 1025 << "采集指纹提取特征值上传" << QRect(183, 117, 101, 8)
                            << true;
        QTest::newRow("14") << 14 << 1043 << "取用户信息" << QRect(47, 133, 56, 12) << true;
        QTest::newRow("15") << 15 << 1044 << "使进入休眠模式" << QRect(103, 133, 70, 10) << true;
        QTest::newRow("16") << 16 << 1035 << "取脱机模块版本" << QRect(175, 133, 72, 8) << true;
        QTest::newRow("17") << 17 << 1036 << "设置比对等级" << QRect(249, 133, 64, 9) << true;
        QTest::newRow("18") << 18 << 1046 << "连续取亮度" << QRect(314, 133, 52, 10) << true;
        QTest::newRow("19") << 19 << 1091 << "亮度自适应" << QRect(371, 133, 56, 11) << true;
        QTest::newRow("20") << 20 << 1059 << "取单条记录" << QRect(481, 197, 52, 11) << false;
        QTest::newRow("21") << 21 << 1060 << "取新记录" << QRect(481, 207, 44, 14) << false;
        QTest::newRow("22") << 22 << 1063 << "清空记录" << QRect(481, 221, 49, 15) << false;
        QTest::newRow("23") << 23 << 1061 << "设置时间" << QRect(481, 237, 45, 11) << false;
        QTest::newRow("24") << 24 << 1062 << "读取时间" << QRect(481, 247, 47, 14) << false;
        QTest::newRow("25") << 25 << 1034 << "设置初始化值" << QRect(478, 279, 63, 20) << false;
        QTest::newRow("26") << 26 << 1038 << "串口通信测试" << QRect(477, 299, 63, 8) << false;
    }
    void radioButtons() {
        QFETCH(int, index);
        QFETCH(int, id);
        QFETCH(QString, caption);
        QFETCH(QRect, units);
        QFETCH(bool, visible);
        CPanelDriver driver;
        auto* radio = qobject_cast<QRadioButton*>(driver.Control(id));
        QVERIFY(radio);
        QCOMPARE(radio->objectName(), QStringLiteral("ctl") + QString::number(id));
        QCOMPARE(driver.Panel().OperationGroup().id(radio), index);
        QCOMPARE(radio->text().remove(QLatin1Char('\n')), caption);
        QCOMPARE(radio->accessibleName(), caption);
        QCOMPARE(radio->geometry(), PixelRect(driver.Panel(), units));
        QCOMPARE(radio->isVisible(), visible);
        QCOMPARE(radio->isChecked(), index == 0);
    }

    void groupHoldsExactlyTheOperations() {
        CPanelDriver driver;
        QButtonGroup& group = driver.Panel().OperationGroup();
        QCOMPARE(group.buttons().size(), 27);
        QVERIFY(group.exclusive());
        for (QCheckBox* box : driver.Panel().findChildren<QCheckBox*>())
            QCOMPARE(box->group(), nullptr);
    }

    void otherControls_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("units");
        QTest::addColumn<int>("state"); // after start-up
        auto row = [](int id, const char* kind, const char* caption, QRect units, int state) {
            QTest::newRow(QByteArray::number(id).constData())
                << id << QString::fromLatin1(kind) << QString::fromUtf8(caption) << units << state;
        };
        row(1098, "QCheckBox", "取容量", QRect(111, 46, 55, 10), Visible);
        row(1080, "QCheckBox", "采集两次", QRect(111, 60, 51, 10), Visible);
        row(1081, "QCheckBox", "特征值上传", QRect(111, 70, 51, 10), Visible);
        row(1082, "QCheckBox", "ID号自增1", QRect(111, 80, 55, 10), Visible);
        row(1086, "QCheckBox", "ID号自动加1", QRect(263, 48, 55, 10), Visible);
        row(1087, "QCheckBox", "2指纹", QRect(297, 58, 33, 11), Visible);
        row(1088, "QCheckBox", "高分辨率原图", QRect(96, 119, 63, 8), Visible);
        row(1000, "QLineEdit", "", QRect(311, 166, 35, 12), Disabled);
        row(1003, "QLineEdit", "", QRect(311, 180, 35, 12), Disabled);
        row(1009, "QLineEdit", "", QRect(351, 178, 35, 12), Disabled);
        row(1004, "QLineEdit", "", QRect(311, 194, 35, 12), Disabled);
        row(1042, "QLineEdit", "", QRect(100, 162, 78, 15), Disabled);
        row(1041, "CCoolButton", "浏览", QRect(178, 162, 30, 14), Disabled);
        row(1002, "QPlainTextEdit", "", QRect(100, 182, 108, 14), Visible);
        row(1005, "CCoolButton", "发送命令", QRect(342, 40, 87, 86), Visible);
        row(1049, "CCoolButton", "", QRect(351, 112, 56, 14), Hidden);
        row(1048, "CCoolButton", "上传特征值存储", QRect(39, 393, 181, 22), Disabled);
        row(1007, "QPlainTextEdit", "", QRect(36, 233, 81, 152), Visible);
        row(1054, "CHexDumpView", "", QRect(120, 233, 108, 152), Visible);
        row(1011, "CFingerImageButton", "", QRect(243, 219, 203, 203), Visible);
        row(1013, "QWidget", "", QRect(222, 166, 25, 25), Visible);
        row(1092, "QPushButton", "批量存储指纹特征值", QRect(467, 14, 58, 70), Disabled);
        row(1093, "QLineEdit", "", QRect(492, 94, 28, 15), Disabled);
        row(1094, "QLineEdit", "", QRect(492, 112, 28, 15), Disabled);
        row(1096, "QLabel", "总数", QRect(472, 98, 17, 13), Disabled);
        row(1097, "QLabel", "当前", QRect(472, 117, 16, 14), Disabled);
        row(1095, "QCheckBox", "有效", QRect(481, 138, 29, 12), Visible);
        row(1067, "QPushButton", "右移", QRect(473, 324, 37, 14), Hidden);
        row(1069, "QLineEdit", "", QRect(511, 325, 30, 12), Hidden);
        row(1068, "QPushButton", "上移", QRect(473, 346, 37, 14), Hidden);
        row(1070, "QLineEdit", "", QRect(511, 347, 30, 12), Hidden);
        row(1071, "QPushButton", "亮度增加", QRect(473, 370, 37, 14), Hidden);
        row(1072, "QLineEdit", "", QRect(511, 371, 30, 12), Hidden);
        row(1083, "QLineEdit", "", QRect(292, 115, 25, 12), Hidden);
    }
    void otherControls() {
        QFETCH(int, id);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, units);
        QFETCH(int, state);
        CPanelDriver driver;
        QWidget* control = driver.Control(id);
        QVERIFY2(control->inherits(kind.toLatin1().constData()),
                 control->metaObject()->className());
        QCOMPARE(control->objectName(), QStringLiteral("ctl") + QString::number(id));
        QCOMPARE(control->geometry(), PixelRect(driver.Panel(), units));
        QCOMPARE(control->isVisible(), !(state & Hidden));
        QCOMPARE(control->isEnabled(), !(state & Disabled));
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text().remove(QLatin1Char('\n')), caption);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), caption);
        }
    }

    void eightyThreeControlsOfWhichTwentyTwoWithoutId() {
        CPanelDriver driver;
        const QList<QWidget*> children =
            driver.Panel().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        int withId = 0, withoutId = 0;
        for (QWidget* child : children) {
            const QString name = child->objectName();
            if (name.startsWith(QLatin1String("ctlStatic")))
                ++withoutId;
            else if (name.startsWith(QLatin1String("ctl")) && name.mid(3).toInt() >= 1000)
                ++withId;
        }
        QCOMPARE(withId, 61);
        QCOMPARE(withoutId, 22);
        QCOMPARE(children.size(), 83);
    }

    void labelsAndFrames_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("units");
        QTest::addColumn<bool>("visible");
        auto row = [](const char* kind, const char* caption, QRect units, bool visible) {
            QTest::newRow(caption)
                << QString::fromLatin1(kind) << QString::fromUtf8(caption) << units << visible;
        };
        row("QGroupBox", "操作选择", QRect(31, 22, 408, 124), true);
        row("QGroupBox", "基本操作", QRect(39, 37, 133, 93), true);
        row("QGroupBox", "特征值下传操作", QRect(177, 37, 158, 52), true);
        row("QGroupBox", "特征值上传操作", QRect(177, 93, 158, 37), true);
        row("QGroupBox", "参数选择(HEX)", QRect(267, 152, 132, 58), true);
        row("QGroupBox", "返回数据显示(HEX)", QRect(30, 215, 203, 207), true);
        row("QGroupBox", "记录操作", QRect(471, 179, 69, 87), false);
        row("QLabel", "下传命令显示", QRect(42, 186, 52, 10), true);
        row("QLabel", "下传特征值选择", QRect(42, 166, 56, 8), true);
        row("QLabel", "参数1,2", QRect(351, 166, 38, 10), true);
        row("QLabel", "采集时间", QRect(293, 105, 33, 8), false);
        row("QLabel", "ms", QRect(320, 115, 10, 11), false);
    }
    void labelsAndFrames() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, units);
        QFETCH(bool, visible);
        CPanelDriver driver;
        QWidget* found = FindStatic(driver.Panel(), caption);
        QVERIFY(found);
        QVERIFY(found->inherits(kind.toLatin1().constData()));
        QCOMPARE(found->geometry(), PixelRect(driver.Panel(), units));
        QCOMPARE(found->isVisible(), visible);
    }

    void untitledFrames() {
        CPanelDriver driver;
        const QList<QRect> visible{QRect(242, 214, 205, 209), QRect(19, 9, 437, 421),
                                   QRect(277, 160, 114, 34), QRect(107, 53, 61, 38),
                                   QRect(43, 54, 65, 14)};
        const QList<QRect> hidden{QRect(181, 111, 106, 16), QRect(286, 96, 47, 32)};
        QList<QRect> foundVisible, foundHidden;
        for (QGroupBox* frame : driver.Panel().findChildren<QGroupBox*>()) {
            if (!frame->title().isEmpty())
                continue;
            (frame->isVisible() ? foundVisible : foundHidden).append(frame->geometry());
        }
        QCOMPARE(foundVisible.size(), visible.size());
        QCOMPARE(foundHidden.size(), hidden.size());
        for (const QRect& units : visible)
            QVERIFY(foundVisible.contains(PixelRect(driver.Panel(), units)));
        for (const QRect& units : hidden)
            QVERIFY(foundHidden.contains(PixelRect(driver.Panel(), units)));
    }

    void framesNeverTakeClicksOfTheirControls() {
        CPanelDriver driver;
        QWidget* radio = driver.Control(Id::kRadioUserCount);
        const QPoint inside = radio->geometry().topLeft() + QPoint(6, radio->height() / 2);
        QCOMPARE(driver.Panel().childAt(inside), radio);
        QWidget* send = driver.Control(Id::kSendCommand);
        QCOMPARE(driver.Panel().childAt(send->geometry().center()), send);
    }

    void accessibleNames_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("参数1") << 1000 << "参数1";
        QTest::newRow("参数2") << 1003 << "参数2";
        QTest::newRow("参数3") << 1004 << "参数3";
        QTest::newRow("参数1,2") << 1009 << "参数1,2";
        QTest::newRow("command display") << 1002 << "下传命令显示";
        QTest::newRow("feature path") << 1042 << "下传特征值选择";
        QTest::newRow("result") << 1007 << "结果显示";
        QTest::newRow("dump") << 1054 << "返回数据显示(HEX)";
        QTest::newRow("image") << 1011 << "指纹图像";
        QTest::newRow("batch total") << 1093 << "总数";
        QTest::newRow("batch current") << 1094 << "当前";
        QTest::newRow("send") << 1005 << "发送命令";
        QTest::newRow("save") << 1048 << "上传特征值存储";
        QTest::newRow("batch button") << 1092 << "批量存储指纹特征值";
        QTest::newRow("check box") << 1081 << "特征值上传";
        QTest::newRow("radio") << 1031 << "下传特征值与采集指纹比对";
    }
    void accessibleNames() {
        QFETCH(int, id);
        QFETCH(QString, name);
        CPanelDriver driver;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(driver.Control(id));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    void fieldsAreNamedByTheirLabels() {
        CPanelDriver driver;
        int buddies = 0;
        for (QLabel* label : driver.Panel().findChildren<QLabel*>()) {
            if (!label->buddy())
                continue;
            ++buddies;
            QCOMPARE(label->buddy()->accessibleName(), label->text());
        }
        QCOMPARE(buddies, 9); // six named fields, the two batch fields, the capture time
    }

    void everyVisibleControlHasAName() {
        CPanelDriver driver;
        for (QWidget* child :
             driver.Panel().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible() || IsDecorativeFrame(child))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
            QVERIFY(face);
            QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
        }
    }

    void panelIsNamedModuleTest() {
        CPanelDriver driver;
        QCOMPARE(driver.Panel().accessibleName(), QStringLiteral("模块测试"));
        QCOMPARE(driver.Panel().size(),
                 ExpectedPixels(driver.Panel().font(), QRect(0, 0, 643, 444)).size());
    }

    // A family the system has and draws Chinese with, not a Latin stand-in for "SimSun".
    void panelFontIsTheNinePointDialogFont() {
        CPanelDriver driver;
        const QFont font = driver.Panel().font();
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(QFontInfo(font).family(), PanelFont().family());
        QVERIFY(QFontDatabase::writingSystems(font.family())
                    .contains(QFontDatabase::SimplifiedChinese));
        QCOMPARE(driver.Control(Id::kSendCommand)->font().pointSize(), 9);
    }

    // With the font the program resolves here, no visible caption is cut by its control, in
    // Chinese nor in English.
    void everyCaptionFitsItsControl_data() {
        QTest::addColumn<ELanguage>("language");
        QTest::addColumn<QString>("sendCaption");
        QTest::addColumn<QString>("identifyTip"); // a caption cut short has its long form
        QTest::newRow("Chinese") << ELanguage::Chinese << QStringLiteral("发送命令") << QString();
        QTest::newRow("English") << ELanguage::English << QStringLiteral("Send")
                                 << QStringLiteral("1:N match: search all users");
    }
    void everyCaptionFitsItsControl() {
        QFETCH(ELanguage, language);
        QFETCH(QString, sendCaption);
        QFETCH(QString, identifyTip);
        const CLanguageTranslators translators(language);
        CPanelDriver driver;
        QCOMPARE(ControlText(driver.Control(Id::kSendCommand)), sendCaption);
        QCOMPARE(driver.Control(Id::kRadioCompareAll)->toolTip(), identifyTip);
        int checked = 0;
        QCOMPARE(CutCaptions(driver.Panel(), Qt::FindDirectChildrenOnly, &checked), QStringList());
        QCOMPARE(checked, 46);
    }

    // The eight command bytes, the widest hexadecimal digits too, stay on the first line.
    void commandDisplayShowsItsBytesOnOneLine() {
        CPanelDriver driver;
        auto* display = qobject_cast<QPlainTextEdit*>(driver.Control(Id::kCommandDisplay));
        for (const QString& param : {QString(), QStringLiteral("DB")}) {
            if (!param.isEmpty())
                driver.SelectWithParams(Id::kRadioEnrol, param, param, param);
            QCOMPARE(display->toPlainText().size(), 24);
            QCOMPARE(display->document()->lineCount(), 1);
        }
    }

    void typedParametersBecomeUpperCase_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("参数1") << 1000;
        QTest::newRow("参数2") << 1003;
        QTest::newRow("参数3") << 1004;
        QTest::newRow("参数1,2") << 1009;
    }
    void typedParametersBecomeUpperCase() {
        QFETCH(int, id);
        CPanelDriver driver;
        driver.Click(Id::kRadioEnrol);
        driver.Type(id, QStringLiteral("ab"));
        QCOMPARE(driver.Text(id), QStringLiteral("AB"));
    }

    void displaysShowUpperCase() {
        CPanelDriver driver;
        driver.Click(Id::kRadioCompareLevel); // 设置比对等级
        QVERIFY(driver.CommandDisplay().startsWith(QLatin1String("F5 28")));
        driver.Reply(Packet(0x28, 0x00, 0x0A, 0x00));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("前次比对等级为：A"));
        driver.Reply(Packet(0x22, 0x00, 0xBC, 0x00));
        QCOMPARE(driver.Text(Id::kResult), QStringLiteral("前次此寄存器值为：0XBC"));
        QCOMPARE(driver.Text(Id::kDump), QStringLiteral("F5 22 00 BC 00 00 9E F5"));
    }

private:
    static QRect PixelRect(const QWidget& panel, const QRect& units) {
        return ExpectedPixels(panel.font(), units);
    }
    static QWidget* FindStatic(QWidget& panel, const QString& caption) {
        for (QLabel* label : panel.findChildren<QLabel*>())
            if (label->text() == caption && label->objectName().startsWith("ctlStatic"))
                return label;
        for (QGroupBox* frame : panel.findChildren<QGroupBox*>())
            if (frame->title() == caption)
                return frame;
        return nullptr;
    }
    static bool IsDecorativeFrame(QWidget* widget) {
        auto* frame = qobject_cast<QGroupBox*>(widget);
        return frame && frame->title().isEmpty();
    }
};

QTEST_MAIN(TestModuleTestPanelLayout)
#include "test_module_test_panel_layout.moc"
