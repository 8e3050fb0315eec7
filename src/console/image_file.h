#pragma once
// Saving the decoded fingerprint image as a file an engineer can attach to a report: the image's
// own pixels (not the black square around them, not stretched), grey, turned as the image
// control shows it (canvas row 0 along the bottom), in the format the file's name asks for.
#include "image_decoder.h"
#include "image_names.h"

#include "widgets/file_dialog_options.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <cstdint>

// The region's pixels as an 8-bit grey image, canvas row top + height - 1 first.
QImage RegionImage(const uint8_t* canvas, const CImageRegion& region);

// "指纹图像-<yyyyMMdd-HHmmss>-<width>x<height>.png"
QString DefaultImageFileName(const QDateTime& when, int width, int height);
CFileDialogOptions ImageFileDialogOptions(const QString& initialName);

// Writes the image as a whole in the format of its name, replacing `path` only once every byte
// is written; a name of another format is refused before anything is written. "" or the
// message to show, with the reason after it.
QString SaveImageFile(const QString& path, const QImage& image);
