#pragma once
// A pseudo-terminal pair in raw mode for tests that go through a real QSerialPort: the program
// opens SlavePath(); the test plays the module on the master descriptor.
#include <QByteArray>
#include <QString>

class CPtyPair {
public:
    CPtyPair();
    ~CPtyPair();
    CPtyPair(const CPtyPair&) = delete;
    CPtyPair& operator=(const CPtyPair&) = delete;

    bool IsValid() const { return m_nMaster >= 0; }
    QString SlavePath() const { return m_strSlave; }
    bool WriteModule(const QByteArray& bytes);
    // Writes what the device takes now, without waiting; returns how many bytes that was.
    qint64 WriteModuleSome(const QByteArray& bytes);
    // Reads what the host wrote, waiting up to timeoutMs for at least minBytes.
    QByteArray ReadHost(int minBytes, int timeoutMs);
    // Closes the module end: the host sees a hang-up.
    void CloseModuleEnd();

private:
    int m_nMaster = -1;
    int m_nSlaveKeep = -1; // keeps the slave configured while the host has not opened it
    QString m_strSlave;
};
