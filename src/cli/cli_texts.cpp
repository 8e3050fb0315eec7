#include "cli_texts.h"

QString WithNote(const QString& text, const QString& note) {
    return CCliTexts::tr("%1（%2）").arg(text, note);
}

QString RateFoundText(const QString& bits) {
    return CCliTexts::tr("模块以 %1 bit/s 应答").arg(bits);
}
