#pragma once
// Which language the program speaks: Simplified Chinese, its own, or English. The window and the
// command line decide it the same way: a choice the user made, or else the desktop's language as
// QLocale::system() reads it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Qt Core only, no widgets.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

enum class ELanguage { Chinese, English };
enum class ELanguageSetting { FollowSystem, Chinese, English };

// The setting's language; for FollowSystem the desktop's: Chinese for a Chinese locale and for
// the C/POSIX locale (no language set), English otherwise.
ELanguage ChosenLanguage(ELanguageSetting setting, const QLocale& system = QLocale::system());

// The choice kept in the user's profile ("Language": system, zh or en); FollowSystem when none.
ELanguageSetting StoredLanguageSetting();
void StoreLanguageSetting(ELanguageSetting setting);

// "zh" or "en", as the profile and a command line name them; FollowSystem for anything else.
ELanguageSetting LanguageSettingNamed(const QString& name);
QString LanguageSettingName(ELanguageSetting setting);

// The language a command line names with "--lang zh|en" (or --lang=en), for this run only; none
// when it names none. Another name than zh or en reads as FollowSystem.
std::optional<ELanguageSetting> LanguageArgument(const QStringList& arguments);
