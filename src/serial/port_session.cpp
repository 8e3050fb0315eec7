#include "port_session.h"

#include "port_operations.h"

CPortSession::CPortSession(QObject* parent) : CPortSession(CreateSerialBackend(), parent) {}

CPortSession::CPortSession(std::unique_ptr<CSerialBackend> backend, QObject* parent)
    : QObject(parent), m_Comm(std::move(backend), this),
      m_Timers(this, [this](int id) { OnTimer(id); }) {
    connect(&m_Comm, &CMSComm::OnComm, this, &CPortSession::OnComm);
    connect(&m_Comm, &CMSComm::PortLost, this, &CPortSession::PortLost);
}

CPortSession::~CPortSession() = default;

CReceiveCycle& CPortSession::CollectReplies(int periodMs, int holdThreshold, int limit,
                                            EWhenFull whenFull) {
    m_pReplyCycle = std::make_unique<CReceiveCycle>(m_Comm, m_Timers, periodMs, holdThreshold,
                                                    limit, whenFull);
    return *m_pReplyCycle;
}

void CPortSession::ApplyBaudRate(int baudIndex) {
    m_nBaudIndex = baudIndex;
    ::ApplyBaudRate(m_Comm, baudIndex);
}

bool CPortSession::WriteTx(int count, int pieceSize) {
    return WriteBytes(m_Comm, m_TxBuffer, count, pieceSize);
}

void CPortSession::OnComm() {
    if (m_pReplyCycle)
        m_pReplyCycle->OnComm();
    else
        emit CommReceived();
}

void CPortSession::OnTimer(int id) {
    if (m_pReplyCycle && m_pReplyCycle->OnTimer(id))
        emit ReplyCollected(m_pReplyCycle->Reply());
    emit Ticked(id);
}
