#include "result_printer.h"

#include "cli_texts.h"
#include "output_streams.h"

#include <QJsonDocument>
#include <cstdio>

void WriteText(FILE* stream, const QString& text) {
    WriteStream(stream, text.toUtf8());
}

void PrintError(const QString& message) {
    WriteText(stderr, QStringLiteral("morvane-cli: ") + message + QLatin1Char('\n'));
}

QString ResultLine(const CPortResult& result, bool json) {
    if (json) {
        const QJsonObject line{{QStringLiteral("port"), result.port},
                               {QStringLiteral("command"), result.command},
                               {QStringLiteral("code"), result.code},
                               {QStringLiteral("text"), result.text},
                               {QStringLiteral("data"), result.data}};
        return QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact));
    }
    // A text of several lines (a user or record list) stays on one line.
    QString text = result.text;
    // A batch refusal's message box, as the window shows it beside the status text.
    const QString message = result.data.value(QStringLiteral("message")).toString();
    if (!message.isEmpty())
        text = WithNote(text, message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return result.port.isEmpty() ? text : result.port + QStringLiteral(": ") + text.trimmed();
}

CResultPrinter::CResultPrinter(bool json, EProgressStyle progress, QString command)
    : m_bJson(json), m_progressStyle(progress), m_strCommand(std::move(command)) {
    m_clock.start();
}

void CResultPrinter::PrintResult(const CPortResult& result) {
    EraseBars();
    WriteText(stdout, ResultLine(result, m_bJson) + QLatin1Char('\n'));
    m_progress.erase(result.port);
    m_results.push_back(result);
    DrawBars();
}

void CResultPrinter::ShowProgress(const QString& port, int done, int total) {
    const CProgressStep step{port, m_strCommand, done, total, m_clock.elapsed()};
    switch (m_progressStyle) {
    case EProgressStyle::Bars:
        EraseBars();
        m_progress[port] = step;
        DrawBars();
        break;
    case EProgressStyle::Lines:
        ShowLine(step);
        break;
    case EProgressStyle::Json:
        WriteText(stdout, ProgressJsonText(step) + QLatin1Char('\n'));
        break;
    }
}

// At the start, at every tenth and at the end.
void CResultPrinter::ShowLine(const CProgressStep& step) {
    const int tenth = step.total > 0 ? step.done * 10 / step.total : 0;
    const auto last = m_lastTenth.find(step.port);
    if (last != m_lastTenth.end() && last->second == tenth)
        return;
    m_lastTenth[step.port] = tenth;
    WriteText(stderr, ProgressLineText(step) + QLatin1Char('\n'));
}

void CResultPrinter::PrintSummary() {
    WriteText(stderr, SummaryText(m_results) + QLatin1Char('\n'));
}

void CResultPrinter::EraseBars() {
    if (m_nDrawnLines > 0)
        WriteText(stderr, QStringLiteral("\x1b[%1A\x1b[J").arg(m_nDrawnLines));
    m_nDrawnLines = 0;
}

// One line a port, in the order of --port, the time brought up to now.
void CResultPrinter::DrawBars() {
    if (m_progressStyle != EProgressStyle::Bars)
        return;
    QString text;
    for (const QString& port : m_ports) {
        const auto it = m_progress.find(port);
        if (it == m_progress.end())
            continue;
        text += ProgressBarText(it->second) + QLatin1Char('\n');
        ++m_nDrawnLines;
    }
    WriteText(stderr, text);
}
