#pragma once
// Why a file could not be written or read, in the words the program's messages use. A message
// keeps its own text first and adds the reason after "：", so "写 a.fea 文件错误" becomes
// "写 a.fea 文件错误：磁盘空间不足".
#include <QString>

// The system's reason for an error number: "磁盘空间不足", "没有权限", "文件或文件夹不存在", … and
// the system's own text for the rarer ones.
QString SystemErrorText(int error);

// SystemErrorText of the error number whose C library text is `systemText` (Qt gives a port's
// reason that way); `systemText` itself when none is.
QString SystemErrorTextOf(const QString& systemText);

// The error number of the call that just failed; a failure that left none reads as an
// input/output error (EIO).
int LastErrorNumber();

// SystemErrorText of LastErrorNumber().
QString LastErrorText();

// The reason a FIFO, a device or a socket chosen as a file is not read: "不是普通文件".
QString NotAPlainFileText();

// `text`, then "：" and `reason`.
QString WithReason(const QString& text, const QString& reason);
