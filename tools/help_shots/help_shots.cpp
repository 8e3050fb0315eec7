// morvane-help-shots: takes the pictures of the user guide from the real window, so that they
// can be taken again whenever the window changes (scripts/help-shots). Each panel is shown in
// the main window as the program shows it and grabbed as it is painted; the test panel shows a
// fingerprint image captured from the module simulator. Writes the PNGs into the folder given:
// the Chinese window's as NAME.png, the English window's as NAME-en.png for the English guide.
#include "app/current_panel.h"
#include "app/main_frame.h"
#include "app/morvane_app.h"
#include "app/morvane_view.h"
#include "console/module_test_panel.h"
#include "lang/language_translators.h"
#include "protocol/command_catalogue.h"
#include "serial/port_exchange.h"
#include "serial/port_session.h"
#include "widgets/prompts.h"

#include "sim/module_commands.h"
#include "sim/sim_module.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {
// The shots show the window as it stands, without the boxes that a missing port raises.
class CSilentPrompts : public CPrompts {
public:
    void Message(QWidget*, const QString&, const QString&) override {}
    bool Question(QWidget*, const QString&, const QString&) override { return false; }
    QString OpenFileName(QWidget*, const CFileDialogOptions&) override { return QString(); }
    QString SaveFileName(QWidget*, const CFileDialogOptions&) override { return QString(); }
};

QByteArray SimulatedImageReply() {
    sim::CSimModule module(sim::CModuleSettings{}, sim::CSimFaults{});
    sim::CFrame frame;
    frame.kind = sim::EFrameKind::Command;
    frame.command = sim::cmd::kCaptureImage;
    return module.OnFrame(frame).reply;
}

// The test panel as after "采集图像" and the module's answer: the command, the dump, the result
// and the image.
void ShowCapturedImage(CModuleTestDlg& panel) {
    panel.OperationGroup().button(OperationIndex(EOperation::CaptureImage))->click();
    panel.Session().HandOverReply(SimulatedImageReply());
}

// The panel's controls without the empty part of its area, in 256 colours: plenty for a dialog,
// and the files stay small.
bool SaveShot(QWidget& widget, const QDir& folder, const QString& name) {
    constexpr int kMargin = 8;
    const QRect controls = widget.childrenRect()
                               .adjusted(-kMargin, -kMargin, kMargin, kMargin)
                               .intersected(widget.rect());
    const QImage image = widget.grab(controls).toImage().convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG", 9)) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "morvane-help-shots: cannot write %s\n", qPrintable(path));
    return false;
}

// The three panels of a main window made while the language's texts are installed.
bool TakeShots(const QDir& folder, ELanguage language) {
    const CLanguageTranslators translators(language);
    const QString suffix = language == ELanguage::English ? QStringLiteral("-en") : QString();
    CMainFrame frame;
    CMorvaneView& view = frame.View();
    view.ShowStartPanel();
    ShowCapturedImage(view.TestPanel());
    frame.resize(frame.FittedSize());
    frame.show();
    const struct {
        QAction* action;
        int panel;
        const char* name;
    } shots[] = {{frame.ModuleTestAction(), kPanelTest, "test-panel"},
                 {frame.CommSettingsAction(), kPanelSettings, "settings-panel"},
                 {frame.ProgramDownloadAction(), kPanelDownload, "download-panel"}};
    bool written = true;
    for (const auto& shot : shots) {
        shot.action->trigger();
        QApplication::processEvents();
        const QString file = QLatin1String(shot.name) + suffix + QStringLiteral(".png");
        written = SaveShot(*view.PanelWidget(shot.panel), folder, file) && written;
    }
    return written;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane-help-shots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The user's own remembered places play no part in the pictures.
    QTemporaryDir profile;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
    CSilentPrompts prompts;
    SetPrompts(&prompts);
    CMorvaneApp::SetApplicationIdentity();
    bool written = TakeShots(folder, ELanguage::Chinese);
    written = TakeShots(folder, ELanguage::English) && written;
    SetPrompts(nullptr);
    return written ? 0 : 1;
}
