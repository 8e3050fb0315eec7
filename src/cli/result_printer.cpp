#include "result_printer.h"

#include "output_streams.h"

#include <QJsonDocument>
#include <cstdio>

void WriteText(FILE* stream, const QString& text) {
    WriteStream(stream, text.toUtf8());
}

void PrintError(const QString& message) {
    WriteText(stderr, QStringLiteral("morvane-cli: ") + message + QLatin1Char('\n'));
}

namespace {
constexpr int kBarWidth = 32;

QString Bar(const QString& port, int done, int total) {
    const int filled = total > 0 ? done * kBarWidth / total : 0;
    return QStringLiteral("%1 [%2%3] %4/%5")
        .arg(port, QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char('.')))
        .arg(done)
        .arg(total);
}
} // namespace

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
        text += QStringLiteral(" (") + message + QLatin1Char(')');
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return result.port.isEmpty() ? text : result.port + QStringLiteral(": ") + text.trimmed();
}

CResultPrinter::CResultPrinter(bool json, bool bars) : m_bJson(json), m_bBars(bars) {}

void CResultPrinter::PrintResult(const CPortResult& result) {
    EraseBars();
    WriteText(stdout, ResultLine(result, m_bJson) + QLatin1Char('\n'));
    m_progress.erase(result.port);
    DrawBars();
}

void CResultPrinter::ShowProgress(const QString& port, int done, int total) {
    if (m_bBars) {
        EraseBars();
        m_progress[port] = {done, total};
        DrawBars();
        return;
    }
    // Plain lines: at the start, at every tenth and at the end.
    const int tenth = total > 0 ? done * 10 / total : 0;
    const auto last = m_lastTenth.find(port);
    if (last != m_lastTenth.end() && last->second == tenth)
        return;
    m_lastTenth[port] = tenth;
    WriteText(stderr, QStringLiteral("%1: %2/%3\n").arg(port).arg(done).arg(total));
}

void CResultPrinter::EraseBars() {
    if (m_nDrawnLines > 0)
        WriteText(stderr, QStringLiteral("\x1b[%1A\x1b[J").arg(m_nDrawnLines));
    m_nDrawnLines = 0;
}

void CResultPrinter::DrawBars() {
    if (!m_bBars)
        return;
    QString text;
    for (const QString& port : m_ports) {
        const auto it = m_progress.find(port);
        if (it == m_progress.end())
            continue;
        text += Bar(port, it->second.first, it->second.second) + QLatin1Char('\n');
        ++m_nDrawnLines;
    }
    WriteText(stderr, text);
}
