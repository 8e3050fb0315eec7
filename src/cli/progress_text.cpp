#include "progress_text.h"

#include "cli_texts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

namespace {
constexpr int kBarWidth = 32;

// "1:05" for 65 s.
QString Minutes(qint64 ms) {
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The time still to go at the pace so far; empty before the first step is done.
QString TimeLeft(const CProgressStep& step) {
    if (step.done <= 0 || step.total <= 0)
        return QString();
    const qint64 left = step.elapsedMs * std::max(0, step.total - step.done) / step.done;
    return CCliTexts::tr("，剩余 %1").arg(Minutes(left));
}
} // namespace

QString ProgressBarText(const CProgressStep& step) {
    const int filled = step.total > 0 ? step.done * kBarWidth / step.total : 0;
    const int percent = step.total > 0 ? step.done * 100 / step.total : 0;
    return CCliTexts::tr("%1 [%2%3] %4% %5/%6  已用 %7%8")
        .arg(step.port, QString(filled, QLatin1Char('#')),
             QString(kBarWidth - filled, QLatin1Char('.')))
        .arg(percent, 3)
        .arg(step.done)
        .arg(step.total)
        .arg(Minutes(step.elapsedMs), TimeLeft(step));
}

QString ProgressLineText(const CProgressStep& step) {
    return CCliTexts::tr("%1：%2/%3，已用 %4")
        .arg(step.port)
        .arg(step.done)
        .arg(step.total)
        .arg(Minutes(step.elapsedMs));
}

QString ProgressJsonText(const CProgressStep& step) {
    const QJsonObject line{{QStringLiteral("port"), step.port},
                           {QStringLiteral("command"), step.command},
                           {QStringLiteral("done"), step.done},
                           {QStringLiteral("total"), step.total},
                           {QStringLiteral("elapsed_ms"), step.elapsedMs}};
    return QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact));
}

QString SummaryText(const std::vector<CPortResult>& results) {
    QStringList failed;
    for (const CPortResult& result : results)
        if (result.code != kExitOk)
            failed << WithNote(result.port, result.text.simplified());
    QString text = CCliTexts::tr("%1 个串口成功，共 %2 个")
                       .arg(results.size() - size_t(failed.size()))
                       .arg(results.size());
    //: between the failed ports of the summary
    const QString between = CCliTexts::tr("；");
    if (!failed.isEmpty())
        text += CCliTexts::tr("；失败：%1").arg(failed.join(between));
    return text;
}
