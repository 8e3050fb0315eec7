#include "recent_files.h"

#include <QSettings>

namespace {
const char* const kGroup = "Recent File List";
QString Key(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

void CRecentFileList::Load() {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = profile.value(Key(i)).toString();
        if (!path.isEmpty())
            m_files.append(path);
    }
}

void CRecentFileList::Add(const QString& path) {
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
    Save();
}

void CRecentFileList::Save() const {
    QSettings profile;
    profile.beginGroup(QLatin1String(kGroup));
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            profile.setValue(Key(i), m_files[i]);
        else
            profile.remove(Key(i));
    }
}
