#pragma once
// The enrolment sequence without any window: a capture step's reply decides the next step (the
// second capture, or the last one, with or without the feature value's upload) or that the next
// enrolment starts again with the first capture. The test panel and a command-line front end each
// own one, hand it every reply and carry out what it asks for.
#include <cstdint>
#include <functional>

// The enrolment choices the front end shows when a step has succeeded.
struct CEnrolmentOptions {
    bool captureTwice = false;  // "采集两次": the first capture is followed by the last
    bool uploadFeature = false; // "特征值上传": the last capture asks for the feature value
};

class CEnrolmentSequence {
public:
    // What the sequence needs from its front end.
    struct CHost {
        std::function<CEnrolmentOptions()> options; // read once a step has succeeded
        // Builds the packet of the next step with this command byte and sends it.
        std::function<void(uint8_t command)> sendStep;
        // A failed capture, or the last one: the packet is built for a new enrolment (its first
        // capture).
        std::function<void()> startOver;
    };

    explicit CEnrolmentSequence(CHost host);

    // The reply to `command` came back with `resultCode`; replies to other commands pass by.
    void OnReply(int command, int resultCode);

private:
    uint8_t LastStep(const CEnrolmentOptions& options) const;

    CHost m_host;
};

// A user number as its high and low byte.
struct CUserNumber {
    uint8_t high = 0;
    uint8_t low = 0;
};

// The user number that follows high x 256 + low, for the next enrolment or store; 0xFFFF is
// followed by 0.
CUserNumber NextUserNumber(unsigned high, unsigned low);
