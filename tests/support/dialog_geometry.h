#pragma once
// The pixels a dialog-unit rectangle must take, worked out here on their own from the font's
// measured mean Latin letter width, rounded to a pixel (4 horizontal units), and its height
// (8 vertical units), so that the layout tests do not repeat the program's own conversion.
#include <QFontMetrics>
#include <QRect>

inline QRect ExpectedPixels(const QFont& font, const QRect& units) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double unitWidth = qRound(metrics.horizontalAdvance(letters) / 52.0) / 4.0;
    const double unitHeight = metrics.height() / 8.0;
    return QRect(qRound(units.x() * unitWidth), qRound(units.y() * unitHeight),
                 qRound(units.width() * unitWidth), qRound(units.height() * unitHeight));
}
