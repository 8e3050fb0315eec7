#include "enrolment_sequence.h"

#include "protocol/command_codes.h"

using namespace ModuleCommand;

namespace {
uint8_t LastStep(const CEnrolmentOptions& options) {
    return options.uploadFeature ? kEnrolLastUpload : kEnrolLast;
}

CEnrolmentStep Send(uint8_t command) {
    return {CEnrolmentStep::EAction::SendStep, command};
}
} // namespace

CEnrolmentStep NextEnrolmentStep(int command, int resultCode, const CEnrolmentOptions& options) {
    const bool ok = resultCode == 0x00;
    switch (command) {
    case kEnrolFirst:
        if (ok)
            return Send(options.captureTwice ? LastStep(options) : kEnrolSecond);
        break;
    case kEnrolSecond:
        if (ok)
            return Send(LastStep(options));
        break;
    case kEnrolLast:
    case kEnrolLastUpload:
        break;
    default:
        return {};
    }
    return {CEnrolmentStep::EAction::StartOver, 0};
}

CUserNumber NextUserNumber(unsigned high, unsigned low) {
    const unsigned next = high * 256u + low + 1u;
    return {static_cast<uint8_t>((next >> 8) & 0xFFu), static_cast<uint8_t>(next & 0xFFu)};
}
