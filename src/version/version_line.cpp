#include "build_version.h"

std::string VersionLine(const char* program) {
    std::string line = std::string(program) + ' ' + BuildVersion();
    if (*BuildRevision())
        line += std::string(" (git ") + BuildRevision() + ')';
    return line;
}
