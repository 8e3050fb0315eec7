#pragma once
// Whether a finished reply can be taken as the answer to the command morvane-cli sent: the
// window reads every reply by position, as the test console always has; a shell script cannot
// see the dump, so the program refuses a reply that answers another command, one too short to
// read, and a data reply that did not arrive whole.
#include <QString>
#include <cstdint>

// Why the reply of `count` bytes is no answer to command `sent`, with the bytes that came (at
// most the first 32, in hexadecimal); empty when it is one. A data reply is whole when it is as
// long as its header and count fields say (an image, a feature value, a user or record list, a
// record) and its data check holds.
QString ReplyFault(uint8_t sent, const uint8_t* reply, int count);
