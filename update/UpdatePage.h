#pragma once
// The hidden update page browser: fetches the update page, runs its inline scripts
// in a bare, capped engine and then reports the document complete, so that the
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

    // Larger pages are abandoned while they arrive, as are transfers that
    // stall this long.
    static constexpr qint64 kMaxPageBytes = 1024 * 1024;
    static constexpr int kTransferTimeoutMs = 15000;
    // The scripts run on a thread of their own: the engine stops a script at
    // its time limit, but a page whose native work (a join of millions of
    // elements, say) outlasts it by this much is given up without waiting.
    static constexpr int kScriptDeadlineMs = 3000;

  signals:
    void loaded();

  private:
    void pageArrived(QNetworkReply *reply);
    void runScriptsAside(const QStringList &scripts);
    // The page stands with these variables, unless run is no longer the
    // pending one (a later page, or the deadline, came first).
    void settle(int run, std::optional<QHash<QString, QString>> variables);

    QNetworkAccessManager *network_;
    // The variables of the page that stands; none for an error page.
    std::optional<QHash<QString, QString>> variables_;
    int lastRun_ = 0;
    int pendingRun_ = 0;
};

} // namespace lumo
