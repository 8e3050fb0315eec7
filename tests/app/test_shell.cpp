#include "app/about_dialog.h"
#include "app/comm_log_dock.h"
#include "app/comm_log_view.h"
#include "app/current_panel.h"
#include "app/help_window.h"
#include "app/language_menu.h"
#include "app/lock_key_indicators.h"
#include "app/main_frame.h"
#include "app/morvane_app.h"
#include "app/morvane_view.h"
#include "app/rate_finder.h"
#include "app/reply_wait_status.h"
#include "app/window_places.h"
#include "console/module_test_panel.h"
#include "console/rate_probe.h"
#include "download/dat_fixture.h"
#include "download/download_panel.h"
#include "panels/module_panel.h"
#include "protocol/buffers.h"
#include "protocol/command_catalogue.h"
#include "serial/comm_log.h"
#include "serial/comm_setup_panel.h"
#include "serial/panel_timers.h"
#include "serial/port_map.h"
#include "serial/port_session.h"
#include "serial/rate_table.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"
#include "support/accessible_toggle.h"
#include "support/as_other_user.h"
#include "support/caption_room.h"
#include "support/dialog_geometry.h"
#include "support/fake_serial_backend.h"
#include "support/language_columns.h"
#include "support/packet_bytes.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"
#include "version/build_version.h"
#include "widgets/file_folders.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

