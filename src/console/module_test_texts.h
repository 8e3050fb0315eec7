#pragma once
// The texts the module test panel itself shows. Control captions are part of the control table
// (module_test_layout.cpp); reply texts and file messages belong to the protocol and file code.
#include <QString>

namespace ModuleTestTexts {
inline const QString kPanelName = QStringLiteral("模块测试");
inline const QString kUserNumberZero = QStringLiteral("用户号不能为0");
inline const QString kPrivilegeInvalid = QStringLiteral("权限无效");
} // namespace ModuleTestTexts
