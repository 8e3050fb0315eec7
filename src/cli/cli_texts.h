#pragma once
// The command line's own messages, translated as one context; the results' texts are the
// window's own.
#include <QCoreApplication>
#include <QString>

class CCliTexts {
    Q_DECLARE_TR_FUNCTIONS(CCliTexts)
};

// `text` with a note after it in brackets: "COM2（模块没有应答）".
QString WithNote(const QString& text, const QString& note);

// "模块以 38400 bit/s 应答".
QString RateFoundText(const QString& bits);
