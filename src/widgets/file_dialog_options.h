#pragma once
// What a file dialog offers: its filter, default suffix and initial name. Plain data without any
// widget, so that the code that chooses these (feature files, program files) needs no window
// system.
#include <QString>

struct CFileDialogOptions {
    QString filter;        // Qt form, e.g. "feature files (*.fea)"
    QString defaultSuffix; // e.g. "fea"
    QString initialName;   // e.g. "feature"; empty for none
    // An open dialog refuses a typed name of a missing file unless this is false; then the
    // caller opens the name itself and reports what goes wrong in its own words.
    bool mustExist = true;
};
