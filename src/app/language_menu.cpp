#include "language_menu.h"

#include <QActionGroup>

namespace {
const ELanguageSetting kSettings[] = {ELanguageSetting::FollowSystem, ELanguageSetting::Chinese,
                                      ELanguageSetting::English};
} // namespace

CLanguageMenu::CLanguageMenu(QWidget* parent) : QMenu(tr("语言 / Language(&L)"), parent) {
    setObjectName(QStringLiteral("languageMenu"));
    // Each language names itself, so that a reader of either finds it.
    const QString captions[] = {tr("跟随系统(&S)"), tr("中文(&C)"), QStringLiteral("English(&E)")};
    auto* group = new QActionGroup(this);
    const ELanguageSetting stored = StoredLanguageSetting();
    for (int i = 0; i < 3; ++i) {
        QAction* item = addAction(captions[i]);
        item->setObjectName(QStringLiteral("language_") + LanguageSettingName(kSettings[i]));
        item->setCheckable(true);
        item->setChecked(kSettings[i] == stored);
        item->setStatusTip(tr("下次启动时生效"));
        group->addAction(item);
        const ELanguageSetting setting = kSettings[i];
        // The group unchecks the others; only the item that becomes checked is a choice, made
        // from the menu, the keys or an assistive technology alike.
        connect(item, &QAction::toggled, this, [this, setting](bool checked) {
            if (checked)
                OnChosen(setting);
        });
    }
}

QAction* CLanguageMenu::ItemFor(ELanguageSetting setting) const {
    return findChild<QAction*>(QStringLiteral("language_") + LanguageSettingName(setting));
}

void CLanguageMenu::OnChosen(ELanguageSetting setting) {
    StoreLanguageSetting(setting);
}
