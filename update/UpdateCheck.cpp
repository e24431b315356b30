#include "update/UpdateCheck.h"

#include "core/MainContext.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"
#include "update/UpdateDownloadWindow.h"
#include "update/UpdatePage.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace lumo {

namespace {

// Read in this order; only the version and the address are used, but a page
// without any of them is not an update page.
const char16_t *const kVariables[] = {u"app_close",   u"app_version", u"app_hp",    u"app_showtip",
                                      u"app_showkey", u"app_url",     u"app_hname", u"app_hurl"};
constexpr int kVersion = 1;
constexpr int kUrl = 5;

} // namespace

std::optional<UpdateOffer> readUpdateOffer(const UpdatePage &page) {
    QStringList values;
    for (const char16_t *name : kVariables) {
        const std::optional<QString> value = page.variable(QString::fromUtf16(name));
        if (!value)
            return std::nullopt;
        values.append(*value);
    }
    if (values[kVersion] == QStringView(kCarriedVersion))
        return std::nullopt;
    return UpdateOffer{values[kVersion], values[kUrl]};
}

bool isWebAddress(const QString &address) {
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool runUpdateCheck(const UpdatePage &page, UpdateDownloadWindow &download, QWidget *mainWindow) {
    const std::optional<UpdateOffer> offer = readUpdateOffer(page);
    if (!offer)
        return false;
    download.startDownload(offer->url, page.variable(QStringLiteral("app_sha256")));
    if (mainWindow)
        mainWindow->hide();
    return true;
}

void announceUpdate(platform::Services &os, const UpdateOffer &offer) {
    // The main window may be hidden in the tray: closing the only visible
    // window must not end the program.
    const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const bool open = os.messageBoxes.confirm(
        nullptr, QCoreApplication::translate("lumo", "发现新版本 %1，是否打开下载页面？").arg(offer.version),
        shownText(kNotice), platform::Icon::Question);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    if (open)
        os.shell.openUrl(isWebAddress(offer.url) ? offer.url.trimmed() : texts::kDownloadSite);
}

UpdateCheck::UpdateCheck(platform::Services &os, const UpdatePage &page, QWidget *mainWindow)
    : QObject(mainWindow), os_(os), page_(page), mainWindow_(mainWindow) {
    connect(&page_, &UpdatePage::loaded, this, &UpdateCheck::onPageLoaded);
}

void UpdateCheck::onPageLoaded() {
    if (!os_.shell.runsInstallers()) {
        // Announced once per start, whatever the page does afterwards.
        if (announced_)
            return;
        if (const std::optional<UpdateOffer> offer = readUpdateOffer(page_)) {
            announced_ = true;
            announceUpdate(os_, *offer);
        }
        return;
    }
    if (downloadWindow_ && runUpdateCheck(page_, *downloadWindow_, mainWindow_))
        emit downloadStarted();
}

} // namespace lumo
