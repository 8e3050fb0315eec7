// Enrolment: a first capture (0x01), an optional second one (0x02) and a last one that stores
// the user (0x03) or stores it and returns the new feature value (0x06). User number 0 is an
// enrolment that only extracts a feature value: it is allowed with 0x06 and stores nothing.
#include "module_commands.h"
#include "reply_handlers.h"

namespace sim {

namespace {
bool Continues(const CEnrolment& enrolment, const CRequest& request) {
    return enrolment.active && enrolment.user == request.ParameterUser();
}

QByteArray FinishEnrolment(CModuleState& state, const CRequest& request, bool upload) {
    const CEnrolment enrolment = state.Enrolment();
    state.Enrolment() = CEnrolment();
    if (!Continues(enrolment, request))
        return BareReply(request, rc::kFailed);
    const QByteArray feature = state.SensorFinger();
    if (enrolment.user == 0)
        return upload ? FeatureReply(request.command, 0, enrolment.privilege, feature)
                      : BareReply(request, rc::kFailed);
    if (state.FindUser(enrolment.user))
        return BareReply(request, rc::kUserExists);
    if (!state.AddUser(enrolment.user, enrolment.privilege, feature))
        return BareReply(request, rc::kDatabaseFull);
    state.AddRecord(enrolment.user, event::kAdded);
    return upload ? FeatureReply(request.command, enrolment.user, enrolment.privilege, feature)
                  : BareReply(request, rc::kOk);
}
} // namespace

QByteArray OnEnrolFirst(CModuleState& state, const CRequest& request) {
    state.Enrolment() = CEnrolment();
    const uint16_t user = request.ParameterUser();
    const uint8_t privilege = request.p3;
    if (user != 0) {
        if (privilege == 0)
            return BareReply(request, rc::kFailed);
        if (state.FindUser(user))
            return BareReply(request, rc::kUserExists);
        if (state.IsFull())
            return BareReply(request, rc::kDatabaseFull);
    }
    state.PlaceNewFinger();
    if (state.UserWithFeature(state.SensorFinger()) >= 0)
        return BareReply(request, rc::kFingerExists);
    state.Enrolment() = CEnrolment{true, user, privilege, 1};
    return BareReply(request, rc::kOk);
}

QByteArray OnEnrolSecond(CModuleState& state, const CRequest& request) {
    CEnrolment& enrolment = state.Enrolment();
    if (!Continues(enrolment, request) || enrolment.captures != 1) {
        enrolment = CEnrolment();
        return BareReply(request, rc::kFailed);
    }
    enrolment.captures = 2;
    return BareReply(request, rc::kOk);
}

QByteArray OnEnrolLast(CModuleState& state, const CRequest& request) {
    return FinishEnrolment(state, request, false);
}

QByteArray OnEnrolUpload(CModuleState& state, const CRequest& request) {
    return FinishEnrolment(state, request, true);
}

} // namespace sim
