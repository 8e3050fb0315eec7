#pragma once
// Dialog units to pixels: horizontal units are a quarter of the mean width of the font's Latin
// letters, vertical units an eighth of its height, as dialog layouts are drawn.
#include <QFont>
#include <QRect>

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    int m_nCharWidth;
    int m_nCharHeight;
};
