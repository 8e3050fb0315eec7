#pragma once
// Feature files (.fea): exactly one 193-byte feature value, no header or trailer. Loading fills
// the feature bytes of a transmission; saving writes the feature value of the last reply.
// Both return the empty text on success, otherwise the message to show the user.
#include "files/file_access.h"
#include "widgets/file_dialog_options.h"

#include <QString>
#include <cstdint>

// The open and save dialogs: filter "feature files (*.fea)", default suffix "fea", initial name
// "feature". The save dialog asks before an existing file is overwritten.
CFileDialogOptions FeatureFileDialogOptions();

// The second file of a two-finger download: the first path with ".fea" appended.
QString SecondFeaturePath(const QString& path);

// Reads the first 193 bytes of `path` into txBuffer[12..204] and, for two fingers, those of
// SecondFeaturePath(path) into txBuffer[205..397]. Bytes beyond the first 193 are ignored; a
// shorter file is refused.
QString LoadFeatureFiles(const QString& path, bool twoFingers, uint8_t* txBuffer);

// Writes the 193 bytes of `feature` as the whole file `path`. Where a temporary file can be made
// beside it, the file is replaced only once all of it is written, so a failed save leaves an
// existing file as it was and no partial file. A failure names its reason after the message.
// `links`: Replace where the program chose the name inside a folder.
QString SaveFeatureValue(const QString& path, const uint8_t* feature,
                         ELinkPolicy links = ELinkPolicy::Follow);
