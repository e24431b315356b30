#include "widgets/InputFilters.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace lumo {

namespace {

bool passesUnfiltered(int key) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

QLineEdit *editOf(QObject *field) {
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit;
    if (auto *list = qobject_cast<QComboBox *>(field))
        return list->lineEdit();
    return nullptr;
}

class DigitFilter final : public QObject {
  public:
    DigitFilter(QWidget *field, int typedLimit) : QObject(field), typedLimit_(typedLimit) {}

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::InputMethod)
            return dropsComposedLetters(watched, static_cast<QInputMethodEvent *>(event));
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        // Editing and navigation keys carry no character and pass; so does
        // the backspace character. X11 gives Delete a character of its own,
        // yet it edits. Esc must reach the dialog, which closes on it from
        // any control, and Tab must still move the focus on.
        const QString typed = key->text();
        if (typed.isEmpty() || key->matches(QKeySequence::Paste) || passesUnfiltered(key->key()))
            return false;
        for (const QChar c : typed)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return true;
        return room(watched) < typed.size();
    }

  private:
    // An input method (the usual way to type Chinese) hands its text over
    // without key presses; what it commits is typing too, so only its digits
    // go in. The text it is still composing stays on show until then.
    bool dropsComposedLetters(QObject *watched, const QInputMethodEvent *event) const {
        const QString committed = event->commitString();
        QString digits;
        for (const QChar c : committed)
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits += c;
        digits.truncate(std::max<qsizetype>(0, room(watched)));
        if (digits == committed)
            return false;
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(digits, event->replacementStart(), event->replacementLength());
        QCoreApplication::sendEvent(watched, &filtered);
        return true;
    }

    // How many characters typing may still add: what replaces a selection
    // takes its place. Unlimited without a limit or an edit to measure.
    qsizetype room(QObject *watched) const {
        const QLineEdit *edit = editOf(watched);
        if (typedLimit_ <= 0 || edit == nullptr)
            return std::numeric_limits<qsizetype>::max();
        return typedLimit_ - (edit->text().size() - edit->selectedText().size());
    }

    int typedLimit_;
};

} // namespace

void installDigitFilter(QWidget *field, int typedLimit) {
    field->installEventFilter(new DigitFilter(field, typedLimit));
}

} // namespace lumo
