#pragma once
// "使用说明": the user guide shipped inside the program (Qt resources under :/morvane/help), shown
// in a text browser of its own window beside the main window, with its pictures of the panels.
#include <QDialog>

class QTextBrowser;

class CHelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    QTextBrowser& Browser() const { return *m_pBrowser; }
    static QUrl GuideUrl();

private:
    QTextBrowser* m_pBrowser;
};
