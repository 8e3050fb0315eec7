#include "download_panel.h"

#include "download_frames.h"
#include "download_texts.h"

#include "serial/shared_settings.h"
#include "widgets/cool_button.h"
#include "widgets/dialog_units.h"
#include "widgets/prompts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

using namespace DownloadTexts;

namespace {
// Template 138 is 281 x 238 dialog units.
constexpr int kPanelWidthDu = 281;
constexpr int kPanelHeightDu = 238;

QLineEdit* MakePathEdit(int id, const QString& label, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(id));
    edit->setAccessibleName(label);
    edit->setReadOnly(true);
    return edit;
}
} // namespace

CDownloadDlg::CDownloadDlg(QWidget* parent)
    : CModulePanel(QStringLiteral("CDownloadDlg"), Tr(kPanelName), parent),
      m_Exchange(Session().CreateExchange<CDownloadExchange>()) {
    CreateControls();
    LayOutControls();
    ConnectControls();
    InitialiseComm();
}

CDownloadDlg::~CDownloadDlg() = default;

void CDownloadDlg::CreateControls() {
    m_pEdit28000 = MakePathEdit(kPath28000Edit, kLabel28000, this);
    m_pBrowse28000 = MakeButton(Tr(kBrowse), kBrowse28000Button, this);
    m_pEdit38000 = MakePathEdit(kPath38000Edit, kLabel38000, this);
    m_pBrowse38000 = MakeButton(Tr(kBrowse), kBrowse38000Button, this);
    m_pStartDownload = MakeButton(Tr(kStartDownload), kStartButton, this);
    m_pCancel = MakeButton(Tr(kCancel), kCancelButton, this);
    m_pGenerateBin = MakeButton(Tr(kGenerateBin), kGenerateBinButton, this);
    m_pGenerateBin->setEnabled(false);
    m_pClose = MakeButton(Tr(kClose), kCloseButton, this);
    m_pClose->setVisible(false);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName(ControlName(kProgressBar));
    m_pProgress->setAccessibleName(Tr(kProgressLabel));
    m_pProgress->setTextVisible(false);
}

void CDownloadDlg::LayOutControls() {
    const CDialogUnits units(font());
    auto* files = new QGroupBox(Tr(kFileGroup), this);
    auto* fileGrid = new QGridLayout(files);
    fileGrid->addWidget(MakeLabel(kLabel28000, m_pEdit28000, files), 0, 0);
    fileGrid->addWidget(m_pEdit28000, 0, 1);
    fileGrid->addWidget(m_pBrowse28000, 0, 2);
    fileGrid->addWidget(MakeLabel(kLabel38000, m_pEdit38000, files), 1, 0);
    fileGrid->addWidget(m_pEdit38000, 1, 1);
    fileGrid->addWidget(m_pBrowse38000, 1, 2);
    fileGrid->setVerticalSpacing(units.Y(8));

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(MakeLabel(Tr(kProgressLabel), m_pProgress, this));
    progressRow->addWidget(m_pProgress, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (CCoolButton* button : {m_pStartDownload, m_pCancel, m_pGenerateBin, m_pClose}) {
        button->setMinimumSize(units.Size(60, 16));
        buttonRow->addWidget(button);
        buttonRow->addStretch(1);
    }
    for (CCoolButton* button : {m_pBrowse28000, m_pBrowse38000})
        button->setMinimumSize(units.Size(40, 14));

    auto* panel = new QVBoxLayout(this);
    panel->addWidget(files);
    panel->addSpacing(units.Y(10));
    panel->addLayout(progressRow);
    panel->addSpacing(units.Y(16));
    panel->addLayout(buttonRow);
    panel->addStretch(1);
    setFixedSize(units.Size(kPanelWidthDu, kPanelHeightDu));
}

void CDownloadDlg::ConnectControls() {
    connect(m_pBrowse28000, &QPushButton::clicked, this, &CDownloadDlg::OnBrowse28000);
    connect(m_pBrowse38000, &QPushButton::clicked, this, &CDownloadDlg::OnBrowse38000);
    connect(m_pStartDownload, &QPushButton::clicked, this, &CDownloadDlg::OnStartDownload);
    connect(m_pCancel, &QPushButton::clicked, this, &CDownloadDlg::OnCancelDownload);
    connect(m_pGenerateBin, &QPushButton::clicked, this, &CDownloadDlg::OnGenerateBin);
    connect(&m_Exchange, &CDownloadExchange::WentIdle, this, &CDownloadDlg::ShowIdle);
    connect(&m_Exchange, &CDownloadExchange::Sending, this, &CDownloadDlg::ShowSending);
    connect(&m_Exchange, &CDownloadExchange::AckCountChanged, m_pProgress, &QProgressBar::setValue);
    connect(&m_Exchange, &CDownloadExchange::Ticked, this, &CDownloadDlg::RefreshBrowseButtons);
    // The exchange asks and tells through the panel's boxes; it sends only what the panel loaded.
    connect(&m_Exchange, &CDownloadExchange::Asked, this,
            [this](const QString& question) { m_Exchange.Answer(AskUnlessOpen(this, question)); });
    connect(&m_Exchange, &CDownloadExchange::Told, this,
            [this](const QString& message) { ShowMessage(this, message); });
}

// The port stays closed: the shell opens it when the panel is shown.
void CDownloadDlg::InitialiseComm() {
    Comm().SetCommPort(static_cast<short>(g_nCommPort));
    Comm().SetInputMode(1);
    ResetDownload();
}

void CDownloadDlg::OnStartDownload() {
    m_Exchange.Start();
}

void CDownloadDlg::OnCancelDownload() {
    if (IsPromptOpen(this, Tr(kAskCancel)) || !AskOkCancel(this, Tr(kAskCancel)))
        return;
    m_Exchange.Cancel();
}

void CDownloadDlg::OnPortLost() {
    m_Exchange.OnPortLost();
}

// The port is back at the shared rate, and the panel shows an idle download.
void CDownloadDlg::ShowIdle() {
    Session().ApplyBaudRate(g_nBaudIndex);
    m_pProgress->setRange(0, kBlockCount);
    m_pProgress->setValue(0);
    // Firmware is never sent half empty: both program files must be loaded.
    m_pStartDownload->setEnabled(BothHalvesLoaded());
    m_pEdit28000->setText(m_str28000Path);
    m_pEdit38000->setText(m_str38000Path);
    RefreshBrowseButtons();
}

void CDownloadDlg::ShowSending() {
    m_pStartDownload->setEnabled(false);
    RefreshBrowseButtons();
}

QString& CDownloadDlg::PathOf(EProgramHalf half) {
    return half == EProgramHalf::Half28000 ? m_str28000Path : m_str38000Path;
}

QLineEdit* CDownloadDlg::EditOf(EProgramHalf half) const {
    return half == EProgramHalf::Half28000 ? m_pEdit28000 : m_pEdit38000;
}

bool CDownloadDlg::BothHalvesLoaded() const {
    return !m_str28000Path.isEmpty() && !m_str38000Path.isEmpty();
}

// Loading a file while its image is being sent would mix two programs in the module's flash.
void CDownloadDlg::RefreshBrowseButtons() {
    const bool idle = !IsDownloadUnderWay();
    m_pBrowse28000->setEnabled(idle);
    m_pBrowse38000->setEnabled(idle);
}
