#pragma once
// Host-side bytes for the simulator tests, built here rather than with the simulator's own
// helpers, so that a framing mistake there cannot hide itself.
#include "sim/frame_reader.h"
#include "sim/sim_module.h"
#include "support/packet_bytes.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace simtest {

// A command packet for a data command (p1, p2 = payload size) and its data packet.
inline QByteArray WithData(uint8_t command, const QByteArray& payload) {
    const int n = int(payload.size());
    return Packet(command, uint8_t(n >> 8), uint8_t(n & 0xFF)) + DataPacket(payload);
}

inline QByteArray FeaturePayload(uint16_t user, uint8_t privilege, const QByteArray& feature) {
    QByteArray payload;
    payload.append(char(user >> 8)).append(char(user & 0xFF)).append(char(privilege));
    return payload + feature;
}

// A recognisable 193-byte feature value.
inline QByteArray Feature(uint8_t fill) {
    QByteArray feature(193, char(fill));
    feature[0] = char(0x5A);
    return feature;
}

// A 4100-byte download block: F5, index, 4096 bytes, XOR of index and data, F5.
inline QByteArray Block(uint8_t index, const QByteArray& data) {
    const QByteArray body = char(index) + data;
    return char(0xF5) + body + char(Xor(body)) + char(0xF5);
}

inline QByteArray BlockData(uint8_t index) {
    QByteArray data(4096, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + index * 13) & 0xFF);
    return data;
}

inline QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// A module fed through a frame reader, as the serving loop does, minus the pseudo-terminal.
class CModuleDriver {
public:
    explicit CModuleDriver(const sim::CModuleSettings& settings = sim::CModuleSettings(),
                           const sim::CSimFaults& faults = sim::CSimFaults())
        : m_module(settings, faults) {}

    // Everything answered to these host bytes (noise included), in order.
    QByteArray Send(const QByteArray& bytes) {
        m_reader.Append(bytes, m_nNow);
        QByteArray out;
        sim::CFrame frame;
        while (m_reader.TakeFrame(frame))
            out += Handle(frame);
        return out;
    }
    // Lets the line go quiet long enough for unfinished frames to be given up.
    QByteArray Quiet() {
        m_nNow += sim::CFrameReader::kQuietMs;
        QByteArray out;
        sim::CFrame frame;
        while (m_reader.TakeStale(m_nNow, frame))
            out += Handle(frame);
        return out;
    }
    sim::CSimModule& Module() { return m_module; }
    const QString& LastNote() const { return m_strNote; }

private:
    QByteArray Handle(const sim::CFrame& frame) {
        const sim::CAnswer answer = m_module.OnFrame(frame);
        m_reader.SetDownloadMode(m_module.InDownloadMode());
        m_strNote = answer.note;
        return answer.noise + answer.reply;
    }

    sim::CSimModule m_module;
    sim::CFrameReader m_reader;
    qint64 m_nNow = 1000;
    QString m_strNote;
};

} // namespace simtest
