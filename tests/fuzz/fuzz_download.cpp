// The download exchange's frame search and acknowledgement handling, driven with the fake serial
// device and no window: the input is a script of module bytes (raw noise, partial or whole reply
// frames), receive events, timer ticks, start presses, answers and unplugs. Whatever the module
// sends, the exchange counts at most 32 acknowledgements, never builds a block outside the image,
// and writes nothing once the device is gone.
#include "fuzz_target.h"

#include "support/fake_serial_backend.h"
#include "support/packet_bytes.h"

#include "download/dat_fixture.h"
#include "download/download_exchange.h"
#include "download/download_frames.h"
#include "download/half_loader.h"
#include "download/program_image.h"
#include "protocol/buffers.h"
#include "serial/port_session.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

namespace {
QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "fuzz_download";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

class CScript {
public:
    CScript(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool AtEnd() const { return m_pos >= m_size; }
    uint8_t Next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QByteArray Bytes(size_t n) {
        n = std::min(n, m_size - m_pos);
        QByteArray bytes(reinterpret_cast<const char*>(m_data + m_pos), static_cast<qsizetype>(n));
        m_pos += n;
        return bytes;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// Both program halves, from valid program files written once and loaded at every run, as the
// panel's browse buttons would load them.
void LoadProgramImage() {
    static const QTemporaryDir folder;
    static const QString files[] = {
        WriteFixtureFile(folder.path(), QStringLiteral("28000.dat"),
                         DatFileBytes({"DSP program data\r\n", ProgramValues(0xAD28, 0xAD28)})),
        WriteFixtureFile(folder.path(), QStringLiteral("38000.dat"),
                         DatFileBytes({"DSP program data\r\n", ProgramValues(0xAD38, 0xAD38)})),
    };
    Check(LoadProgramHalf(EProgramHalf::Half28000, files[0]) == EHalfLoadResult::Loaded);
    Check(LoadProgramHalf(EProgramHalf::Half38000, files[1]) == EHalfLoadResult::Loaded);
}

// The front end's part: the program is loaded, every question gets the current answer, the
// messages go nowhere.
struct CScriptedHost {
    bool m_bAnswer = true;

    void Serve(CDownloadExchange& exchange) {
        exchange.SetProgramLoaded(true);
        QObject::connect(&exchange, &CDownloadExchange::Asked, &exchange,
                         [this, &exchange] { exchange.Answer(m_bAnswer); });
    }
};

void Step(CScript& script, CDownloadExchange& exchange, CFakeSerialBackend& fake,
          CScriptedHost& host, bool& unplugged) {
    const uint8_t op = script.Next();
    switch (op % 9) {
    case 0:
        fake.PushModuleBytes(script.Bytes(script.Next() % 64 + 1));
        break;
    case 1: {
        const uint8_t pick = script.Next();
        const uint8_t command = (pick & 3) == 0   ? kStartRequestCommand
                                : (pick & 3) == 3 ? pick
                                                  : kHandshakeCommand;
        const uint8_t p2 = script.Next();
        QByteArray frame =
            Packet(command, 0, (pick & 4) ? p2 : p2 % 32, (pick & 8) ? script.Next() : 0);
        if (pick & 16)
            frame.truncate(pick >> 5); // a partial frame
        fake.PushModuleBytes(frame);
        break;
    }
    case 2:
        exchange.OnComm();
        break;
    case 3:
        exchange.OnTimer(CDownloadExchange::kReplyTimer);
        break;
    case 4:
        exchange.OnTimer(CDownloadExchange::kSendTimer);
        break;
    case 5:
        exchange.Start();
        break;
    case 6:
        host.m_bAnswer = !host.m_bAnswer;
        break;
    case 7:
        if (script.Next() == 0x5A) { // rare, so most scripts reach deep into a download
            fake.Unplug();
            unplugged = true;
        }
        break;
    case 8: // the cancel question, answered as the others
        if (host.m_bAnswer)
            exchange.Cancel();
        break;
    }
    Check(exchange.AckCount() >= 0 && exchange.AckCount() <= kBlockCount);
    const QByteArray written = fake.TakeHostBytes();
    Check(!unplugged || written.isEmpty());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Application();
    const CFakeSerialScope fakeDevices;
    ResetSerialSettings();
    ResetProgramImage();
    LoadProgramImage();
    CScriptedHost host;
    // Wired as the download panel wires its own control and exchange.
    // Ticks come from the script, never from a clock: no event loop runs here.
    CPortSession session;
    CMSComm& comm = session.Comm();
    CDownloadExchange& exchange = session.CreateExchange<CDownloadExchange>();
    host.Serve(exchange);
    QObject::connect(&session, &CPortSession::PortLost, &exchange, &CDownloadExchange::OnPortLost);
    comm.SetCommPort(static_cast<short>(g_nCommPort));
    comm.SetInputMode(1);
    exchange.Reset();
    comm.SetPortOpen(true);
    CFakeSerialBackend& fake = *FakeOf(comm);
    CScript script(data, size);
    bool unplugged = false;
    for (int steps = 0; steps < 4000 && !script.AtEnd(); ++steps)
        Step(script, exchange, fake, host, unplugged);
    return 0;
}
