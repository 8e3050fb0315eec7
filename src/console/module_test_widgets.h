#pragma once
// The widgets behind the test panel's control table: one factory from a control row, the
// upper-case rule of the parameter and display fields, and text access that works for every
// kind of field.
#include "module_test_layout.h"

#include <QPlainTextEdit>
#include <QValidator>

class CDialogUnits;

// Turns whatever is typed or written into a one-line field into upper case.
class CUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// A multi-line, read-only field with a vertical scroll bar. Line breaks may be written as CR LF,
// as the reply texts carry them.
class CDisplayField : public QPlainTextEdit {
public:
    CDisplayField(bool upperCase, QWidget* parent);
    void SetText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override; // the text, and the focus mark over it

private:
    bool m_bUpperCase;
};

// Creates the widget of a row at its position, in its initial state, named "ctl" + id.
// `index` numbers the labels and frames without an id ("ctlStatic<index>").
QWidget* CreateControl(const CControlRow& row, int index, QWidget* parent,
                       const CDialogUnits& units);

// The text of a field, label or button, and the way to write it.
QString ControlText(const QWidget* control);
void SetControlText(QWidget* control, const QString& text);
