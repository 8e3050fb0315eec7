#pragma once
// --port auto and --port all: the USB and ACM serial adapters present stand for them. auto is
// the one adapter there is, all is every one; the choice is told on standard error, and a
// choice that cannot be made says what was found.
#include <QString>
#include <QStringList>

struct CPortChoice {
    QStringList ports; // as the command runs on them
    int exitCode = 0;  // when no ports: kExitPort (none found) or kExitUsage (several for auto)
    QString error;
};

CPortChoice ChoosePorts(const QStringList& given);
