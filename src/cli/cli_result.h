#pragma once
// What one port's command ended with, and the program's exit codes. With several ports the
// program exits with the highest code of them.
#include <QJsonObject>
#include <QString>

enum ECliExit : int {
    kExitOk = 0,            // the module did what was asked
    kExitFailed = 1,        // the module answered with a failure
    kExitUsage = 2,         // a wrong command line or file, or a question not confirmed
    kExitPort = 3,          // the port could not be opened
    kExitSilent = 4,        // no answer within --timeout
    kExitLost = 5,          // the port went away in the middle of the command
    kExitOutput = 6,        // standard output or standard error could not be written
    kExitInterrupted = 130, // Ctrl+C (128 + SIGINT)
    kExitTerminated = 143,  // SIGTERM (128 + SIGTERM)
};

struct CPortResult {
    QString port;    // as given with --port
    QString command; // the command's name
    int code = kExitOk;
    QString text;     // the system's own result text
    QJsonObject data; // what the reply carried, by name
};
