#pragma once
// The command line of morvane-cli: global options anywhere, one command with its arguments and
// options.
#include "command_table.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

struct CCliRequest {
    const CCommandInfo* command = nullptr; // none: the program's help
    QStringList arguments;
    QHash<QString, QString> options;  // the command's options by name; "" for a switch
    QHash<QString, unsigned> numbers; // the numbers given, by argument or option name, in range
    QStringList ports;
    int rateIndex = 2;     // 19,200 bit/s
    bool rateAuto = false; // --rate auto: the rate the module answers at
    bool progressJson = false;
    int timeoutMs = 5000;
    bool json = false;
    bool verbose = false;
    bool yes = false;
    bool help = false;
    bool version = false; // --version: the version line, and nothing else

    bool Has(const char* option) const { return options.contains(QLatin1String(option)); }
    QString Option(const char* option) const { return options.value(QLatin1String(option)); }
    bool HasNumber(const char* name) const { return numbers.contains(QLatin1String(name)); }
    unsigned Number(const char* name, unsigned fallback = 0) const {
        return numbers.value(QLatin1String(name), fallback);
    }
};

// The request, or the usage error to print ("" with request.help for a help request). Every
// number the command takes is checked against its range in the command table.
std::optional<CCliRequest> ParseCommandLine(const QStringList& arguments, QString* error);

// A number in decimal or 0x hexadecimal within low..high.
std::optional<unsigned> ParseNumber(const QString& text, unsigned low, unsigned high);
