#pragma once
// The pseudo-terminal the host talks to. The module holds the master side; it also keeps the
// slave side open itself, so that the host can close and reopen the device (as it does when it
// switches panels) without the master seeing a hang-up, and so that the slave stays raw.
#include <QString>

namespace sim {

class CPseudoTerminal {
public:
    CPseudoTerminal() = default;
    ~CPseudoTerminal();
    CPseudoTerminal(const CPseudoTerminal&) = delete;
    CPseudoTerminal& operator=(const CPseudoTerminal&) = delete;

    bool Open(QString& error);
    // Makes path a symbolic link to the device; an old link there is replaced, anything else
    // is left alone and refused.
    bool Link(const QString& path, QString& error);
    // Closes both sides and removes the link if it still points at this device.
    void Close();

    // The rate the host set on the device in bits per second when it is one of 9,600 to
    // 115,200, else 0. The pseudo-terminal itself carries bytes at any speed; it only keeps it.
    int LineRate() const;

    int MasterFd() const { return m_nMaster; }
    int SlaveFd() const { return m_nSlave; }
    QString DevicePath() const { return m_strDevice; }

private:
    int m_nMaster = -1;
    int m_nSlave = -1;
    QString m_strDevice;
    QString m_strLink;
};

} // namespace sim
