#pragma once
// Batch storage: every feature file of a folder whose name is a user number ("25.fea" is user 25)
// is loaded, the items are sorted by user number, and the panel stores them one after another
// with privilege 1. This file holds the scan, the list of items it loads and the item fill.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

constexpr int kBatchCapacity = 1000;  // files per batch; further matches are passed over
constexpr int kBatchSlotSize = 256;   // the first 193 bytes hold the feature value
constexpr int kMaxBatchUser = 16382;  // the window's batch
constexpr int kMaxStoreUser = 0xFFFF; // what the store command's two user-number bytes carry
constexpr uint8_t kBatchPrivilege = 1;

// The items of one batch, as a scan loaded them; a loaded list never changes, so several ports
// may store the same one. The batch exchange (batch_exchange.h) walks it.
class CBatchList {
public:
    // Number of feature files loaded.
    int Count() const { return static_cast<int>(m_BatchKeys.size()); }
    // The key at sorted position pos: user number x 65536 + slot index; sorted, the keys order
    // the items by user number and, for equal numbers, by the order in which the files were
    // found. 0 outside the items.
    uint32_t Key(int pos) const;
    // Slot i holds, in its first 193 bytes, the feature value of the i-th file found.
    const uint8_t* Slot(int slot) const { return m_BatchFeatures[slot].data(); }

private:
    friend QString LoadBatchFiles(const QString& folder, const QStringList& names, int maxUser,
                                  CBatchList* list);

    std::vector<uint32_t> m_BatchKeys;
    std::vector<std::array<uint8_t, kBatchSlotSize>> m_BatchFeatures;
};

// Exchange sort of the first n keys (n taken as a 16-bit count), ascending, compared unsigned.
void SortBatchKeys(uint32_t* keys, int n);

// The user number a batch file name carries: the decimal digits before its ".fea" (any letter
// case), 0 for the name ".fea". -1 for a name with anything else before ".fea", a number above
// maxUser or no ".fea" ending.
int BatchUserNumber(const QString& fileName, int maxUser = kMaxBatchUser);

// The names (without folder) of the files in `folder` that end in ".fea", in any letter case,
// in the order the directory gives them; this order is the slot order of a scan.
QStringList BatchFileNames(const QString& folder);

// Loads the batch from `folder` into *list: the first kBatchCapacity files found, user numbers
// up to kMaxBatchUser. After a clean scan it returns "" with the items loaded and their keys
// sorted; `leftOut` tells how many more files were found and passed over. Otherwise it returns
// the message to show and leaves the list empty, so that no later reply sends anything by itself.
QString ScanBatchFolder(const QString& folder, CBatchList* list, int* leftOut = nullptr);

// Loads the files `names` of `folder` (at most kBatchCapacity), user numbers up to maxUser, in
// that order into the slots of *list, as ScanBatchFolder loads the files it found.
QString LoadBatchFiles(const QString& folder, const QStringList& names, int maxUser,
                       CBatchList* list);

// Every feature file of `folder` whose name is a user number up to maxUser, sorted by user number
// and, for equal numbers, in the order found: the order a store of them all takes. "" or the
// message of the first name that is none ("无特征值文件!" for a folder without any).
QString SortedBatchFileNames(const QString& folder, int maxUser, QStringList* names);

// The whole store transmission of the item at sorted position pos: the command packet 0x41 with
// the data length 0x00C4, then payload bytes 9..204 (user number high and low, privilege 1 and
// the feature value of its slot). Every item writes all of it, whatever the panel shows
// meanwhile. Returns the length to write (207), or 0 with nothing written when pos is outside
// the loaded items.
int FillBatchItem(const CBatchList& list, int pos, uint8_t* txBuffer);

// The user number of the item at sorted position pos (0 outside the loaded items).
uint32_t BatchItemUser(const CBatchList& list, int pos);
