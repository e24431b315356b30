#include "widgets/InputFilters.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

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

class DigitFilter final : public QObject {
  public:
    using QObject::QObject;

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
        return false;
    }

  private:
    // An input method (the usual way to type Chinese) hands its text over
    // without key presses; what it commits is typing too, so only its digits
    // go in. The text it is still composing stays on show until then.
    static bool dropsComposedLetters(QObject *watched, const QInputMethodEvent *event) {
        const QString committed = event->commitString();
        QString digits;
        for (const QChar c : committed)
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits += c;
        if (digits == committed)
            return false;
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(digits, event->replacementStart(), event->replacementLength());
        QCoreApplication::sendEvent(watched, &filtered);
        return true;
    }
};

} // namespace

void installDigitFilter(QWidget *field) {
    field->installEventFilter(new DigitFilter(field));
}

} // namespace lumo
