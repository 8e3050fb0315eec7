#include "toolbar_images.h"

#include <QPainter>
#include <QPixmap>

QIcon ToolbarImage(const QString& text) {
    QPixmap image(kToolbarButtonSize);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    return QIcon(image);
}
