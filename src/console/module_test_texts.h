#pragma once
// The texts the module test panel itself shows. Control captions are part of the control table
// (module_test_layout.cpp); reply texts and file messages belong to the protocol and file code.
#include <QCoreApplication>
#include <QString>

namespace ModuleTestTexts {
inline constexpr const char* kPanelName = QT_TRANSLATE_NOOP("ModuleTestTexts", "模块测试");
inline constexpr const char* kUserNumberZero =
    QT_TRANSLATE_NOOP("ModuleTestTexts", "用户号不能为0");
inline constexpr const char* kPrivilegeInvalid = QT_TRANSLATE_NOOP("ModuleTestTexts", "权限无效");

// A text above in the program's language; the constants themselves stay the source texts.
inline QString Tr(const char* text) {
    return QCoreApplication::translate("ModuleTestTexts", text);
}
} // namespace ModuleTestTexts
