#include "prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
class CDialogPrompts : public CPrompts {
public:
    void Message(QWidget* parent, const QString& text, const QString& caption) override {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool Question(QWidget* parent, const QString& text, const QString& caption) override {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                        parent);
        return box.exec() == QMessageBox::Ok;
    }
    QString OpenFileName(QWidget* parent, const CFileDialogSpec& dialog) override {
        return Run(parent, dialog, QFileDialog::AcceptOpen);
    }
    QString SaveFileName(QWidget* parent, const CFileDialogSpec& dialog) override {
        return Run(parent, dialog, QFileDialog::AcceptSave);
    }

private:
    static QString Run(QWidget* parent, const CFileDialogSpec& wanted,
                       QFileDialog::AcceptMode mode) {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setNameFilter(wanted.filter);
        dialog.setDefaultSuffix(wanted.defaultSuffix);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (!wanted.initialName.isEmpty())
            dialog.selectFile(wanted.initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

CDialogPrompts g_DialogPrompts;
CPrompts* g_pPrompts = nullptr;
} // namespace

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
