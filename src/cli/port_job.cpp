#include "port_job.h"

#include "cli_texts.h"
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
        StopWith(kExitLost, CCliTexts::tr("命令进行中串口断开了"));
        break;
    case EJobFailure::Timeout:
        StopWith(kExitSilent, CCliTexts::tr("模块没有应答"));
        break;
    case EJobFailure::Stream:
        StopWith(kExitSilent, CCliTexts::tr("模块不停地发送"));
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
