#pragma once
// The serving loop: reads what the host writes on the pseudo-terminal, hands the frames to the
// module, writes the answers (whole, split or in chunks at the line rate, as asked) and logs both
// directions; with --stream, noise without end from the first frame on instead. Single-threaded;
// everything waits in one poll().
#include "frame_reader.h"
#include "noise_stream.h"
#include "output_queue.h"
#include "sim_log.h"
#include "sim_module.h"
#include "sim_options.h"

#include <chrono>

namespace sim {

class CPseudoTerminal;

class CSimServer {
public:
    CSimServer(const CSimOptions& options, CPseudoTerminal& pty, CSimLog& log);
    // Serves until stopFd becomes readable, or until the module hangs up (--hang-up-at).
    void Run(int stopFd);

private:
    qint64 Now() const;
    int PollTimeout(qint64 now, bool& wantWrite) const;
    void ReadInput();
    void TakeFrames(qint64 now);
    void TakeStaleFrames(qint64 now);
    void Handle(const CFrame& frame, qint64 now);
    void Send(const CAnswer& answer, qint64 now);
    int LineRate() const;
    // The host has set the device to the module's own rate.
    bool AtModuleRate() const;
    void WriteOutput(qint64 now);
    void WriteStream(qint64 now);
    void WriteProgramImage(qint64 now);
    void WriteUserDump(qint64 now);

    const CSimOptions& m_options;
    CPseudoTerminal& m_pty;
    CSimLog& m_log;
    CSimModule m_module;
    CFrameReader m_reader;
    COutputQueue m_output;
    CNoiseStream m_stream;
    std::chrono::steady_clock::time_point m_start;
    qint64 m_nLastWriteMs = 0; // last time output made progress (or became due)
    int m_nFramesReceived = 0;
    bool m_bHungUp = false; // --hang-up-at reached: the module has gone
};

} // namespace sim
