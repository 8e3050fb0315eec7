#include "module_test_widgets.h"

#include "finger_image_button.h"
#include "hex_dump_view.h"
#include "long_captions.h"

#include "panels/module_panel.h"
#include "widgets/cool_button.h"
#include "widgets/dialog_units.h"
#include "widgets/focus_mark.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

QValidator::State CUpperCaseValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

CDisplayField::CDisplayField(bool upperCase, QWidget* parent)
    : QPlainTextEdit(parent), m_bUpperCase(upperCase) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document()->setDocumentMargin(2);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void CDisplayField::SetText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(m_bUpperCase ? shown.toUpper() : shown);
}

void CDisplayField::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    DrawFocusMark(painter, *this, viewport()->rect());
}

namespace {
// The operations' captions are translated with the operations, the other controls' with the
// panel.
const char* ContextOf(const CControlRow& row) {
    return row.kind == EControlKind::Radio ? "COperation" : "CModuleTestDlg";
}

// A caption or name of the layout in the language of the program.
QString Translated(const CControlRow& row, const char* text) {
    return *text ? QCoreApplication::translate(ContextOf(row), text) : QString();
}

// Breaks a caption into lines no wider than `width` pixels: between words where it has spaces
// (an English caption), otherwise between any two characters (a Chinese one).
QString WrapCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    const bool words = caption.contains(QLatin1Char(' '));
    const QStringList pieces = words ? caption.split(QLatin1Char(' ')) : caption.split(QString());
    const QString gap = words ? QStringLiteral(" ") : QString();
    QString wrapped, line;
    for (const QString& piece : pieces) {
        if (piece.isEmpty())
            continue;
        if (!line.isEmpty() && metrics.horizontalAdvance(line + gap + piece) > width) {
            wrapped += line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : gap) + piece;
    }
    return wrapped + line;
}

QString Caption(const CControlRow& row, const QFont& font, const CDialogUnits& units) {
    const QString caption = Translated(row, row.caption);
    if (!(row.style & kStyleWrapCaption))
        return caption;
    return WrapCaption(caption, QFontMetrics(font), units.X(row.width) - 8);
}

QLineEdit* CreateLineEdit(const CControlRow& row, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    if (row.style & kStyleUpperCase)
        edit->setValidator(new CUpperCaseValidator(edit));
    edit->setReadOnly(row.style & kStyleReadOnly);
    if (row.style & kStyleCentred)
        edit->setAlignment(Qt::AlignCenter);
    return edit;
}

// A frame is drawn as dialog frames are: a thin line whose title, if any, sits on the top edge,
// so that the frame's rectangle is the line itself and not the area below its title.
QWidget* CreateFrame(const CControlRow& row, QWidget* parent) {
    const QString caption = Translated(row, row.caption);
    auto* frame = new QGroupBox(caption, parent);
    frame->setFocusPolicy(Qt::NoFocus);
    const int titleHalf = caption.isEmpty() ? 0 : QFontMetrics(parent->font()).height() / 2;
    frame->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); "
                                        "margin-top: %1px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; "
                                        "left: 6px; top: 0px; padding: 0px 2px; }")
                             .arg(titleHalf));
    return frame;
}

// The serial communications control has no look of its own while the program runs; its place
// in the layout is kept by an empty widget that lets the pointer through.
QWidget* CreateSerialPlace(QWidget* parent) {
    auto* place = new QWidget(parent);
    place->setAttribute(Qt::WA_TransparentForMouseEvents);
    place->setFocusPolicy(Qt::NoFocus);
    return place;
}

QWidget* CreateWidget(const CControlRow& row, QWidget* parent, const CDialogUnits& units) {
    const QString caption = Caption(row, parent->font(), units);
    switch (row.kind) {
    case EControlKind::Radio:
        return new QRadioButton(caption, parent);
    case EControlKind::Check:
        return new QCheckBox(caption, parent);
    case EControlKind::LineEdit:
        return CreateLineEdit(row, parent);
    case EControlKind::TextDisplay:
        return new CDisplayField(row.style & kStyleUpperCase, parent);
    case EControlKind::HexDump:
        return new CHexDumpView(parent);
    case EControlKind::PushButton:
        return new QPushButton(caption, parent);
    case EControlKind::CoolButton: {
        auto* button = new CCoolButton(caption, parent);
        button->setDefault(row.style & kStyleDefault);
        return button;
    }
    case EControlKind::Label:
        return new QLabel(caption, parent);
    case EControlKind::Frame:
        return CreateFrame(row, parent);
    case EControlKind::ImageControl:
        return new CFingerImageButton(parent);
    case EControlKind::SerialControl:
        break;
    }
    return CreateSerialPlace(parent);
}

QString ObjectName(const CControlRow& row, int index) {
    if (row.id == ControlId::kNone)
        return QStringLiteral("ctlStatic") + QString::number(index);
    return ControlName(IdNumber(row.id));
}
} // namespace

QWidget* CreateControl(const CControlRow& row, int index, QWidget* parent,
                       const CDialogUnits& units) {
    QWidget* control = CreateWidget(row, parent, units);
    control->setObjectName(ObjectName(row, index));
    control->setGeometry(units.Rect(row.x, row.y, row.width, row.height));
    const QString name = Translated(row, row.accessibleName);
    const QString longCaption = LongCaption(ContextOf(row), row.caption);
    control->setAccessibleName(!name.isEmpty()          ? name
                               : !longCaption.isEmpty() ? longCaption
                                                        : Translated(row, row.caption));
    control->setToolTip(longCaption);
    control->setEnabled(!(row.style & kStyleDisabled));
    control->setVisible(!(row.style & kStyleHidden));
    return control;
}

QString ControlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* field = qobject_cast<const QPlainTextEdit*>(control))
        return field->toPlainText();
    if (auto* dump = qobject_cast<const CHexDumpView*>(control))
        return dump->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return QString();
}

void SetControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* field = dynamic_cast<CDisplayField*>(control))
        field->SetText(text);
    else if (auto* dump = qobject_cast<CHexDumpView*>(control))
        dump->SetDumpText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}
