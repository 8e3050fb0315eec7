#pragma once
// "语言 / Language" in the 帮助 menu: 跟随系统 (the desktop's language), 中文 or English, one of
// them checked. The choice is kept in the user's profile and takes effect at the next start,
// as the items' status tip says.
#include "lang/language_choice.h"

#include <QMenu>

class QAction;

class CLanguageMenu : public QMenu {
    Q_OBJECT
public:
    explicit CLanguageMenu(QWidget* parent = nullptr);

    QAction* ItemFor(ELanguageSetting setting) const;

private:
    void OnChosen(ELanguageSetting setting);
};
