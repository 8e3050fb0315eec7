#include "file_errors.h"

#include <cerrno>

QString SystemErrorText(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("磁盘空间不足");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case ENOTDIR:
        return QStringLiteral("路径中有一项不是文件夹");
    case EISDIR:
        return QStringLiteral("同名的是一个文件夹");
    case EROFS:
        return QStringLiteral("文件系统只读");
    case EFBIG:
        return QStringLiteral("文件超过允许的大小");
    case ENAMETOOLONG:
        return QStringLiteral("文件名过长");
    case EIO:
        return QStringLiteral("磁盘读写错误");
    default:
        return qt_error_string(error);
    }
}

int LastErrorNumber() {
    return errno != 0 ? errno : EIO;
}

QString LastErrorText() {
    return SystemErrorText(LastErrorNumber());
}

QString WithReason(const QString& text, const QString& reason) {
    return text + QStringLiteral("：") + reason;
}
