#pragma once
// What morvane-cli reads from a finished reply besides its text: whether the module did what
// was asked (the exit code), and the values the reply carries, by name (the JSON "data").
#include <QJsonObject>
#include <cstdint>

// The reply of `count` bytes reports success for the command it answers: result code 0 for most,
// a privilege for 0A, the capacity code for 09 with FF, a match for 0C and 43, an image code for
// 24, and a whole 207-byte feature reply for the uploads. Anything else is a failure.
bool ReplySucceeded(const uint8_t* reply, int count);

// "reply": the bytes in hexadecimal; "resultCode": the module's result byte; and by command:
// "value" (count, capacity, matched user), "privilege", "users", "records", "version", "previous"
// (level, register), "brightness".
QJsonObject ReplyData(const uint8_t* reply, int count);
