#pragma once
// Everything the module remembers: its users with privilege and feature value, its settings, its
// event records, the finger that lies on its sensor and an enrolment in progress.
#include "fingerprint_image.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <vector>

namespace sim {

struct CModuleSettings {
    int capacity = 1000;
    int prefilledUsers = 0; // users 1..N with deterministic feature values
    uint64_t seed = 1;
    CImageSize imageSize = kDefaultSensor;
    QString versionText = QStringLiteral("MORVANE-SIM FP V2.0");
    uint8_t rateIndex = 2;   // the module's own line rate, 19,200 bit/s
    bool strictRate = false; // frames that come at another rate are lost
};

struct CUser {
    uint8_t privilege = 0;
    QByteArray feature; // 193 bytes
};

// Event types of a record.
namespace event {
constexpr int kCompared = 1;
constexpr int kAdminVerified = 2;
constexpr int kAdded = 3;
constexpr int kDeleted = 4;
constexpr int kDeletedAll = 5;
constexpr int kDeletedOrdinary = 6;
constexpr int kDeletedAdmins = 7;
} // namespace event

struct CEnrolment {
    bool active = false;
    uint16_t user = 0;
    uint8_t privilege = 0;
    int captures = 0;
};

constexpr int kRecordSize = 8;
constexpr int kMaxRecords = 10000; // the oldest record goes when the store is full

class CModuleState {
public:
    explicit CModuleState(const CModuleSettings& settings);

    // Users.
    int UserCount() const { return int(m_users.size()); }
    int Capacity() const { return m_nCapacity; }
    bool IsFull() const { return UserCount() >= m_nCapacity; }
    const CUser* FindUser(uint16_t number) const;
    bool AddUser(uint16_t number, uint8_t privilege, const QByteArray& feature);
    bool RemoveUser(uint16_t number);
    // Removes every user whose privilege is in [low, high]; returns how many went.
    int RemoveUsers(uint8_t low, uint8_t high);
    // The user whose stored feature value is this one, or -1.
    int UserWithFeature(const QByteArray& feature) const;
    const std::map<uint16_t, CUser>& Users() const { return m_users; }

    // The finger on the sensor. Each first enrolment capture puts a new finger there.
    const QByteArray& SensorFinger() const { return m_sensorFinger; }
    uint32_t SensorVariant() const;
    void PlaceNewFinger();

    CEnrolment& Enrolment() { return m_enrolment; }

    // Settings.
    uint8_t CompareLevel() const { return m_nCompareLevel; }
    void SetCompareLevel(uint8_t level) { m_nCompareLevel = level; }
    uint8_t Brightness() const { return m_nBrightness; }
    void SetBrightness(uint8_t value) { m_nBrightness = value; }
    uint8_t RateIndex() const { return m_nRateIndex; }
    void SetRateIndex(uint8_t index) { m_nRateIndex = index; }
    uint8_t RegisterValue(uint8_t reg) const;
    void SetRegister(uint8_t reg, uint8_t value) { m_registers[reg] = value; }
    const QString& VersionText() const { return m_strVersion; }
    void SetVersionText(const QString& text) { m_strVersion = text; }
    CImageSize ImageSize() const { return m_imageSize; }
    bool Asleep() const { return m_bAsleep; }
    void FallAsleep() { m_bAsleep = true; }

    // Event records, 8 bytes each: record number (22 bits) and user number (10 bits) in b0..b3,
    // b4..b6 zero, event type in b7.
    void AddRecord(uint16_t user, int eventType);
    // The record with this number, or 8 bytes of 0xFF.
    QByteArray RecordNumbered(uint32_t number) const;
    // Records not yet fetched as new ones, oldest first; at most limit of them (0: all).
    std::vector<QByteArray> TakeNewRecords(int limit);
    int RecordCount() const { return int(m_records.size()); }
    void ClearRecords();

private:
    std::map<uint16_t, CUser> m_users;
    int m_nCapacity;
    uint64_t m_nSeed;
    uint64_t m_nNextFinger = 0x10000; // finger ids of new fingers; users 1..N use their numbers
    QByteArray m_sensorFinger;
    CEnrolment m_enrolment;
    uint8_t m_nCompareLevel = 5;
    uint8_t m_nBrightness = 0x64;
    uint8_t m_nRateIndex = 2; // 19,200 bit/s
    bool m_bAsleep = false;
    std::map<uint8_t, uint8_t> m_registers;
    QString m_strVersion;
    CImageSize m_imageSize;
    std::vector<QByteArray> m_records;
    uint32_t m_nNextRecordNumber = 1;
    size_t m_nFirstNewRecord = 0;
};

} // namespace sim
