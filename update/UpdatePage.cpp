#include "update/UpdatePage.h"

#include "core/Texts.h"
#include "update/PageScripts.h"

#include <QJSEngine>
#include <QJSValueIterator>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace lumo {

namespace {

// Interrupts the engine once the time limit has passed, from a thread of
// its own, since a runaway script never returns to ours.
class ScriptWatchdog {
  public:
    ScriptWatchdog(QJSEngine &engine, std::chrono::milliseconds limit)
        : thread_([this, &engine, limit] {
              std::unique_lock lock(mutex_);
              if (!woken_.wait_for(lock, limit, [this] { return done_; }))
                  engine.setInterrupted(true);
          }) {}
    ScriptWatchdog(const ScriptWatchdog &) = delete;
    ScriptWatchdog &operator=(const ScriptWatchdog &) = delete;
    ~ScriptWatchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_one();
        thread_.join();
    }

  private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    std::thread thread_;
};

} // namespace

UpdatePage::UpdatePage(QWidget *parent) : QWidget(parent), network_(new QNetworkAccessManager(this)) {
    connect(network_, &QNetworkAccessManager::finished, this, &UpdatePage::pageArrived);
}

QUrl UpdatePage::address() {
    const QString configured = qEnvironmentVariable("LUMOCLICK_UPDATE_PAGE");
    return QUrl(configured.isEmpty() ? texts::kUpdatePage : configured);
}

void UpdatePage::load(const QUrl &url) {
    variables_.reset();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    network_->get(request);
}

void UpdatePage::pageArrived(QNetworkReply *reply) {
    reply->deleteLater();
    const QByteArray body = reply->readAll();
    variables_.reset();
    if (reply->error() == QNetworkReply::NoError) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
        if (!decoder.isValid())
            decoder = QStringDecoder(QStringDecoder::Utf8);
        variables_ = runScripts(decoder.decode(body), reply->url());
    }
    emit loaded();
}

std::optional<QHash<QString, QString>> UpdatePage::runScripts(const QString &html, const QUrl &url) {
    // A bare engine: no console, no network, no files, no module loading
    // from a script; only the names a page's scripts commonly lean on.
    QJSEngine engine;
    QJSValue global = engine.globalObject();
    global.setProperty(QStringLiteral("window"), global);
    global.setProperty(QStringLiteral("self"), global);
    global.setProperty(QStringLiteral("document"), engine.newObject());

    const ScriptWatchdog watchdog(engine, std::chrono::milliseconds(kScriptTimeLimitMs));
    for (const QString &script : inlineScripts(html)) {
        engine.evaluate(script, url.toString());
        // A script that failed stops only itself, as in a browser; one that
        // was stopped for running too long leaves a page not worth reading.
        if (engine.isInterrupted())
            return std::nullopt;
    }
    // Taken as texts now, under the same time limit: turning an object into
    // text runs the page's code too.
    QHash<QString, QString> texts;
    for (QJSValueIterator it(global); it.hasNext();) {
        it.next();
        const QJSValue value = it.value();
        texts.insert(it.name(), value.isUndefined() || value.isNull() ? QString() : value.toString());
        if (engine.isInterrupted())
            return std::nullopt;
    }
    return texts;
}

std::optional<QString> UpdatePage::variable(const QString &name) const {
    if (!variables_ || !variables_->contains(name))
        return std::nullopt;
    return variables_->value(name);
}

} // namespace lumo
