#include "serial_backend.h"

#include "qt_serial_backend.h"

#include <QStringList>

namespace {
SerialBackendFactory& Factory() {
    static SerialBackendFactory factory;
    return factory;
}
} // namespace

bool ParseLineSettings(const QString& text, CLineSettings* out) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4 || parts[1].size() != 1)
        return false;
    bool okRate = false, okData = false, okStop = false;
    CLineSettings settings;
    settings.baudRate = parts[0].trimmed().toInt(&okRate);
    settings.parity = static_cast<char>(parts[1].at(0).toLower().toLatin1());
    settings.dataBits = parts[2].trimmed().toInt(&okData);
    settings.stopBits = parts[3].trimmed().toInt(&okStop);
    if (!okRate || !okData || !okStop || settings.baudRate <= 0 || settings.dataBits < 5 ||
        settings.dataBits > 8 || (settings.stopBits != 1 && settings.stopBits != 2) ||
        !QByteArrayLiteral("neoms").contains(settings.parity))
        return false;
    *out = settings;
    return true;
}

void SetSerialBackendFactory(SerialBackendFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<CSerialBackend> CreateSerialBackend() {
    if (Factory())
        return Factory()();
    return std::make_unique<CQtSerialBackend>();
}
