#pragma once
// The context of morvane-sim's own texts: Chinese in the sources, English in
// translations/morvane-sim_en.ts, which is compiled into the simulator.
#include <QCoreApplication>

class CSimTexts {
    Q_DECLARE_TR_FUNCTIONS(CSimTexts)
};
