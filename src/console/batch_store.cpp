#include "batch_store.h"

#include <utility>

CBatchStore::CBatchStore(CHost host, QObject* parent)
    : QObject(parent), m_host(std::move(host)), m_pItems(std::make_shared<CBatchList>()) {}

QString CBatchStore::Load(const QString& folder) {
    auto items = std::make_shared<CBatchList>();
    const QString failure = ScanBatchFolder(folder, items.get(), &m_nLeftOut);
    Use(std::move(items));
    return failure;
}

void CBatchStore::Use(std::shared_ptr<const CBatchList> items) {
    m_pItems = std::move(items);
    m_nBatchPos = 0;
}

unsigned CBatchStore::Total() const {
    return static_cast<unsigned>(m_pItems->Count());
}

void CBatchStore::Begin() {
    m_bBatchActive = true;
    m_host.sendItem();
}

bool CBatchStore::IsRunning() const {
    return m_nBatchPos < m_pItems->Count();
}

uint32_t CBatchStore::CurrentUser() const {
    return BatchItemUser(*m_pItems, m_nBatchPos);
}

int CBatchStore::FillItem(uint8_t* txBuffer) {
    const int length = FillBatchItem(*m_pItems, m_nBatchPos, txBuffer);
    if (length == 0)
        End();
    return length;
}

void CBatchStore::OnReply() {
    if (m_nBatchPos >= m_pItems->Count()) {
        m_bBatchActive = false;
        return;
    }
    ++m_nBatchPos;
    if (m_nBatchPos >= m_pItems->Count())
        return;
    emit Progress(Total(), static_cast<unsigned>(m_nBatchPos) + 1);
    m_host.sendItem();
}

void CBatchStore::OnRefused(const QString& message) {
    m_host.tell(message);
    m_nBatchPos = m_pItems->Count();
}

void CBatchStore::End() {
    m_bBatchActive = false;
    m_nBatchPos = m_pItems->Count();
}

void CBatchStore::EndIfActive() {
    if (m_bBatchActive)
        End();
}
