#pragma once
// The command line of morvane-sim.
#include "lang/language_choice.h"
#include "module_state.h"
#include "sim_module.h"

#include <QString>
#include <QStringList>

namespace sim {

struct CSimOptions {
    QString linkPath;     // --link: a symbolic link to the device
    QString logPath;      // --log: every frame received and sent
    QString flashOutPath; // --flash-out: the received program image
    QString userDumpPath; // --dump-users: the stored users, written at exit
    int splitMs = -1;     // --split-ms: each reply in two pieces with this pause (-1: whole)
    int latencyMs = 0;    // --latency-ms: a short last chunk is held this long more
    int chunkBytes = 0;   // --chunk: output in pieces of this size at the line rate (0: whole)
    int hangUpAt = 0;     // --hang-up-at: the frame on which the module goes away (0: never)
    int streamRate = -1;  // --stream: endless noise, bytes a second (0: as fast as taken)
    ELanguageSetting language = ELanguageSetting::FollowSystem; // --lang
    CModuleSettings module;
    CSimFaults faults;
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. On failure error says why.
bool ParseSimOptions(const QStringList& arguments, CSimOptions& options, QString& error);

// The text of --help: every option with what it does.
QString SimHelpText();

} // namespace sim
