#include "dialog_units.h"

#include <QFontMetrics>

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    m_nCharWidth = std::max(1, metrics.averageCharWidth());
    m_nCharHeight = std::max(1, metrics.height());
}

int CDialogUnits::X(int units) const {
    return (units * m_nCharWidth + 2) / 4;
}

int CDialogUnits::Y(int units) const {
    return (units * m_nCharHeight + 4) / 8;
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize CDialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}
