#include "panel_font.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {
// In order of preference: the layouts' own font under its Chinese and English names, its
// fixed-pitch sibling, then the CJK fonts a Linux desk usually has.
const char* const kPreferredFamilies[] = {
    "宋体", // no translation: the family's name as the system lists it
    "SimSun", "NSimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC"};

// "WenQuanYi Micro Hei [WQYF]" is listed so when two foundries offer the same family.
QString WithoutFoundry(const QString& family) {
    const int bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}
} // namespace

QString PanelFontFamily(const QStringList& installed, const QString& fallback) {
    for (const char* preferred : kPreferredFamilies) {
        const QString wanted = QString::fromUtf8(preferred);
        for (const QString& family : installed)
            if (WithoutFoundry(family).compare(wanted, Qt::CaseInsensitive) == 0)
                return family;
    }
    return fallback;
}

QFont PanelFont() {
    const QString family =
        PanelFontFamily(QFontDatabase::families(), QGuiApplication::font().family());
    return QFont(family, kPanelFontPointSize);
}
