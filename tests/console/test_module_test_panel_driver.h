#pragma once
// Drives a test panel through its real widgets on the fake serial device: clicks, typing, module
// replies delivered as the control delivers them, and timer-1 ticks fired by hand.
#include "console/module_test_panel.h"
#include "console/module_test_widgets.h"
#include "protocol/buffers.h"
#include "protocol/packets.h"
#include "serial/mscomm.h"
#include "serial/panel_timers.h"
#include "support/accessible_toggle.h"
#include "support/fake_serial_backend.h"
#include "support/packet_bytes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
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

class CPanelDriver {
public:
    CPanelDriver() {
        m_panel.show();
        m_panel.Comm().SetPortOpen(true);
    }

    CModuleTestDlg& Panel() { return m_panel; }
    CFakeSerialBackend& Device() { return *FakeOf(m_panel.Comm()); }

    QWidget* Control(int id) {
        QWidget* control = m_panel.Control(id);
        if (!control)
            qFatal("no control %d", id);
        return control;
    }
    QAbstractButton* Button(int id) { return qobject_cast<QAbstractButton*>(Control(id)); }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(Control(id)); }
    QString Text(int id) { return ControlText(Control(id)); }
    bool Enabled(int id) { return Control(id)->isEnabled(); }

    // A click with the mouse where the user would click; hidden buttons, which no user can
    // reach, are clicked the only way they can be.
    void Click(int id) {
        QAbstractButton* button = Button(id);
        if (!button->isVisible()) {
            button->click();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, ClickPoint(button));
    }

    // Toggles a check box or radio button as an assistive technology does, without a click.
    void Toggle(int id) {
        if (!AccessibleToggle(Button(id)))
            qFatal("control %d offers no toggle", id);
    }

    // Replaces the field's text by typing, as the user would after selecting all of it.
    void Type(int id, const QString& text) {
        QLineEdit* edit = Edit(id);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    // Enrol operation selected with the parameters typed in.
    void SelectWithParams(int radioId, const QString& p1, const QString& p2, const QString& p3) {
        Click(1021); // enables all four parameter fields
        Type(1000, p1);
        Type(1003, p2);
        Type(1004, p3);
        Click(radioId);
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
    // The command display as the user sees it.
    QString CommandDisplay() { return Text(1002); }

private:
    static QPoint ClickPoint(QAbstractButton* button) {
        if (button->inherits("QCheckBox") || button->inherits("QRadioButton"))
            return QPoint(6, button->height() / 2); // on the indicator
        return button->rect().center();
    }

    CModuleTestDlg m_panel;
};

// "F5 09 00 ..." with the trailing space of the command display.
inline QString CommandText(const QByteArray& packet) {
    return QString::fromLatin1(packet.toHex(' ').toUpper()) + QLatin1Char(' ');
}
