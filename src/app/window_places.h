#pragma once
// What the main window keeps from one run to the next in the user's configuration file: its
// restored (not maximized) geometry and the state of its toolbar and docks, which holds the log
// window's place and size. The port and rate are not kept.
#include <QByteArray>
#include <QMargins>
#include <QObject>
#include <QRect>

class QMainWindow;

// The window size that shows a panel of `panel` pixels whole under `chrome` (what the menu,
// toolbar and status bar add), bounded by `available`. Where the height is cut, the width takes
// the vertical scroll bar (`scrollBar` pixels) too, so that no horizontal one is needed.
QSize FittedWindowSize(const QSize& chrome, const QSize& panel, int scrollBar,
                       const QSize& available);
// The geometry to restore to: the remembered one where it lies on `available` (cut to it),
// otherwise `fitted` centred on it.
QRect RestoredGeometry(const QRect& remembered, const QSize& fitted, const QRect& available);
// The window's geometry moved, and cut where needed, so that with its `frame` (title bar and
// borders) it lies on `available`.
QRect KeptWithin(const QRect& geometry, const QMargins& frame, const QRect& available);

// Follows the window's restored geometry while it runs, gives it back whenever the window leaves
// the maximized state (a window manager restores what the window had before it was first shown,
// which is the whole screen where it started maximized), and writes it and the toolbar and dock
// state into the configuration file when the window closes.
class CWindowPlaces : public QObject {
public:
    explicit CWindowPlaces(QMainWindow& window);

    // Before the window is first shown: the toolbar and docks where they were left, and the
    // restored geometry remembered, or `fitted` centred on the screen.
    void Restore(const QSize& fitted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();
    void GiveBack();
    void Remember() const;

    QMainWindow& m_window;
    QRect m_restored;
    bool m_bGivingBack = false; // the window has left the maximized state; the geometry follows
};
