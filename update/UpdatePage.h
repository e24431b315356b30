#pragma once
// The hidden update page browser: fetches the update page, runs its inline scripts
// in a sandboxed engine and then reports the document complete, so that the
// update check can read the page's script variables.

#include <QHash>
#include <QUrl>
#include <QWidget>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace lumo {

class UpdatePage final : public QWidget {
    Q_OBJECT
  public:
    explicit UpdatePage(QWidget *parent);

    // The update page of the maker, unless LUMOCLICK_UPDATE_PAGE names another.
    static QUrl address();
    // Starts loading a page; loaded follows once it stands.
    void load(const QUrl &url);
    // A global variable of the page's scripts as text; nothing when the page
    // did not load (an error page stands) or defines no such variable.
    std::optional<QString> variable(const QString &name) const;

    // Every script of a page together may run this long before it is stopped.
    static constexpr int kScriptTimeLimitMs = 2000;

  signals:
    void loaded();

  private:
    void pageArrived(QNetworkReply *reply);
    // The page's global variables as texts; nothing when a script ran too long.
    static std::optional<QHash<QString, QString>> runScripts(const QString &html, const QUrl &url);

    QNetworkAccessManager *network_;
    // The variables of the page that stands; none for an error page.
    std::optional<QHash<QString, QString>> variables_;
};

} // namespace lumo
