#pragma once
// The about box: the program icon, "Morvane 2.0 版" and "确定".
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
