#include "batch_exchange.h"

#include <utility>

CBatchExchange::CBatchExchange(QObject* parent)
    : QObject(parent), m_pItems(std::make_shared<CBatchList>()) {}

QString CBatchExchange::Load(const QString& folder) {
    auto items = std::make_shared<CBatchList>();
    const QString failure = ScanBatchFolder(folder, items.get(), &m_nLeftOut);
    Use(std::move(items));
    return failure;
}

void CBatchExchange::Use(std::shared_ptr<const CBatchList> items) {
    m_pItems = std::move(items);
    m_nBatchPos = 0;
}

unsigned CBatchExchange::Total() const {
    return static_cast<unsigned>(m_pItems->Count());
}

void CBatchExchange::Begin() {
    m_bBatchActive = true;
    emit ItemDue();
}

bool CBatchExchange::IsRunning() const {
    return m_nBatchPos < m_pItems->Count();
}

uint32_t CBatchExchange::CurrentUser() const {
    return BatchItemUser(*m_pItems, m_nBatchPos);
}

int CBatchExchange::FillItem(uint8_t* txBuffer) {
    const int length = FillBatchItem(*m_pItems, m_nBatchPos, txBuffer);
    if (length == 0)
        End();
    return length;
}

void CBatchExchange::OnReply() {
    if (m_nBatchPos >= m_pItems->Count()) {
        m_bBatchActive = false;
        return;
    }
    ++m_nBatchPos;
    if (m_nBatchPos >= m_pItems->Count())
        return;
    emit Progress(Total(), static_cast<unsigned>(m_nBatchPos) + 1);
    emit ItemDue();
}

void CBatchExchange::OnRefused(const QString& message) {
    emit Told(message);
    m_nBatchPos = m_pItems->Count();
}

void CBatchExchange::End() {
    m_bBatchActive = false;
    m_nBatchPos = m_pItems->Count();
}

void CBatchExchange::EndIfActive() {
    if (m_bBatchActive)
        End();
}
