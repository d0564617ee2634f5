#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for tests and benchmarks. Each path
// has a fixed answer, whose body can be left stalled. Every answer ends its
// connection, so no request waits behind another.
// Qt reports download progress at most every 100 ms after the request, so a
// test that waits for the progress of a stalled body pauses before the body.
class LocalHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray location; // the Location header, when set
        QByteArray body;
        qint64 sendOnly = -1; // send only this many body bytes, then stall with the connection open
        int pauseMs = 0;      // between the head and the body
    };
    static Response ok(const QByteArray &body) { return {200, "OK", {}, body, -1, 0}; }
    static Response redirect(const QByteArray &location, int status = 302)
    {
        return {status, "Moved", location, "<a href=\"" + location + "\">moved</a>", -1, 0};
    }

    using QTcpServer::QTcpServer;
    // Listens on 127.0.0.1 on a free port.
    bool start() { return listen(QHostAddress::LocalHost, 0); }
    void route(const QByteArray &path, const Response &response) { m_routes.insert(path, response); }
    QUrl url(const QString &pathAndQuery) const;
    // Requests received so far.
    int requests() const { return m_requests; }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QHash<QByteArray, Response> m_routes;
    int m_requests = 0;
};
