#include "long_captions.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstring>

namespace {
struct CLongCaption {
    const char* context;
    struct {
        const char* source;
        const char* comment; // "long form", beside the caption's own translation
    } text;
};

// clang-format off
const CLongCaption kLongCaptions[] = {
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "1:N比对", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "存储用户特征值", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "下传特征值与采集指纹比对", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "下传指纹1:1比对", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "下传指纹1:N比对", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "取用户特征值上传", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "采集指纹提取特征值上传", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "使进入休眠模式", "long form")},
    {"COperation", QT_TRANSLATE_NOOP3("COperation", "亮度自适应", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "取容量", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "采集两次", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "特征值上传", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "ID号自增1", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "ID号自动加1", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "2指纹", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "高分辨率原图", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "总数", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "当前", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "有效", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "下传命令显示", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "下传特征值选择", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "参数1", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "参数2", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "参数3", "long form")},
    {"CModuleTestDlg", QT_TRANSLATE_NOOP3("CModuleTestDlg", "参数1,2", "long form")},
};
// clang-format on
} // namespace

QString LongCaption(const char* context, const char* caption) {
    for (const CLongCaption& entry : kLongCaptions) {
        if (std::strcmp(entry.context, context) != 0 ||
            std::strcmp(entry.text.source, caption) != 0)
            continue;
        const QString longForm =
            QCoreApplication::translate(context, entry.text.source, entry.text.comment);
        return longForm == QCoreApplication::translate(context, caption) ? QString() : longForm;
    }
    return QString();
}
