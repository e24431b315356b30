#include "app/HelpPage.h"

#include "core/UiLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QTextBrowser>

namespace lumo {

namespace {

// A page is text of some encoding; what it declares wins, else UTF-8.
QString decodePage(const QByteArray &bytes) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

} // namespace

HelpPage::HelpPage(QTextBrowser *view)
    : QObject(view), view_(view), network_(new QNetworkAccessManager(this)) {
    view_->setOpenLinks(false);
    connect(view_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &link) { load(address_.resolved(link)); });
    connect(network_, &QNetworkAccessManager::finished, this, &HelpPage::finished);
}

QUrl HelpPage::defaultAddress(const DataLocation &location) {
    const QString chinesePage = location.helpPagePath();
    if (uiLanguage() != UiLanguage::English)
        return QUrl::fromLocalFile(chinesePage);
    // The English page is installed beside the Chinese one, wherever that is.
    return QUrl::fromLocalFile(QFileInfo(chinesePage).dir().filePath(QStringLiteral("help_en.html")));
}

void HelpPage::load(const QUrl &address) {
    address_ = address;
    if (QNetworkReply *old = pending_) {
        // Its finish, reported from abort(), must not show over this load.
        pending_ = nullptr;
        old->abort();
    }
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        QNetworkRequest request(address);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        pending_ = network_->get(request);
        return;
    }
    if (address.isLocalFile()) {
        loadFile(address);
        return;
    }
    showError(tr("不支持的地址"));
}

void HelpPage::loadFile(const QUrl &address) {
    QFile file(address.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) {
        showError(file.errorString());
        return;
    }
    show(decodePage(file.readAll()), address);
}

void HelpPage::finished(QNetworkReply *reply) {
    reply->deleteLater();
    // An aborted load was replaced by a newer one.
    if (reply != pending_)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        showError(reply->errorString());
        return;
    }
    show(decodePage(reply->readAll()), reply->url());
}

void HelpPage::show(const QString &html, const QUrl &base) {
    showsError_ = false;
    view_->document()->setBaseUrl(base);
    if (base.isLocalFile())
        view_->setSearchPaths({QFileInfo(base.toLocalFile()).absolutePath()});
    view_->setHtml(html);
    emit loaded(true);
}

void HelpPage::showError(const QString &reason) {
    showsError_ = true;
    view_->document()->setBaseUrl({});
    view_->setHtml(tr("<html><body><h3>无法显示此页</h3>"
                      "<p>帮助页面无法打开：</p><p><b>%1</b></p><p>%2</p>"
                      "<p>请检查网络连接或地址后再试。</p></body></html>")
                       .arg(address_.toDisplayString().toHtmlEscaped(), reason.toHtmlEscaped()));
    emit loaded(false);
}

} // namespace lumo
