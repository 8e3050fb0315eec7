#pragma once
// A small file system that fills up: a 64 KB tmpfs, mounted for the object's lifetime when the
// test runs as root (IsMounted() is false otherwise, and the test says why it skips).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

// Fills the file system of `folder` until no byte fits any more.
inline void FillUp(const QString& folder) {
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(1024, 'f');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write(block.left(1)) == 1) {
    }
}

inline const char kNeedsRootToMount[] = "needs root to mount a small tmpfs";

class CSmallFileSystem {
public:
    CSmallFileSystem() {
        if (geteuid() != 0 || !m_dir.isValid())
            return;
        m_bMounted = QProcess::execute(QStringLiteral("mount"),
                                       {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                        QStringLiteral("-o"), QStringLiteral("size=64k"),
                                        QStringLiteral("tmpfs"), m_dir.path()}) == 0;
    }
    ~CSmallFileSystem() {
        if (m_bMounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool IsMounted() const { return m_bMounted; }
    QString Folder() const { return m_dir.path(); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QStringList Names() const { return QDir(m_dir.path()).entryList(QDir::Files); }

private:
    QTemporaryDir m_dir;
    bool m_bMounted = false;
};
