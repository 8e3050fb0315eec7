#include "help_window.h"

#include <QDialogButtonBox>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_pBrowser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Morvane 使用说明"));
    setModal(false);
    m_pBrowser->setOpenExternalLinks(true);
    m_pBrowser->setSource(GuideUrl());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pBrowser, 1);
    column->addWidget(buttons);
    // Wide enough for the pictures of the panels, and within a 1366 x 768 screen with its
    // title bar and task bar.
    QSize size(960, 600);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    m_pBrowser->setFocus(); // the keys scroll and follow the links of the guide
}

QUrl CHelpWindow::GuideUrl() {
    // The guide in the program's language: its file name is translated with the other texts.
    return QUrl(QStringLiteral("qrc:/morvane/help/") +
                tr("guide.html", "file name of the user guide in this language"));
}
