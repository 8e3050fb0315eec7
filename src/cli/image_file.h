#pragma once
// The fingerprint image of a capture reply as a PNG file: decoded by the console's own decoder
// into a canvas of this thread, and written whole or not at all.
#include <QString>
#include <cstdint>

// "" when written, else the message to show.
QString SaveImageReply(const QString& path, const uint8_t* reply, int count);
