#pragma once
// Handlers that follow what the user does to a check box, radio button or checkable command,
// however it is done. A mouse click or a key emits `clicked`, but an assistive technology's
// "Toggle" calls QAbstractButton::toggle(), which emits only `toggled`, just as the program's
// own setChecked() does. So the handlers follow every change of check state, and the program
// writes its own states through SetCheckedQuietly, which they ignore.
#include <functional>

class QAbstractButton;
class QAction;
class QObject;

// Runs `handler` once for each change the user makes to `button`: a click (also one on the
// checked button of an exclusive group, which changes nothing), a key, or a toggle through
// the accessibility interface. Of an exclusive button, only the one that becomes checked runs.
// The connection lives as long as `context`.
void ConnectUserChange(QAbstractButton* button, QObject* context, std::function<void()> handler);

// Runs `handler` once for each time the user chooses the checkable `action`: from a menu, by
// clicking or toggling its tool button, whichever state that leaves. The action must not be
// in an exclusive action group, whose checked action is chosen without a change of state.
void ConnectUserChange(QAction* action, QObject* context, std::function<void()> handler);

// Sets the check state as the program, without running the handlers connected above; buttons
// of an exclusive group unchecked by it stay quiet too.
void SetCheckedQuietly(QAbstractButton* button, bool checked);
void SetCheckedQuietly(QAction* action, bool checked);
