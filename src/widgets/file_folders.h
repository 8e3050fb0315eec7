#pragma once
// Where file dialogs open: the folder last used for each kind of file, kept in the user's
// configuration file, and before that the starting folder: the program's own folder where the
// user may write in it (a build tree, a copied folder), otherwise the "Morvane" folder in the
// user's documents folder (an installed program, whose folder is /usr/bin).
#include "file_dialog_options.h"

class QWidget;

// The starting folder for a program in `programFolder` and a user whose documents folder is
// `documentsFolder`; the per-user folder is created when it is missing.
QString StartingFolder(const QString& programFolder, const QString& documentsFolder);
// The same for this program and this user.
QString StartingFolder();

// The folder last used for `kind` while it still exists, otherwise the starting folder.
QString RememberedFolder(EFileKind kind);
void RememberFolder(EFileKind kind, const QString& folder);

// The prompts' file dialogs and folder chooser, opened in the folder remembered for the kind;
// a file or folder chosen makes its folder the one remembered. Empty on cancel.
QString ChooseOpenFile(QWidget* parent, CFileDialogOptions options);
QString ChooseSaveFile(QWidget* parent, CFileDialogOptions options);
QString ChooseFolder(QWidget* parent, const QString& title, EFileKind kind);
