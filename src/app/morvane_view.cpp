#include "morvane_view.h"

#include "current_panel.h"

#include "console/module_test_panel.h"
#include "download/download_panel.h"
#include "serial/comm_setup_panel.h"
#include "serial/port_operations.h"
#include "widgets/dialog_units.h"
#include "widgets/panel_font.h"

namespace {
constexpr int kFormWidthUnits = 320;
constexpr int kFormHeightUnits = 200;
} // namespace

CMorvaneView::CMorvaneView(QWidget* parent) : QScrollArea(parent), m_pForm(new QWidget) {
    setObjectName(QStringLiteral("view"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The view scrolls over its own empty form of 320 x 200 units, grown to the panel on show
    // (see ScrollOver); the panels keep their own size and place at the form's top-left corner.
    m_pForm->setFont(PanelFont());
    m_pForm->setMinimumSize(CDialogUnits(m_pForm->font()).Size(kFormWidthUnits, kFormHeightUnits));
    setWidget(m_pForm);

    m_pSettings = new CCommSetupDlg(m_pForm);
    m_pTest = new CModuleTestDlg(m_pForm);
    m_pDownload = new CDownloadDlg(m_pForm);
    for (QWidget* panel : {static_cast<QWidget*>(m_pSettings), static_cast<QWidget*>(m_pTest),
                           static_cast<QWidget*>(m_pDownload)})
        panel->move(0, 0);
}

QWidget* CMorvaneView::PanelWidget(int panel) const {
    switch (panel) {
    case kPanelSettings:
        return m_pSettings;
    case kPanelTest:
        return m_pTest;
    case kPanelDownload:
        return m_pDownload;
    default:
        return nullptr;
    }
}

CMSComm& CMorvaneView::CommOf(int panel) const {
    switch (panel) {
    case kPanelSettings:
        return m_pSettings->Comm();
    case kPanelDownload:
        return m_pDownload->Comm();
    default:
        return m_pTest->Comm();
    }
}

void CMorvaneView::OnInitialUpdate() {
    m_pForm->updateGeometry();
}

void CMorvaneView::ShowStartPanel() {
    m_pSettings->hide();
    m_pTest->show();
    m_pDownload->hide();
    OnModuleTest();
}

void CMorvaneView::OnCommSettings() {
    SwitchTo(kPanelSettings);
}

void CMorvaneView::OnModuleTest() {
    SwitchTo(kPanelTest);
}

void CMorvaneView::OnProgramDownload() {
    SwitchTo(kPanelDownload);
}

// The form takes at least the size of the panel on show, so that on a small screen the view
// scrolls to every control of it (the test panel is taller than a 768-pixel screen leaves).
void CMorvaneView::ScrollOver(const QWidget& panel) {
    const QSize form = CDialogUnits(m_pForm->font())
                           .Size(kFormWidthUnits, kFormHeightUnits)
                           .expandedTo(panel.size());
    m_pForm->setMinimumSize(form);
}

void CMorvaneView::SwitchTo(int panel) {
    // Whatever the panels being left were collecting ends here, before their ports are
    // closed under them; a download in flight says so.
    if (panel != kPanelDownload)
        m_pDownload->EndDownloadOnLeave();
    if (panel != kPanelTest)
        m_pTest->StopReplyCollection();
    if (panel != kPanelSettings)
        m_pSettings->StopReplyCollection();
    for (int other : {kPanelSettings, kPanelTest, kPanelDownload})
        if (other != panel)
            PanelWidget(other)->hide();
    PanelWidget(panel)->show();
    ScrollOver(*PanelWidget(panel));

    CMSComm* comms[3] = {&CommOf(kPanelSettings), &CommOf(kPanelTest), &CommOf(kPanelDownload)};
    PortHandOver(comms, 3, CommOf(panel), window());
    if (panel == kPanelTest)
        m_pTest->BuildCommand();
    g_nCurrentPanel = panel;
    emit PanelChanged(panel);
}
