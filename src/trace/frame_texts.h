#pragma once
// What the frames on the line mean, in the texts the program already has: the operation table's
// captions for the commands, the test console's reply texts, the payload readers for what a data
// packet carries. The frame decoder (frame_decoder.h) calls these as it finds each frame.
#include "line_frame.h"

#include <cstdint>

// The command byte with its name: "0x09 取用户总数", "0x02 用户录入（第二次采集）",
// "0xFF 下载握手"; a byte the program never sends is "0x07 未知命令".
QString CommandText(uint8_t command, ECommDirection direction);

// A command the host writes with a data packet behind it (its p1, p2 give the payload size).
bool CommandCarriesData(uint8_t command);

// A command packet the host wrote: its command and the parameters it carries.
void DescribeCommand(CLineFrame& command);
// The data packet behind the host's command packet `command` (its 8 bytes).
void DescribeSentData(CLineFrame& data, const QByteArray& command);
// A reply packet and, when one came behind it, its data packet: the reply gets the result code
// and the text the test console shows for the whole reply, the data packet what it carries.
void DescribeReply(CLineFrame& reply, CLineFrame* data);
// A program block of the download: its number of 32.
void DescribeBlock(CLineFrame& block);
