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
    case ENOTTY:
        return CFileErrorTexts::tr("不是串口设备");
    case EBUSY:
        return CFileErrorTexts::tr("设备正忙");
    case ENXIO:
    case ENODEV:
        return CFileErrorTexts::tr("设备不存在或已断开");
    case EAGAIN:
        return CFileErrorTexts::tr("资源暂时不可用");
    case EINVAL:
        return CFileErrorTexts::tr("参数无效");
    case EPIPE:
        return CFileErrorTexts::tr("管道的另一端已关闭");
    case EBADF:
        return CFileErrorTexts::tr("文件描述符无效");
    case ELOOP:
        return CFileErrorTexts::tr("符号链接层数过多");
    case EMFILE:
    case ENFILE:
        return CFileErrorTexts::tr("打开的文件过多");
    default:
        return qt_error_string(error);
    }
}

// The system's reasons come as text from Qt (QSerialPort::errorString is the text of the error
// number in the C library's words): the same number's text here gives it in the program's words.
QString SystemErrorTextOf(const QString& systemText) {
    constexpr int kHighestErrorNumber = 150;
    for (int error = 1; error <= kHighestErrorNumber; ++error)
        if (qt_error_string(error) == systemText)
            return SystemErrorText(error);
    return systemText;
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
