#include "command_line.h"

#include "version/build_version.h"

#include <cstdio>
#include <cstring>

namespace {
const char kHelp[] =
    "Usage: morvane [--help] [--version] [Qt options]\n"
    "\n"
    "The window of Morvane, a host tool for a stand-alone fingerprint module on a serial port:\n"
    "the module test console (every command of the module, feature files, fingerprint images,\n"
    "batch storage and backup), the communication settings (the PC's port and rate, the\n"
    "module's rate) and the program download (new firmware into the module's DSP). It starts\n"
    "on the test console, on COM1 at 19,200 bit/s.\n"
    "\n"
    "COM1 to COM8 stand for the serial devices found, USB and ACM adapters first; the\n"
    "environment variable MORVANE_COMn=DEVICE binds COMn to DEVICE instead, for example to a\n"
    "morvane-sim pseudo-terminal. Opening a serial device needs membership of the dialout\n"
    "group.\n"
    "\n"
    "Options:\n"
    "  -h, --help\n"
    "      Show this text and exit.\n"
    "  --version\n"
    "      Show the version (and the git revision it was built from) and exit.\n"
    "\n"
    "Qt's own options (-platform, -style, -reverse, ...) are taken as well.\n"
    "\n"
    "morvane-cli does the module's operations from a shell; morvane-sim plays a module on a\n"
    "pseudo-terminal.\n";

bool Is(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}
} // namespace

int AnswerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "--version")) {
            std::printf("%s\n", VersionLine("morvane").c_str());
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (Is(argv[i], "--help") || Is(argv[i], "-h")) {
            std::fputs(kHelp, stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }
    return -1;
}
