#pragma once
// A panel's controls found by id (object name ctl<id>) and worked as the user works them: clicks
// where the user clicks, typing over a field's text, and toggles as assistive technology does.
#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

class CPanelControls {
public:
    // Only the address of `panel` is kept, so a driver may pass a member not built yet.
    explicit CPanelControls(QWidget& panel) : m_panel(panel) {}

    // The control; stops the test when the panel has none with this id.
    QWidget* Control(int id) const;
    QAbstractButton* Button(int id) const;
    QLineEdit* Edit(int id) const;
    bool Enabled(int id) const;

    // A click with the mouse where the user would click (on the indicator of a check box or radio
    // button); hidden buttons, which no user can reach, are clicked the only way they can be.
    void Click(int id) const;
    // Toggles a check box or radio button as an assistive technology does, without a click.
    void Toggle(int id) const;
    // Replaces the field's text by typing, as the user would after selecting all of it.
    void Type(int id, const QString& text) const;

private:
    QWidget& m_panel;
};
