#pragma once
// The handlers of the module's commands, one per command code, grouped by concern in
// enrol_replies.cpp, user_replies.cpp, compare_replies.cpp, capture_replies.cpp,
// setting_replies.cpp and record_replies.cpp. module_replies.cpp maps codes to them.
#include "module_replies.h"

namespace sim {

using ReplyHandler = QByteArray (*)(CModuleState&, const CRequest&);

QByteArray OnEnrolFirst(CModuleState& state, const CRequest& request);
QByteArray OnEnrolSecond(CModuleState& state, const CRequest& request);
QByteArray OnEnrolLast(CModuleState& state, const CRequest& request);
QByteArray OnEnrolUpload(CModuleState& state, const CRequest& request);

QByteArray OnDeleteUser(CModuleState& state, const CRequest& request);
QByteArray OnDeleteAll(CModuleState& state, const CRequest& request);
QByteArray OnUserCount(CModuleState& state, const CRequest& request);
QByteArray OnPrivilege(CModuleState& state, const CRequest& request);
QByteArray OnUserList(CModuleState& state, const CRequest& request);
QByteArray OnUploadFeature(CModuleState& state, const CRequest& request);
QByteArray OnStoreFeature(CModuleState& state, const CRequest& request);

QByteArray OnCompareUser(CModuleState& state, const CRequest& request);
QByteArray OnCompareAll(CModuleState& state, const CRequest& request);
QByteArray OnCompareUserWith(CModuleState& state, const CRequest& request);
QByteArray OnCompareAllWith(CModuleState& state, const CRequest& request);
QByteArray OnCompareFinger(CModuleState& state, const CRequest& request);
QByteArray OnCompareFingerTwo(CModuleState& state, const CRequest& request);

QByteArray OnCaptureFeature(CModuleState& state, const CRequest& request);
QByteArray OnCaptureImage(CModuleState& state, const CRequest& request);

QByteArray OnCalibrate(CModuleState& state, const CRequest& request);
QByteArray OnRate(CModuleState& state, const CRequest& request);
QByteArray OnRegister(CModuleState& state, const CRequest& request);
QByteArray OnLinkTest(CModuleState& state, const CRequest& request);
QByteArray OnVersion(CModuleState& state, const CRequest& request);
QByteArray OnCompareLevel(CModuleState& state, const CRequest& request);
QByteArray OnSleep(CModuleState& state, const CRequest& request);
QByteArray OnBrightness(CModuleState& state, const CRequest& request);

QByteArray OnOneRecord(CModuleState& state, const CRequest& request);
QByteArray OnNewRecords(CModuleState& state, const CRequest& request);
QByteArray OnClearRecords(CModuleState& state, const CRequest& request);

// Shared by the handlers.
QByteArray BareReply(const CRequest& request, uint8_t result);
// The 207-byte feature reply: header (user number, privilege) and the 193 bytes.
QByteArray FeatureReply(uint8_t command, uint16_t user, uint8_t privilege,
                        const QByteArray& feature);
// Payload bytes 0 and 1 as a user number.
uint16_t PayloadUser(const QByteArray& payload);
// The feature value at position index (0 or 1) of a feature payload.
QByteArray PayloadFeature(const QByteArray& payload, int index);
// Adds the record of a successful live comparison of this user.
void RecordComparison(CModuleState& state, uint16_t user);

} // namespace sim
