#include "prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include <set>
#include <utility>

QString PromptBoxTitle(const QString& caption) {
    // The window system puts the application name on a window whose title is empty.
    return caption.isEmpty() ? QStringLiteral(" ") : caption;
}

void ConfigureFileDialog(QFileDialog& dialog, const CFileDialogOptions& options, bool save) {
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !options.mustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!options.folder.isEmpty())
        dialog.setDirectory(options.folder);
    if (!options.initialName.isEmpty())
        dialog.selectFile(options.initialName);
}

namespace {
class CDialogPrompts : public CPrompts {
public:
    void Message(QWidget* parent, const QString& text, const QString& caption) override {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool Question(QWidget* parent, const QString& text, const QString& caption) override {
        QMessageBox box(QMessageBox::Question, PromptBoxTitle(caption), text,
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        return box.exec() == QMessageBox::Ok;
    }
    QString OpenFileName(QWidget* parent, const CFileDialogOptions& dialog) override {
        return Run(parent, dialog, false);
    }
    QString SaveFileName(QWidget* parent, const CFileDialogOptions& dialog) override {
        return Run(parent, dialog, true);
    }
    QString FolderName(QWidget* parent, const QString& title, const QString& start) override {
        QFileDialog dialog(parent, title, start);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

private:
    static QString Run(QWidget* parent, const CFileDialogOptions& wanted, bool save) {
        QFileDialog dialog(parent);
        ConfigureFileDialog(dialog, wanted, save);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

CDialogPrompts g_DialogPrompts;
CPrompts* g_pPrompts = nullptr;

using COpenPrompt = std::pair<const QWidget*, QString>;
std::set<COpenPrompt> g_openPrompts;

// Marks a box as open for as long as it is shown.
class COpenPromptMark {
public:
    explicit COpenPromptMark(COpenPrompt prompt) : m_prompt(std::move(prompt)) {
        g_openPrompts.insert(m_prompt);
    }
    ~COpenPromptMark() { g_openPrompts.erase(m_prompt); }
    COpenPromptMark(const COpenPromptMark&) = delete;
    COpenPromptMark& operator=(const COpenPromptMark&) = delete;

private:
    COpenPrompt m_prompt;
};
} // namespace

bool IsPromptOpen(const QWidget* parent, const QString& text) {
    return g_openPrompts.count({parent, text}) != 0;
}

void ShowMessage(QWidget* parent, const QString& text) {
    if (IsPromptOpen(parent, text))
        return;
    const COpenPromptMark open({parent, text});
    Prompts().Message(parent, text, ApplicationTitle());
}

bool AskOkCancel(QWidget* parent, const QString& text) {
    if (IsPromptOpen(parent, text))
        return false;
    const COpenPromptMark open({parent, text});
    return Prompts().Question(parent, text, QString());
}

std::optional<bool> AskUnlessOpen(QWidget* parent, const QString& text) {
    if (IsPromptOpen(parent, text))
        return std::nullopt;
    return AskOkCancel(parent, text);
}

const QString& ApplicationTitle() {
    static const QString title = QStringLiteral("Morvane");
    return title;
}

CPrompts& Prompts() {
    return g_pPrompts ? *g_pPrompts : g_DialogPrompts;
}

void SetPrompts(CPrompts* prompts) {
    g_pPrompts = prompts;
}
