#pragma once
// The texts of one language installed for the whole program while this object lives: for
// English the program's English translation (built from translations/<catalogue>_en.ts and
// compiled in: "morvane" for the window and the command line, "morvane-sim" for the simulator),
// for Chinese Qt's own zh_CN texts (message-box buttons, file dialogs) from the toolkit's
// translation folder, since the program's source texts are Chinese already.
#include "language_choice.h"

#include <QObject>
#include <QTranslator>

class CLanguageTranslators : public QObject {
public:
    explicit CLanguageTranslators(ELanguage language, QObject* parent = nullptr,
                                  const QString& catalogue = QStringLiteral("morvane"));
    ~CLanguageTranslators() override;

    // False when the language's translation could not be found.
    bool IsComplete() const { return m_bLoaded; }

private:
    QTranslator m_translator;
    bool m_bLoaded = false;
};
