#pragma once
// CFrameDecoder: finds the frames in the bytes one port writes and reads, however the writes and
// reads cut them, and explains each (frame_texts.h). A frame cut across several reads is one
// frame; a reply's data packet is found behind its reply packet by the length the reply says
// (an image, a list) or, where it says none (a version text), by the check before a tail F5.
// Bytes before a head F5 are bytes of no frame. A frame still open when its side of the line
// is done (the other side speaks, or the reply has ended) is shown as it came, without a tail.
// Memory stays bounded: a side holds at most the longest reply plus one read.
#include "line_frame.h"

#include <vector>

class CFrameDecoder {
public:
    // Bytes as they were written (Sent) or read (Received); the frames they complete, in order.
    // Bytes of one side end what is open on the other: the host writes once the reply is over,
    // and the module answers once the transmission is out.
    // Feed is the two steps below, for one who shows the frames together.
    std::vector<CLineFrame> Feed(ECommDirection direction, const QByteArray& bytes);
    // `direction` speaks: what is open on the other side ends as it is.
    std::vector<CLineFrame> EndOtherSide(ECommDirection direction);
    // Its bytes: the frames they complete on their own side.
    std::vector<CLineFrame> Add(ECommDirection direction, const QByteArray& bytes);
    // The reply has ended (the line went quiet): what is open on either side ends as it is.
    std::vector<CLineFrame> EndOfReply();
    // Forgets everything open, the download included.
    void Reset();

private:
    struct CSide {
        QByteArray pending; // bytes not yet in a frame
        bool awaitingData = false;
        CLineFrame packet; // the command or reply packet whose data packet may follow
    };

    void Scan(ECommDirection direction, bool sideDone, std::vector<CLineFrame>& out);
    bool TakePacket(ECommDirection direction, bool sideDone, std::vector<CLineFrame>& out);
    bool TakeBlock(bool sideDone, std::vector<CLineFrame>& out);
    bool TakeData(ECommDirection direction, bool sideDone, std::vector<CLineFrame>& out);
    void OnPacket(ECommDirection direction, CLineFrame packet, std::vector<CLineFrame>& out);
    void EmitPacket(ECommDirection direction, CLineFrame* data, std::vector<CLineFrame>& out);
    int DataPacketLength(ECommDirection direction) const;
    int OpenDataPacketLength(const QByteArray& pending, bool sideDone) const;
    // The first length pending bytes as a frame; one not whole is missing its tail.
    CLineFrame Cut(ECommDirection direction, EFrameKind kind, int length, bool whole);
    CSide& SideOf(ECommDirection direction) { return m_sides[direction == ECommDirection::Sent]; }

    CSide m_sides[2];
    bool m_bDownloading = false; // after the handshake: the host's frames are program blocks
};
