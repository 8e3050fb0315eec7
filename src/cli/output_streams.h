#pragma once
// Standard output and standard error as morvane-cli writes them. A closed or failing stream never
// ends the program or interrupts an exchange with a module: SIGPIPE is ignored, and a descriptor
// closed at start is taken by /dev/null so that no serial port opens under its number. Every
// failure is remembered and, once the commands have run to their end, reported: a message on
// standard error when that still works, and exit code kExitOutput (as coreutils and git do).
#include <QByteArray>
#include <cstdio>

// First thing in main, before anything opens a descriptor.
void GuardOutputStreams();

// Writes the bytes and flushes the stream; false, with the failure remembered, when they did not
// all go out.
bool WriteStream(FILE* stream, const QByteArray& bytes);

// The exit code once everything is written: `exitCode`, or at least kExitOutput after a failed
// write or flush of either stream, with the message about it.
int FinishOutput(int exitCode);
