#pragma once
// The help tab's page: loaded by its address, a file beside the program
// or an http(s) page, with an error page of our own when it cannot load.

#include "core/DataLocation.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTextBrowser;

namespace lumo {

class HelpPage final : public QObject {
    Q_OBJECT
  public:
    explicit HelpPage(QTextBrowser *view);

    // The Chinese help page the build puts beside the executable.
    static QUrl defaultAddress(const DataLocation &location);

    // Starts loading; a network page arrives later, a file at once.
    void load(const QUrl &address);
    // The page shown last was the error page.
    bool showsError() const { return showsError_; }
    QUrl address() const { return address_; }

  signals:
    // The page or its error page is in the view.
    void loaded(bool ok);

  private:
    void loadFile(const QUrl &address);
    void finished(QNetworkReply *reply);
    void show(const QString &html, const QUrl &base);
    void showError(const QString &reason);

    QTextBrowser *view_;
    QNetworkAccessManager *network_;
    QPointer<QNetworkReply> pending_;
    QUrl address_;
    bool showsError_ = false;
};

} // namespace lumo
