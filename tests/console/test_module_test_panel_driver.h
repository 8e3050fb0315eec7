#pragma once
// Drives a test panel through its real widgets on the fake serial device: clicks, typing, module
// replies delivered as the control delivers them, and timer-1 ticks fired by hand.
#include "console/module_test_panel.h"
#include "console/module_test_widgets.h"
#include "protocol/packets.h"
#include "serial/panel_timers.h"
#include "serial/serial_control.h"
#include "support/fake_serial_backend.h"
#include "support/packet_bytes.h"
#include "support/panel_controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

inline QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

// A 207-byte feature reply to `command`, feature bytes 12..204 counting up from `first`.
inline QByteArray FeatureReply(uint8_t command, uint8_t first = 0) {
    QByteArray reply = Packet(command, 0x00, 0xC4, 0x00);
    reply.append(char(kPacketMark));
    reply.append(QByteArray(3, '\0'));
    for (int i = 0; i < kFeatureSize; ++i)
        reply.append(char(uint8_t(first + i)));
    reply.append(char(0x00));
    reply.append(char(kPacketMark));
    return reply;
}

using Id = ControlId;
Q_DECLARE_METATYPE(ControlId) // a column type of the tests' tables

class CPanelDriver : public CPanelControls {
public:
    // The test panel's controls by their ControlId.
    using CPanelControls::Button;
    using CPanelControls::Click;
    using CPanelControls::Control;
    using CPanelControls::Edit;
    using CPanelControls::Enabled;
    using CPanelControls::Toggle;
    using CPanelControls::Type;
    QWidget* Control(Id id) const { return Control(IdNumber(id)); }
    QAbstractButton* Button(Id id) const { return Button(IdNumber(id)); }
    QLineEdit* Edit(Id id) const { return Edit(IdNumber(id)); }
    bool Enabled(Id id) const { return Enabled(IdNumber(id)); }
    void Click(Id id) const { Click(IdNumber(id)); }
    void Toggle(Id id) const { Toggle(IdNumber(id)); }
    void Type(Id id, const QString& text) const { Type(IdNumber(id), text); }
    QString Text(Id id) { return Text(IdNumber(id)); }

    CPanelDriver() : CPanelControls(m_panel) {
        m_panel.show();
        m_panel.Comm().SetPortOpen(true);
    }

    CModuleTestDlg& Panel() { return m_panel; }
    CFakeSerialBackend& Device() { return *FakeOf(m_panel.Comm()); }
    QString Text(int id) { return ControlText(Control(id)); }

    // Enrol operation selected with the parameters typed in.
    void SelectWithParams(int radioId, const QString& p1, const QString& p2, const QString& p3) {
        Click(Id::kRadioEnrol); // enables all four parameter fields
        Type(Id::kParam1, p1);
        Type(Id::kParam2, p2);
        Type(Id::kParam3, p3);
        Click(radioId);
    }
    void SelectWithParams(Id radio, const QString& p1, const QString& p2, const QString& p3) {
        SelectWithParams(IdNumber(radio), p1, p2, p3);
    }

    // Module bytes arrive; the control's queued receive event is delivered, nothing else runs.
    void Arrive(const QByteArray& bytes) {
        Device().PushModuleBytes(bytes);
        QCoreApplication::sendPostedEvents(&m_panel.Comm(), QEvent::MetaCall);
    }
    void Tick() { m_panel.OnTimer(1); }
    bool Collecting() { return m_panel.Timers().IsRunning(1); }
    // Ticks until the reply is complete; returns the number of ticks.
    int TickUntilComplete(int most = 100) {
        int ticks = 0;
        while (Collecting() && ticks < most) {
            Tick();
            ++ticks;
        }
        return ticks;
    }
    // A whole reply that arrives at once and is followed by a quiet line.
    void Reply(const QByteArray& bytes) {
        Arrive(bytes);
        TickUntilComplete();
    }

    QList<QByteArray> Writes() { return Device().TakeHostWrites(); }

    // The conversation's state in the panel's session: the transmit packet and its length, the
    // count of bytes collected for the reply, and the batch.
    uint8_t* Tx() { return m_panel.Session().TxBuffer(); }
    QByteArray TxBytes(int n) { return QByteArray(reinterpret_cast<const char*>(Tx()), n); }
    int TxLength() { return m_panel.Session().TxLength(); }
    int RxCount() { return m_panel.Session().ReplyCycle()->RxCount(); }
    // n bytes collected so far.
    void SetRxCount(int n) {
        CReceiveCycle& cycle = *m_panel.Session().ReplyCycle();
        const QByteArray bytes(n, '\0');
        cycle.ResetRxCount();
        cycle.Append(reinterpret_cast<const uint8_t*>(bytes.constData()), n);
    }
    bool BatchActive() { return m_panel.Console().Batch().IsActive(); }
    // The command display as the user sees it.
    QString CommandDisplay() { return Text(Id::kCommandDisplay); }

private:
    CModuleTestDlg m_panel;
};

// "F5 09 00 ..." with the trailing space of the command display.
inline QString CommandText(const QByteArray& packet) {
    return QString::fromLatin1(packet.toHex(' ').toUpper()) + QLatin1Char(' ');
}
