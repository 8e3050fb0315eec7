#pragma once
// The commands of morvane-cli and the global options: names, arguments, what they do and an
// example of each, as --help shows them.
#include <QString>
#include <vector>

enum class ECommandKind {
    Ports,       // lists the serial devices; no module
    MakeBin,     // writes the program image file; no module
    Console,     // one exchange of the test console (an enrolment is one, in its steps)
    StoreFolder, // the batch store of a folder
    Backup,      // the user list, then every user's feature value into a folder
    SetRate,     // the module rate command, then the PC follows
    FindRate,    // the user count at each rate until the module answers; only reports
    Flash,       // the firmware download
};

struct COptionInfo {
    const char* name;      // "--capacity"
    const char* valueName; // nullptr for a switch
    const char* help;
    const char* example;
};

// A number a command takes, by the name of its argument ("USER", "N") or option
// ("--privilege"), with the range --help documents and the command line holds it to.
struct CNumberRange {
    const char* name;
    unsigned low;
    unsigned high;
};

struct CCommandInfo {
    const char* name;
    const char* arguments; // "USER FILE.fea"
    int minArguments;
    int maxArguments;
    ECommandKind kind;
    const char* summary;
    std::vector<COptionInfo> options;
    const char* example;
    std::vector<CNumberRange> numbers = {};
};

// Every command but ports and make-bin talks to a module and so needs --port.
bool NeedsPort(const CCommandInfo& command);
const CCommandInfo* FindCommand(const QString& name);
const std::vector<CCommandInfo>& Commands();
const std::vector<COptionInfo>& GlobalOptions();

QString ProgramHelp();
QString CommandHelp(const CCommandInfo& command);
