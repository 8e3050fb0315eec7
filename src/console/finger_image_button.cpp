#include "finger_image_button.h"

#include "widgets/focus_mark.h"

#include <QPainter>
#include <cstring>

const QVector<QRgb>& GreyPalette() {
    static const QVector<QRgb> palette = [] {
        QVector<QRgb> ramp(256);
        for (int i = 0; i < 256; ++i)
            ramp[i] = qRgb(i, i, i);
        return ramp;
    }();
    return palette;
}

QImage CanvasToImage(const uint8_t* pixels, int width, int height) {
    if (pixels == nullptr || width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(GreyPalette());
    // The canvas is a bottom-up bitmap: its first row is the bottom line of the picture.
    for (int row = 0; row < height; ++row)
        std::memcpy(image.scanLine(height - 1 - row), pixels + row * width, width);
    return image;
}

CFingerImageButton::CFingerImageButton(QWidget* parent) : QPushButton(parent) {}

void CFingerImageButton::SetImage(const uint8_t* pixels, int width, int height) {
    m_pPixels = pixels;
    m_nImageWidth = width;
    m_nImageHeight = height;
    update();
}

void CFingerImageButton::paintEvent(QPaintEvent*) {
    const QImage image = CanvasToImage(m_pPixels, m_nImageWidth, m_nImageHeight);
    QPainter painter(this);
    // A plain stretch: no smoothing, no kept aspect ratio; the square always fills the control.
    if (!image.isNull())
        painter.drawImage(rect(), image);
    DrawFocusMark(painter, *this, rect());
}
