#pragma once
// The status bar's account of the module's silence. While a command is out and no byte has come
// back, the message pane says that the program waits for the module, with the port, its device
// and the rate; when nothing at all has arrived 2 s after the last write, it says that the module
// did not answer and what to check. The first byte back, a lost port or a panel switch give
// "就绪" again. The panels know nothing of it: it follows their serial controls.
#include <QObject>
#include <QString>

class CMSComm;
class CPanelTimers;
class QLabel;

// "等待模块回复… COM1 /dev/ttyUSB0 19200"; the device is left out where it is the port's name.
QString WaitingForModuleText(const QString& port, const QString& device, const QString& rate);
// The same line for a module that has not answered, with the hint to check cable, power, rate.
QString ModuleSilentText(const QString& port, const QString& device, const QString& rate);

class CReplyWaitStatus : public QObject {
    Q_OBJECT
public:
    static constexpr int kSilenceTimer = 1;
    static constexpr int kSilencePeriodMs = 2000;

    CReplyWaitStatus(QLabel* pane, QObject* parent);

    // Follows the writes, arrivals and loss of this control's port.
    void Watch(CMSComm& comm);
    // "就绪", nothing awaited.
    void Reset();

    void OnTransmitted(const CMSComm& comm);
    void OnBytesReceived();
    // The silence timer; tests fire it instead of waiting 2 s.
    void OnTimer(int id);
    CPanelTimers& Timers() { return *m_pTimers; }

private:
    QLabel* m_pPane;
    CPanelTimers* m_pTimers;
    bool m_bAwaiting = false;
    QString m_strPort, m_strDevice, m_strRate;
};
