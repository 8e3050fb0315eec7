#pragma once
// Runs the real morvane-cli for a test, in a folder of the test's choosing, and gives back its
// exit code and output; its JSON result lines read as objects.
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

struct CCliRun {
    int exitCode = -1; // -1 when it did not finish in time
    QString out;
    QString err;
    // The JSON objects of the result lines (with --json).
    QList<QJsonObject> Results() const;
};

// A list of serial devices for MORVANE_PORT_LIST, each a USB adapter; "" without a USB id.
bool WritePortList(const QString& path, const QStringList& adapters,
                   const QString& usbId = QStringLiteral("10c4:ea60"));

// The morvane-cli executable (compiled in as MORVANE_CLI_PATH).
QString CliPath();
// In the language --lang names: Chinese, the program's own, unless the test asks for another.
CCliRun RunCli(const QStringList& arguments, const QString& folder, int timeoutMs = 30000,
               const QString& language = QStringLiteral("zh"));
// Any program the same way (the simulator, the window).
CCliRun RunProgram(const QString& program, const QStringList& arguments, const QString& folder,
                   int timeoutMs = 30000);
// The same through `sh -c script`, in which "$0" is the program and "$@" --lang zh and the
// arguments: for standard output and error redirected, closed or piped. The exit code is the
// script's.
CCliRun RunCliInShell(const QString& script, const QStringList& arguments, const QString& folder,
                      int timeoutMs = 30000);
