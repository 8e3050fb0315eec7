#include "help_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_pBrowser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Morvane 使用说明"));
    setModal(false);
    m_pBrowser->setOpenExternalLinks(true);
    m_pBrowser->setSource(GuideUrl());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pBrowser, 1);
    column->addWidget(buttons);
    resize(820, 640);
}

QUrl CHelpWindow::GuideUrl() {
    return QUrl(QStringLiteral("qrc:/morvane/help/guide.html"));
}
