#include "file_errors.h"

#include <QCoreApplication>
#include <cerrno>

// The system's reasons, translated as one context.
class CFileErrorTexts {
    Q_DECLARE_TR_FUNCTIONS(CFileErrorTexts)
};

QString SystemErrorText(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return CFileErrorTexts::tr("磁盘空间不足");
    case EACCES:
    case EPERM:
        return CFileErrorTexts::tr("没有权限");
    case ENOENT:
        return CFileErrorTexts::tr("文件或文件夹不存在");
    case ENOTDIR:
        return CFileErrorTexts::tr("路径中有一项不是文件夹");
    case EISDIR:
        return CFileErrorTexts::tr("同名的是一个文件夹");
    case EROFS:
        return CFileErrorTexts::tr("文件系统只读");
    case EFBIG:
        return CFileErrorTexts::tr("文件超过允许的大小");
    case ENAMETOOLONG:
        return CFileErrorTexts::tr("文件名过长");
    case EIO:
        return CFileErrorTexts::tr("磁盘读写错误");
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

QString NotAPlainFileText() {
    return CFileErrorTexts::tr("不是普通文件");
}

QString WithReason(const QString& text, const QString& reason) {
    //: between a message and its reason
    return text + CFileErrorTexts::tr("：") + reason;
}
