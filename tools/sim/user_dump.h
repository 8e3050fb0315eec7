#pragma once
// The stored users as text, for comparing what two modules hold: one line per user in ascending
// user number, "<user number> <privilege> <feature value in hexadecimal>".
#include "module_state.h"

#include <QByteArray>

namespace sim {

QByteArray UserDumpText(const CModuleState& state);

} // namespace sim
