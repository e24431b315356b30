#include "engine/InputFilters.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace lumo {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

class DigitFilter final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::InputMethod) {
            // What an input method commits was typed too, a character at a
            // time as far as the user is concerned: only its digits count.
            auto *input = static_cast<QInputMethodEvent *>(event);
            QString digits = input->commitString();
            digits.removeIf([](QChar c) { return !isDigit(c); });
            if (digits != input->commitString())
                input->setCommitString(digits, input->replacementStart(), input->replacementLength());
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        // Editing and navigation keys carry no character and pass; so does
        // the backspace character.
        const QString typed = key->text();
        if (typed.isEmpty() || key->matches(QKeySequence::Paste) || key->key() == Qt::Key_Backspace)
            return false;
        // Tab moves on to the next control before it is ever typed, as in
        // any dialog; swallowing it would trap the focus in the field.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        for (const QChar c : typed)
            if (!isDigit(c))
                return true;
        return false;
    }
};

} // namespace

void installDigitFilter(QWidget *field) {
    field->installEventFilter(new DigitFilter(field));
}

} // namespace lumo
