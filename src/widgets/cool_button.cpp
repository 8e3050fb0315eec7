#include "cool_button.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kContentInset = 2;
constexpr int kFocusInset = 2;
} // namespace

CCoolButton::CCoolButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
    // Moves without a button held arrive too, so coming back onto the button shows it at once.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CCoolButton::ELook CCoolButton::Look() const {
    // isDown() is the button's own pushed state: a press inside, or the space bar held.
    if ((m_bPressed && m_bHot) || isDown())
        return ELook::Pressed;
    return m_bHot ? ELook::Hover : ELook::Normal;
}

void CCoolButton::SetHot(bool hot) {
    if (m_bHot == hot)
        return;
    m_bHot = hot;
    update();
}

void CCoolButton::SetPressed(bool pressed) {
    if (m_bPressed == pressed)
        return;
    m_bPressed = pressed;
    update();
}

void CCoolButton::enterEvent(QEnterEvent* event) {
    if (isEnabled())
        SetHot(true);
    QPushButton::enterEvent(event);
}

void CCoolButton::leaveEvent(QEvent* event) {
    // While the left button is held after a press here, the button stays hot until the release.
    if (!m_bPressed && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        SetHot(false);
    QPushButton::leaveEvent(event);
}

void CCoolButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    if (inside) {
        SetHot(true);
        if (leftHeld)
            SetPressed(true);
    } else if (leftHeld) {
        SetPressed(false);
    } else {
        SetHot(false);
    }
    QPushButton::mouseMoveEvent(event);
}

void CCoolButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bPressed = true;
        m_bHot = true;
        update();
    }
    QPushButton::mousePressEvent(event);
}

void CCoolButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bPressed = false;
        m_bHot = false;
        update();
    }
    // The click, if the release was over the button; its handler may run a modal box.
    QPushButton::mouseReleaseEvent(event);
}

void CCoolButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_bPressed = false;
        m_bHot = false;
        update();
    }
    QPushButton::changeEvent(event);
}

void CCoolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect whole = rect();
    painter.fillRect(whole, palette().color(QPalette::Button));
    if (hasFocus())
        DrawFocus(painter, whole.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));

    QRect captionArea =
        whole.adjusted(kContentInset, kContentInset, -kContentInset, -kContentInset);
    const QColor highlight = palette().color(QPalette::Light);
    const QColor darkShadow = palette().color(QPalette::Shadow);
    switch (Look()) {
    case ELook::Pressed:
        DrawFrame(painter, whole, darkShadow, highlight);
        captionArea.adjust(m_nPressedOffsetX, m_nPressedOffsetY, 0, 0);
        break;
    case ELook::Hover:
        DrawFrame(painter, whole, highlight, darkShadow);
        break;
    case ELook::Normal:
        break;
    }
    DrawContent(painter, captionArea);
}

void CCoolButton::DrawFrame(QPainter& painter, const QRect& rect, const QColor& topLeft,
                            const QColor& bottomRight) {
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    painter.fillRect(QRect(left, top, rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(left, top, 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(left, bottom, rect.width(), 1), bottomRight);
    painter.fillRect(QRect(right, top, 1, rect.height()), bottomRight);
}

void CCoolButton::DrawFocus(QPainter& painter, const QRect& rect) {
    // Every other pixel along the edge, as the system's dotted focus rectangle.
    const QColor dots = palette().color(QPalette::ButtonText);
    painter.save();
    painter.setPen(dots);
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.drawPoint(x, rect.top());
        painter.drawPoint(x, rect.bottom());
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        painter.drawPoint(rect.left(), y);
        painter.drawPoint(rect.right(), y);
    }
    painter.restore();
}

void CCoolButton::DrawContent(QPainter& painter, const QRect& captionArea) {
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(captionArea, flags, text());
    } else {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(captionArea.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(captionArea, flags, text());
    }
    painter.restore();
}
