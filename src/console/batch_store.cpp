#include "batch_store.h"

#include "batch_storage.h"

#include <utility>

CBatchStore::CBatchStore(CHost host, QObject* parent) : QObject(parent), m_host(std::move(host)) {}

QString CBatchStore::Load(const QString& folder) {
    return ScanBatchFolder(folder, &m_nLeftOut);
}

unsigned CBatchStore::Total() const {
    return static_cast<unsigned>(g_nBatchCount);
}

void CBatchStore::Begin() {
    g_bBatchActive = true;
    m_host.sendItem();
}

bool CBatchStore::IsActive() const {
    return g_bBatchActive;
}

bool CBatchStore::IsRunning() const {
    return g_nBatchPos < g_nBatchCount;
}

uint32_t CBatchStore::CurrentUser() const {
    return BatchItemUser(g_nBatchPos);
}

int CBatchStore::FillItem(uint8_t* txBuffer) {
    const int length = FillBatchItem(txBuffer);
    if (length == 0)
        End();
    return length;
}

void CBatchStore::OnReply() {
    if (g_nBatchPos >= g_nBatchCount) {
        g_bBatchActive = false;
        return;
    }
    ++g_nBatchPos;
    if (g_nBatchPos >= g_nBatchCount)
        return;
    emit Progress(Total(), static_cast<unsigned>(g_nBatchPos) + 1);
    m_host.sendItem();
}

void CBatchStore::OnRefused(const QString& message) {
    m_host.tell(message);
    g_nBatchPos = g_nBatchCount;
}

void CBatchStore::End() {
    g_bBatchActive = false;
    g_nBatchPos = g_nBatchCount;
}

void CBatchStore::EndIfActive() {
    if (g_bBatchActive)
        End();
}
