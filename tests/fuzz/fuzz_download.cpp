// The download panel's frame search and acknowledgement handling, driven through the panel with
// the fake serial device: the input is a script of module bytes (raw noise, partial or whole
// reply frames), receive events, timer ticks, start presses, answers and unplugs. Whatever the
// module sends, the panel counts at most 32 acknowledgements, never builds a block outside the
// image, and writes nothing once the device is gone.
#include "fuzz_target.h"

#include "support/fake_serial_backend.h"
#include "support/process_state.h"
#include "support/scripted_prompts.h"

#include "download/download_frames.h"
#include "download/download_panel.h"
#include "download/panel_fixture.h"
#include "support/packet_bytes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace {
QApplication& Application() {
    static int argc = 1;
    static char name[] = "fuzz_download";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
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

void Step(CScript& script, CDownloadDlg& panel, CFakeSerialBackend& fake, CScriptedPrompts& prompts,
          bool& unplugged) {
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
        panel.OnComm();
        break;
    case 3:
        panel.OnTimer(CDownloadDlg::kReplyTimer);
        break;
    case 4:
        panel.OnTimer(CDownloadDlg::kSendTimer);
        break;
    case 5:
        panel.OnStartDownload();
        break;
    case 6:
        prompts.m_bDefaultAnswer = !prompts.m_bDefaultAnswer;
        break;
    case 7:
        if (script.Next() == 0x5A) { // rare, so most scripts reach deep into a download
            fake.Unplug();
            unplugged = true;
        }
        break;
    case 8:
        panel.OnCancelDownload();
        break;
    }
    Check(panel.AckCount() >= 0 && panel.AckCount() <= kBlockCount);
    const QByteArray written = fake.TakeHostBytes();
    Check(!unplugged || written.isEmpty());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Application();
    static CScriptedPrompts prompts;
    const CFakeSerialScope fakeDevices;
    ResetProcessState();
    prompts.m_messages.clear();
    prompts.m_questions.clear();
    prompts.m_answers.clear();
    prompts.m_bDefaultAnswer = true;
    {
        auto panel = std::make_unique<CDownloadDlg>();
        static const QTemporaryDir folder; // the program files, written once and loaded each run
        LoadProgramFiles(*panel, prompts, folder.path());
        panel->Comm().SetPortOpen(true);
        CFakeSerialBackend& fake = *FakeOf(panel->Comm());
        CScript script(data, size);
        bool unplugged = false;
        for (int steps = 0; steps < 4000 && !script.AtEnd(); ++steps)
            Step(script, *panel, fake, prompts, unplugged);
    }
    return 0;
}
