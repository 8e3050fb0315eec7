#pragma once
// The version of this build, read by morvane, morvane-cli, morvane-sim and the about box: the
// project's version and the git revision the build was made from.
#include <string>

// "2.0"
const char* BuildVersion();
// `git describe` of the checkout the build was made from ("1a2b3c4d5e", "v2.0-4-g1a2b3c4d5e",
// "1a2b3c4d5e-dirty"); empty for a build outside a git checkout.
const char* BuildRevision();
// The line --version prints: "morvane-cli 2.0 (git 1a2b3c4d5e)", or "morvane-cli 2.0" without a
// revision.
std::string VersionLine(const char* program);
