#pragma once

#include <QNetworkAccessManager>
#include <QQmlNetworkAccessManagerFactory>

// The network access of the interface's QML engine: the firmware query's
// XMLHttpRequest and anything else QML fetches. Every request must pass
// `transportRefusal` (quickdownload.h), the rule the first address of the
// query passed: a redirect is no exception, as the XMLHttpRequest follows
// each hop with a request of its own. A refused request fails at once with a
// log line and never leaves the machine.
class GuardedNetworkAccess : public QNetworkAccessManager
{
    Q_OBJECT

public:
    GuardedNetworkAccess(bool plainLoopback, QObject *parent);

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *outgoingData) override;

private:
    bool m_plainLoopback;
};

class GuardedNetworkAccessFactory : public QQmlNetworkAccessManagerFactory
{
public:
    // `plainLoopback`: plain http to a loopback host is allowed (a test
    // service or the demo named by PORTVIEW_FIRMWARE_URL).
    explicit GuardedNetworkAccessFactory(bool plainLoopback) : m_plainLoopback(plainLoopback) {}
    QNetworkAccessManager *create(QObject *parent) override;

private:
    bool m_plainLoopback;
};
