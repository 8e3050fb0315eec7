#pragma once
// What morvane-cli prints: one result line per port on standard output (plain, or one JSON
// object with --json), and the progress of long commands on standard error, as one bar per port
// on a terminal and as plain lines otherwise.
#include "cli_result.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <map>

// The text in UTF-8 on the stream, flushed; a failure is remembered for the exit code.
void WriteText(FILE* stream, const QString& text);
// "morvane-cli: <message>" on standard error.
void PrintError(const QString& message);

class CResultPrinter {
public:
    CResultPrinter(bool json, bool bars);

    // The ports in the order their bars are drawn.
    void SetPorts(const QStringList& ports) { m_ports = ports; }
    void PrintResult(const CPortResult& result);
    void ShowProgress(const QString& port, int done, int total);

private:
    void EraseBars();
    void DrawBars();

    bool m_bJson;
    bool m_bBars;
    QStringList m_ports;
    std::map<QString, std::pair<int, int>> m_progress; // done, total by port
    std::map<QString, int> m_lastTenth;                // plain lines: the last tenth told
    int m_nDrawnLines = 0;
};

// A result line as it is printed, without the line end.
QString ResultLine(const CPortResult& result, bool json);
