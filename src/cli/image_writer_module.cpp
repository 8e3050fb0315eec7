// morvane-cli-image: morvane-cli's image writer, a library of its own that the program loads only
// when it saves an image (image_saver.h). Qt Gui and the libraries behind it take longer to load
// than a short command takes on the line, so every other command starts without them.
#include "console/image_decoder.h"
#include "console/image_file.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The image of the reply as the window saves it: decoded into a canvas of its own, the image's
// own pixels, turned as the image control shows them. `failure` gets "" or the message.
extern "C" Q_DECL_EXPORT void MorvaneSaveImageReply(const QString& path, const QByteArray& reply,
                                                    QString* failure) {
    std::vector<uint8_t> canvas(kCanvasSize);
    const CImageDisplay display =
        DecodeImageReply(reinterpret_cast<const uint8_t*>(reply.constData()),
                         static_cast<int>(reply.size()), canvas.data());
    *failure = SaveImageFile(path, RegionImage(canvas.data(), display.image));
}
