#include "toolbar_images.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

QIcon ToolbarImage(const QString& text) {
    QPixmap image(kToolbarButtonSize);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    // 14 pixels high, smaller where a translated caption would not fit the button otherwise.
    QFont font = painter.font();
    for (int pixels = 14; pixels >= 9; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= image.width() - 4)
            break;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    return QIcon(image);
}
