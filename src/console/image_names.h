#pragma once
// The image file names the program writes, and the first words of the message when one cannot
// be saved. No Qt Gui: morvane-cli checks a name before the module is asked for an image.
#include <QString>

// The format the name asks for by its ending, in any letter case: "PNG" for .png, "BMP" for
// .bmp, "JPEG" for .jpg and .jpeg; nullptr for any other name.
const char* ImageFileFormat(const QString& path);
// "" for a name ImageFileFormat knows, else the message that refuses it.
QString ImageNameRefusal(const QString& path);
// "无法保存 <path>"
QString CannotSave(const QString& path);
