#include "cool_button.h"

CCoolButton::CCoolButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
}
