#pragma once
// The fingerprint image control: a push button that draws the decoded canvas stretched over its
// whole area through an 8-bit grey palette, canvas row 0 along the bottom edge (a bottom-up
// bitmap). It paints neither a frame nor a caption, and nothing before the first image.
#include <QImage>
#include <QPushButton>
#include <cstdint>

// The grey palette: entry i is red i, green i, blue i.
const QVector<QRgb>& GreyPalette();

// The pixels (rows of `width` bytes, `height` rows) as an 8-bit indexed image with the grey
// palette, mirrored vertically so that pixel row 0 is the image's last line. Null for no pixels.
QImage CanvasToImage(const uint8_t* pixels, int width, int height);

class CFingerImageButton : public QPushButton {
    Q_OBJECT
public:
    explicit CFingerImageButton(QWidget* parent = nullptr);

    // Points the control at the pixels to draw (not owned) and asks for a repaint.
    void SetImage(const uint8_t* pixels, int width, int height);

    const uint8_t* Pixels() const { return m_pPixels; }
    int ImageWidth() const { return m_nImageWidth; }
    int ImageHeight() const { return m_nImageHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const uint8_t* m_pPixels = nullptr;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
};
