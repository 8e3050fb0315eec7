#include "module_replies.h"

#include "module_commands.h"
#include "reply_handlers.h"
#include "sim_packets.h"

#include <map>

namespace sim {

namespace {
const std::map<uint8_t, ReplyHandler>& Handlers() {
    static const std::map<uint8_t, ReplyHandler> handlers = {
        {cmd::kEnrolFirst, OnEnrolFirst},
        {cmd::kEnrolSecond, OnEnrolSecond},
        {cmd::kEnrolLast, OnEnrolLast},
        {cmd::kDeleteUser, OnDeleteUser},
        {cmd::kDeleteAll, OnDeleteAll},
        {cmd::kEnrolUpload, OnEnrolUpload},
        {cmd::kUserCount, OnUserCount},
        {cmd::kPrivilege, OnPrivilege},
        {cmd::kCompareUser, OnCompareUser},
        {cmd::kCompareAll, OnCompareAll},
        {cmd::kCalibrate, OnCalibrate},
        {cmd::kRate, OnRate},
        {cmd::kRegister, OnRegister},
        {cmd::kCaptureFeature, OnCaptureFeature},
        {cmd::kCaptureImage, OnCaptureImage},
        {cmd::kLinkTest, OnLinkTest},
        {cmd::kVersion, OnVersion},
        {cmd::kCompareLevel, OnCompareLevel},
        {cmd::kUserList, OnUserList},
        {cmd::kSleep, OnSleep},
        {cmd::kBrightness, OnBrightness},
        {cmd::kUploadFeature, OnUploadFeature},
        {cmd::kOneRecord, OnOneRecord},
        {cmd::kNewRecords, OnNewRecords},
        {cmd::kClearRecords, OnClearRecords},
        {cmd::kStoreFeature, OnStoreFeature},
        {cmd::kCompareUserWith, OnCompareUserWith},
        {cmd::kCompareAllWith, OnCompareAllWith},
        {cmd::kCompareFinger, OnCompareFinger},
        {cmd::kCompareFingerTwo, OnCompareFingerTwo},
    };
    return handlers;
}
} // namespace

bool IsKnownCommand(uint8_t command) {
    return Handlers().count(command) > 0;
}

QByteArray AnswerCommand(CModuleState& state, const CRequest& request) {
    const auto found = Handlers().find(request.command);
    if (found == Handlers().end())
        return FailureReply(request.command, FailureResult(request.command));
    return found->second(state, request);
}

QByteArray FailureReply(uint8_t command, uint8_t result) {
    return ReplyPacket(command, 0, 0, result);
}

QByteArray BareReply(const CRequest& request, uint8_t result) {
    return ReplyPacket(request.command, request.p1, request.p2, result);
}

QByteArray FeatureReply(uint8_t command, uint16_t user, uint8_t privilege,
                        const QByteArray& feature) {
    QByteArray payload;
    payload.append(char(user >> 8));
    payload.append(char(user & 0xFF));
    payload.append(char(privilege));
    payload.append(feature);
    return ReplyWithData(command, uint16_t(payload.size()), rc::kOk, payload);
}

uint16_t PayloadUser(const QByteArray& payload) {
    return payload.size() < 2 ? 0 : uint16_t(Byte(payload, 0) * 256 + Byte(payload, 1));
}

QByteArray PayloadFeature(const QByteArray& payload, int index) {
    return payload.mid(kFeatureHeaderSize + index * kFeatureSize, kFeatureSize);
}

void RecordComparison(CModuleState& state, uint16_t user) {
    const CUser* found = state.FindUser(user);
    const bool admin = found && found->privilege >= 2;
    state.AddRecord(user, admin ? event::kAdminVerified : event::kCompared);
}

} // namespace sim
