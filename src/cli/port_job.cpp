#include "port_job.h"

#include "serial/port_operations.h"

void CPortJob::Interrupt() {
    StopExchange();
    End(kExitInterrupted, QStringLiteral("interrupted"));
}

void CPortJob::Silence() {
    StopExchange();
    End(kExitSilent, QStringLiteral("no answer from the module"));
}

void CPortJob::OnPortLost() {
    StopExchange();
    End(kExitPort, QString::fromLatin1(CommPortErrorText()));
}

void CPortJob::End(int code, const QString& text, const QJsonObject& data) {
    if (m_bEnded)
        return;
    m_bEnded = true;
    emit Ended(code, text, data);
}
