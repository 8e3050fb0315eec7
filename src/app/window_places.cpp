#include "window_places.h"

#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace {
const char* const kGroup = "Window";
const char* const kGeometryKey = "RestoredGeometry";
const char* const kStateKey = "State";
// How long a window manager may take to carry out the end of the maximized state.
constexpr int kGiveBackDelayMs = 300;

QVariant WindowValue(const char* key) {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    return profile.value(QLatin1String(key));
}

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry(), client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

bool IsNormal(const QWidget& window) {
    return !(window.windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}
} // namespace

QSize FittedWindowSize(const QSize& chrome, const QSize& panel, int scrollBar,
                       const QSize& available) {
    QSize fitted = chrome + panel;
    if (fitted.height() > available.height())
        fitted.rwidth() += scrollBar;
    return fitted.boundedTo(available);
}

QRect RestoredGeometry(const QRect& remembered, const QSize& fitted, const QRect& available) {
    const QRect onScreen = remembered.intersected(available);
    if (remembered.isValid() && onScreen.width() >= remembered.width() / 2 &&
        onScreen.height() >= remembered.height() / 2)
        return onScreen;
    QRect centred(QPoint(), fitted.boundedTo(available.size()));
    centred.moveCenter(available.center());
    return centred;
}

QRect KeptWithin(const QRect& geometry, const QMargins& frame, const QRect& available) {
    const QRect inside = available.marginsRemoved(frame);
    QRect kept(geometry.topLeft(), geometry.size().boundedTo(inside.size()));
    kept.moveLeft(qBound(inside.left(), kept.left(), inside.right() + 1 - kept.width()));
    kept.moveTop(qBound(inside.top(), kept.top(), inside.bottom() + 1 - kept.height()));
    return kept;
}

CWindowPlaces::CWindowPlaces(QMainWindow& window) : QObject(&window), m_window(window) {
    window.installEventFilter(this);
}

void CWindowPlaces::Restore(const QSize& fitted) {
    m_window.restoreState(WindowValue(kStateKey).toByteArray());
    if (const QScreen* screen = m_window.screen())
        m_restored = RestoredGeometry(WindowValue(kGeometryKey).toRect(), fitted,
                                      screen->availableGeometry());
    m_window.setGeometry(m_restored);
}

bool CWindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        Follow();
        break;
    case QEvent::WindowStateChange:
        if ((static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMaximized) &&
            IsNormal(m_window)) {
            m_bGivingBack = true;
            QTimer::singleShot(kGiveBackDelayMs, this, &CWindowPlaces::GiveBack);
        }
        break;
    case QEvent::Close:
        Remember();
        break;
    default:
        break;
    }
    return false;
}

// A normal window that the user moves or resizes; not one that covers the whole screen, which
// is maximized in all but name.
void CWindowPlaces::Follow() {
    const QScreen* screen = m_window.screen();
    if (m_bGivingBack || !m_window.isVisible() || !IsNormal(m_window) || !screen ||
        m_window.frameGeometry().contains(screen->availableGeometry()))
        return;
    m_restored = m_window.geometry();
}

void CWindowPlaces::GiveBack() {
    m_bGivingBack = false;
    const QScreen* screen = m_window.screen();
    if (!IsNormal(m_window) || !screen || !m_restored.isValid())
        return;
    m_restored = KeptWithin(m_restored, FrameMargins(m_window), screen->availableGeometry());
    m_window.setGeometry(m_restored);
}

void CWindowPlaces::Remember() const {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    if (m_restored.isValid())
        profile.setValue(QLatin1String(kGeometryKey), m_restored);
    profile.setValue(QLatin1String(kStateKey), m_window.saveState());
}
