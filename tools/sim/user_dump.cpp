#include "user_dump.h"

namespace sim {

QByteArray UserDumpText(const CModuleState& state) {
    QByteArray text;
    for (const auto& [number, user] : state.Users())
        text += QByteArray::number(number) + ' ' + QByteArray::number(user.privilege) + ' ' +
                user.feature.toHex() + '\n';
    return text;
}

} // namespace sim
