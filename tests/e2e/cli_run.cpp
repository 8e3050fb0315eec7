#include "cli_run.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>

QString CliPath() {
    return QStringLiteral(MORVANE_CLI_PATH);
}

QList<QJsonObject> CCliRun::Results() const {
    QList<QJsonObject> results;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        results.append(QJsonDocument::fromJson(line.toUtf8()).object());
    return results;
}

bool WritePortList(const QString& path, const QStringList& adapters, const QString& usbId) {
    QByteArray lines;
    for (const QString& device : adapters)
        lines += QJsonDocument(QJsonObject{{"device", device}, {"usb", usbId}})
                     .toJson(QJsonDocument::Compact) +
                 '\n';
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size();
}

CCliRun RunProgram(const QString& program, const QStringList& arguments, const QString& folder,
                   int timeoutMs) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    CCliRun run;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        process.kill();
    process.waitForFinished(3000);
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

CCliRun RunCli(const QStringList& arguments, const QString& folder, int timeoutMs,
               const QString& language) {
    return RunProgram(CliPath(), QStringList{QStringLiteral("--lang"), language} + arguments,
                      folder, timeoutMs);
}

CCliRun RunCliInShell(const QString& script, const QStringList& arguments, const QString& folder,
                      int timeoutMs) {
    return RunProgram(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"), script, CliPath(), QStringLiteral("--lang"),
                                  QStringLiteral("zh")} +
                          arguments,
                      folder, timeoutMs);
}
