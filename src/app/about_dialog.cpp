#include "about_dialog.h"

#include "widgets/dialog_units.h"
#include "widgets/panel_font.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("关于 Morvane"));
    setFont(PanelFont());
    const CDialogUnits du(font());
    setFixedSize(du.Size(235, 55));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(du.Rect(11, 17, 20, 20));

    auto* version = new QLabel(QStringLiteral("Morvane 2.0 版"), this);
    version->setGeometry(du.Rect(40, 10, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("ctl1"));
    ok->setDefault(true);
    ok->setGeometry(du.Rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
