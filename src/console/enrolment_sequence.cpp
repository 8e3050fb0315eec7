#include "enrolment_sequence.h"

#include "protocol/command_codes.h"

#include <utility>

using namespace ModuleCommand;

CEnrolmentSequence::CEnrolmentSequence(CHost host) : m_host(std::move(host)) {}

void CEnrolmentSequence::OnReply(int command, int resultCode) {
    const bool ok = resultCode == 0x00;
    switch (command) {
    case kEnrolFirst:
        if (ok) {
            const CEnrolmentOptions options = m_host.options();
            m_host.sendStep(options.captureTwice ? LastStep(options) : kEnrolSecond);
            return;
        }
        break;
    case kEnrolSecond:
        if (ok) {
            m_host.sendStep(LastStep(m_host.options()));
            return;
        }
        break;
    case kEnrolLast:
    case kEnrolLastUpload:
        break;
    default:
        return;
    }
    m_host.startOver();
}

uint8_t CEnrolmentSequence::LastStep(const CEnrolmentOptions& options) const {
    return options.uploadFeature ? kEnrolLastUpload : kEnrolLast;
}

CUserNumber NextUserNumber(unsigned high, unsigned low) {
    const unsigned next = high * 256u + low + 1u;
    return {static_cast<uint8_t>((next >> 8) & 0xFFu), static_cast<uint8_t>(next & 0xFFu)};
}
