#pragma once
// Saving the decoded fingerprint image as a file an engineer can attach to a report: the image's
// own pixels (not the black square around them, not stretched), grey, lossless, turned as the
// image control shows it (canvas row 0 along the bottom). PNG, or BMP by the file's extension.
#include "widgets/file_dialog_options.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <cstdint>

// Where the decoder put the image of a reply in the canvas: rows of rowLength bytes, the display
// square rowLength x rowLength, the image at (left, top) with width x height pixels.
struct CImageRegion {
    int rowLength = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The region of the image reply `reply` (its bytes 2 to 4): the geometry's W x H at full
// resolution, (W/2) x (H/2) at half resolution, 80 x 80 for length 6400, rows the canvas cannot
// hold left out; the whole (black) square when no geometry matches.
CImageRegion DecodedImageRegion(const uint8_t* reply);

// The region's pixels as an 8-bit grey image, canvas row top + height - 1 first.
QImage RegionImage(const uint8_t* canvas, const CImageRegion& region);

// "指纹图像-<yyyyMMdd-HHmmss>-<width>x<height>.png"
QString DefaultImageFileName(const QDateTime& when, int width, int height);
CFileDialogOptions ImageFileDialogOptions(const QString& initialName);

// Writes the image as a whole, replacing `path` only once every byte is written; BMP when the
// name ends in ".bmp" (any case), PNG otherwise. "" or the message to show.
QString SaveImageFile(const QString& path, const QImage& image);
