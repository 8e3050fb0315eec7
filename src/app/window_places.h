#pragma once
// What the main window keeps from one run to the next in the user's configuration file: its
// restored (not maximized) geometry and the state of its toolbar and docks, which holds the log
// window's place and size. The port and rate are not kept.
#include <QByteArray>
#include <QMargins>
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

// The remembered restored geometry (invalid when none) and toolbar and dock state.
QRect RememberedWindowGeometry();
QByteArray RememberedWindowState();
void RememberWindowPlaces(const QMainWindow& window);
