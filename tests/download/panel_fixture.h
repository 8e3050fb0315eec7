#pragma once
// A download panel on a fake serial device with scripted prompts, and the .dat files and
// expected image the panel tests load and compare against.
#include "dat_fixture.h"

#include "support/fake_serial_backend.h"
#include "support/scripted_prompts.h"

#include "download/download_panel.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

class QLineEdit;
class QProgressBar;

// Writes valid 0x28000 and 0x38000 program files into `folder` and loads them into `panel`
// through its browse handlers, answering their file dialogs through `prompts`.
void LoadProgramFiles(CDownloadDlg& panel, CScriptedPrompts& prompts, const QString& folder);

class CPanelFixture {
public:
    CPanelFixture();

    // A fresh panel; the port stays closed until OpenPort.
    CDownloadDlg& NewPanel();
    CDownloadDlg& Panel() { return *m_pPanel; }
    CFakeSerialBackend& Fake() { return *FakeOf(m_pPanel->Comm()); }
    void OpenPort();

    QString Write28000File(uint32_t seed = 28);
    QString Write38000File(uint32_t seed = 38);
    QString WriteFile(const QString& name, const QByteArray& bytes);
    // Loads a file through the panel's browse handler, as the user's dialog choice.
    void Load28000(const QString& path);
    void Load38000(const QString& path);
    void LoadBoth();

    // The image both loaded files must give: prepared 0x28000 half, then prepared 0x38000 half.
    QByteArray ExpectedImage() const;

    QPushButton* Button(int id) const;
    QLineEdit* Edit(int id) const;
    QProgressBar* Progress() const;
    bool StartEnabled() const { return Button(1026)->isEnabled(); }
    bool GenerateEnabled() const { return Button(1045)->isEnabled(); }

    CFakeSerialScope m_fakeDevices; // installed first, removed after the panel has gone
    CScriptedPrompts m_prompts;
    QTemporaryDir m_dir;

private:
    std::unique_ptr<CDownloadDlg> m_pPanel;
    QVector<uint16_t> m_values28000, m_values38000;
};
