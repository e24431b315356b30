#pragma once
// One running program per data location: the first start holds a lock and
// listens on a local socket; a later start asks it to show its window and
// ends, or hands it a command from its own command line. Two copies in
// different folders, or two users, do not meet.

#include "app/InstanceRequest.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace lumo {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    // settingsFolder identifies the data location.
    explicit SingleInstance(const QString &settingsFolder);
    ~SingleInstance() override;

    // True when this is the only instance: it then listens for later
    // starts. False when another one runs; it has been asked to show its
    // window (or it was still starting and will show it by itself).
    bool claim();

    // What the running instance does with a request other than Show; its
    // answer goes back at once. Without a handler such requests are refused.
    using RequestHandler = std::function<InstanceReply(const InstanceRequest &request)>;
    void setRequestHandler(RequestHandler handler) { handler_ = std::move(handler); }

    // Asks the running instance, from a later start; nothing when none runs
    // or none answers in time.
    std::optional<InstanceReply> ask(const InstanceRequest &request) const;
    // Whether a program holds the lock, answering or not: after ask() came
    // back empty, it tells "none runs" from "one runs and did not answer".
    bool heldByAnother() const;

    // Names derived from the settings folder, for tests. On Unix the
    // server name is the socket's full path, in the user's runtime folder
    // (XDG_RUNTIME_DIR) or else in an owner-only folder of its own; both
    // are empty when neither can be had, and the program runs unguarded.
    const QString &serverName() const { return serverName_; }
    const QString &lockPath() const { return lockPath_; }

  signals:
    // A later start asks this one to show its window.
    void activationRequested();

  private:
    void acceptConnections();
    void answer(QLocalSocket &socket, const InstanceRequest &request);

    QString serverName_;
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer *server_ = nullptr;
    RequestHandler handler_;
    QHash<const QObject *, QByteArray> pendingRequests_; // what each connection sent so far
};

} // namespace lumo
