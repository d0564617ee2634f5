#include "GuardedNetworkAccess.h"

#include "quickdownload.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

namespace {

// The answer to a refused request: an error, reported from the event loop
// as a network reply reports its own, with nothing to read.
class RefusedReply : public QNetworkReply
{
public:
    RefusedReply(QNetworkAccessManager::Operation op, const QNetworkRequest &request, QObject *parent)
        : QNetworkReply(parent)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(op);
        open(QIODevice::ReadOnly);
        setError(ProtocolUnknownError, QStringLiteral("Address refused"));
        setFinished(true);
        QTimer::singleShot(0, this, [this] {
            emit errorOccurred(error());
            emit finished();
        });
    }
    void abort() override {}

protected:
    qint64 readData(char *, qint64) override { return -1; }
};

} // namespace

GuardedNetworkAccess::GuardedNetworkAccess(bool plainLoopback, QObject *parent)
    : QNetworkAccessManager(parent), m_plainLoopback(plainLoopback)
{
}

QNetworkReply *GuardedNetworkAccess::createRequest(Operation op, const QNetworkRequest &request, QIODevice *outgoingData)
{
    const QUrl url = request.url();
    // The program's own files are no network access.
    const bool local = url.isLocalFile() || url.scheme() == QLatin1String("qrc");
    const QString refusal = local ? QString() : transportRefusal(url, m_plainLoopback);
    if (!refusal.isEmpty()) {
        qDebug().noquote() << "Network request refused (" + refusal + "):" << url.toDisplayString();
        return new RefusedReply(op, request, this);
    }
    // Qt follows no redirect itself: each hop comes back here.
    QNetworkRequest manual(request);
    manual.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return QNetworkAccessManager::createRequest(op, manual, outgoingData);
}

QNetworkAccessManager *GuardedNetworkAccessFactory::create(QObject *parent)
{
    return new GuardedNetworkAccess(m_plainLoopback, parent);
}
