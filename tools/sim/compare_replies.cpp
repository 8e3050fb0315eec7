// Comparisons. A comparison succeeds exactly when the feature values are equal: the finger on the
// sensor against a stored user (0x0B, 0x0C), a downloaded feature value against a stored user
// (0x42, 0x43), or downloaded feature values against the finger on the sensor (0x44, 0x46).
#include "module_commands.h"
#include "reply_handlers.h"
#include "sim_packets.h"

namespace sim {

namespace {
QByteArray MatchedUserReply(const CRequest& request, int user) {
    if (user < 0)
        return ReplyPacket(request.command, 0, 0, rc::kNoUser);
    return ReplyPacket(request.command, uint8_t(user >> 8), uint8_t(user & 0xFF), rc::kOk);
}

QByteArray CompareWithUser(const CModuleState& state, const CRequest& request, uint16_t number,
                           const QByteArray& feature) {
    const CUser* user = state.FindUser(number);
    if (!user)
        return ReplyPacket(request.command, uint8_t(number >> 8), uint8_t(number), rc::kNoUser);
    const uint8_t result = user->feature == feature ? rc::kOk : rc::kFailed;
    return ReplyPacket(request.command, uint8_t(number >> 8), uint8_t(number), result);
}
} // namespace

QByteArray OnCompareUser(CModuleState& state, const CRequest& request) {
    const uint16_t number = request.ParameterUser();
    const QByteArray reply = CompareWithUser(state, request, number, state.SensorFinger());
    if (Byte(reply, 4) == rc::kOk)
        RecordComparison(state, number);
    return reply;
}

QByteArray OnCompareAll(CModuleState& state, const CRequest& request) {
    const int user = state.UserWithFeature(state.SensorFinger());
    if (user >= 0)
        RecordComparison(state, uint16_t(user));
    return MatchedUserReply(request, user);
}

QByteArray OnCompareUserWith(CModuleState& state, const CRequest& request) {
    if (request.payload.size() != kFeaturePayloadSize)
        return BareReply(request, FailureResult(request.command));
    return CompareWithUser(state, request, PayloadUser(request.payload),
                           PayloadFeature(request.payload, 0));
}

QByteArray OnCompareAllWith(CModuleState& state, const CRequest& request) {
    if (request.payload.size() != kFeaturePayloadSize)
        return BareReply(request, FailureResult(request.command));
    return MatchedUserReply(request, state.UserWithFeature(PayloadFeature(request.payload, 0)));
}

QByteArray OnCompareFinger(CModuleState& state, const CRequest& request) {
    if (request.payload.size() != kFeaturePayloadSize)
        return BareReply(request, FailureResult(request.command));
    const bool match = PayloadFeature(request.payload, 0) == state.SensorFinger();
    return BareReply(request, match ? rc::kOk : rc::kFailed);
}

// Either of the two feature values may be the finger's.
QByteArray OnCompareFingerTwo(CModuleState& state, const CRequest& request) {
    if (request.payload.size() != kTwoFeaturePayloadSize)
        return BareReply(request, FailureResult(request.command));
    const bool match = PayloadFeature(request.payload, 0) == state.SensorFinger() ||
                       PayloadFeature(request.payload, 1) == state.SensorFinger();
    return BareReply(request, match ? rc::kOk : rc::kFailed);
}

} // namespace sim
