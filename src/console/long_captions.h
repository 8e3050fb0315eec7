#pragma once
// The long form of a test-panel caption that a translation has to cut short to fit the fixed
// layout ("Identify" for 1:N比对): shown as the control's tooltip. Empty where the caption is
// whole, as every Chinese caption is.
#include <QString>

QString LongCaption(const char* context, const char* caption);
