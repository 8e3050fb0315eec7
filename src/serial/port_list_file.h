#pragma once
// The serial devices read from a file instead of the system: MORVANE_PORT_LIST names a file of
// one JSON object a line, each a device with the keys that `morvane-cli --json ports` gives it
// ("device", "description", "manufacturer", "usb", "serial", "by_id", "by_path"); a whole result
// line of that command is taken by its "data". End-to-end tests give a program a line of
// simulated modules this way, and a line engineer can try a fixture's set-up without it.
#include "port_map.h"

#include <QJsonObject>

class CListedPortProvider : public CSerialPortProvider {
public:
    // Whether MORVANE_PORT_LIST is set.
    bool IsInUse() const;
    // Read anew at every call; a missing or unreadable file lists nothing.
    QList<CSerialPortEntry> Ports() const override;
};

// An entry as the JSON object of `ports --json` gives it, and back.
CSerialPortEntry PortEntryFromJson(const QJsonObject& object);
QJsonObject PortEntryJson(const CSerialPortEntry& entry);
