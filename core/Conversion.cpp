#include "core/Conversion.h"

namespace lumo {

HandlerError::HandlerError(const QString &message)
    : std::runtime_error(message.toStdString()), message_(message) {
}

bool tryParseInt32(const QString &text, int &value) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > qint64(INT32_MAX) + 1)
            return false;
    }
    const qint64 result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX)
        return false;
    value = static_cast<int>(result);
    return true;
}

int parseInt32OrThrow(const QString &text) {
    int value = 0;
    if (!tryParseInt32(text, value))
        throw HandlerError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

HandlerError nullConversionError() {
    return HandlerError(QStringLiteral("Could not convert variant of type (Null) into type (String)"));
}

QString errorBoxText(const QString &message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

} // namespace lumo
