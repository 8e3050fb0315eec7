#pragma once
// The commands that need no module: the list of serial devices and the program image file.
#include "cli_arguments.h"
#include "cli_result.h"

#include <vector>

std::vector<CPortResult> ListPorts();

// Loads both program halves from the .dat files; "" or the download panel's message.
QString LoadProgramFiles(const QString& path28000, const QString& path38000);

CPortResult MakeBin(const CCliRequest& request);
