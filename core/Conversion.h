#pragma once
// The failures that end a handler and reach the standard error box, and the
// decimal conversion that raises most of them.

#include <QString>

#include <stdexcept>

namespace lumo {

// A failure that is not handled where it happens: it ends the handler and
// is shown in the standard error box with its text.
class HandlerError : public std::runtime_error {
  public:
    explicit HandlerError(const QString &message);
    QString message() const { return message_; }

  private:
    QString message_;
};

// Optional sign, decimal digits, within 32 bits; nothing else.
int parseInt32OrThrow(const QString &text);
// The same, without raising: false when the text is no such number.
bool tryParseInt32(const QString &text, int &value);

// "Could not convert variant of type (Null) into type (String)"
HandlerError nullConversionError();

// The text the standard error box shows for a failure's message.
QString errorBoxText(const QString &message);

} // namespace lumo
