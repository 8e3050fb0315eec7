#include "sim_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

CSimProcess::CSimProcess(const QString& simPath, const QStringList& extraArguments,
                         int startTimeoutMs) {
    m_strLog = m_dir.filePath(QStringLiteral("sim.log"));
    m_process.setProgram(simPath);
    m_process.setArguments(QStringList{QStringLiteral("--log"), m_strLog} + extraArguments);
    m_process.start();
    if (!m_process.waitForStarted(startTimeoutMs))
        return;
    QDeadlineTimer deadline(startTimeoutMs);
    while (!m_process.canReadLine() && !deadline.hasExpired() &&
           m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    if (m_process.canReadLine())
        m_strDevice = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

CSimProcess::~CSimProcess() {
    if (m_process.state() != QProcess::NotRunning && !Stop(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool CSimProcess::IsRunning() const {
    return m_process.state() == QProcess::Running && !m_strDevice.isEmpty();
}

QStringList CSimProcess::LogLines() const {
    QFile file(m_strLog);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool CSimProcess::WaitForLogLine(const QString& text, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        for (const QString& line : LogLines())
            if (line.contains(text))
                return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

QString CSimProcess::ErrorOutput() {
    m_strErrors += QString::fromLocal8Bit(m_process.readAllStandardError());
    return m_strErrors;
}

bool CSimProcess::Stop(int timeoutMs) {
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    m_process.terminate();
    if (!m_process.waitForFinished(timeoutMs))
        return false;
    ErrorOutput();
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}
