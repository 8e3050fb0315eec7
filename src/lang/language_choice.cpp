#include "language_choice.h"

#include <QSettings>

namespace {
const char* const kProfileKey = "Language";

ELanguage SystemLanguage(const QLocale& system) {
    const QLocale::Language language = system.language();
    return language == QLocale::Chinese || language == QLocale::C ? ELanguage::Chinese
                                                                  : ELanguage::English;
}
} // namespace

ELanguage ChosenLanguage(ELanguageSetting setting, const QLocale& system) {
    switch (setting) {
    case ELanguageSetting::Chinese:
        return ELanguage::Chinese;
    case ELanguageSetting::English:
        return ELanguage::English;
    case ELanguageSetting::FollowSystem:
        break;
    }
    return SystemLanguage(system);
}

ELanguageSetting LanguageSettingNamed(const QString& name) {
    if (name == QLatin1String("zh"))
        return ELanguageSetting::Chinese;
    if (name == QLatin1String("en"))
        return ELanguageSetting::English;
    return ELanguageSetting::FollowSystem;
}

QString LanguageSettingName(ELanguageSetting setting) {
    switch (setting) {
    case ELanguageSetting::Chinese:
        return QStringLiteral("zh");
    case ELanguageSetting::English:
        return QStringLiteral("en");
    case ELanguageSetting::FollowSystem:
        break;
    }
    return QStringLiteral("system");
}

std::optional<ELanguageSetting> LanguageArgument(const QStringList& arguments) {
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            return LanguageSettingNamed(arguments[i + 1]);
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            return LanguageSettingNamed(arguments[i].section(QLatin1Char('='), 1));
    }
    return std::nullopt;
}

ELanguageSetting StoredLanguageSetting() {
    return LanguageSettingNamed(QSettings().value(QLatin1String(kProfileKey)).toString());
}

void StoreLanguageSetting(ELanguageSetting setting) {
    QSettings().setValue(QLatin1String(kProfileKey), LanguageSettingName(setting));
}
