#pragma once
// The whole module as the host sees it: takes the frames the reader found and decides what goes
// back, including the faults asked for on the command line. No input or output of its own.
#include "download_receiver.h"
#include "frame_reader.h"
#include "module_state.h"
#include "sim_random.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <set>

namespace sim {

struct CSimFaults {
    std::map<uint8_t, uint8_t> forcedResults; // command -> result code it is answered with
    std::set<uint8_t> muted;                  // commands that get no answer
    int noiseBytes = 0;                       // bytes of noise before download acknowledgements
    int nakEvery = 0;                         // every K-th block refused
    std::map<uint8_t, QByteArray> rawReplies; // command -> bytes answered as they stand
    std::map<uint8_t, int> cutReplies;        // command -> bytes of its reply that are sent
};

struct CAnswer {
    QByteArray noise; // written before the reply
    QByteArray reply; // empty: nothing is answered
    QString note;     // why the answer is what it is, for the log (empty when plain)
};

class CSimModule {
public:
    CSimModule(const CModuleSettings& settings, const CSimFaults& faults);

    CAnswer OnFrame(const CFrame& frame);

    // The reader has to frame blocks while this is set.
    bool InDownloadMode() const { return m_download.Active(); }
    // True once after the last block of a download has been accepted.
    bool TakeFinishedDownload();

    const CModuleState& State() const { return m_state; }
    CModuleState& State() { return m_state; }
    const CDownloadReceiver& Download() const { return m_download; }

private:
    CAnswer OnCommandFrame(const CFrame& frame);
    CAnswer CutShort(CAnswer answer, uint8_t command) const;
    CAnswer OnBlockFrame(const CFrame& frame);
    CAnswer DownloadAnswer(const QByteArray& ack, const QString& note);
    QByteArray Noise();

    CModuleState m_state;
    CSimFaults m_faults;
    CDownloadReceiver m_download;
    CSimRandom m_noise;
    bool m_bFinishedPending = false;
};

} // namespace sim
