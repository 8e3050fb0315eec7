#include "module_state.h"

#include "sim_random.h"

#include <algorithm>

namespace sim {

namespace {
// The sensor-offset registers that the image-move buttons of the host set; their defaults are
// the values the host subtracts its offsets from.
constexpr uint8_t kMoveRightRegister = 0;
constexpr uint8_t kMoveUpRegister = 1;

QByteArray RecordBytes(uint32_t number, uint16_t user, int eventType) {
    const uint32_t user10 = user & 0x3FFu;
    QByteArray record(kRecordSize, '\0');
    record[0] = char((number >> 14) & 0xFF);
    record[1] = char((number >> 6) & 0xFF);
    record[2] = char(((number & 0x3F) << 2) | (user10 >> 8));
    record[3] = char(user10 & 0xFF);
    record[7] = char(eventType & 0x0F);
    return record;
}

uint32_t RecordNumberOf(const QByteArray& record) {
    const auto b = [&](int i) { return uint32_t(uint8_t(record.at(i))); };
    return b(0) * 16384 + b(1) * 64 + (b(2) >> 2);
}
} // namespace

CModuleState::CModuleState(const CModuleSettings& settings)
    : m_nCapacity(settings.capacity), m_nSeed(settings.seed), m_strVersion(settings.versionText),
      m_imageSize(settings.imageSize) {
    m_nRateIndex = settings.rateIndex;
    m_registers[kMoveRightRegister] = 0x6A;
    m_registers[kMoveUpRegister] = 0x80;
    const int prefilled = std::min(settings.prefilledUsers, std::min(settings.capacity, 0xFFFF));
    for (int number = 1; number <= prefilled; ++number)
        m_users[uint16_t(number)] = CUser{1, FeatureValueOf(m_nSeed, uint64_t(number))};
    // The tester's finger rests on the sensor: the last pre-filled user's, or nobody's.
    m_sensorFinger = FeatureValueOf(m_nSeed, uint64_t(prefilled));
}

const CUser* CModuleState::FindUser(uint16_t number) const {
    const auto found = m_users.find(number);
    return found == m_users.end() ? nullptr : &found->second;
}

bool CModuleState::AddUser(uint16_t number, uint8_t privilege, const QByteArray& feature) {
    if (FindUser(number) || IsFull())
        return false;
    m_users[number] = CUser{privilege, feature};
    return true;
}

bool CModuleState::RemoveUser(uint16_t number) {
    return m_users.erase(number) > 0;
}

int CModuleState::RemoveUsers(uint8_t low, uint8_t high) {
    int removed = 0;
    for (auto it = m_users.begin(); it != m_users.end();) {
        if (it->second.privilege >= low && it->second.privilege <= high) {
            it = m_users.erase(it);
            ++removed;
        } else {
            ++it;
        }
    }
    return removed;
}

int CModuleState::UserWithFeature(const QByteArray& feature) const {
    for (const auto& [number, user] : m_users)
        if (user.feature == feature)
            return number;
    return -1;
}

uint32_t CModuleState::SensorVariant() const {
    uint32_t variant = 0;
    for (int i = 0; i < 4 && i < m_sensorFinger.size(); ++i)
        variant = (variant << 8) | uint8_t(m_sensorFinger.at(i));
    return variant;
}

void CModuleState::PlaceNewFinger() {
    m_sensorFinger = FeatureValueOf(m_nSeed, m_nNextFinger++);
}

uint8_t CModuleState::RegisterValue(uint8_t reg) const {
    const auto found = m_registers.find(reg);
    return found == m_registers.end() ? 0 : found->second;
}

void CModuleState::AddRecord(uint16_t user, int eventType) {
    if (m_records.size() >= size_t(kMaxRecords)) {
        m_records.erase(m_records.begin());
        m_nFirstNewRecord = m_nFirstNewRecord > 0 ? m_nFirstNewRecord - 1 : 0;
    }
    m_records.push_back(RecordBytes(m_nNextRecordNumber, user, eventType));
    m_nNextRecordNumber = (m_nNextRecordNumber + 1) & 0x3FFFFF;
}

QByteArray CModuleState::RecordNumbered(uint32_t number) const {
    for (const QByteArray& record : m_records)
        if (RecordNumberOf(record) == number)
            return record;
    return QByteArray(kRecordSize, char(0xFF));
}

std::vector<QByteArray> CModuleState::TakeNewRecords(int limit) {
    const size_t available = m_records.size() - m_nFirstNewRecord;
    const size_t count = limit > 0 ? std::min(available, size_t(limit)) : available;
    std::vector<QByteArray> taken(m_records.begin() + long(m_nFirstNewRecord),
                                  m_records.begin() + long(m_nFirstNewRecord + count));
    m_nFirstNewRecord += count;
    return taken;
}

void CModuleState::ClearRecords() {
    m_records.clear();
    m_nFirstNewRecord = 0;
    m_nNextRecordNumber = 1;
}

} // namespace sim
