#pragma once
// The 9-point dialog font of the panels, the view's form and the about box. The layouts were
// drawn for "宋体"; where it is missing, an installed CJK font takes its place, so that the
// Chinese captions are drawn with their own glyphs and measured with their own widths.
#include <QFont>
#include <QStringList>

constexpr int kPanelFontPointSize = 9;

// The first family of "宋体", "SimSun", "NSimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC"
// that `installed` holds (compared without case and without a "[foundry]" suffix), in the
// spelling `installed` gives it; `fallback` when none is there.
QString PanelFontFamily(const QStringList& installed, const QString& fallback);

// The panel font with the family chosen from the fonts the system has, else the application's
// default family.
QFont PanelFont();
