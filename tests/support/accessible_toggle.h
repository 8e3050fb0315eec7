#pragma once
// What an assistive technology does to a check box, a radio button or a checkable tool button:
// Qt offers such a button only the accessible action "Toggle", which changes its check state
// without a click.
#include <QAccessible>
#include <QWidget>

// Runs the widget's accessible "Toggle" action; false when the widget offers none.
inline bool AccessibleToggle(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QAccessibleActionInterface* actions = face ? face->actionInterface() : nullptr;
    const QString toggle = QAccessibleActionInterface::toggleAction();
    if (!actions || !actions->actionNames().contains(toggle))
        return false;
    actions->doAction(toggle);
    return true;
}
