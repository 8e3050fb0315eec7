#pragma once
// The serial device of a port with -v: every call goes to the real device, and the bytes written
// and read are told as lines of hexadecimal. The pieces of one write (a download block goes in
// pieces of 512) make one "TX" line; the reads of one reply make one "RX" line, told when the
// line has been quiet for a moment or the host writes again. Under each line go the frames it
// holds, each explained in one line by the frame decoder the communication log uses.
#include "serial/serial_backend.h"
#include "trace/frame_decoder.h"

#include <QTimer>
#include <functional>
#include <memory>

class CTraceBackend : public CSerialBackend {
    Q_OBJECT
public:
    using Sink = std::function<void(const QString& line)>;
    CTraceBackend(std::unique_ptr<CSerialBackend> device, Sink sink);
    ~CTraceBackend() override;

    bool Open(const QString& device, const CLineSettings& settings, QString* error) override;
    void Close() override;
    bool IsOpen() const override;
    bool Apply(const CLineSettings& settings) override;
    bool Write(const QByteArray& bytes) override;
    QByteArray Read(qint64 maxBytes) override;
    qint64 BytesAvailable() const override;

private:
    void Flush();
    void Tell(const char* direction, ECommDirection side, const QByteArray& bytes);
    void TellFrames(const std::vector<CLineFrame>& frames);

    std::unique_ptr<CSerialBackend> m_pDevice;
    Sink m_sink;
    QByteArray m_tx;
    QByteArray m_rx;
    QTimer m_quiet;
    CFrameDecoder m_decoder;
};
