#pragma once
// The focus mark of the controls that paint themselves (the fingerprint image, the reply dump,
// the log): the style's focus rectangle, so that the keyboard's place is seen on them as on the
// standard controls.
class QPainter;
class QRect;
class QWidget;

// Draws the mark inside `rect` while `widget` has the focus; nothing otherwise.
void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& rect);
