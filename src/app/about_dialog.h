#pragma once
// The about box: the program icon, "Morvane 2.0 版" (the build's version) and "确定", and below
// them what a bug report needs: the git revision of the build, the Qt version it runs on and the
// licence.
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
