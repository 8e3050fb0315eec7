// The user database: count and capacity, privilege, the user list, deleting, uploading and
// storing feature values.
#include "module_commands.h"
#include "reply_handlers.h"
#include "sim_packets.h"

namespace sim {

namespace {
constexpr uint8_t kAskCapacity = 0xFF;
constexpr uint8_t kDeleteEveryone = 0;
constexpr uint8_t kDeleteOrdinary = 1;
constexpr uint8_t kOrdinary = 1;
constexpr uint8_t kHighestPrivilege = 3;

QByteArray ValueReply(const CRequest& request, int value, uint8_t result) {
    return ReplyPacket(request.command, uint8_t(value >> 8), uint8_t(value & 0xFF), result);
}
} // namespace

QByteArray OnUserCount(CModuleState& state, const CRequest& request) {
    if (request.p3 == kAskCapacity)
        return ValueReply(request, state.Capacity(), rc::kCapacity);
    return ValueReply(request, state.UserCount(), rc::kOk);
}

QByteArray OnPrivilege(CModuleState& state, const CRequest& request) {
    const CUser* user = state.FindUser(request.ParameterUser());
    if (!user)
        return BareReply(request, rc::kNoUser);
    const bool defined = user->privilege >= kOrdinary && user->privilege <= kHighestPrivilege;
    return BareReply(request, defined ? user->privilege : rc::kUndefinedPrivilege);
}

QByteArray OnDeleteUser(CModuleState& state, const CRequest& request) {
    const uint16_t user = request.ParameterUser();
    if (!state.RemoveUser(user))
        return BareReply(request, rc::kNoUser);
    state.AddRecord(user, event::kDeleted);
    return BareReply(request, rc::kOk);
}

// p3 chooses who goes: 0 everyone, 1 the ordinary users, 2 or 3 the administrators.
QByteArray OnDeleteAll(CModuleState& state, const CRequest& request) {
    const uint8_t which = request.p3;
    if (which > kHighestPrivilege)
        return BareReply(request, rc::kFailed);
    if (which == kDeleteEveryone) {
        state.RemoveUsers(0, 0xFF);
        state.AddRecord(which, event::kDeletedAll);
    } else if (which == kDeleteOrdinary) {
        state.RemoveUsers(kOrdinary, kOrdinary);
        state.AddRecord(0, event::kDeletedOrdinary);
    } else {
        state.RemoveUsers(kOrdinary + 1, kHighestPrivilege);
        state.AddRecord(0, event::kDeletedAdmins);
    }
    return BareReply(request, rc::kOk);
}

QByteArray OnUserList(CModuleState& state, const CRequest& request) {
    QByteArray payload;
    const int count = state.UserCount();
    payload.append(char(count >> 8));
    payload.append(char(count & 0xFF));
    for (const auto& [number, user] : state.Users()) {
        payload.append(char(number >> 8));
        payload.append(char(number & 0xFF));
        payload.append(char(user.privilege));
    }
    return ReplyWithData(request.command, uint16_t(payload.size()), rc::kOk, payload);
}

QByteArray OnUploadFeature(CModuleState& state, const CRequest& request) {
    const uint16_t number = request.ParameterUser();
    const CUser* user = state.FindUser(number);
    if (!user)
        return BareReply(request, rc::kNoUser);
    return FeatureReply(request.command, number, user->privilege, user->feature);
}

// Payload: user number, privilege, feature value.
QByteArray OnStoreFeature(CModuleState& state, const CRequest& request) {
    const QByteArray& payload = request.payload;
    const uint16_t number = PayloadUser(payload);
    if (payload.size() != kFeaturePayloadSize || number == 0 || Byte(payload, 2) == 0)
        return BareReply(request, rc::kFailed);
    if (state.FindUser(number))
        return BareReply(request, rc::kUserExists);
    if (!state.AddUser(number, Byte(payload, 2), PayloadFeature(payload, 0)))
        return BareReply(request, rc::kDatabaseFull);
    state.AddRecord(number, event::kAdded);
    return BareReply(request, rc::kOk);
}

} // namespace sim
