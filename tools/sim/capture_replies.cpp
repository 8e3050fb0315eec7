// Captures of the finger on the sensor: its feature value (0x23) and its image (0x24).
#include "fingerprint_image.h"
#include "module_commands.h"
#include "reply_handlers.h"
#include "sim_packets.h"

namespace sim {

namespace {
constexpr uint8_t kFullResolution = 0x20;
} // namespace

QByteArray OnCaptureFeature(CModuleState& state, const CRequest& request) {
    return FeatureReply(request.command, 0, 0, state.SensorFinger());
}

// p3 0x20 asks for the full-resolution image (result 0x20, one byte per pixel); anything else
// for the half-resolution one (result 0x00, 4 bits per pixel). The length field is W x H / 8
// either way. The small 80 x 80 sensor always sends its 6400 pixels at one byte each.
QByteArray OnCaptureImage(CModuleState& state, const CRequest& request) {
    const CImageSize size = state.ImageSize();
    const bool full = request.p3 == kFullResolution;
    const QByteArray pixels = DrawFingerprint(size, state.SensorVariant());
    const QByteArray payload =
        (full || IsSmallSensor(size)) ? pixels : PackHalfResolution(pixels, size);
    return ReplyWithData(request.command, uint16_t(ImageLengthField(size)),
                         full ? rc::kFullImage : rc::kOk, payload);
}

} // namespace sim
