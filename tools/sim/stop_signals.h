#pragma once
// SIGTERM, SIGINT and SIGHUP end the simulator cleanly: the handler only writes a byte into a
// pipe, whose read end the serving loop polls.
#include <QString>

namespace sim {

// The read end of the pipe, or -1 with error set.
int InstallStopSignals(QString& error);

} // namespace sim
