#pragma once
// The program image file (.bin): 262144 bytes, the two halves with the bytes of every value
// swapped (low byte first), then 131072 bytes of 0xFF. It is built in a scratch buffer;
// ProgramImage itself is only read.
#include <QString>
#include <cstdint>

class QIODevice;

constexpr int kBinFileSize = 0x40000;
constexpr int kBinScratchSize = 0x20000;

// ProgramImage with the two bytes of every value swapped, into kBinScratchSize bytes.
void FillSwappedImage(uint8_t* scratch);

// Writes the swapped image and the 0xFF tail through the process-wide scratch buffer.
bool WriteBinImage(QIODevice& device);

// Writes the whole file, atomically where a new file can be made beside it: then on any failure
// no partial file is left behind and an existing file of that name keeps its contents. "" or the
// message, which both front ends show as it is: "HEX文件打开失败!" or "Bin文件写入失败!", then
// the file and the reason.
QString WriteBinFile(const QString& path);
