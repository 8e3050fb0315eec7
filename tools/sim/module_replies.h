#pragma once
// What the module answers to one well-formed command, and how the command changes its state.
#include "module_state.h"

#include <QByteArray>
#include <cstdint>

namespace sim {

struct CRequest {
    uint8_t command = 0;
    uint8_t p1 = 0;
    uint8_t p2 = 0;
    uint8_t p3 = 0;
    QByteArray payload; // the data packet's payload, for the commands that carry one

    uint16_t ParameterUser() const { return uint16_t(p1 * 256 + p2); }
};

bool IsKnownCommand(uint8_t command);

// The reply bytes; an unknown command is answered with its failure result. The download
// handshake (0xFF) is not a module command and is handled by the download receiver.
QByteArray AnswerCommand(CModuleState& state, const CRequest& request);

// The bare reply with which a command fails: F5 command 00 00 result 00 check F5.
QByteArray FailureReply(uint8_t command, uint8_t result);

} // namespace sim
