// What the cool button paints in each look: frame colours, caption position, focus rectangle and
// the engraved caption, read from grabbed images.
#define QTEST_QPA_MOUSE_HANDLING
#include "widgets/cool_button.h"

#include <QImage>
#include <QTest>

using ELook = CCoolButton::ELook;

namespace {
constexpr int kWidth = 120;
constexpr int kHeight = 40;

// The rectangle covering every pixel of the interior (frame excluded) that differs from face.
QRect InkBounds(const QImage& image, QRgb face) {
    QRect bounds;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (image.pixel(x, y) != face)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}
} // namespace

class TestCoolButtonDrawing : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_pWindow = std::make_unique<QWidget>();
        m_pWindow->resize(300, 160);
        m_pButton = new CCoolButton(QStringLiteral("发送命令"), m_pWindow.get());
        m_pButton->setGeometry(90, 60, kWidth, kHeight);
        m_pWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pWindow.get()));
        m_pWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pWindow.get()));
        QTest::mouseMove(m_pWindow.get(), QPoint(20, 20));
        m_pButton->clearFocus();
    }
    void cleanup() {
        QTest::mouseRelease(m_pWindow.get(), Qt::LeftButton, {}, QPoint(20, 20));
        m_pWindow.reset();
    }

    void frameColours_data() {
        QTest::addColumn<int>("look");
        QTest::addColumn<int>("topLeftRole");
        QTest::addColumn<int>("bottomRightRole");
        QTest::newRow("normal: no frame")
            << int(ELook::Normal) << int(QPalette::Button) << int(QPalette::Button);
        QTest::newRow("hover: raised")
            << int(ELook::Hover) << int(QPalette::Light) << int(QPalette::Shadow);
        QTest::newRow("pressed: sunken")
            << int(ELook::Pressed) << int(QPalette::Shadow) << int(QPalette::Light);
    }
    void frameColours() {
        QFETCH(int, look);
        QFETCH(int, topLeftRole);
        QFETCH(int, bottomRightRole);
        Reach(ELook(look));
        QCOMPARE(int(m_pButton->Look()), look);
        const QImage image = m_pButton->grab().toImage();
        const QPalette& palette = m_pButton->palette();
        const QRgb topLeft = palette.color(QPalette::ColorRole(topLeftRole)).rgb();
        const QRgb bottomRight = palette.color(QPalette::ColorRole(bottomRightRole)).rgb();
        QCOMPARE(image.pixel(kWidth / 2, 0), topLeft);
        QCOMPARE(image.pixel(0, kHeight / 2), topLeft);
        QCOMPARE(image.pixel(0, 0), topLeft);
        QCOMPARE(image.pixel(kWidth / 2, kHeight - 1), bottomRight);
        QCOMPARE(image.pixel(kWidth - 1, kHeight / 2), bottomRight);
        QCOMPARE(image.pixel(kWidth - 1, kHeight - 1), bottomRight);
        // One pixel wide: the next ring in is face again.
        const QRgb face = palette.color(QPalette::Button).rgb();
        QCOMPARE(image.pixel(kWidth / 2, 1), face);
        QCOMPARE(image.pixel(kWidth - 2, kHeight / 2), face);
    }

    void pressedCaptionMovesOnePixelRightAndDown() {
        const QRgb face = m_pButton->palette().color(QPalette::Button).rgb();
        const QRect normal = InkBounds(m_pButton->grab().toImage(), face);
        QVERIFY(!normal.isEmpty());
        m_pButton->setFocusPolicy(Qt::NoFocus); // only the caption differs from face inside
        Reach(ELook::Pressed);
        const QRect pressed = InkBounds(m_pButton->grab().toImage(), face);
        QCOMPARE(pressed, normal.translated(1, 1));
    }

    void hoverLeavesTheCaptionInPlace() {
        const QRgb face = m_pButton->palette().color(QPalette::Button).rgb();
        const QRect normal = InkBounds(m_pButton->grab().toImage(), face);
        Reach(ELook::Hover);
        QCOMPARE(InkBounds(m_pButton->grab().toImage(), face), normal);
    }

    void focusRectangleTwoPixelsInside_data() {
        QTest::addColumn<int>("look");
        QTest::newRow("normal") << int(ELook::Normal);
        QTest::newRow("hover") << int(ELook::Hover);
        QTest::newRow("pressed") << int(ELook::Pressed);
    }
    void focusRectangleTwoPixelsInside() {
        QFETCH(int, look);
        Reach(ELook(look));
        m_pButton->setFocus();
        QVERIFY(m_pButton->hasFocus());
        QCOMPARE(int(m_pButton->Look()), look);
        const QImage image = m_pButton->grab().toImage();
        const QPalette& palette = m_pButton->palette();
        const QRgb face = palette.color(QPalette::Button).rgb();
        const QRgb dot = palette.color(QPalette::ButtonText).rgb();
        // Dotted along the ring at inset 2, in the corner stretch left of the caption.
        for (int x = 2; x < 20; ++x) {
            QCOMPARE(image.pixel(x, 2), (x % 2 == 0) ? dot : face);
            QCOMPARE(image.pixel(x, 1), face);
            QCOMPARE(image.pixel(x, 3), face);
        }
        for (int y = 2; y < kHeight - 3; ++y)
            QCOMPARE(image.pixel(2, y), (y % 2 == 0) ? dot : face);
        QCOMPARE(image.pixel(kWidth - 3, 2), dot);
        QVERIFY(image.pixel(kWidth - 3, kHeight - 3) == dot ||
                image.pixel(kWidth - 4, kHeight - 3) == dot);
    }

    void noFocusRectangleWithoutFocus() {
        m_pButton->clearFocus();
        const QImage image = m_pButton->grab().toImage();
        const QRgb face = m_pButton->palette().color(QPalette::Button).rgb();
        QCOMPARE(CountPixels(image, QRect(2, 2, 18, 1), face), 18);
    }

    void disabledCaptionIsEngraved() {
        const QPalette& palette = m_pButton->palette();
        const QRgb highlight = palette.color(QPalette::Light).rgb();
        const QRgb gray = palette.color(QPalette::Disabled, QPalette::ButtonText).rgb();
        const QRect interior(1, 1, kWidth - 2, kHeight - 2);
        const QImage enabled = m_pButton->grab().toImage();
        QCOMPARE(CountPixels(enabled, interior, highlight), 0);

        m_pButton->setEnabled(false);
        const QImage disabled = m_pButton->grab().toImage();
        QVERIFY(CountPixels(disabled, interior, highlight) > 0);
        QVERIFY(CountPixels(disabled, interior, gray) > 0);
        // The highlight copy sits one pixel right and down of the gray one.
        const QRgb face = palette.color(QPalette::Button).rgb();
        const QRect ink = InkBounds(disabled, face);
        const QRect enabledInk = InkBounds(enabled, face);
        QCOMPARE(ink.topLeft(), enabledInk.topLeft());
        QCOMPARE(ink.bottomRight(), enabledInk.bottomRight() + QPoint(1, 1));
    }

private:
    // Brings the button into the look with real pointer input.
    void Reach(ELook look) {
        const QPoint inside = m_pButton->rect().center();
        if (look == ELook::Normal)
            return;
        QTest::mouseMove(m_pButton, inside);
        if (look == ELook::Pressed)
            QTest::mousePress(m_pButton, Qt::LeftButton, {}, inside);
    }

    std::unique_ptr<QWidget> m_pWindow;
    CCoolButton* m_pButton = nullptr;
};

QTEST_MAIN(TestCoolButtonDrawing)
#include "test_cool_button_drawing.moc"
