#pragma once
// The program's languages as column types of data-driven tests; a row puts its language in force
// with CLanguageTranslators.
#include "lang/language_translators.h"

#include <QMetaType>

Q_DECLARE_METATYPE(ELanguage)
Q_DECLARE_METATYPE(ELanguageSetting)
