#pragma once
// Prompts for tests: records every text shown and answers as the test told it to.
#include "widgets/prompts.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

class CScriptedPrompts : public CPrompts {
public:
    CScriptedPrompts() { SetPrompts(this); }
    ~CScriptedPrompts() override { SetPrompts(nullptr); }

    void Message(QWidget*, const QString& text, const QString& caption) override {
        m_messages.append(text);
        m_messageCaptions.append(caption);
        WhileOpen();
    }
    bool Question(QWidget*, const QString& text, const QString& caption) override {
        m_questions.append(text);
        m_questionCaptions.append(caption);
        WhileOpen();
        return m_answers.isEmpty() ? m_bDefaultAnswer : m_answers.takeFirst();
    }
    QString OpenFileName(QWidget*, const CFileDialogOptions& dialog) override {
        m_dialogs.append(dialog);
        return m_files.isEmpty() ? QString() : m_files.takeFirst();
    }
    QString SaveFileName(QWidget*, const CFileDialogOptions& dialog) override {
        m_dialogs.append(dialog);
        return m_files.isEmpty() ? QString() : m_files.takeFirst();
    }

    QString FolderName(QWidget*, const QString& title, const QString& start) override {
        m_folderTitles.append(title);
        m_folderStarts.append(start);
        return m_folders.isEmpty() ? QString() : m_folders.takeFirst();
    }

    QStringList m_messages, m_messageCaptions, m_questions, m_questionCaptions;
    QList<bool> m_answers; // next answers to questions, in order
    bool m_bDefaultAnswer = true;
    QStringList m_files; // next file dialog results; empty text = cancel
    QList<CFileDialogOptions> m_dialogs;
    // Next folder choices (empty = cancel), and the titles and starting folders asked.
    QStringList m_folders, m_folderTitles, m_folderStarts;
    // Runs once, while the next box is open, as timers and serial events do meanwhile.
    std::function<void()> m_whileOpen;

private:
    void WhileOpen() {
        if (auto run = std::exchange(m_whileOpen, nullptr))
            run();
    }
};
