#pragma once
// What a file dialog offers: its filter, default suffix and initial name, the kind of file it
// is for and the folder it opens in. Plain data without any widget, so that the code that
// chooses these (feature files, program files) needs no window system.
#include <QString>

// The kinds of file whose folders are remembered apart: each dialog opens where its own kind
// was last taken from or put.
enum class EFileKind { None, Feature, ProgramData, ProgramImage, Image, Log, Backup, Batch };

struct CFileDialogOptions {
    QString filter;        // Qt form, e.g. "feature files (*.fea)"
    QString defaultSuffix; // e.g. "fea"
    QString initialName;   // e.g. "feature"; empty for none
    // An open dialog refuses a typed name of a missing file unless this is false; then the
    // caller opens the name itself and reports what goes wrong in its own words.
    bool mustExist = true;
    EFileKind kind = EFileKind::None;
    QString folder = {}; // where the dialog opens; filled in from `kind` when it is shown
};
