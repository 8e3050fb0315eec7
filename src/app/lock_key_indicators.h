#pragma once
// The status bar's caps, num and scroll lock panes ("大写", "数字", "滚动"): each is lit while its
// lock is on. Qt reports no lock state, so the panes follow the lock keys as they are pressed.
#include <QObject>

class QLabel;
class QStatusBar;

class CLockKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit CLockKeyIndicators(QStatusBar* bar);
    bool IsLit(int key) const; // Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock
    void Toggle(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* LabelOf(int key) const;
    QLabel* m_pCaps;
    QLabel* m_pNum;
    QLabel* m_pScroll;
};
