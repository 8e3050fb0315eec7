#pragma once
// The batch store exchange without any window: the feature files of a folder are stored one
// after another, each item's reply sending the next, until the last one, a refusal, a send of
// the front end's own command or a failed write ends it. The items and their packets are those
// of batch_folder_scan.h; the flag and the position are the exchange's own. The console exchange
// owns one and sends each item it asks for.
#include "batch_folder_scan.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class CBatchExchange : public QObject {
    Q_OBJECT
public:
    explicit CBatchExchange(QObject* parent = nullptr);

    // Loads the batch from `folder`: "" with Total() items and the first one current, or the
    // message to show, with nothing loaded.
    QString Load(const QString& folder);
    // The items of a list loaded elsewhere (shared, never changed), the first one current.
    void Use(std::shared_ptr<const CBatchList> items);
    unsigned Total() const;
    // The files the last Load found beyond the batch's capacity and passed over.
    int LeftOut() const { return m_nLeftOut; }
    // Sends the first item; from now on every send sends the current item.
    void Begin();
    // While set, a send sends the current item instead of the front end's command.
    bool IsActive() const { return m_bBatchActive; }
    // An item is still to be stored or has just been sent.
    bool IsRunning() const;
    // The user number of the current item (0 once the items are used up).
    uint32_t CurrentUser() const;
    // The current item's whole transmission in txBuffer and its length; 0 when no item is left,
    // which ends the batch.
    int FillItem(uint8_t* txBuffer);
    // After every reply: the next item goes out while the batch runs, else the batch ends.
    void OnReply();
    // The module refused the item: the message is told and the batch runs no further; the step
    // after this reply then ends it.
    void OnRefused(const QString& message);
    // The front end's own command goes out: otherwise its reply would advance the batch and send
    // that command again and again until the count was reached.
    void End();
    // A write failed or the port went away: a batch under way ends, so that no later reply sends
    // its next item.
    void EndIfActive();

signals:
    // The item current of total has become current and is about to be sent.
    void Progress(unsigned total, unsigned current);
    // The current item is to go out now: the console's send path asks FillItem for it.
    void ItemDue();
    // An OK message: the module refused an item.
    void Told(const QString& message);

private:
    int m_nLeftOut = 0;
    std::shared_ptr<const CBatchList> m_pItems;
    bool m_bBatchActive = false;
    int m_nBatchPos = 0; // 0-based index, in sorted order, of the item sent last
};
