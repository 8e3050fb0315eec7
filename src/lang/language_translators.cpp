#include "language_translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CLanguageTranslators::CLanguageTranslators(ELanguage language, QObject* parent,
                                           const QString& catalogue)
    : QObject(parent) {
    m_bLoaded = language == ELanguage::English
                    ? m_translator.load(QStringLiteral(":/morvane/i18n/%1_en.qm").arg(catalogue))
                    : m_translator.load(QStringLiteral("qtbase_zh_CN"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_bLoaded)
        QCoreApplication::installTranslator(&m_translator);
}

CLanguageTranslators::~CLanguageTranslators() {
    // Owned by the application, this goes after it; there is nothing left to remove from then.
    if (m_bLoaded && QCoreApplication::instance())
        QCoreApplication::removeTranslator(&m_translator);
}
