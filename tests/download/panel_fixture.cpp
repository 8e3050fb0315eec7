#include "panel_fixture.h"

#include "download/program_image.h"
#include "support/process_state.h"

#include <QLineEdit>
#include <QProgressBar>

void LoadProgramFiles(CDownloadDlg& panel, CScriptedPrompts& prompts, const QString& folder) {
    for (const uint16_t mark : {0xAD28, 0xAD38}) {
        CDatFileLayout layout;
        layout.values = ProgramValues(mark, mark);
        prompts.m_files.append(
            WriteFixtureFile(folder, QString::number(mark, 16) + ".dat", DatFileBytes(layout)));
    }
    panel.OnBrowse28000();
    panel.OnBrowse38000();
}

CPanelFixture::CPanelFixture() {
    ResetProcessState();
}

CDownloadDlg& CPanelFixture::NewPanel() {
    m_pPanel = std::make_unique<CDownloadDlg>();
    return *m_pPanel;
}

void CPanelFixture::OpenPort() {
    m_pPanel->Comm().SetPortOpen(true);
}

QString CPanelFixture::WriteFile(const QString& name, const QByteArray& bytes) {
    return WriteFixtureFile(m_dir.path(), name, bytes);
}

QString CPanelFixture::Write28000File(uint32_t seed) {
    m_values28000 = ProgramValues(0xAD28, seed);
    CDatFileLayout layout;
    layout.values = m_values28000;
    return WriteFile(QStringLiteral("program28000_%1.dat").arg(seed), DatFileBytes(layout));
}

QString CPanelFixture::Write38000File(uint32_t seed) {
    m_values38000 = ProgramValues(0xAD38, seed);
    CDatFileLayout layout;
    layout.values = m_values38000;
    return WriteFile(QStringLiteral("program38000_%1.dat").arg(seed), DatFileBytes(layout));
}

void CPanelFixture::Load28000(const QString& path) {
    m_prompts.m_files.append(path);
    m_pPanel->OnBrowse28000();
}

void CPanelFixture::Load38000(const QString& path) {
    m_prompts.m_files.append(path);
    m_pPanel->OnBrowse38000();
}

void CPanelFixture::LoadBoth() {
    Load28000(Write28000File());
    Load38000(Write38000File());
}

QByteArray CPanelFixture::ExpectedImage() const {
    return ExpectedHalf28000(m_values28000) + ExpectedHalf38000(m_values38000);
}

QPushButton* CPanelFixture::Button(int id) const {
    return m_pPanel->findChild<QPushButton*>(QStringLiteral("ctl%1").arg(id));
}

QLineEdit* CPanelFixture::Edit(int id) const {
    return m_pPanel->findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(id));
}

QProgressBar* CPanelFixture::Progress() const {
    return m_pPanel->findChild<QProgressBar*>(QStringLiteral("ctl1023"));
}
