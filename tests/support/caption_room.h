#pragma once
// Whether each caption fits its control at the control's own font: a button's, label's or
// frame's caption against the room its control draws it in.
#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

// A button's, label's or frame's caption, and the room its control draws it in.
inline QString CaptionAndRoom(QWidget* control, QSize* room) {
    *room = control->contentsRect().size();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        *room -= QSize(16, 0); // the title's indent and padding
        return frame->title();
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button) {
        auto* label = qobject_cast<QLabel*>(control);
        return label ? label->text() : QString();
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto contents = button->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                          : button->inherits("QCheckBox")  ? QStyle::SE_CheckBoxContents
                                                           : QStyle::SE_PushButtonContents;
    *room = button->style()->subElementRect(contents, &option, button).size();
    return button->text();
}

// The visible captions under `panel` that are wider or taller than their room; `checked` counts
// the captions measured.
inline QStringList CutCaptions(const QWidget& panel, Qt::FindChildOptions depth,
                               int* checked = nullptr) {
    QStringList cut;
    for (QWidget* child : panel.findChildren<QWidget*>(QString(), depth)) {
        QSize room;
        const QString caption = CaptionAndRoom(child, &room);
        if (!child->isVisibleTo(&panel) || caption.isEmpty())
            continue;
        const QFontMetrics metrics = child->fontMetrics(); // the lines' own height
        const QSize needed(metrics.size(0, caption).width(),
                           metrics.height() + metrics.lineSpacing() * caption.count('\n'));
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << caption;
        if (checked)
            ++*checked;
    }
    return cut;
}
