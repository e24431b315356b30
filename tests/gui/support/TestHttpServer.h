#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the update tests: it answers
// from a table of routes on the test's own thread and records every request.

#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

namespace lumo::test {

struct Route {
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    // The Content-Length sent; the body's own size unless set; none if false.
    bool sendContentLength = true;
    std::optional<qint64> headContentLength;
    // Sends this many body bytes of a GET at once, then a trickle that never
    // completes the body, holding the connection open.
    std::optional<qint64> stallAfter;
};

struct SeenRequest {
    QByteArray method;
    QByteArray path;
    QByteArray version;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
};

class TestHttpServer {
  public:
    TestHttpServer() {
        if (!server_.listen(QHostAddress::LocalHost))
            qFatal("the test HTTP server cannot listen");
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(*socket); });
        });
    }

    QByteArray url(const QByteArray &path) const {
        return "http://127.0.0.1:" + QByteArray::number(server_.serverPort()) + path;
    }
    Route &route(const QByteArray &path) { return routes_[path]; }
    const QList<SeenRequest> &seen() const { return seen_; }
    QList<QByteArray> seenLines() const {
        QList<QByteArray> lines;
        for (const SeenRequest &request : seen_)
            lines.append(request.method + ' ' + request.path);
        return lines;
    }
    // Closes every held connection, as a server that went away.
    void dropStalled() {
        for (const QPointer<QTcpSocket> &socket : stalled_)
            if (socket)
                socket->abort();
        stalled_.clear();
    }

  private:
    void serve(QTcpSocket &socket) {
        QByteArray &buffer = pending_[&socket];
        buffer += socket.readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        buffer.clear();
        SeenRequest request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        request.version = first.value(2);
        for (const QByteArray &line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
        seen_.append(request);
        answer(socket, request);
    }

    void answer(QTcpSocket &socket, const SeenRequest &request) {
        const auto found = routes_.constFind(request.path);
        const Route route = found != routes_.cend() ? *found : Route{404, "not here", {}, true, {}, {}};
        const bool head = request.method == "HEAD";
        QByteArray out = "HTTP/1.1 " + QByteArray::number(route.status) + " Answer\r\nConnection: close\r\n";
        for (const auto &[name, value] : route.headers)
            out += name + ": " + value + "\r\n";
        if (route.sendContentLength) {
            const qint64 length =
                head && route.headContentLength ? *route.headContentLength : qint64(route.body.size());
            out += "Content-Length: " + QByteArray::number(length) + "\r\n";
        }
        out += "\r\n";
        if (!head) {
            if (route.stallAfter) {
                socket.write(out + route.body.left(*route.stallAfter));
                stalled_.append(&socket);
                trickle(&socket, route.body.mid(*route.stallAfter).chopped(1));
                return;
            }
            out += route.body;
        }
        socket.write(out);
        socket.disconnectFromHost();
    }

    // Clients report progress at most every so often; more bytes later make
    // sure the first ones are reported.
    void trickle(QPointer<QTcpSocket> socket, QByteArray rest) {
        if (rest.isEmpty())
            return;
        QTimer::singleShot(150, &server_, [this, socket, rest] {
            if (!socket)
                return;
            socket->write(rest.left(100));
            trickle(socket, rest.mid(100));
        });
    }

    QTcpServer server_;
    QHash<QByteArray, Route> routes_;
    QHash<QTcpSocket *, QByteArray> pending_;
    QList<SeenRequest> seen_;
    QList<QPointer<QTcpSocket>> stalled_;
};

} // namespace lumo::test
