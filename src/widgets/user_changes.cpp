#include "user_changes.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>

#include <memory>
#include <utility>

namespace {
// Depth of the program's own check-state changes in progress. Everything runs on the
// user-interface thread, and a change of one button may change others (the rest of its
// group, the tool button of an action), so one count covers them all.
int g_nQuietChanges = 0;

class CQuietChange {
public:
    CQuietChange() { ++g_nQuietChanges; }
    ~CQuietChange() { --g_nQuietChanges; }
    CQuietChange(const CQuietChange&) = delete;
    CQuietChange& operator=(const CQuietChange&) = delete;
};

bool IsExclusive(const QAbstractButton& button) {
    return button.group() ? button.group()->exclusive() : button.autoExclusive();
}
} // namespace

void ConnectUserChange(QAbstractButton* button, QObject* context, std::function<void()> handler) {
    // A click changes the state (toggled) before it reports the click (clicked); the handler
    // runs on the change, and on the click only when the click changed nothing. Every click
    // starts with `pressed`, which forgets a change made without a click (a toggle).
    auto ranOnChange = std::make_shared<bool>(false);
    QObject::connect(button, &QAbstractButton::pressed, context,
                     [ranOnChange] { *ranOnChange = false; });
    QObject::connect(button, &QAbstractButton::toggled, context,
                     [button, ranOnChange, handler](bool checked) {
                         if (g_nQuietChanges > 0 || (!checked && IsExclusive(*button)))
                             return;
                         *ranOnChange = true;
                         handler();
                     });
    QObject::connect(button, &QAbstractButton::clicked, context, [ranOnChange, handler] {
        if (!std::exchange(*ranOnChange, false))
            handler();
    });
}

void ConnectUserChange(QAction* action, QObject* context, std::function<void()> handler) {
    // Choosing a checkable action outside an exclusive group always flips its state before it
    // reports `triggered`, and toggling its tool button flips it without `triggered`; so the
    // change alone marks every choice, once.
    QObject::connect(action, &QAction::toggled, context, [handler] {
        if (g_nQuietChanges == 0)
            handler();
    });
}

void SetCheckedQuietly(QAbstractButton* button, bool checked) {
    const CQuietChange quiet;
    button->setChecked(checked);
}

void SetCheckedQuietly(QAction* action, bool checked) {
    const CQuietChange quiet;
    action->setChecked(checked);
}
