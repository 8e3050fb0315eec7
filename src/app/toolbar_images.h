#pragma once
// The toolbar's button images: black characters on light grey, 66 x 22 pixels each.
#include <QIcon>
#include <QSize>

inline constexpr QSize kToolbarButtonSize(66, 22);

QIcon ToolbarImage(const QString& text);
