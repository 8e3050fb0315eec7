#pragma once
// A source text kept in a constant (marked with QT_TRANSLATE_NOOP under `context`), in the
// program's language. The constants stay the source texts, so a Chinese desk sees them unchanged.
#include <QCoreApplication>
#include <QString>

inline QString TranslatedSource(const char* context, const QString& source) {
    return QCoreApplication::translate(context, qUtf8Printable(source));
}
