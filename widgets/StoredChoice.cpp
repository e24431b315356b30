#include "widgets/StoredChoice.h"

#include "core/UiLanguage.h"

#include <QComboBox>

namespace lumo {

void addStoredItems(QComboBox *box, const QStringList &storedWords) {
    for (const QString &word : storedWords)
        box->addItem(shownText(word), word);
}

QComboBox *makeStoredChoiceList(QComboBox *box, const QStringList &storedWords, const QString &initial) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    addStoredItems(box, storedWords);
    setStoredText(box, initial);
    return box;
}

QString storedText(const QComboBox *box) {
    const QString shown = box->currentText();
    const int item = box->findText(shown);
    if (item < 0)
        return shown;
    const QVariant stored = box->itemData(item);
    return stored.isValid() ? stored.toString() : shown;
}

void setStoredText(QComboBox *box, const QString &storedWord) {
    const int item = box->findData(storedWord);
    box->setEditText(item < 0 ? storedWord : box->itemText(item));
}

} // namespace lumo
