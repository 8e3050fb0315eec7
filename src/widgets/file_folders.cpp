#include "file_folders.h"

#include "prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace {
const char* const kGroup = "Folders";

QString KindKey(EFileKind kind) {
    // In the order of EFileKind.
    static const char* const keys[] = {"Other", "Feature", "ProgramData", "ProgramImage",
                                       "Image", "Log",     "Backup",      "Batch"};
    static_assert(std::size(keys) == std::size_t(EFileKind::Batch) + 1, "one key a kind");
    return QLatin1String(keys[int(kind)]);
}

bool IsUsableFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

QString RememberFile(EFileKind kind, const QString& path) {
    if (!path.isEmpty())
        RememberFolder(kind, QFileInfo(path).absolutePath());
    return path;
}

CFileDialogOptions InRememberedFolder(CFileDialogOptions options) {
    if (options.folder.isEmpty())
        options.folder = RememberedFolder(options.kind);
    return options;
}

// Whether this process, as the user it acts as, may create files in the folder.
bool MayWriteIn(const QString& folder) {
    return faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0;
}
} // namespace

QString StartingFolder(const QString& programFolder, const QString& documentsFolder) {
    if (MayWriteIn(programFolder))
        return programFolder;
    const QString documents = documentsFolder.isEmpty() ? QDir::homePath() : documentsFolder;
    const QString own = QDir(documents).filePath(QStringLiteral("Morvane"));
    if (QDir().mkpath(own))
        return own;
    return IsUsableFolder(documents) ? documents : QDir::homePath();
}

QString StartingFolder() {
    return StartingFolder(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString RememberedFolder(EFileKind kind) {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    const QString folder = profile.value(KindKey(kind)).toString();
    return IsUsableFolder(folder) ? folder : StartingFolder();
}

void RememberFolder(EFileKind kind, const QString& folder) {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    profile.setValue(KindKey(kind), QDir(folder).absolutePath());
}

QString ChooseOpenFile(QWidget* parent, CFileDialogOptions options) {
    return RememberFile(options.kind, Prompts().OpenFileName(parent, InRememberedFolder(options)));
}

QString ChooseSaveFile(QWidget* parent, CFileDialogOptions options) {
    return RememberFile(options.kind, Prompts().SaveFileName(parent, InRememberedFolder(options)));
}

QString ChooseFolder(QWidget* parent, const QString& title, EFileKind kind) {
    const QString folder = Prompts().FolderName(parent, title, RememberedFolder(kind));
    if (!folder.isEmpty())
        RememberFolder(kind, folder);
    return folder;
}
