#pragma once
// Drop-down lists whose items are stored words: "左键" in setting.ini, "左键单击"
// in a step list, "无" in a hotkey text. Each item shows the word in the
// interface language and keeps the stored word as its data; what the code
// reads and writes is always the stored word, and a typed word that is no
// item's text is taken as typed.

#include <QStringList>

class QComboBox;

namespace lumo {

// The words must be marked with QT_TRANSLATE_NOOP("lumo", ...) to be shown
// translated; any other word is shown as it is.
void addStoredItems(QComboBox *box, const QStringList &storedWords);

QString storedText(const QComboBox *box);

// Makes box an editable list of the words that adds nothing typed to its
// items, showing initial; returns box.
QComboBox *makeStoredChoiceList(QComboBox *box, const QStringList &storedWords, const QString &initial);

// Shows the stored word: the item's text when an item holds it, else the
// word itself. Leaves the current item as it is, as setEditText does.
void setStoredText(QComboBox *box, const QString &storedWord);

} // namespace lumo
