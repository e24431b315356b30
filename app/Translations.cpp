#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace lumo {

namespace {

std::unique_ptr<QTranslator> installed;

} // namespace

void installTranslations(UiLanguage language) {
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    installed = std::make_unique<QTranslator>();
    const bool loaded = language == UiLanguage::English
                            ? installed->load(QStringLiteral(":/i18n/lumoclick_en.qm"))
                            : installed->load(QStringLiteral("qtbase_zh_CN.qm"),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(installed.get());
    setUiLanguage(language);
}

void installLocaleTranslations() {
    installTranslations(chooseUiLanguage(localeVariablesFromEnvironment()));
}

} // namespace lumo
