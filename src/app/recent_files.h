#pragma once
// The framework's recently-used-file list of four entries, kept in the profile under
// "Local AppWizard-Generated Applications". It is the only thing the program stores.
#include <QStringList>

class CRecentFileList {
public:
    static constexpr int kSize = 4;
    void Load();
    void Add(const QString& path); // newest first, no duplicates, at most four; saved at once
    QStringList Files() const { return m_files; }

private:
    void Save() const;
    QStringList m_files;
};
