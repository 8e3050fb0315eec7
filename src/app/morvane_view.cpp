#include "morvane_view.h"

#include "current_panel.h"

#include "console/module_test_panel.h"
#include "download/download_panel.h"
#include "panels/port_hand_over.h"
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
    // Tab goes from control to control of the panel, and the view scrolls to the one that has
    // the focus; the view itself takes none, which would show nowhere.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    // The view scrolls over its own empty form of 320 x 200 units, grown to the panel on show
    // (see ScrollOver); the panels keep their own size and place at the form's top-left corner.
    m_pForm->setFont(PanelFont());
    m_pForm->setMinimumSize(CDialogUnits(m_pForm->font()).Size(kFormWidthUnits, kFormHeightUnits));
    setWidget(m_pForm);

    m_pSettings = new CCommSetupDlg(m_pForm);
    m_pTest = new CModuleTestDlg(m_pForm);
    m_pDownload = new CDownloadDlg(m_pForm);
    for (CModulePanel* panel :
         std::initializer_list<CModulePanel*>{m_pSettings, m_pTest, m_pDownload})
        panel->move(0, 0);
}

CModulePanel* CMorvaneView::PanelWidget(int panel) const {
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
    constexpr int kPanelCount = 3;
    constexpr int kPanels[kPanelCount] = {kPanelSettings, kPanelTest, kPanelDownload};
    // The panels being left end what they were collecting or sending before their ports are
    // closed under them.
    for (int other : kPanels)
        if (other != panel)
            PanelWidget(other)->OnLeaving();
    for (int other : kPanels)
        if (other != panel)
            PanelWidget(other)->hide();
    PanelWidget(panel)->show();
    ScrollOver(*PanelWidget(panel));

    CPortSession* sessions[kPanelCount];
    for (int i = 0; i < kPanelCount; ++i)
        sessions[i] = &PanelWidget(kPanels[i])->Session();
    PortHandOver(sessions, kPanelCount, PanelWidget(panel)->Session(), window());
    PanelWidget(panel)->OnShown();
    g_nCurrentPanel = panel;
    emit PanelChanged(panel);
}
