#pragma once
// Root passes every permission check, so tests of a refused permission act as another user.
#include <QFile>
#include <QStringList>
#include <QtGlobal>
#include <unistd.h>

// As root: acts as user "nobody", owner of `paths`, until destroyed. Otherwise does nothing.
class CAsOtherUser {
public:
    explicit CAsOtherUser(const QStringList& paths) : m_bSwitched(geteuid() == 0) {
        for (const QString& path : paths)
            if (m_bSwitched && chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0)
                qFatal("chown %s", qPrintable(path));
        if (m_bSwitched && (setegid(kNobody) != 0 || seteuid(kNobody) != 0))
            qFatal("cannot act as nobody");
    }
    ~CAsOtherUser() {
        if (m_bSwitched && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot return to root");
    }

private:
    static constexpr uid_t kNobody = 65534;
    bool m_bSwitched;
};
