#include "window_places.h"

#include <QMainWindow>
#include <QSettings>

namespace {
const char* const kGroup = "Window";
const char* const kGeometryKey = "RestoredGeometry";
const char* const kStateKey = "State";

QVariant WindowValue(const char* key) {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    return profile.value(QLatin1String(key));
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

QRect RememberedWindowGeometry() {
    return WindowValue(kGeometryKey).toRect();
}

QByteArray RememberedWindowState() {
    return WindowValue(kStateKey).toByteArray();
}

void RememberWindowPlaces(const QMainWindow& window) {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    profile.setValue(QLatin1String(kGeometryKey), window.normalGeometry());
    profile.setValue(QLatin1String(kStateKey), window.saveState());
}
