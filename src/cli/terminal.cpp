#include "terminal.h"

#include "result_printer.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

bool IsTerminal(FILE* stream) {
#ifdef Q_OS_WIN
    // A console, not a file or pipe that _isatty also takes for a character device (NUL).
    DWORD mode = 0;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return _isatty(_fileno(stream)) && GetConsoleMode(handle, &mode);
#else
    return isatty(fileno(stream)) == 1;
#endif
}

bool AskYesNo(const QString& question) {
    WriteText(stderr, question + QStringLiteral(" [y/N] "));
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, stdin)) {
        WriteText(stderr, QStringLiteral("\n"));
        return false;
    }
    return answer[0] == 'y' || answer[0] == 'Y';
}
