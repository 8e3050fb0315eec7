#pragma once
// Saving an image reply from morvane-cli through its image writer library, loaded at the first
// image saved: beside the program (the build tree), or in the library folder it is installed in.
#include <QByteArray>
#include <QString>

// The decoded image of the reply written as `path`; "" or the message.
QString SaveImageReply(const QString& path, const QByteArray& reply);
