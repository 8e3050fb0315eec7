// The module's settings and housekeeping: calibration, line rate, registers, link test, version,
// compare level, sleep and brightness.
#include "module_commands.h"
#include "reply_handlers.h"
#include "sim_packets.h"

namespace sim {

namespace {
constexpr uint8_t kCalibratedBrightness = 0x80;
constexpr uint8_t kLowestLevel = 1;
constexpr uint8_t kHighestLevel = 9;
constexpr uint8_t kLowestRate = 1;  // 9,600 bit/s
constexpr uint8_t kHighestRate = 5; // 115,200 bit/s

QByteArray OneByteReply(const CRequest& request, uint8_t value, uint8_t result) {
    return ReplyPacket(request.command, 0, value, result);
}
} // namespace

// p3, when not 0, is the brightness to calibrate to.
QByteArray OnCalibrate(CModuleState& state, const CRequest& request) {
    state.SetBrightness(request.p3 != 0 ? request.p3 : kCalibratedBrightness);
    return OneByteReply(request, state.Brightness(), rc::kOk);
}

// The answer repeats the requested rate index in byte 4; the module then talks at that rate
// (a pseudo-terminal has no rate, so nothing more is to be done).
QByteArray OnRate(CModuleState& state, const CRequest& request) {
    if (request.p3 >= kLowestRate && request.p3 <= kHighestRate)
        state.SetRateIndex(request.p3);
    return ReplyPacket(request.command, 0, 0, request.p3);
}

// p1 is the register, p2 its new value; the answer carries the previous value.
QByteArray OnRegister(CModuleState& state, const CRequest& request) {
    const uint8_t previous = state.RegisterValue(request.p1);
    state.SetRegister(request.p1, request.p2);
    return ReplyPacket(request.command, request.p1, previous, rc::kOk);
}

QByteArray OnLinkTest(CModuleState&, const CRequest& request) {
    return BareReply(request, rc::kOk);
}

QByteArray OnVersion(CModuleState& state, const CRequest& request) {
    const QByteArray text = state.VersionText().toLatin1();
    return ReplyWithData(request.command, uint16_t(text.size()), rc::kOk, text);
}

// p3 is the new level, 1 to 9; the answer carries the previous one.
QByteArray OnCompareLevel(CModuleState& state, const CRequest& request) {
    const uint8_t previous = state.CompareLevel();
    if (request.p3 < kLowestLevel || request.p3 > kHighestLevel)
        return OneByteReply(request, previous, rc::kFailed);
    state.SetCompareLevel(request.p3);
    return OneByteReply(request, previous, rc::kOk);
}

QByteArray OnSleep(CModuleState& state, const CRequest& request) {
    state.FallAsleep();
    return BareReply(request, rc::kOk);
}

QByteArray OnBrightness(CModuleState& state, const CRequest& request) {
    return OneByteReply(request, state.Brightness(), rc::kOk);
}

} // namespace sim
