#pragma once
// A fixed-layout window as data: each control's object name, kind, parent,
// rectangle and caption in one table. placeControls() builds the controls
// from it; the tests and the screenshot tool find a control's rectangle in
// the same table, so no one computes pixels by hand.

#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <span>
#include <string_view>

class QWidget;

namespace lumo {

enum class ControlKind {
    Label,       // a QLabel of the table's size
    FittedLabel, // a QLabel at the table's corner, as large as its text
    Link,        // a QLabel in the palette's link colour, with a pointing hand
    LineEdit,
    ComboBox,
    Button,
    CheckBox,
    GroupBox, // may parent later rows
    Frame,    // may parent later rows
    TreeWidget,
    TextBrowser,
    TabWidget, // may parent Page rows
    Page,      // a page of its parent tab widget, which places it; the caption is the tab's
    Custom,    // made by the window's own function when its row comes
};

struct ControlSpec {
    const char *name;
    ControlKind kind;
    // The row, earlier in the table, this control sits in; nullptr for the
    // window itself.
    const char *parent;
    // In the parent's coordinates. A FittedLabel takes only the corner; a
    // Page's rectangle is where its tab widget puts it.
    QRect rect;
    // Marked for translation with QT_TRANSLATE_NOOP in the window's context;
    // nullptr when the window sets the text itself.
    const char *caption = nullptr;
    // A label's field: the later row it names, which takes the label as its
    // buddy and, without a name of its own, the label's text as the name a
    // screen reader gives it.
    const char *labels = nullptr;
    // What a screen reader calls a control that no label names alone,
    // marked for translation like the caption.
    const char *accessibleName = nullptr;
};

using ControlTable = std::span<const ControlSpec>;

// Makes a Custom row's control in parent, with the row's translated caption.
using MakeControl = std::function<QWidget *(const ControlSpec &row, QWidget *parent, const QString &caption)>;

// Creates the table's controls under window in order (the order is the
// focus order), and names, places and captions each one; captions are
// translated in context. Then labels become their fields' buddies and the
// fields take their accessible names.
void placeControls(QWidget *window, ControlTable table, const char *context,
                   const MakeControl &makeCustom = {});

// A label's text as a field's name: without its mnemonic mark and the
// colon at its end.
QString spokenLabel(const QString &labelText);

// The control placeControls() made or placed under that name; a name the
// window does not hold is a programming error and ends the program.
QWidget *placedControl(const QWidget *window, const char *name);
template <typename T> T *placedControl(const QWidget *window, const char *name) {
    return static_cast<T *>(placedControl(window, name));
}

// The row named name; a name the table lacks ends the program.
inline const ControlSpec &controlRow(ControlTable table, std::string_view name) {
    for (const ControlSpec &row : table)
        if (name == row.name)
            return row;
    std::fprintf(stderr, "no control named %.*s in the table\n", int(name.size()), name.data());
    std::abort();
}

// The control's rectangle in the window's client area: its own rectangle
// moved by those of the rows it sits in.
inline QRect controlRect(ControlTable table, std::string_view name) {
    const ControlSpec *row = &controlRow(table, name);
    QRect rect = row->rect;
    while (row->parent) {
        row = &controlRow(table, row->parent);
        rect.translate(row->rect.topLeft());
    }
    return rect;
}

inline QPoint controlCentre(ControlTable table, std::string_view name) {
    return controlRect(table, name).center();
}

// A control of a group with a table of its own (a panel, a step list
// group), which sits at row group of the window's table.
inline QRect controlRect(ControlTable window, std::string_view group, ControlTable table,
                         std::string_view name) {
    return controlRect(table, name).translated(controlRect(window, group).topLeft());
}

inline QPoint controlCentre(ControlTable window, std::string_view group, ControlTable table,
                            std::string_view name) {
    return controlRect(window, group, table, name).center();
}

} // namespace lumo
