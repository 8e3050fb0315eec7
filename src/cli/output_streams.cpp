#include "output_streams.h"

#include "cli_result.h"
#include "cli_texts.h"

#include "files/file_errors.h"

#include <QString>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace {
// The errno of the first failure of standard output (0) and standard error (1); 0 for none.
std::atomic<int> g_streamErrors[2];

int StreamIndex(FILE* stream) {
    return stream == stderr ? 1 : 0;
}

void NoteFailure(int index, int error) {
    int none = 0;
    g_streamErrors[index].compare_exchange_strong(none, error != 0 ? error : EIO);
}

// The descriptors of standard input, output and error.
constexpr int kStdIn = 0;
constexpr int kStdOut = 1;
constexpr int kStdErr = 2;

#ifdef Q_OS_UNIX
// A closed descriptor gets /dev/null; true when it was closed.
bool FillClosed(int fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return false;
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0 && null != fd) {
        dup2(null, fd);
        close(null);
    }
    return true;
}

// A closed pipe is a failed write, not the end of the program.
void IgnoreBrokenPipe() {
    std::signal(SIGPIPE, SIG_IGN);
}
#endif

#ifdef Q_OS_WIN
// A standard handle the program was started without gets NUL; true when it had none.
bool FillClosed(int fd) {
    if (_get_osfhandle(fd) >= 0)
        return false;
    const int null = _open("NUL", _O_RDWR);
    if (null >= 0 && null != fd) {
        _dup2(null, fd);
        _close(null);
    }
    return true;
}

// A closed pipe already fails the write (EPIPE) there.
void IgnoreBrokenPipe() {}
#endif
} // namespace

void GuardOutputStreams() {
    IgnoreBrokenPipe();
    FillClosed(kStdIn);
    if (FillClosed(kStdOut))
        NoteFailure(StreamIndex(stdout), EBADF);
    if (FillClosed(kStdErr))
        NoteFailure(StreamIndex(stderr), EBADF);
}

bool WriteStream(FILE* stream, const QByteArray& bytes) {
    const size_t size = static_cast<size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    if (written && std::fflush(stream) == 0)
        return true;
    NoteFailure(StreamIndex(stream), errno);
    return false;
}

int FinishOutput(int exitCode) {
    for (FILE* stream : {stdout, stderr})
        if (std::fflush(stream) != 0)
            NoteFailure(StreamIndex(stream), errno);
    const int outError = g_streamErrors[StreamIndex(stdout)];
    const int errError = g_streamErrors[StreamIndex(stderr)];
    if (outError == 0 && errError == 0)
        return exitCode;
    if (outError != 0 && errError == 0)
        WriteStream(stderr, (QStringLiteral("morvane-cli: ") +
                             CCliTexts::tr("无法写入标准输出：%1").arg(SystemErrorText(outError)) +
                             QLatin1Char('\n'))
                                .toUtf8());
    return std::max(exitCode, static_cast<int>(kExitOutput));
}
