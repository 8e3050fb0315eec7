#include "port_job.h"

#include "interrupt_watch.h"

#include "protocol/packets.h"
#include "serial/port_session.h"

CPortJob::CPortJob(CPortSession& session, QObject* parent) : QObject(parent), m_Session(session) {
    connect(&session, &CPortSession::ReplyCollected, this, [this](const QByteArray& reply) {
        emit ReplyEnded();
        OnReply(reply);
    });
}

void CPortJob::Interrupt(int code) {
    StopWith(code, InterruptWords(code));
}

void CPortJob::Fail(EJobFailure failure, const QString& detail) {
    switch (failure) {
    case EJobFailure::PortLost:
        StopWith(kExitLost, QStringLiteral("the port went away in the middle of the command"));
        break;
    case EJobFailure::Timeout:
        StopWith(kExitSilent, QStringLiteral("no answer from the module"));
        break;
    case EJobFailure::Stream:
        StopWith(kExitSilent, QStringLiteral("the module kept sending"));
        break;
    case EJobFailure::Refused:
        End(kExitUsage, detail);
        break;
    }
}

int CPortJob::LongestReply() const {
    return kCommandPacketSize;
}

void CPortJob::StopWith(int code, const QString& why) {
    if (m_bEnded)
        return;
    StopExchange();
    const QString left = LeftBehind();
    End(code, left.isEmpty() ? why : why + QStringLiteral(" — ") + left);
}

void CPortJob::End(int code, const QString& text, const QJsonObject& data) {
    if (m_bEnded)
        return;
    m_bEnded = true;
    emit Ended(code, text, data);
}
