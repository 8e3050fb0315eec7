#include "port_map.h"

#include <QtGlobal>

QString PortListText(int position) {
    return QStringLiteral("COM") + QString::number(position + 1);
}

QString DeviceForPort(int port) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM") + QString::number(port);
#else
    const QByteArray variable = "MORVANE_COM" + QByteArray::number(port);
    const QString fromEnvironment = qEnvironmentVariable(variable.constData());
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStringLiteral("/dev/ttyS") + QString::number(port - 1);
#endif
}
