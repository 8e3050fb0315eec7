#pragma once
// Message boxes, OK/Cancel questions and file dialogs go through this one interface, so that the
// panels can be driven by tests with a scripted fake. The program uses modal Qt dialogs, during
// which timers and serial events keep flowing.
#include "file_dialog_options.h"

#include <QString>
#include <optional>

class QWidget;
class QFileDialog;

// The window title of a box: the caption, or a blank title for an empty caption, which the window
// system would otherwise replace by the application name.
QString PromptBoxTitle(const QString& caption);

// Sets up a file dialog as the program shows it: open (ExistingFile, or AnyFile where the options
// lets a missing name through) or save.
void ConfigureFileDialog(QFileDialog& dialog, const CFileDialogOptions& options, bool save);

class CPrompts {
public:
    virtual ~CPrompts() = default;
    // An OK box. Without a caption of its own it carries the application title "Morvane".
    virtual void Message(QWidget* parent, const QString& text, const QString& caption) = 0;
    // OK and Cancel; true for OK.
    virtual bool Question(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The chosen full path, or an empty text when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const CFileDialogOptions& dialog) = 0;
    virtual QString SaveFileName(QWidget* parent, const CFileDialogOptions& dialog) = 0;
    // A folder chooser with this title, starting at `start`: the chosen folder, or an empty
    // text when the user cancels (prompts that offer no chooser always cancel).
    virtual QString FolderName(QWidget* parent, const QString& title, const QString& start) {
        (void)parent, (void)title, (void)start;
        return QString();
    }
};

const QString& ApplicationTitle(); // "Morvane"

// The prompts in use: the dialog-based ones unless a test installed its own.
CPrompts& Prompts();
// Installs prompts (not owned); nullptr returns to the dialog-based ones.
void SetPrompts(CPrompts* prompts);

// Shortcuts used by every panel. Timers and serial events keep flowing while a box is open, so
// the same text can come up again before the user has answered: a window never opens a box
// while an identical one of its own is still open (the repeat shows nothing, and a repeated
// question is not asked).
void ShowMessage(QWidget* parent, const QString& text);
bool AskOkCancel(QWidget* parent, const QString& text);
// True while `parent` shows a box with this text.
bool IsPromptOpen(const QWidget* parent, const QString& text);
// The question's answer (true for OK); no value while the same question is still open, for the
// exchanges that must tell "not answered yet" from Cancel.
std::optional<bool> AskUnlessOpen(QWidget* parent, const QString& text);
