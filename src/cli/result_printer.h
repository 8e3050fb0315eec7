#pragma once
// What morvane-cli prints: one result line per port on standard output (plain, or one JSON
// object with --json), the progress of long commands on standard error, as one bar per port on a
// terminal and as plain lines otherwise, or with --progress json one JSON object a step on
// standard output; with several ports a closing summary on standard error.
#include "cli_result.h"
#include "progress_text.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <map>
#include <vector>

// The text in UTF-8 on the stream, flushed; a failure is remembered for the exit code.
void WriteText(FILE* stream, const QString& text);
// "morvane-cli: <message>" on standard error.
void PrintError(const QString& message);

enum class EProgressStyle {
    Bars,  // redrawn in place on a terminal
    Lines, // a line at the start, every tenth and the end
    Json,  // every step, on standard output
};

class CResultPrinter {
public:
    CResultPrinter(bool json, EProgressStyle progress, QString command);

    // The ports in the order their bars are drawn.
    void SetPorts(const QStringList& ports) { m_ports = ports; }
    void PrintResult(const CPortResult& result);
    void ShowProgress(const QString& port, int done, int total);
    // How many ports succeeded and which failed with why, once every port has ended.
    void PrintSummary();

private:
    void EraseBars();
    void DrawBars();
    void ShowLine(const CProgressStep& step);

    bool m_bJson;
    EProgressStyle m_progressStyle;
    QString m_strCommand;
    QElapsedTimer m_clock; // the ports start together
    QStringList m_ports;
    std::map<QString, CProgressStep> m_progress; // the last step by port
    std::vector<CPortResult> m_results;
    std::map<QString, int> m_lastTenth; // plain lines: the last tenth told
    int m_nDrawnLines = 0;
};

// A result line as it is printed, without the line end.
QString ResultLine(const CPortResult& result, bool json);
