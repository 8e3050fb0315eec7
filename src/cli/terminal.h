#pragma once
// Whether a standard stream is a terminal (a console on Windows), and a yes-or-no question asked
// on it.
#include <QString>
#include <cstdio>

bool IsTerminal(FILE* stream);

// Asks `question` on standard error and reads the answer from standard input: true only for an
// answer that begins with y or Y; an empty line, any other answer or the end of input is No.
bool AskYesNo(const QString& question);
