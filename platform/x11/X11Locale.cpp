#include "platform/x11/X11Locale.h"

#include <QLocale>

#include <vector>

namespace platform {

namespace {

// One run of a pattern: a field letter repeated, or literal text.
struct Token {
    QChar field; // null for literal text
    qsizetype length = 0;
    QString text;
};

std::vector<Token> tokenize(const QString &pattern) {
    std::vector<Token> tokens;
    const auto appendLiteral = [&tokens](const QString &text) {
        if (tokens.empty() || !tokens.back().field.isNull())
            tokens.push_back(Token{});
        tokens.back().text += text;
    };
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            // Quoted text; two quotes stand for one.
            const qsizetype close = pattern.indexOf(QLatin1Char('\''), i + 1);
            if (close == i + 1) {
                appendLiteral(QStringLiteral("'"));
                i += 2;
                continue;
            }
            const qsizetype end = close < 0 ? pattern.size() : close;
            appendLiteral(pattern.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c.isLetter()) {
            qsizetype length = 1;
            while (i + length < pattern.size() && pattern[i + length] == c)
                ++length;
            // "AP"/"ap" is one marker, as QLocale reads it.
            if ((c == QLatin1Char('A') || c == QLatin1Char('a')) && length == 1 && i + 1 < pattern.size() &&
                (pattern[i + 1] == QLatin1Char('P') || pattern[i + 1] == QLatin1Char('p')))
                length = 2;
            tokens.push_back(Token{c, length, pattern.mid(i, length)});
            i += length;
            continue;
        }
        appendLiteral(QString(c));
        ++i;
    }
    return tokens;
}

bool isHour(const Token &token) {
    return token.field == QLatin1Char('h') || token.field == QLatin1Char('H');
}
bool isMarker(const Token &token) {
    return token.field == QLatin1Char('a') || token.field == QLatin1Char('A');
}

} // namespace

LongTimeFormat longTimeFormatFromPattern(const QString &pattern, const QString &am, const QString &pm) {
    const std::vector<Token> tokens = tokenize(pattern);
    std::ptrdiff_t hour = -1;
    std::ptrdiff_t minute = -1;
    std::ptrdiff_t marker = -1;
    for (std::ptrdiff_t i = 0; i < std::ssize(tokens); ++i) {
        const Token &token = tokens[static_cast<size_t>(i)];
        if (hour < 0 && isHour(token))
            hour = i;
        else if (minute < 0 && token.field == QLatin1Char('m'))
            minute = i;
        else if (marker < 0 && isMarker(token))
            marker = i;
    }

    LongTimeFormat format;
    const Token *hourToken = hour >= 0 ? &tokens[static_cast<size_t>(hour)] : nullptr;
    format.twelveHour = marker >= 0 && (!hourToken || hourToken->field == QLatin1Char('h'));
    format.designatorFirst = marker >= 0 && hour >= 0 && marker < hour;
    format.leadingZero = hourToken && hourToken->length >= 2;
    if (hour >= 0 && minute > hour) {
        format.separator.clear();
        for (std::ptrdiff_t i = hour + 1; i < minute; ++i)
            format.separator += tokens[static_cast<size_t>(i)].text;
    }
    const bool upper = marker >= 0 && tokens[static_cast<size_t>(marker)].field == QLatin1Char('A');
    const bool lower = marker >= 0 && !upper;
    format.am = upper ? am.toUpper() : lower ? am.toLower() : am;
    format.pm = upper ? pm.toUpper() : lower ? pm.toLower() : pm;
    return format;
}

LongTimeFormat SystemLocale::longTimeFormat() {
    const QLocale locale = QLocale::system();
    return longTimeFormatFromPattern(locale.timeFormat(QLocale::LongFormat), locale.amText(),
                                     locale.pmText());
}

} // namespace platform
