#pragma once
// The enrolment sequence without any window: a capture step's reply decides the next step (the
// second capture, or the last one, with or without the feature value's upload) or that the next
// enrolment starts again with the first capture. The console exchange asks after every reply and
// carries out the answer.
#include <cstdint>

// The enrolment choices the front end shows when a step has succeeded.
struct CEnrolmentOptions {
    bool captureTwice = false;  // "采集两次": the first capture is followed by the last
    bool uploadFeature = false; // "特征值上传": the last capture asks for the feature value
};

// What follows a reply in an enrolment.
struct CEnrolmentStep {
    enum class EAction {
        None,      // the reply answers another command
        SendStep,  // the next capture, with the command byte below
        StartOver, // a failed capture, or the last one: a new enrolment begins with its first
    };
    EAction action = EAction::None;
    uint8_t command = 0;
};

// The step after the reply to `command` with `resultCode`, by the choices shown now.
CEnrolmentStep NextEnrolmentStep(int command, int resultCode, const CEnrolmentOptions& options);

// A user number as its high and low byte.
struct CUserNumber {
    uint8_t high = 0;
    uint8_t low = 0;
};

// The user number that follows high x 256 + low, for the next enrolment or store; 0xFFFF is
// followed by 0.
CUserNumber NextUserNumber(unsigned high, unsigned low);
