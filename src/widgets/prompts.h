#pragma once
// Message boxes, OK/Cancel questions and file dialogs go through this one interface, so that the
// panels can be driven by tests with a scripted fake. The program uses modal Qt dialogs, during
// which timers and serial events keep flowing.
#include <QString>

class QWidget;

struct CFileDialogSpec {
    QString filter;        // Qt form, e.g. "feature files (*.fea)"
    QString defaultSuffix; // e.g. "fea"
    QString initialName;   // e.g. "feature"; empty for none
};

class CPrompts {
public:
    virtual ~CPrompts() = default;
    // An OK box. Without a caption of its own it carries the application title "Morvane".
    virtual void Message(QWidget* parent, const QString& text, const QString& caption) = 0;
    // OK and Cancel; true for OK.
    virtual bool Question(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The chosen full path, or an empty text when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const CFileDialogSpec& dialog) = 0;
    virtual QString SaveFileName(QWidget* parent, const CFileDialogSpec& dialog) = 0;
};

const QString& ApplicationTitle(); // "Morvane"

// The prompts in use: the dialog-based ones unless a test installed its own.
CPrompts& Prompts();
// Installs prompts (not owned); nullptr returns to the dialog-based ones.
void SetPrompts(CPrompts* prompts);

// Shortcuts used by every panel.
inline void ShowMessage(QWidget* parent, const QString& text) {
    Prompts().Message(parent, text, ApplicationTitle());
}
inline bool AskOkCancel(QWidget* parent, const QString& text) {
    return Prompts().Question(parent, text, QString());
}
