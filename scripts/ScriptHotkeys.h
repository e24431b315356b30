#pragma once
// The script hotkeys: which scripts hold their key and under which
// identifier, and which script a press is for.
//
// They are registered on the script list's window rather than on the main
// window, under identifiers of their own, so that no script id can ever take
// the single-point (1008) or stop (1108) registration's place, and ids beyond
// what the system accepts as an identifier still work.

#include "core/MainContext.h"
#include "storage/ScriptRow.h"

#include <QHash>
#include <QList>
#include <QObject>

class QWidget;

namespace lumo {

class ScriptHotkeys final : public QObject {
    Q_OBJECT
  public:
    // owner: the window the registrations belong to; it outlives this.
    ScriptHotkeys(MainContext &context, QWidget *owner);
    ~ScriptHotkeys() override;

    enum class Outcome { Held, Conflict, NothingRegistered };
    // Registers hotkeyText for the script in place of what it held; a
    // taken key shows the conflict message and holds nothing. A key word
    // without a number raises HandlerError and leaves everything as it was.
    Outcome hold(const QString &id, const QString &hotkeyText);
    void release(const QString &id);
    // A row read afresh: a held key whose text changed in the table is
    // registered anew. True when the script holds its key afterwards.
    bool refresh(const QString &id, const QString &hotkeyText);
    // Scripts gone from the table (deleted here or by another copy of the
    // program) must not keep a key that now plays nothing.
    void releaseAllBut(const QList<ScriptRow> &present);

    // Whether the script with that id holds its hotkey now.
    bool isHeld(const QString &id) const { return held_.contains(id); }
    // The window the registrations belong to.
    platform::WindowHandle owner() const { return owner_; }

  signals:
    // The key of the script with that id was pressed.
    void pressed(const QString &id);

  private:
    struct Held {
        int identifier = 0;
        QString hotkeyText;
    };
    int identifierFor(const QString &id);
    void onPress(int identifier);

    MainContext &context_;
    QWidget *owner_;
    QHash<QString, Held> held_;
    QHash<QString, int> identifiers_;
    int nextIdentifier_ = 1;
};

} // namespace lumo
