#include "console/finger_image_button.h"
#include "console/image_decoder.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <vector>

namespace {

// The widget as it appears on screen.
QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb Grey(int v) {
    return qRgb(v, v, v);
}

// Every pixel of the rectangle has the colour.
bool AllPixels(const QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}

} // namespace

class TestFingerImageButton : public QObject {
    Q_OBJECT
private slots:
    void paletteIsALinearGreyRamp() {
        const QVector<QRgb>& palette = GreyPalette();
        QCOMPARE(palette.size(), 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(palette[i], Grey(i));
    }

    // Rows of the display width follow each other directly; row 0 becomes the last line.
    void canvasToImage_data() {
        QTest::addColumn<int>("side");
        QTest::newRow("304") << 304;
        QTest::newRow("152") << 152;
        QTest::newRow("240") << 240;
    }
    void canvasToImage() {
        QFETCH(int, side);
        std::vector<uint8_t> canvas(kCanvasSize, 0xEE); // beyond the layout: not shown
        for (int row = 0; row < side; ++row)
            for (int col = 0; col < side; ++col)
                canvas[row * side + col] = uint8_t((row * 3 + col) & 0xFF);
        const QImage image = CanvasToImage(canvas.data(), side, side);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(image.colorTable(), GreyPalette());
        for (int row = 0; row < side; ++row)
            for (int col = 0; col < side; ++col)
                QCOMPARE(image.pixelIndex(col, side - 1 - row), (row * 3 + col) & 0xFF);
    }

    void noPixelsGiveNoImage() {
        QVERIFY(CanvasToImage(nullptr, 304, 304).isNull());
        const uint8_t pixel = 0;
        QVERIFY(CanvasToImage(&pixel, 0, 0).isNull());
    }

    void setImageKeepsThePixels() {
        CFingerImageButton button;
        QCOMPARE(button.Pixels(), static_cast<const uint8_t*>(nullptr));
        button.SetImage(g_ImageCanvas, 152, 152);
        QCOMPARE(button.Pixels(), static_cast<const uint8_t*>(g_ImageCanvas));
        QCOMPARE(button.ImageWidth(), 152);
        QCOMPARE(button.ImageHeight(), 152);
    }

    // Before the first image the control paints nothing: only its window background shows,
    // no button frame and no caption.
    void drawsNothingBeforeTheFirstImage() {
        CFingerImageButton button;
        button.setText(QStringLiteral("图像"));
        QPalette palette = button.palette();
        palette.setColor(QPalette::Window, QColor(200, 0, 0));
        palette.setColor(QPalette::Button, QColor(0, 0, 200));
        palette.setColor(QPalette::ButtonText, QColor(0, 200, 0));
        button.setPalette(palette);
        button.resize(120, 90);
        const QImage shot = Grab(button);
        QVERIFY(AllPixels(shot, shot.rect(), qRgb(200, 0, 0)));
    }

    // Canvas row 0 along the bottom edge, stretched over the whole control.
    void drawsRowZeroAtTheBottom() {
        const uint8_t canvas[4] = {10, 20,  // row 0: bottom
                                   30, 40}; // row 1: top
        CFingerImageButton button;
        button.setText(QStringLiteral("图像"));
        button.resize(100, 80);
        button.SetImage(canvas, 2, 2);
        const QImage shot = Grab(button);
        QCOMPARE(shot.size(), QSize(100, 80));
        QVERIFY(AllPixels(shot, QRect(0, 0, 50, 40), Grey(30)));
        QVERIFY(AllPixels(shot, QRect(50, 0, 50, 40), Grey(40)));
        QVERIFY(AllPixels(shot, QRect(0, 40, 50, 40), Grey(10)));
        QVERIFY(AllPixels(shot, QRect(50, 40, 50, 40), Grey(20)));
    }

    void drawsADecodedCanvasWithoutCaptionOrFrame() {
        std::vector<uint8_t> canvas(kCanvasSize, 0);
        for (int col = 0; col < 152; ++col)
            canvas[col] = 0xF0; // the first row of a half-resolution image
        CFingerImageButton button;
        button.setText(QStringLiteral("图像"));
        button.resize(152, 152);
        button.SetImage(canvas.data(), 152, 152);
        const QImage shot = Grab(button);
        QVERIFY(AllPixels(shot, QRect(0, 151, 152, 1), Grey(0xF0)));
        QVERIFY(AllPixels(shot, QRect(0, 0, 152, 151), Grey(0)));
    }
};

QTEST_MAIN(TestFingerImageButton)
#include "test_finger_image_button.moc"
