#include "dialog_units.h"

#include <QFontMetrics>

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;
} // namespace

// The character width is the mean advance of the 52 Latin letters, rounded, as dialog base
// units are measured. The font's own average width would not do: a CJK font counts its
// full-width glyphs in it (WenQuanYi Micro Hei at 9 points gives 8 pixels against 7 for the
// letters), which would stretch every layout sideways.
CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    m_nCharWidth = std::max(1, (letters / (kAlphabetLength / 2) + 1) / 2);
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
