#pragma once
// Batch storage: every feature file of a folder whose name is a user number ("25.fea" is user 25)
// is loaded, the items are sorted by user number, and the panel stores them one after another
// with privilege 1. This file holds the process-wide batch state, the scan and the item fill.
#include <QString>
#include <QStringList>
#include <cstdint>

constexpr int kBatchCapacity = 1000;  // files per batch; further matches are passed over
constexpr int kBatchSlotSize = 256;   // the first 193 bytes hold the feature value
constexpr int kMaxBatchUser = 16382;  // the window's batch
constexpr int kMaxStoreUser = 0xFFFF; // what the store command's two user-number bytes carry
constexpr uint8_t kBatchPrivilege = 1;

// The batch state is per thread: morvane-cli stores one folder into several modules at once,
// one thread each, and each thread loads and walks its own batches; the window has one.
// While set, sending a command sends the current batch item instead of the panel's parameters.
extern thread_local bool g_bBatchActive;
// 0-based index, in sorted order, of the item sent last.
extern thread_local int g_nBatchPos;
// Number of feature files loaded by the last scan.
extern thread_local int g_nBatchCount;
// key = user number x 65536 + slot index; sorted, they order the items by user number and, for
// equal numbers, by the order in which the files were found.
extern thread_local uint32_t g_BatchKeys[kBatchCapacity];
// Slot i holds the feature value of the i-th file found.
extern thread_local uint8_t g_BatchFeatures[kBatchCapacity][kBatchSlotSize];

// Back to the state at program start (all zero, not active); tests call it between cases.
void ResetBatchState();

// Exchange sort of the first n keys (n taken as a 16-bit count), ascending, compared unsigned.
void SortBatchKeys(uint32_t* keys, int n);

// The user number a batch file name carries: the decimal digits before its ".fea" (any letter
// case), 0 for the name ".fea". -1 for a name with anything else before ".fea", a number above
// maxUser or no ".fea" ending.
int BatchUserNumber(const QString& fileName, int maxUser = kMaxBatchUser);

// The names (without folder) of the files in `folder` that end in ".fea", in any letter case,
// in the order the directory gives them; this order is the slot order of a scan.
QStringList BatchFileNames(const QString& folder);

// Loads the batch from `folder`: the first kBatchCapacity files found, user numbers up to
// kMaxBatchUser. After a clean scan it returns "" with g_nBatchCount set, the keys sorted and
// g_nBatchPos at 0 (the first item); `leftOut` tells how many more files were found and passed
// over. Otherwise it returns the message to show and leaves g_nBatchPos and g_nBatchCount at 0,
// so that no later reply sends anything by itself.
QString ScanBatchFolder(const QString& folder, int* leftOut = nullptr);

// Loads the files `names` of `folder` (at most kBatchCapacity), user numbers up to maxUser, in
// that order into the slots, as ScanBatchFolder loads the files it found.
QString LoadBatchFiles(const QString& folder, const QStringList& names, int maxUser);

// Every feature file of `folder` whose name is a user number up to maxUser, sorted by user number
// and, for equal numbers, in the order found: the order a store of them all takes. "" or the
// message of the first name that is none ("无特征值文件!" for a folder without any).
QString SortedBatchFileNames(const QString& folder, int maxUser, QStringList* names);

// The whole store transmission of the item at g_nBatchPos: the command packet 0x41 with the
// data length 0x00C4, then payload bytes 9..204 (user number high and low, privilege 1 and the
// feature value of its slot). Every item writes all of it, whatever the panel shows meanwhile.
// Returns the length to write (207), or 0 with nothing written when g_nBatchPos is outside the
// loaded items.
int FillBatchItem(uint8_t* txBuffer);

// The user number of the item at sorted position pos (0 outside the loaded items).
uint32_t BatchItemUser(int pos);
