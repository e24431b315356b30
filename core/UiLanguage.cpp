#include "core/UiLanguage.h"

#include <QCoreApplication>

namespace lumo {

namespace {

UiLanguage chosen = UiLanguage::Chinese;

// The first non-empty entry: LANGUAGE may be "de:en" or start with ':'.
QString firstEntry(const QString &list) {
    for (const QString &entry : list.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        return entry.trimmed();
    return {};
}

bool namesNoLanguage(const QString &locale) {
    return locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
           locale.startsWith(QLatin1String("C."));
}

} // namespace

LocaleVariables localeVariablesFromEnvironment() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

UiLanguage chooseUiLanguage(const LocaleVariables &variables) {
    QString locale = firstEntry(variables.language);
    for (const QString *next : {&variables.lcAll, &variables.lcMessages, &variables.lang})
        if (locale.isEmpty())
            locale = next->trimmed();
    if (locale.isEmpty() || namesNoLanguage(locale) || locale.startsWith(QLatin1String("zh")))
        return UiLanguage::Chinese;
    return UiLanguage::English;
}

UiLanguage uiLanguage() {
    return chosen;
}

void setUiLanguage(UiLanguage language) {
    chosen = language;
}

QString shownText(const QString &source) {
    return QCoreApplication::translate("lumo", source.toUtf8().constData());
}

} // namespace lumo
