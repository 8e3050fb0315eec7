#pragma once
// Saving the decoded fingerprint image as a file an engineer can attach to a report: the image's
// own pixels (not the black square around them, not stretched), grey, lossless, turned as the
// image control shows it (canvas row 0 along the bottom). PNG, or BMP by the file's extension.
#include "image_decoder.h"

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

// Writes the image as a whole, replacing `path` only once every byte is written; BMP when the
// name ends in ".bmp" (any case), PNG otherwise. "" or the message to show.
QString SaveImageFile(const QString& path, const QImage& image);
