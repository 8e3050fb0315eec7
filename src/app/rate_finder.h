#pragma once
// "检测模块波特率…" (menu 工具): finds the rate the module talks at on the test console's port, by
// the test console's user count at each rate in turn (console/rate_probe.h), and tells it. The PC
// then talks at that rate, set through the settings panel as its PC-rate list sets it, so that
// every panel opens its port at it. The test panel is shown for the probe; its fields show the
// answer as for any user count. Showing another panel meanwhile ends the probe.
#include <QObject>
#include <memory>

class CMorvaneView;
class CRateProbe;

class CRateFinder : public QObject {
    Q_OBJECT
public:
    CRateFinder(CMorvaneView& view, QObject* parent = nullptr);
    ~CRateFinder() override;

    // Shows the test panel and starts the probe; a probe under way goes on.
    void Start();
    bool IsRunning() const { return m_pProbe != nullptr; }

private:
    void OnFinished(int rateIndex);
    void Abandon();

    CMorvaneView& m_view;
    std::unique_ptr<CRateProbe> m_pProbe;
};

// "模块当前波特率为 57,600，PC 已改用此波特率。", or the text for no answer at any rate (0).
QString RateFoundText(int rateIndex);
