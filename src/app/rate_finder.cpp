#include "rate_finder.h"

#include "current_panel.h"
#include "morvane_view.h"

#include "console/module_test_panel.h"
#include "console/rate_probe.h"
#include "serial/comm_setup_panel.h"
#include "serial/rate_table.h"
#include "widgets/prompts.h"

namespace {} // namespace

CRateFinder::CRateFinder(CMorvaneView& view, QObject* parent) : QObject(parent), m_view(view) {}

CRateFinder::~CRateFinder() = default;

void CRateFinder::Start() {
    if (IsRunning())
        return;
    m_view.OnModuleTest();
    CModuleTestDlg& test = m_view.TestPanel();
    m_pProbe = std::make_unique<CRateProbe>(test.Session(), test.Console());
    connect(m_pProbe.get(), &CRateProbe::Finished, this, &CRateFinder::OnFinished);
    connect(&m_view, &CMorvaneView::PanelChanged, m_pProbe.get(), [this](int panel) {
        if (panel != kPanelTest)
            Abandon();
    });
    m_pProbe->Start();
}

// Another panel took the port: the probe ends without a word.
void CRateFinder::Abandon() {
    disconnect(m_pProbe.get(), &CRateProbe::Finished, this, &CRateFinder::OnFinished);
    m_pProbe->Stop();
    m_pProbe.release()->deleteLater();
}

// The probe is let go once its signal has returned.
void CRateFinder::OnFinished(int rateIndex) {
    m_pProbe.release()->deleteLater();
    if (rateIndex > 0)
        m_view.SettingsPanel().SetPcRate(rateIndex);
    ShowMessage(&m_view.TestPanel(), RateFoundText(rateIndex));
}

QString RateFoundText(int rateIndex) {
    if (rateIndex == 0)
        return CRateFinder::tr("各波特率下模块均无应答，未能检测到模块波特率。");
    return CRateFinder::tr("模块当前波特率为 %1，PC 已改用此波特率。")
        .arg(RateListText(rateIndex - 1));
}
