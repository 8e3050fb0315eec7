#pragma once
// The backup of a module's users to a folder, without any window: the user list is read from the
// module (command 0x2B), then each user's feature value is uploaded in turn (command 0x31) and
// written as "<user number>.fea" (193 bytes). One command is in flight at a time; the front end
// writes it and hands back every reply its receive cycle collects. An upload reply is written only
// when it is whole (207 bytes, its data packet's check right). A reply cut or garbled on the line,
// or none within kAnswerMs, is asked for once more once the line has been quiet for kSettleMs (a
// late piece then cannot pass for the next user's reply); a refusal or a second failure is noted
// and the next user follows. Every file is complete once written, so a stop loses nothing
// written. Files already in the folder are overwritten only when the user says so, asked once.
// A symbolic link of a user's file name counts as a file there, and overwriting it puts a plain
// file in its place: nothing outside the folder is ever written through it.
// The test panel and a command-line front end each own one, with the front end's timers.
#include "serial/panel_timers.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class CPortSession;

class CUserBackup : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleTimer = 3; // ids among the front end's timers
    static constexpr int kAnswerTimer = 4;
    static constexpr int kSettleMs = 300;
    static constexpr int kAnswerMs = 3000;

    struct CFailure {
        uint32_t user = 0;
        QString reason;
    };

    // What a backup did, for its closing message.
    struct CReport {
        QString folder;
        int listed = 0;     // users in the module's list (-1: the list never came)
        int written = 0;    // feature files written
        int kept = 0;       // users passed over because their file was there and is kept
        int notReached = 0; // users still to upload when it stopped
        bool stopped = false;
        QString listFailure; // why the list could not be read
        QList<CFailure> failures;
    };

    // The backup's packets go into the session's transmit packet; timers 3 and 4 of the session
    // pace it, their ticks handed on by the front end.
    explicit CUserBackup(CPortSession& session, QObject* parent = nullptr);

    // Whether the packet of CommandReady went out, given from its slot; false when it did not
    // (the front end has said why). No word counts as not sent.
    void Written(bool sent) { m_bWritten = sent; }
    // The answer to the question just Asked, given from its slot: true for OK; no value when it
    // cannot be asked now.
    void Answer(std::optional<bool> answer) { m_answer = answer; }

    // Asks the module for its user list; false (nothing runs) when that could not be sent.
    bool Start(const QString& folder);
    bool IsRunning() const { return m_state != EState::Idle; }
    // A reply the front end collected while the backup runs: the list, then each upload.
    void OnReply(const QByteArray& reply);
    // A tick of the front end's timer id; false for the timers that are not the backup's.
    bool OnTimer(int id);
    // The user stops it, a command of the front end's own goes out, or the port is gone: the
    // backup ends with what it has written. Nothing happens when it is not running.
    void Stop();

    // The closing message: what was written where, what was kept, what failed and why.
    static QString ReportText(const CReport& report);
    // The file of a user: "<folder>/<user number>.fea".
    static QString UserFilePath(const QString& folder, uint32_t user);
    // The user numbers of a user list reply; only whole entries that arrived are read.
    static std::vector<uint32_t> ListedUsers(const uint8_t* reply, int count);

signals:
    // total users to upload; current, 1-based, is about to be uploaded.
    void Progress(unsigned total, unsigned current);
    void Finished(const CReport& report);
    // A command packet (8 bytes) is in the session's transmit packet: the front end writes it
    // through its send path and says so with Written before its slot returns.
    void CommandReady();
    // An OK/Cancel question; the front end answers with Answer before its slot returns.
    void Asked(const QString& question);

private:
    enum class EState { Idle, Listing, Uploading };

    void OnUserList(const uint8_t* reply, int count);
    void OnUpload(const uint8_t* reply, int count);
    void OnUploadFailed(const QString& reason);
    bool KeepExistingFiles(const std::vector<uint32_t>& existing);
    void UploadNext();
    void SendUpload();
    // The command packet into the session's transmit packet, then the front end writes it.
    bool SendCommandPacket(uint8_t command, uint8_t p1, uint8_t p2);
    void Settle();
    void Finish(bool stopped);

    CPortSession& m_Session;
    CPanelTimers& m_Timers;
    bool m_bWritten = false;
    std::optional<bool> m_answer;
    EState m_state = EState::Idle;
    CReport m_report;
    std::vector<uint32_t> m_users; // to upload, in list order
    size_t m_nNext = 0;            // index in m_users of the upload in flight
    bool m_bRetried = false;       // the upload in flight is the second for its user
    bool m_bSettling = false;      // waiting for a quiet line; replies meanwhile are dropped
};

Q_DECLARE_METATYPE(CUserBackup::CReport)
