#include "trace_backend.h"

#include "protocol/hex_text.h"

namespace {
constexpr int kQuietMs = 150; // longer than a collection tick: one reply, one line

QString HexLine(const char* direction, const QByteArray& bytes) {
    return QLatin1String(direction) +
           FormatHexDump(reinterpret_cast<const uint8_t*>(bytes.constData()),
                         static_cast<int>(bytes.size()));
}
} // namespace

CTraceBackend::CTraceBackend(std::unique_ptr<CSerialBackend> device, Sink sink)
    : m_pDevice(std::move(device)), m_sink(std::move(sink)) {
    m_quiet.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, &CTraceBackend::Flush);
    connect(m_pDevice.get(), &CSerialBackend::BytesArrived, this, &CSerialBackend::BytesArrived);
    connect(m_pDevice.get(), &CSerialBackend::DeviceLost, this, &CSerialBackend::DeviceLost);
}

CTraceBackend::~CTraceBackend() {
    Flush();
}

bool CTraceBackend::Open(const QString& device, const CLineSettings& settings, QString* error) {
    const bool opened = m_pDevice->Open(device, settings, error);
    SetOpenFailure(m_pDevice->OpenFailure());
    return opened;
}

void CTraceBackend::Close() {
    Flush();
    m_pDevice->Close();
}

bool CTraceBackend::IsOpen() const {
    return m_pDevice->IsOpen();
}

bool CTraceBackend::Apply(const CLineSettings& settings) {
    return m_pDevice->Apply(settings);
}

bool CTraceBackend::Write(const QByteArray& bytes) {
    if (!m_rx.isEmpty())
        Flush();
    m_tx += bytes;
    m_quiet.start(0); // after the other pieces of this write
    return m_pDevice->Write(bytes);
}

QByteArray CTraceBackend::Read(qint64 maxBytes) {
    const QByteArray bytes = m_pDevice->Read(maxBytes);
    if (!bytes.isEmpty()) {
        if (!m_tx.isEmpty())
            Flush();
        m_rx += bytes;
        m_quiet.start(kQuietMs);
    }
    return bytes;
}

qint64 CTraceBackend::BytesAvailable() const {
    return m_pDevice->BytesAvailable();
}

// A quiet line ends the reply: frames still open end with it.
void CTraceBackend::Flush() {
    Tell("TX ", ECommDirection::Sent, m_tx);
    Tell("RX ", ECommDirection::Received, m_rx);
    if (!m_rx.isEmpty())
        TellFrames(m_decoder.EndOfReply());
    m_tx.clear();
    m_rx.clear();
}

void CTraceBackend::Tell(const char* direction, ECommDirection side, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    m_sink(HexLine(direction, bytes));
    TellFrames(m_decoder.Feed(side, bytes));
}

void CTraceBackend::TellFrames(const std::vector<CLineFrame>& frames) {
    for (const CLineFrame& frame : frames)
        m_sink(QStringLiteral("   ▸ ") + FrameLine(frame));
}
