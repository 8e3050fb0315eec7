#pragma once
// The test console's reading of a finished reply: the status text, and which follow-ups the panel
// must run (image, user-number increment, save button, batch message). Pure: it reads only the
// bytes it is given and never past their count.
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// The store's result code for a user number the module holds already.
constexpr int kStoreUserExists = 0x06;

struct CReplyOptions {
    bool idIncAfterEnrol = false;    // 1082 "ID号自增1"
    bool idIncAfterStore = false;    // 1086 "ID号自动加1"
    bool batchActive = false;        // the batch flag is set
    bool batchRunning = false;       // batch position below the batch count
    uint32_t batchUser = 0;          // user number of the current batch item
    bool existingUserStored = false; // a batch goes on past a user the module holds already
};

struct CReplyOutcome {
    int command = -1;    // byte 1, or -1 when it did not arrive
    int resultCode = -1; // byte 4, or -1 when it did not arrive
    QString status;      // as the status field shows it (upper case)
    bool decodeImage = false;
    bool incrementUser = false;
    bool enableSave = false;
    QString batchMessage; // message box of a refused batch store; empty for none
    bool endBatch = false;
};

// The status text of a feature store's result code: "操作成功" for 0, "此用户已存在", ….
QString StoreText(int rc);

// The version text of a 0x26 reply as the module's users read it: GB18030.
QString VersionBytesText(QByteArrayView bytes);

CReplyOutcome InterpretReplyBytes(const uint8_t* bytes, int count, const CReplyOptions& options);
