#include "scripts/ScriptHotkeys.h"

#include "core/Conversion.h"
#include "core/HotkeyRegistration.h"
#include "core/HotkeyText.h"

#include <QSet>
#include <QWidget>

namespace lumo {

ScriptHotkeys::ScriptHotkeys(MainContext &context, QWidget *owner) : context_(context), owner_(owner) {
    context_.hotkeyRouter.addReceiver(owner_, [this](int identifier) { onPress(identifier); });
}

ScriptHotkeys::~ScriptHotkeys() {
    context_.hotkeyRouter.removeReceiver(owner_);
    for (const Held &held : std::as_const(held_))
        context_.os.hotkeys.unregisterHotkey(owner_, held.identifier);
}

ScriptHotkeys::Outcome ScriptHotkeys::hold(const QString &id, const QString &hotkeyText) {
    const RegistrationParse parse = parseForRegistration(hotkeyText);
    const int identifier = identifierFor(id);
    held_.remove(id);
    if (!parse.modifiers) {
        context_.os.hotkeys.unregisterHotkey(owner_, identifier);
        return Outcome::NothingRegistered;
    }
    const QString conflict = tr("您设置的%1热键与其他程序的热键冲突,请选择过热键.").arg(hotkeyText);
    if (registerOrWarn(context_, owner_, identifier, *parse.modifiers, parse.key, context_.mainWindow,
                       conflict, conflictIcon(parse.modifierWord))) {
        held_.insert(id, Held{identifier, hotkeyText});
        return Outcome::Held;
    }
    context_.state.startHotkeyRegistered = false;
    return Outcome::Conflict;
}

void ScriptHotkeys::release(const QString &id) {
    const auto held = held_.constFind(id);
    if (held == held_.cend())
        return;
    context_.os.hotkeys.unregisterHotkey(owner_, held->identifier);
    held_.erase(held);
}

// A fill must not claim a row is enabled unless its key is held, nor keep
// the old key of a script whose hotkey was changed in the meantime.
bool ScriptHotkeys::refresh(const QString &id, const QString &hotkeyText) {
    const auto held = held_.constFind(id);
    if (held == held_.cend())
        return false;
    if (held->hotkeyText == hotkeyText)
        return true;
    try {
        return hold(id, hotkeyText) == Outcome::Held;
    } catch (const HandlerError &) {
        // A key word without a number: the old key is released, nothing more.
        release(id);
        return false;
    }
}

void ScriptHotkeys::releaseAllBut(const QList<ScriptRow> &present) {
    QSet<QString> ids;
    for (const ScriptRow &row : present)
        ids.insert(row.id);
    const QStringList heldIds = held_.keys();
    for (const QString &id : heldIds) {
        if (!ids.contains(id))
            release(id);
    }
}

int ScriptHotkeys::identifierFor(const QString &id) {
    auto it = identifiers_.find(id);
    if (it == identifiers_.end())
        it = identifiers_.insert(id, nextIdentifier_++);
    return it.value();
}

void ScriptHotkeys::onPress(int identifier) {
    for (auto it = identifiers_.cbegin(); it != identifiers_.cend(); ++it) {
        if (it.value() == identifier) {
            emit pressed(it.key());
            return;
        }
    }
}

} // namespace lumo
