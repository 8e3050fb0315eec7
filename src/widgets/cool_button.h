#pragma once
// CCoolButton: the panels' flat push button. No frame while the pointer is elsewhere, a raised
// one-pixel frame while it is over the button, a sunken frame with the caption shifted while
// pressed, and an engraved caption when disabled. Clicks are ordinary button clicks.
//
// The pointer is followed through enter, leave, press, release and move events; the button never
// grabs the mouse, so a message box raised from a click stays fully usable.
#include <QPushButton>

class CCoolButton : public QPushButton {
    Q_OBJECT
public:
    enum class ELook { Normal, Hover, Pressed };

    explicit CCoolButton(const QString& caption = QString(), QWidget* parent = nullptr);

    // The frame the button shows now: none, raised or sunken.
    ELook Look() const;
    bool IsHot() const { return m_bHot; }
    bool IsPressed() const { return m_bPressed; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The dotted focus rectangle on the given rectangle.
    virtual void DrawFocus(QPainter& painter, const QRect& rect);
    // The caption, single line, centred in the caption area; engraved when disabled.
    virtual void DrawContent(QPainter& painter, const QRect& captionArea);

private:
    void DrawFrame(QPainter& painter, const QRect& rect, const QColor& topLeft,
                   const QColor& bottomRight);
    void SetHot(bool hot);
    void SetPressed(bool pressed);

    bool m_bPressed = false; // the left button went down here and the pointer is over the button
    bool m_bHot = false;     // the pointer is over the button (or the left button went down here)
    int m_nPressedOffsetX = 2;
    int m_nPressedOffsetY = 2;
};