namespace {
// The file dialogs and folder choosers of the window, each of its own kind of file.
struct CDialogUse {
    const char* name;
    bool chooser; // a folder chooser rather than a file dialog
    void (*open)(CMainFrame&);
};
const CDialogUse kDialogUses[] = {
    {"feature file", false, [](CMainFrame& f) { f.View().TestPanel().OnBrowseFeature(); }},
    {"image", false,
     [](CMainFrame& f) {
         CModuleTestDlg& test = f.View().TestPanel(); // an 80 x 80 image comes, then is saved
         f.View().ShowStartPanel();
         test.OperationGroup().button(OperationIndex(EOperation::CaptureImage))->click();
         test.OnSendCommand();
         FakeOf(test.Comm())->PushModuleBytes(Packet(0x24, 0x19) + DataPacket(QByteArray(6400, 9)));
         QCoreApplication::processEvents(); // the receive event, then the ticks of timer 1
         for (int tick = 0; tick < 3 && !test.SaveImageAction()->isEnabled(); ++tick)
             test.OnTimer(1);
         test.SaveImageAction()->trigger();
     }},
    {".dat file", false, [](CMainFrame& f) { f.View().DownloadPanel().OnBrowse28000(); }},
    {".bin file", false, [](CMainFrame& f) { f.View().DownloadPanel().OnGenerateBin(); }},
    {"log file", false, [](CMainFrame& f) { f.CommLog().OnSave(); }},
    {"backup folder", true, [](CMainFrame& f) { f.View().TestPanel().BackupAction()->trigger(); }},
    {"batch folder", true, [](CMainFrame& f) { f.View().TestPanel().OnChooseBatchFolder(); }},
};

QString LastStart(const CScriptedPrompts& prompts, const CDialogUse& use) {
    return use.chooser ? prompts.m_folderStarts.constLast() : prompts.m_dialogs.constLast().folder;
}

// Presses Tab until `target` has the focus; false after a whole round without it.
bool TabTo(QWidget* target) {
    for (int i = 0; i < 200 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

// Alt + the menu's access key, then the item's.
void ChooseFromMenu(QWidget& window, Qt::Key menu, Qt::Key item) {
    QTest::keyClick(&window, menu, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), item);
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT
    CFakeSerialScope m_fakeDevices;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { ResetProcessState(); }

    void startUpShowsTheTestPanelWithItsPortOpen() {
        CScriptedPrompts prompts;
        CMorvaneApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& frame = *app.MainFrame();
        CMorvaneView& view = frame.View();
        QVERIFY(view.TestPanel().isVisible());
        QVERIFY(!view.SettingsPanel().isVisible());
        QVERIFY(!view.DownloadPanel().isVisible());
        QVERIFY(frame.ModuleTestAction()->isChecked());
        QVERIFY(!frame.CommSettingsAction()->isChecked());
        QVERIFY(!frame.ProgramDownloadAction()->isChecked());
        QCOMPARE(frame.windowTitle(), QString("Morvane(New Frame)"));
        QVERIFY(frame.windowState() & Qt::WindowMaximized);
        QCOMPARE(g_nCurrentPanel, int(kPanelTest));
        QVERIFY(view.TestPanel().Comm().PortOpen());
        QCOMPARE(FakeOf(view.TestPanel().Comm())->m_strDevice, DeviceForPort(1));
        QCOMPARE(FakeOf(view.TestPanel().Comm())->m_settings.baudRate, 19200);
        QVERIFY(prompts.m_messages.isEmpty());
        QCOMPARE(frame.ReadyPane()->text(), QString("就绪"));
        QCOMPARE(QCoreApplication::organizationName(),
                 QString("Local AppWizard-Generated Applications"));
    }

    void missingPortAtStartUpIsReportedOnceBeforeTheWindowShows() {
        CScriptedPrompts prompts;
        CFakeSerialBackend::MissingDevices().insert(DeviceForPort(1));
        CMorvaneApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(prompts.m_messages,
                 QStringList{"Comm port error!\nCOM1（/dev/ttyUSB0）：找不到该设备，请检查连接。"});
        QVERIFY(app.MainFrame()->View().TestPanel().isVisible());
        QVERIFY(app.MainFrame()->ModuleTestAction()->isChecked());
        QVERIFY(!app.MainFrame()->View().TestPanel().Comm().PortOpen());
    }

    void switchingHandsThePortOver_data() {
        QTest::addColumn<int>("panel");
        QTest::newRow("settings") << int(kPanelSettings);
        QTest::newRow("download") << int(kPanelDownload);
        QTest::newRow("test again") << int(kPanelTest);
    }
    void switchingHandsThePortOver() {
        QFETCH(int, panel);
        CScriptedPrompts prompts;
        g_nCommPort = 3;
        g_nBaudIndex = 4;
        CMainFrame frame;
        CMorvaneView& view = frame.View();
        view.ShowStartPanel();
        CMSComm* comms[] = {nullptr, &view.SettingsPanel().Comm(), &view.TestPanel().Comm(),
                            &view.DownloadPanel().Comm()};
        QAction* actions[] = {nullptr, frame.CommSettingsAction(), frame.ModuleTestAction(),
                              frame.ProgramDownloadAction()};
        actions[panel]->trigger();
        for (int p = kPanelSettings; p <= kPanelDownload; ++p) {
            QCOMPARE(comms[p]->PortOpen(), p == panel);
            QCOMPARE(view.PanelWidget(p)->isVisibleTo(&frame), p == panel);
            QCOMPARE(actions[p]->isChecked(), p == panel);
        }
        QCOMPARE(FakeOf(*comms[panel])->m_strDevice, DeviceForPort(3));
        QCOMPARE(FakeOf(*comms[panel])->m_settings.baudRate, 57600);
        QCOMPARE(g_nCurrentPanel, panel);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void choosingTheShownTestPanelReopensItsPortAndRebuilds() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        CMorvaneView& view = frame.View();
        view.ShowStartPanel();
        CFakeSerialBackend* fake = FakeOf(view.TestPanel().Comm());
        QCOMPARE(fake->m_nOpenCount, 1);
        uint8_t* tx = view.TestPanel().Session().TxBuffer();
        tx[1] = 0x77; // a stale packet the rebuild must replace
        frame.ModuleTestAction()->trigger();
        QCOMPARE(fake->m_nOpenCount, 2);
        QCOMPARE(fake->m_nCloseCount, 1);
        QCOMPARE(int(tx[1]), 0x09);
        QVERIFY(frame.ModuleTestAction()->isChecked());
    }

    void aMissingPortOnASwitchStillShowsAndChecksThePanel() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        frame.View().ShowStartPanel();
        g_nCommPort = 2;
        CFakeSerialBackend::MissingDevices().insert(DeviceForPort(2));
        frame.ProgramDownloadAction()->trigger();
        QCOMPARE(prompts.m_messages,
                 QStringList{"Comm port error!\nCOM2（/dev/ttyUSB1）：找不到该设备，请检查连接。"});
        QVERIFY(frame.View().DownloadPanel().isVisibleTo(&frame));
        QVERIFY(frame.ProgramDownloadAction()->isChecked());
        QVERIFY(!frame.ModuleTestAction()->isChecked());
        QCOMPARE(g_nCurrentPanel, int(kPanelDownload));
        QVERIFY(!frame.View().TestPanel().Comm().PortOpen());
    }

    void leavingDuringACollectionStopsItsTimer() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        CMorvaneView& view = frame.View();
        view.ShowStartPanel();
        CModuleTestDlg& test = view.TestPanel();
        FakeOf(test.Comm())->PushModuleBytes(QByteArray::fromHex("F50900"));
        QTRY_VERIFY(test.Timers().IsRunning(1));
        frame.CommSettingsAction()->trigger();
        QVERIFY(!test.Timers().IsRunning(1));
        QCOMPARE(test.Comm().RThreshold(), 1);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    // "检测模块波特率…" shows the test panel and sends its user count at each rate, fastest first,
    // until the module answers; the PC then talks at that rate, set by the settings panel. With
    // no answer the port goes back to its rate.
    void findModuleRate_data() {
        QTest::addColumn<int>("answerAt"); // 0: at none
        QTest::newRow("57,600") << 4;
        QTest::newRow("9,600") << 1;
        QTest::newRow("none") << 0;
    }
    void findModuleRate() {
        QFETCH(int, answerAt);
        CScriptedPrompts prompts;
        CMainFrame frame;
        CMorvaneView& view = frame.View();
        view.ShowStartPanel();
        frame.CommSettingsAction()->trigger();
        frame.FindModuleRateAction()->trigger();
        CModuleTestDlg& test = view.TestPanel();
        QCOMPARE(g_nCurrentPanel, 2);
        CFakeSerialBackend* fake = FakeOf(test.Comm());
        for (int rate = 5; rate >= std::max(answerAt, 1); --rate) {
            QCOMPARE(fake->m_settings.baudRate, RateBitsText(rate).toInt());
            QCOMPARE(fake->TakeHostBytes(), QByteArray::fromHex("F5090000000009F5"));
            if (rate != answerAt) {
                test.OnTimer(CRateProbe::kTimerId);
                continue;
            }
            fake->PushModuleBytes(QByteArray::fromHex("F509000300000AF5"));
            QTRY_VERIFY(test.Timers().IsRunning(1));
            test.OnTimer(1);
            test.OnTimer(1);
        }
        QCOMPARE(prompts.m_messages, QStringList{RateFoundText(answerAt)});
        const int rateAfter = answerAt ? answerAt : 2;
        QCOMPARE(g_nBaudIndex, rateAfter);
        QCOMPARE(fake->m_settings.baudRate, RateBitsText(rateAfter).toInt());
        QCOMPARE(FakeOf(view.SettingsPanel().Comm())->m_settings.baudRate,
                 RateBitsText(rateAfter).toInt());
    }

    // Ctrl+N gives the view its initial update only: the panel on show and its port stay.
    void newDocumentLeavesThePanelAndItsPort() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        frame.View().ShowStartPanel();
        frame.ProgramDownloadAction()->trigger();
        CFakeSerialBackend* fake = FakeOf(frame.View().DownloadPanel().Comm());
        const int opened = fake->m_nOpenCount;
        for (QAction* action : frame.actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_N))
                action->trigger();
        QVERIFY(frame.View().DownloadPanel().isVisibleTo(&frame));
        QVERIFY(!frame.View().TestPanel().isVisibleTo(&frame));
        QCOMPARE(fake->m_nOpenCount, opened);
        QVERIFY(frame.View().DownloadPanel().Comm().PortOpen());
        QCOMPARE(g_nCurrentPanel, int(kPanelDownload));
        QVERIFY(prompts.m_messages.isEmpty());
    }

    // Restored from maximized without a remembered geometry, the window shows the test panel
    // whole where the screen is large enough, and is cut to the screen otherwise.
    void restoringGivesTheFittedSize() {
        CScriptedPrompts prompts;
        CMorvaneApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& frame = *app.MainFrame();
        frame.showNormal();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_COMPARE(frame.size(), frame.FittedSize());
        QTRY_VERIFY(available.contains(frame.frameGeometry()));
        const int frameWidth = frame.frameGeometry().width() - frame.width();
        QVERIFY(frame.width() >=
                qMin(frame.View().TestPanel().width(), available.width() - frameWidth));
    }

    void fittedSizeShowsThePanelWithinTheScreen_data() {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("fitted");
        // chrome 10 x 100, panel 1000 x 700, scroll bar 16
        QTest::newRow("room for all") << QSize(1600, 1000) << QSize(1010, 800);
        QTest::newRow("height cut: room for the scroll bar")
            << QSize(1366, 740) << QSize(1026, 740);
        QTest::newRow("both cut") << QSize(800, 600) << QSize(800, 600);
    }
    void fittedSizeShowsThePanelWithinTheScreen() {
        QFETCH(QSize, available);
        QFETCH(QSize, fitted);
        QCOMPARE(FittedWindowSize(QSize(10, 100), QSize(1000, 700), 16, available), fitted);
        const QRect screen(QPoint(0, 20), available);
        QCOMPARE(RestoredGeometry(QRect(), fitted, screen).size(), fitted);
        QVERIFY(screen.contains(RestoredGeometry(QRect(), fitted, screen)));
        QCOMPARE(RestoredGeometry(QRect(-5000, 0, 400, 300), fitted, screen).size(), fitted);
        const QMargins frame(2, 20, 2, 2); // a title bar and borders
        const QRect kept = KeptWithin(QRect(QPoint(), fitted), frame, screen);
        QVERIFY(screen.contains(kept.marginsAdded(frame)));
        QCOMPARE(kept.size(), fitted.boundedTo(screen.marginsRemoved(frame).size()));
    }

    // The restored geometry and the log window's place come back after a restart; the window
    // still starts maximized with the log window closed, on COM1 at 19,200.
    void windowPlacesSurviveARestart() {
        CScriptedPrompts prompts;
        const QRect restored(40, 60, 700, 500), logPlace(120, 200, 640, 260);
        {
            CMorvaneApp app;
            QVERIFY(app.InitInstance());
            CMainFrame& frame = *app.MainFrame();
            frame.showNormal();
            QTRY_COMPARE(frame.size(), frame.FittedSize()); // given back after the maximized state
            frame.setGeometry(restored);
            frame.CommLogAction()->trigger();
            frame.CommLog().setFloating(true);
            frame.CommLog().setGeometry(logPlace);
            g_nCommPort = 3;
            QVERIFY(frame.close());
        }
        ResetSerialSettings();
        CMorvaneApp app;
        QVERIFY(app.InitInstance());
        CMainFrame& frame = *app.MainFrame();
        QVERIFY(frame.windowState() & Qt::WindowMaximized);
        QVERIFY(!frame.CommLog().isVisible());
        QCOMPARE(FakeOf(frame.View().TestPanel().Comm())->m_strDevice, DeviceForPort(1));
        frame.showNormal();
        QTRY_COMPARE(frame.geometry(), restored);
        frame.CommLogAction()->trigger();
        QVERIFY(frame.CommLog().isFloating());
        QCOMPARE(frame.CommLog().geometry(), logPlace);
    }

    // Each dialog opens where its own kind was last used, also after a restart; the others
    // still open in the starting folder.
    void dialogsOpenWhereTheirKindWasLastUsed_data() {
        QTest::addColumn<int>("used");
        for (int i = 0; i < int(std::size(kDialogUses)); ++i)
            QTest::newRow(kDialogUses[i].name) << i;
    }
    void dialogsOpenWhereTheirKindWasLastUsed() {
        QFETCH(int, used);
        QTemporaryDir chosen;
        CScriptedPrompts prompts;
        prompts.m_files << QDir(chosen.path()).filePath("a.x");
        prompts.m_folders << chosen.path();
        kDialogUses[used].open(*std::make_unique<CMainFrame>());
        CMainFrame frame; // a new run reads the configuration file
        for (int i = 0; i < int(std::size(kDialogUses)); ++i) {
            kDialogUses[i].open(frame);
            QCOMPARE(LastStart(prompts, kDialogUses[i]),
                     i == used ? chosen.path() : StartingFolder());
        }
    }

    // Installed where the user may not write, the dialogs start in the documents' "Morvane"
    // folder, made on first use; in a folder the user may write in, they start there.
    void startingFolderFollowsTheProgramFolder() {
        QTemporaryDir program, documents;
        QCOMPARE(StartingFolder(program.path(), documents.path()), program.path());
        QVERIFY(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString own = QDir(documents.path()).filePath("Morvane");
        CAsOtherUser nobody({documents.path()});
        QCOMPARE(StartingFolder(program.path(), documents.path()), own);
        QVERIFY(QFileInfo(own).isDir());
        QCOMPARE(StartingFolder(program.path(), documents.path()), own);
    }

    // An empty caption would be replaced by the application name by the window system.
    void questionsCarryABlankTitle() {
        QVERIFY(!PromptBoxTitle(QString()).isEmpty());
        QVERIFY(PromptBoxTitle(QString()).trimmed().isEmpty());
        QCOMPARE(PromptBoxTitle(QStringLiteral("Morvane")), QStringLiteral("Morvane"));
    }

    // An assistive technology toggles a tool button: it switches as the menu item does, also to
    // the panel on show, which stays checked. A click switches once; the check states the
    // frame sets switch nothing.
    void toolButtonsSwitchHoweverTheyAreUsed() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        CMorvaneView& view = frame.View();
        view.ShowStartPanel();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* bar = frame.findChild<QToolBar*>("toolbar128");
        auto* settingsButton =
            qobject_cast<QToolButton*>(bar->widgetForAction(frame.CommSettingsAction()));
        CFakeSerialBackend* settings = FakeOf(view.SettingsPanel().Comm());
        QVERIFY(AccessibleToggle(settingsButton));
        QCOMPARE(g_nCurrentPanel, int(kPanelSettings));
        QVERIFY(view.SettingsPanel().isVisibleTo(&frame) && settings->m_nOpenCount == 1);
        QVERIFY(!frame.ModuleTestAction()->isChecked());
        QVERIFY(AccessibleToggle(settingsButton));
        QCOMPARE(settings->m_nOpenCount, 2);
        QVERIFY(frame.CommSettingsAction()->isChecked() && settingsButton->isChecked());
        CFakeSerialBackend* test = FakeOf(view.TestPanel().Comm());
        const int opens = test->m_nOpenCount;
        QTest::mouseClick(bar->widgetForAction(frame.ModuleTestAction()), Qt::LeftButton);
        QCOMPARE(test->m_nOpenCount, opens + 1);
        QCOMPARE(g_nCurrentPanel, int(kPanelTest));
        g_nCurrentPanel = kPanelDownload;
        frame.UpdateCommandStates();
        QVERIFY(frame.ProgramDownloadAction()->isChecked());
        QVERIFY(!view.DownloadPanel().isVisibleTo(&frame) && test->m_nCloseCount == 1);
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void menusAndToolbarCarryTheCommands() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        QStringList menus;
        for (QAction* menu : frame.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"操作(&O)", "工具(&T)", "帮助(&H)"}));
        QCOMPARE(frame.CommSettingsAction()->statusTip(), QString("串口选择和波特率设置"));
        QCOMPARE(frame.ModuleTestAction()->statusTip(), QString("脱机模块功能测试"));
        QCOMPARE(frame.ProgramDownloadAction()->statusTip(), QString("脱机模块程序更新"));
        QCOMPARE(frame.AboutAction()->text(), QString("关于 Morvane(&A)..."));
        QCOMPARE(frame.menuBar()->actions()[2]->menu()->actions()[0], frame.HelpAction());
        QCOMPARE(frame.HelpAction()->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(frame.QuitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        auto* bar = frame.findChild<QToolBar*>("toolbar128");
        QVERIFY(bar);
        QCOMPARE(bar->actions().size(), 4);
        QCOMPARE(bar->actions()[0]->toolTip(), QString("设置"));
        QCOMPARE(bar->actions()[2]->toolTip(), QString("程序下载"));
        QCOMPARE(bar->actions()[3], frame.CommLogAction());
        QStringList operations;
        for (QAction* action : frame.menuBar()->actions()[0]->menu()->actions())
            operations << action->text();
        QCOMPARE(operations,
                 (QStringList{"通信设置(&S)", "模块测试(&M)", "", "保存图像(&I)…",
                              "备份用户到文件夹(&B)…", "停止备份(&P)", "批量存储文件夹(&F)…"}));
        QVERIFY(frame.menuBar()->actions()[1]->menu()->actions().contains(frame.CommLogAction()));
    }

    // The desktop's language decides unless the user chose one: Chinese for a Chinese and the
    // C locale, English for any other.
    void languageFollowsTheChoiceOrTheDesktop_data() {
        QTest::addColumn<ELanguageSetting>("setting");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<ELanguage>("language");
        const auto system = ELanguageSetting::FollowSystem;
        QTest::newRow("zh_CN") << system << "zh_CN" << ELanguage::Chinese;
        QTest::newRow("zh_TW") << system << "zh_TW" << ELanguage::Chinese;
        QTest::newRow("C") << system << "C" << ELanguage::Chinese;
        QTest::newRow("en_US") << system << "en_US" << ELanguage::English;
        QTest::newRow("de_DE") << system << "de_DE" << ELanguage::English;
        QTest::newRow("chosen zh") << ELanguageSetting::Chinese << "en_GB" << ELanguage::Chinese;
        QTest::newRow("chosen en") << ELanguageSetting::English << "zh_CN" << ELanguage::English;
    }
    void languageFollowsTheChoiceOrTheDesktop() {
        QFETCH(ELanguageSetting, setting);
        QFETCH(QString, locale);
        QFETCH(ELanguage, language);
        QCOMPARE(ChosenLanguage(setting, QLocale(locale)), language);
    }

    // The menus, the toolbar and the status bar in each language; 帮助 → 语言 / Language keeps
    // the choice for the next start.
    void shellSpeaksTheChosenLanguage_data() {
        QTest::addColumn<ELanguage>("language");
        QTest::addColumn<QStringList>("texts"); // menus, first tool tip, ready pane, guide
        QTest::newRow("Chinese") << ELanguage::Chinese
                                 << QStringList{"操作(&O)", "工具(&T)", "帮助(&H)",
                                                "设置",     "就绪",     "guide.html"};
        QTest::newRow("English") << ELanguage::English
                                 << QStringList{"&Operation", "&Tools", "&Help",
                                                "Settings",   "Ready",  "guide-en.html"};
    }
    void shellSpeaksTheChosenLanguage() {
        QFETCH(ELanguage, language);
        QFETCH(QStringList, texts);
        const CLanguageTranslators translators(language);
        CScriptedPrompts prompts;
        CMainFrame frame;
        QStringList shown;
        for (QAction* menu : frame.menuBar()->actions())
            shown << menu->text();
        shown << frame.findChild<QToolBar*>("toolbar128")->actions()[0]->toolTip()
              << frame.ReadyPane()->text() << CHelpWindow::GuideUrl().fileName();
        QCOMPARE(shown, texts);
        // Each panel on show: no caption is cut by its control.
        frame.show();
        CMorvaneView& view = frame.View();
        for (auto show : {&CMorvaneView::OnCommSettings, &CMorvaneView::OnModuleTest,
                          &CMorvaneView::OnProgramDownload}) {
            (view.*show)();
            QCoreApplication::processEvents(); // the panel's layout
            QCOMPARE(CutCaptions(*view.PanelWidget(g_nCurrentPanel), Qt::FindChildrenRecursively),
                     QStringList());
        }
        auto* languages = frame.findChild<CLanguageMenu*>("languageMenu");
        QVERIFY(languages);
        QVERIFY(languages->ItemFor(ELanguageSetting::FollowSystem)->isChecked());
        QAction* english = languages->ItemFor(ELanguageSetting::English);
        english->toggle(); // as an assistive technology does
        QCOMPARE(StoredLanguageSetting(), ELanguageSetting::English);
        QVERIFY(!languages->ItemFor(ELanguageSetting::FollowSystem)->isChecked());
        QCOMPARE(english->statusTip(),
                 QCoreApplication::translate("CLanguageMenu", "下次启动时生效"));
    }

    // "通信记录" opens from its tool button however it is used; only while it is open do the
    // panels' controls record, and what the test panel sends shows in it.
    void commLogRecordsOnlyWhileOpen() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        frame.View().ShowStartPanel();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(g_pCommLog, nullptr);
        auto* bar = frame.findChild<QToolBar*>("toolbar128");
        QVERIFY(AccessibleToggle(bar->widgetForAction(frame.CommLogAction())));
        QVERIFY(frame.CommLog().isVisible());
        QCOMPARE(g_pCommLog, &frame.CommLog().Log());
        frame.View().TestPanel().OnSendCommand();
        QVERIFY(frame.CommLog().Log().Line(0).contains(QString("发送  COM1")));
        frame.CommLogAction()->trigger();
        QVERIFY(!frame.CommLog().isVisible());
        QCOMPARE(g_pCommLog, nullptr);
    }

    // From the keyboard: frames only, a search for bytes, the next error, Ctrl+C.
    void commLogFindsFramesAndErrors() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        frame.show();
        frame.CommLogAction()->trigger();
        CCommLog& log = frame.CommLog().Log();
        log.Record(ECommDirection::Sent, 1, "/dev/x", QByteArray::fromHex("F5090000000009F5"));
        log.Record(ECommDirection::Received, 1, "/dev/x", QByteArray::fromHex("F509000500"));
        log.EndExchange(); // the reply has no tail: an error
        auto* filter = frame.CommLog().findChild<QComboBox*>();
        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_Down);
        CCommLogView& view = frame.CommLog().View();
        QCOMPARE(view.Filter(), ECommLogFilter::FramesOnly);
        QCOMPARE(log.RowCount(ECommLogFilter::FramesOnly), 5);
        auto* find = frame.CommLog().findChild<QLineEdit*>();
        QTest::keyClicks(find, "f5 09 00 05");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(view.CurrentRow(), 2);
        QVERIFY(frame.CommLog().OnNextError(true));
        QCOMPARE(view.CurrentRow(), 3);
        QVERIFY(!frame.CommLog().OnNextError(true));
        QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 log.RowText(ECommLogFilter::FramesOnly, 2) + '\n' +
                     log.RowText(ECommLogFilter::FramesOnly, 3) + '\n');
        QVERIFY(log.RowText(ECommLogFilter::FramesOnly, 3).endsWith("✗ 缺少尾字节 F5"));
    }

    // A command goes out on a panel: the message pane waits for the module, names the line when
    // 2 s pass in silence, and reads "就绪" again when a byte comes or the panel changes. The
    // panels' own timers and prompts are left alone.
    void silentModuleShowsInTheStatusBar_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<bool>("silent");   // the 2 s pass before the end
        QTest::addColumn<bool>("byteEnds"); // a byte ends the wait, else a panel switch
        QTest::newRow("test, answered") << int(kPanelTest) << false << true;
        QTest::newRow("test, silent, late byte") << int(kPanelTest) << true << true;
        QTest::newRow("test, silent, switch") << int(kPanelTest) << true << false;
        QTest::newRow("settings rate command") << int(kPanelSettings) << true << true;
        QTest::newRow("download start request") << int(kPanelDownload) << true << true;
    }
    void silentModuleShowsInTheStatusBar() {
        QFETCH(int, panel);
        QFETCH(bool, silent);
        QFETCH(bool, byteEnds);
        CScriptedPrompts prompts;
        CMainFrame frame;
        QAction* actions[] = {nullptr, frame.CommSettingsAction(), frame.ModuleTestAction(),
                              frame.ProgramDownloadAction()};
        actions[panel]->trigger();
        auto* comm = frame.View().PanelWidget(panel)->findChild<CMSComm*>();
        QVERIFY(comm->Output(QByteArray::fromHex("F509000000000909F5")));
        const QString line = "COM1 " + DeviceForPort(1) + " 19200";
        QCOMPARE(frame.ReadyPane()->text(), "等待模块回复… " + line);
        QCOMPARE(frame.ReplyWait().Timers().Period(CReplyWaitStatus::kSilenceTimer), 2000);
        if (silent)
            frame.ReplyWait().OnTimer(CReplyWaitStatus::kSilenceTimer);
        if (silent) // the line and what to check
            QCOMPARE(frame.ReadyPane()->text(),
                     "模块无应答：" + line + "。请检查连线、模块电源和波特率");
        if (byteEnds)
            FakeOf(*comm)->PushModuleBytes(QByteArray(1, '\xF5'));
        else
            actions[kPanelSettings]->trigger();
        QCOMPARE(frame.ReadyPane()->text(), QString("就绪"));
        QVERIFY(!frame.ReplyWait().Timers().AnyRunning());
        QVERIFY(!frame.View().TestPanel().Timers().AnyRunning() && prompts.m_messages.isEmpty());
    }

    // The about box: the icon, the build's version, its git revision, the Qt version it runs on
    // and the licence, each line whole inside the box.
    void aboutBoxShowsIconVersionAndLicence() {
        CMorvaneApp::SetApplicationIdentity();
        QCOMPARE(QCoreApplication::applicationVersion(), QString(MORVANE_PROJECT_VERSION));
        CAboutDlg about;
        QVERIFY(!about.windowIcon().pixmap(32, 32).isNull());
        auto* icon = about.findChild<QLabel*>(QStringLiteral("icon"));
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        QCOMPARE(icon->pos(), ExpectedPixels(about.font(), QRect(11, 17, 1, 1)).topLeft());
        const auto text = [&](const char* name) {
            return about.findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(text("version"), QString("Morvane " MORVANE_PROJECT_VERSION " 版"));
        QCOMPARE(text("revision"),
                 QString("Git 修订：") + (*BuildRevision() ? BuildRevision() : "无"));
        QCOMPARE(text("qt"), "Qt 版本：" + QString(qVersion()));
        QCOMPARE(text("licence"), QString("许可：专有软件，保留所有权利"));
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            QVERIFY(QRect(QPoint(), about.size()).contains(label->geometry()));
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
    }

    // In a 1366 x 768 window the view scrolls to the test panel's lowest control, the image.
    void theBottomOfTheTestPanelCanBeReached() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        frame.View().ShowStartPanel();
        frame.resize(1366, 768);
        frame.show();
        QWidget* image = frame.View().TestPanel().Control(ControlId::kImage);
        frame.View().ensureWidgetVisible(image, 0, 0);
        QCOMPARE(image->visibleRegion().boundingRect(), image->rect());
    }

    // Keys alone: a test-console command sent, the port changed on the settings panel and a
    // download started; F10 reaches the menu and F1 opens the guide with its pictures.
    void everythingWorksFromTheKeyboard() {
        CScriptedPrompts prompts;
        QTemporaryDir folder;
        CMainFrame frame;
        CMorvaneView& view = frame.View();
        view.ShowStartPanel();
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(TabTo(view.TestPanel().OperationGroup().checkedButton()));
        for (int i = 0; i < 30 && !view.TestPanel().Control(ControlId::kRadioUserCount)->hasFocus();
             ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(FakeOf(view.TestPanel().Comm())->TakeHostBytes(), Packet(0x09));

        ChooseFromMenu(frame, Qt::Key_O, Qt::Key_S);
        QCOMPARE(g_nCurrentPanel, int(kPanelSettings));
        QVERIFY(TabTo(view.SettingsPanel().findChild<QComboBox*>()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(g_nCommPort, 2);

        ChooseFromMenu(frame, Qt::Key_T, Qt::Key_D);
        CDownloadDlg& download = view.DownloadPanel();
        for (const uint16_t mark : {0xAD28, 0xAD38}) {
            CDatFileLayout layout;
            layout.values = ProgramValues(mark, mark);
            prompts.m_files << WriteFixtureFile(folder.path(), QString::number(mark, 16) + ".dat",
                                                DatFileBytes(layout));
        }
        for (int button : {CDownloadDlg::kBrowse28000Button, CDownloadDlg::kBrowse38000Button,
                           CDownloadDlg::kStartButton}) {
            QVERIFY(TabTo(download.findChild<QWidget*>(ControlName(button))));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        QVERIFY(!FakeOf(download.Comm())->TakeHostBytes().isEmpty()); // the start request
        QVERIFY(prompts.m_messages.isEmpty());

        QTest::keyClick(&frame, Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(frame.menuBar()->activeAction(), frame.menuBar()->actions().constFirst());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(&frame, Qt::Key_F1);
        QTRY_VERIFY(frame.HelpWindow() && frame.HelpWindow()->isVisible());
        QTextBrowser& guide = frame.HelpWindow()->Browser();
        QVERIFY(guide.toPlainText().contains("错误信息及处理"));
        int pictures = 0;
        for (QTextBlock block = guide.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    const QUrl name(it.fragment().charFormat().toImageFormat().name());
                    const QVariant picture = guide.loadResource(QTextDocument::ImageResource,
                                                                guide.source().resolved(name));
                    QVERIFY(QImage::fromData(picture.toByteArray()).width() > 300);
                    ++pictures;
                }
        QCOMPARE(pictures, 3);
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!frame.isVisible());
    }

    // Every control of the window that takes the focus shows that it has it: the panels'
    // standard controls, the cool buttons, the image and the reply dump.
    void everyControlShowsItsFocus_data() {
        QTest::addColumn<int>("panel");
        QTest::newRow("settings") << int(kPanelSettings);
        QTest::newRow("test") << int(kPanelTest);
        QTest::newRow("download") << int(kPanelDownload);
    }
    void everyControlShowsItsFocus() {
        QFETCH(int, panel);
        CScriptedPrompts prompts;
        CMainFrame frame;
        frame.View().ShowStartPanel();
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QAction* actions[] = {nullptr, frame.CommSettingsAction(), frame.ModuleTestAction(),
                              frame.ProgramDownloadAction()};
        actions[panel]->trigger();
        frame.setAttribute(Qt::WA_KeyboardFocusChange); // the user has moved with the keyboard
        for (QWidget* control : frame.findChildren<QWidget*>()) {
            if (!control->isVisible() || !control->isEnabled() ||
                !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
                continue;
            frame.View().ensureWidgetVisible(control);
            control->clearFocus();
            const QImage without = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            QVERIFY2(control->grab().toImage() != without, qPrintable(control->objectName()));
        }
    }

    void lockKeyPanesFollowTheLockKeys() {
        CScriptedPrompts prompts;
        CMainFrame frame;
        CLockKeyIndicators& keys = frame.LockKeys();
        QVERIFY(!keys.IsLit(Qt::Key_CapsLock));
        keys.Toggle(Qt::Key_CapsLock);
        QVERIFY(keys.IsLit(Qt::Key_CapsLock));
        QVERIFY(!keys.IsLit(Qt::Key_NumLock));
        keys.Toggle(Qt::Key_CapsLock);
        QVERIFY(!keys.IsLit(Qt::Key_CapsLock));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
