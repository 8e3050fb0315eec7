#pragma once
// Runs a parsed command: the commands without a module at once, the others on every --port
// concurrently, one thread each; prints the results and returns the exit code.
#include "cli_arguments.h"

int RunCommand(const CCliRequest& request);
