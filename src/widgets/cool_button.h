#pragma once
// CCoolButton: the panels' flat push button. No frame while the pointer is elsewhere, a raised
// one-pixel frame while it is over the button, a sunken frame with the caption shifted while
// pressed, and an engraved caption when disabled. Clicks are ordinary button clicks.
#include <QPushButton>

class CCoolButton : public QPushButton {
    Q_OBJECT
public:
    explicit CCoolButton(const QString& caption = QString(), QWidget* parent = nullptr);
};
