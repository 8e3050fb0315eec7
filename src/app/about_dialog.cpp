#include "about_dialog.h"

#include "version/build_version.h"
#include "widgets/dialog_units.h"
#include "widgets/panel_font.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {
// One line of the box at `y` dialog units, wide enough for the longest revision text; its text
// can be selected and copied into a bug report.
QLabel* AddLine(QDialog* dialog, const CDialogUnits& du, const char* name, const QString& text,
                int y) {
    auto* label = new QLabel(text, dialog);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setGeometry(du.Rect(40, y, 188, 8));
    return label;
}
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("关于 Morvane"));
    setFont(PanelFont());
    const CDialogUnits du(font());
    setFixedSize(du.Size(235, 70));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(du.Rect(11, 17, 20, 20));

    auto* version = new QLabel(tr("Morvane %1 版").arg(QLatin1String(BuildVersion())), this);
    version->setObjectName(QStringLiteral("version"));
    version->setGeometry(du.Rect(40, 10, 119, 8));

    // No revision: built from a source archive rather than a git checkout.
    const QString revision = *BuildRevision() ? QString::fromLatin1(BuildRevision()) : tr("无");
    AddLine(this, du, "revision", tr("Git 修订：%1").arg(revision), 26);
    AddLine(this, du, "qt", tr("Qt 版本：%1").arg(QLatin1String(qVersion())), 36);
    // As the package's copyright file says (packaging/debian/copyright).
    AddLine(this, du, "licence", tr("许可：专有软件，保留所有权利"), 46);
    AddLine(this, du, "copyright", tr("版权所有 © 2026 Morvane 维护者"), 56);

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("ctl1"));
    ok->setDefault(true);
    ok->setGeometry(du.Rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
