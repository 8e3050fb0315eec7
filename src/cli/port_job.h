#pragma once
// One command on one open port: started once, it ends by reporting its result exactly once.
// A command stopped before its end (Ctrl+C, SIGTERM, silence, the port gone) says why, then what
// the stopped exchange leaves behind. The job creates its exchange on its port's session, which
// owns it and hands it every reply and tick; the job listens to the exchange and maps its end to
// a result. Each reply the session collects also comes to OnReply, before the exchange reads it.
#include "cli_result.h"

#include <QByteArray>
#include <QObject>

class CPortSession;

// Why a command ends before the module's answers end it; each kind has its exit code and words.
enum class EJobFailure {
    PortLost, // the device went away, or a write to it failed (exit 5)
    Timeout,  // nothing came from the module within --timeout (exit 4)
    Stream,   // the module kept sending for longer than any answer lasts (exit 4)
    Refused,  // the command cannot go out as asked: a check, a file or a question (exit 2)
};

class CPortJob : public QObject {
    Q_OBJECT
public:
    explicit CPortJob(CPortSession& session, QObject* parent = nullptr);

    virtual void Start() = 0;
    // A signal: the exchange stops as the window stops it when its panel is left. `code` is
    // kExitInterrupted (Ctrl+C) or kExitTerminated (SIGTERM).
    virtual void Interrupt(int code);
    // The command ends for one of the reasons above (only the first end counts). Except for a
    // refusal, the exchange stops and the text says why, then what it leaves behind; a refusal's
    // text is `detail`.
    void Fail(EJobFailure failure, const QString& detail = QString());
    // The most bytes one answer to the command's transmissions may have.
    virtual int LongestReply() const;
    bool HasEnded() const { return m_bEnded; }

signals:
    void Progress(int done, int total);
    // An answer of the module has ended (the line went quiet after it).
    void ReplyEnded();
    void Ended(int code, const QString& text, const QJsonObject& data);

protected:
    CPortSession& Session() { return m_Session; }
    // A reply the session collected: ReplyEnded has been raised for it.
    virtual void OnReply(const QByteArray& /*reply*/) {}
    // Reports the result (only the first time).
    void End(int code, const QString& text, const QJsonObject& data = {});
    virtual void StopExchange() {}
    // What the exchange, once stopped, leaves behind: files written, users stored, the module's
    // state. Empty when there is nothing to tell.
    virtual QString LeftBehind() const { return QString(); }

private:
    void StopWith(int code, const QString& why);

    CPortSession& m_Session;
    bool m_bEnded = false;
};
