#include "batch_folder_scan.h"

#include "files/file_access.h"
#include "files/file_errors.h"
#include "protocol/command_codes.h"
#include "protocol/packets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

// The batch folder's messages, translated as one context.
class CBatchScanTexts {
    Q_DECLARE_TR_FUNCTIONS(CBatchScanTexts)
};

namespace {
const QString kSuffix = QStringLiteral(".fea");
constexpr int kSlotBits = 16;
constexpr uint32_t kSlotMask = 0xFFFF;
constexpr uint8_t kBatchPayloadSize = 0xC4; // user number, privilege and one feature value

uint32_t BatchKey(int user, int slot) {
    return (static_cast<uint32_t>(user) << kSlotBits) | static_cast<uint32_t>(slot);
}

QString InvalidName(const QString& name) {
    return CBatchScanTexts::tr("文件名%1无效!").arg(name);
}

QString ReadFailed(const QString& path, const QString& reason) {
    return WithReason(CBatchScanTexts::tr("文件读取失败! %1").arg(path), reason);
}

// Reads the feature value of one file into its slot; "" or the message, with the file and why.
QString LoadSlot(const QString& path, uint8_t* slot) {
    if (IsStreamPath(path))
        return ReadFailed(path, NotAPlainFileText());
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return WithReason(CBatchScanTexts::tr("文件打开失败! %1").arg(path), LastErrorText());
    const qint64 got = file.read(reinterpret_cast<char*>(slot), kFeatureSize);
    if (got < 0)
        return ReadFailed(path, LastErrorText());
    if (got < kFeatureSize)
        return ReadFailed(
            path, CBatchScanTexts::tr("只有 %1 字节，应有 %2 字节").arg(got).arg(kFeatureSize));
    return QString();
}

// One matching file at the next free slot, with its key; "" or the message that stops the scan.
QString LoadBatchFile(const QDir& dir, const QString& name, int maxUser,
                      std::vector<uint32_t>& keys,
                      std::vector<std::array<uint8_t, kBatchSlotSize>>& features) {
    const int user = BatchUserNumber(name, maxUser);
    if (user < 0)
        return InvalidName(name);
    const int slot = static_cast<int>(features.size());
    features.emplace_back();
    features.back().fill(0);
    const QString failure = LoadSlot(dir.filePath(name), features.back().data());
    if (!failure.isEmpty())
        return failure;
    keys.push_back(BatchKey(user, slot));
    return QString();
}

bool IsLoadedPosition(const CBatchList& list, int pos) {
    return pos >= 0 && pos < list.Count() && pos < kBatchCapacity;
}
} // namespace

uint32_t CBatchList::Key(int pos) const {
    return IsLoadedPosition(*this, pos) ? m_BatchKeys[pos] : 0;
}

void SortBatchKeys(uint32_t* keys, int n) {
    if (n <= 1)
        return; // a negative count must not turn into a huge 16-bit one
    const int count = static_cast<uint16_t>(n);
    for (int m = count - 1; m >= 1; --m)
        for (int i = 0; i < m; ++i)
            if (keys[i] > keys[i + 1])
                std::swap(keys[i], keys[i + 1]);
}

int BatchUserNumber(const QString& fileName, int maxUser) {
    if (!fileName.endsWith(kSuffix, Qt::CaseInsensitive))
        return -1;
    const int digits = fileName.size() - kSuffix.size();
    int user = 0;
    for (int i = 0; i < digits; ++i) {
        const QChar c = fileName.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        user = user * 10 + (c.unicode() - '0');
        if (user > maxUser)
            return -1;
    }
    return user;
}

QStringList BatchFileNames(const QString& folder) {
    // Name filters match without regard to letter case; ".fea" alone is a hidden file here.
    return QDir(folder).entryList(QStringList{QStringLiteral("*.fea")}, QDir::Files | QDir::Hidden,
                                  QDir::Unsorted);
}

QString ScanBatchFolder(const QString& folder, CBatchList* list, int* leftOut) {
    const QStringList names = BatchFileNames(folder);
    if (leftOut)
        *leftOut = std::max(0, int(names.size()) - kBatchCapacity);
    if (!names.isEmpty())
        return LoadBatchFiles(folder, names.mid(0, kBatchCapacity), kMaxBatchUser, list);
    *list = CBatchList();
    return CBatchScanTexts::tr("无特征值文件!");
}

QString LoadBatchFiles(const QString& folder, const QStringList& names, int maxUser,
                       CBatchList* list) {
    *list = CBatchList();
    std::vector<uint32_t> keys;
    std::vector<std::array<uint8_t, kBatchSlotSize>> features;
    const QDir dir(folder);
    for (const QString& name : names.mid(0, kBatchCapacity)) {
        const QString failure = LoadBatchFile(dir, name, maxUser, keys, features);
        if (!failure.isEmpty())
            return failure;
    }
    SortBatchKeys(keys.data(), static_cast<int>(keys.size()));
    list->m_BatchKeys = std::move(keys);
    list->m_BatchFeatures = std::move(features);
    return QString();
}

QString SortedBatchFileNames(const QString& folder, int maxUser, QStringList* names) {
    const QStringList found = BatchFileNames(folder);
    if (found.isEmpty())
        return CBatchScanTexts::tr("无特征值文件!");
    std::vector<std::pair<int, int>> order; // user number, place found
    for (int i = 0; i < found.size(); ++i) {
        const int user = BatchUserNumber(found[i], maxUser);
        if (user < 0)
            return InvalidName(found[i]);
        order.emplace_back(user, i);
    }
    std::sort(order.begin(), order.end());
    names->clear();
    for (const auto& [user, place] : order)
        names->append(found[place]);
    return QString();
}

int FillBatchItem(const CBatchList& list, int pos, uint8_t* txBuffer) {
    if (!IsLoadedPosition(list, pos))
        return 0;
    const uint32_t key = list.Key(pos);
    const uint32_t user = key >> kSlotBits;
    const uint32_t slot = key & kSlotMask;
    if (slot >= static_cast<uint32_t>(list.Count()))
        return 0;
    FillCommandPacket(txBuffer, ModuleCommand::kStoreFeature, 0x00, kBatchPayloadSize, 0x00);
    txBuffer[kFeatureOffset - 3] = static_cast<uint8_t>(user >> 8);
    txBuffer[kFeatureOffset - 2] = static_cast<uint8_t>(user & 0xFF);
    txBuffer[kFeatureOffset - 1] = kBatchPrivilege;
    std::memcpy(txBuffer + kFeatureOffset, list.Slot(static_cast<int>(slot)), kFeatureSize);
    return TransmissionLength(0x00, kBatchPayloadSize);
}

uint32_t BatchItemUser(const CBatchList& list, int pos) {
    return list.Key(pos) >> kSlotBits;
}
