#include "update/UpdatePage.h"

#include "core/Texts.h"
#include "update/PageScriptEngine.h"
#include "update/PageScripts.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>

#include <memory>

namespace lumo {

UpdatePage::UpdatePage(QWidget *parent) : QWidget(parent), network_(new QNetworkAccessManager(this)) {
    connect(network_, &QNetworkAccessManager::finished, this, &UpdatePage::pageArrived);
}

QUrl UpdatePage::address() {
    const QString configured = qEnvironmentVariable("LUMOCLICK_UPDATE_PAGE");
    return QUrl(configured.isEmpty() ? texts::kUpdatePage : configured);
}

void UpdatePage::load(const QUrl &url) {
    variables_.reset();
    pendingRun_ = 0;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMs);
    QNetworkReply *reply = network_->get(request);
    // The network thread stops reading once this much waits unread, so a
    // flood cannot outrun the check below.
    reply->setReadBufferSize(kMaxPageBytes + 1);
    // An update page is a few kilobytes; a larger answer is no update page,
    // and an endless one must not fill the memory.
    auto tooLarge = [reply] {
        if (reply->bytesAvailable() > kMaxPageBytes ||
            reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxPageBytes)
            reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, tooLarge);
    connect(reply, &QNetworkReply::readyRead, reply, tooLarge);
}

void UpdatePage::pageArrived(QNetworkReply *reply) {
    reply->deleteLater();
    const QByteArray body = reply->readAll();
    variables_.reset();
    if (reply->error() != QNetworkReply::NoError) {
        emit loaded();
        return;
    }
    QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    runScriptsAside(inlineScripts(decoder.decode(body)));
}

void UpdatePage::runScriptsAside(const QStringList &scripts) {
    const int run = pendingRun_ = ++lastRun_;
    // Shared with the thread, which outlives this page if it must.
    auto result = std::make_shared<std::optional<QHash<QString, QString>>>();
    QThread *thread = QThread::create([scripts, result] { *result = runPageScripts(scripts); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, run, result] { settle(run, *result); });
    QTimer::singleShot(kScriptDeadlineMs, this, [this, run] { settle(run, std::nullopt); });
    thread->start();
}

void UpdatePage::settle(int run, std::optional<QHash<QString, QString>> variables) {
    if (run != pendingRun_)
        return;
    pendingRun_ = 0;
    variables_ = std::move(variables);
    emit loaded();
}

std::optional<QString> UpdatePage::variable(const QString &name) const {
    if (!variables_ || !variables_->contains(name))
        return std::nullopt;
    return variables_->value(name);
}

} // namespace lumo
