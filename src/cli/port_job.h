#pragma once
// One command on one open port: started once, it ends by reporting its result exactly once.
#include "cli_result.h"

#include <QObject>

class CMSComm;
class CPanelTimers;

class CPortJob : public QObject {
    Q_OBJECT
public:
    explicit CPortJob(QObject* parent = nullptr) : QObject(parent) {}

    virtual void Start() = 0;
    // Ctrl+C: the exchange stops as the window stops it when its panel is left.
    virtual void Interrupt();
    // Nothing came from the module within the timeout: the exchange stops quietly.
    virtual void Silence();
    // The device went away.
    void OnPortLost();
    bool HasEnded() const { return m_bEnded; }

signals:
    void Progress(int done, int total);
    void Ended(int code, const QString& text, const QJsonObject& data);

protected:
    // Reports the result (only the first time).
    void End(int code, const QString& text, const QJsonObject& data = {});
    virtual void StopExchange() {}

private:
    bool m_bEnded = false;
};
