#pragma once
// How the progress of a long command reads: a bar for a terminal, a plain line for a log, a JSON
// object for a line's own software; and the closing summary of a run on several ports.
#include "cli_result.h"

#include <QString>
#include <vector>

struct CProgressStep {
    QString port;
    QString command;
    int done = 0;
    int total = 0;
    qint64 elapsedMs = 0; // since the command started on the port
};

// "/dev/ttyUSB0 [#######.........]  40%  13/32  0:05 elapsed, 0:07 left"
QString ProgressBarText(const CProgressStep& step);
// "/dev/ttyUSB0: 13/32, 0:05 elapsed"
QString ProgressLineText(const CProgressStep& step);
// {"port":…,"command":…,"done":13,"total":32,"elapsed_ms":5012}
QString ProgressJsonText(const CProgressStep& step);

// "3 of 4 ports succeeded; failed: /dev/ttyUSB1 (no answer from the module)"
QString SummaryText(const std::vector<CPortResult>& results);
