#include "quickdownload.h"

#include "PendingFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

#include <limits>

namespace {

// Progress is counted in kilobytes of 1000 bytes. A server may claim any
// size, so the count saturates instead of wrapping.
int kiloBytes(qint64 bytes)
{
    return int(qMin<qint64>(bytes / 1000, std::numeric_limits<int>::max()));
}

// Without a total the fraction means nothing; a negative value says so.
double fraction(qint64 bytesReceived, qint64 bytesTotal)
{
    return bytesTotal > 0 ? double(bytesReceived) / double(bytesTotal) : -1.0;
}

// The body of a redirect answer is not the file being fetched.
bool isRedirect(const QNetworkReply *reply)
{
    return !reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl().isEmpty();
}

QString overwriteRefusal(const QString &path)
{
    return QStringLiteral("Overwriting not allowed for destination file \"%1\"").arg(path);
}

} // namespace

QString transportRefusal(const QUrl &url, bool plainLoopback)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https") && !url.host().isEmpty())
        return QString();
    if (scheme != QLatin1String("http") || url.host().isEmpty())
        return QStringLiteral("not a web address");
    const QString host = url.host().toLower();
    const bool loopback = host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
    if (!loopback)
        return QStringLiteral("plain http to another host");
    return plainLoopback ? QString() : QStringLiteral("plain http");
}

QString redirectRefusal(const QUrl &from, const QUrl &to, bool followRedirects, int redirectsFollowed,
                        bool plainLoopback)
{
    const QString notAllowed = QStringLiteral("Re-directs not allowed");
    const bool downgrade = from.scheme().toLower() == QLatin1String("https") && to.scheme().toLower() == QLatin1String("http");
    if (!followRedirects || downgrade || !transportRefusal(to, plainLoopback).isEmpty())
        return notAllowed;
    if (redirectsFollowed >= QuickDownload::maxRedirects)
        return QStringLiteral("Too many re-directs");
    return QString();
}

QuickDownloadMaster::QuickDownloadMaster(QObject *parent)
    : QObject(parent)
{
}

QuickDownloadMaster *QuickDownloadMaster::instance()
{
    // Owned by the application, so the manager goes before Qt's network
    // back end does.
    static QPointer<QuickDownloadMaster> master;
    if (!master)
        master = new QuickDownloadMaster(QCoreApplication::instance());
    return master;
}

QNetworkAccessManager *QuickDownloadMaster::networkAccessManager()
{
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    return m_manager;
}

QuickDownload::QuickDownload(QObject *parent)
    : QObject(parent)
{
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, &QuickDownload::onStalled);
}

QuickDownload::~QuickDownload()
{
    // Disconnected first: an aborted reply reports at once, and nothing may
    // reach a half-destroyed component.
    if (QNetworkReply *reply = m_reply) {
        releaseReply();
        reply->abort();
    }
    discardSaveFile();
}

void QuickDownload::setUrl(const QUrl &url)
{
    if (m_url == url)
        return;
    m_url = url;
    emit urlChanged();
}

void QuickDownload::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    if (running) {
        start(m_url);
    } else {
        if (m_reply && m_reply->isRunning())
            m_reply->abort();
        releaseReply();
        discardSaveFile();
    }
    emit runningChanged();
}

void QuickDownload::setDestination(const QUrl &destination)
{
    if (m_destination == destination)
        return;
    m_destination = destination;
    if (m_saveFile && !m_running)
        m_saveFile->setFileName(destinationPath());
    emit destinationChanged();
}

void QuickDownload::setStallTimeout(int stallTimeout)
{
    stallTimeout = qMax(0, stallTimeout);
    if (m_stallTimeout == stallTimeout)
        return;
    m_stallTimeout = stallTimeout;
    emit stallTimeoutChanged();
}

void QuickDownload::componentComplete()
{
    m_componentComplete = true;
    if (m_running)
        start(m_url);
}

void QuickDownload::start(QUrl url)
{
    begin(url, 0);
}

void QuickDownload::start()
{
    begin(m_url, 0);
}

void QuickDownload::stop()
{
    if (m_running)
        setRunning(false);
}

void QuickDownload::begin(const QUrl &url, int redirectsFollowed)
{
    if (!m_componentComplete)
        return;
    if (url.isEmpty()) {
        emit error(ErrorUrl, QStringLiteral("Url is empty"));
        return;
    }
    if (m_destination.isEmpty()) {
        emit error(ErrorDestination, QStringLiteral("Destination is empty"));
        return;
    }
    setUrl(url);

    const QString path = destinationPath();
    if (QFile::exists(path) && !m_overwrite) {
        emit error(ErrorDestination, overwriteRefusal(path));
        return;
    }

    discardSaveFile();
    m_saveFile = new PendingFile(path);
    if (!m_saveFile->open()) {
        const QString reason = m_saveFile->errorString();
        discardSaveFile();
        emit error(ErrorDestination, reason);
        return;
    }

    releaseReply();
    QNetworkRequest request(url);
    // Redirects are judged here, not inside the network stack.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = QuickDownloadMaster::instance()->networkAccessManager()->get(request);
    m_redirectsFollowed = redirectsFollowed;
    connect(m_reply, &QNetworkReply::readyRead, this, &QuickDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &QuickDownload::onDownloadProgress);
    connect(m_reply, &QNetworkReply::finished, this, &QuickDownload::onFinished);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &QuickDownload::onMetaDataChanged);
    // Each request of a redirect chain has the whole limit to begin.
    m_stallMark = 0;
    if (m_stallTimeout > 0)
        m_stallTimer.start(m_stallTimeout);

    setProgress(0.0);
    if (!m_running) {
        m_running = true;
        emit runningChanged();
    }
    emit started();
}

// Read through one small buffer: QIODevice::readAll grows every chunk it
// returns, which copies it once more into freshly faulted memory.
void QuickDownload::onReadyRead()
{
    if (!m_reply)
        return;
    const bool keep = m_saveFile && !isRedirect(m_reply);
    char chunk[64 * 1024];
    qint64 length;
    while ((length = m_reply->read(chunk, sizeof chunk)) > 0) {
        if (keep)
            m_saveFile->write(chunk, length);
    }
}

void QuickDownload::onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (!m_running || !m_reply || isRedirect(m_reply))
        return;
    // Only bytes count against the stall limit, not every report: a server
    // that sends one byte a second keeps reporting and never gets anywhere.
    if (m_stallTimer.isActive() && bytesReceived >= m_stallMark + stallBytes) {
        m_stallMark = bytesReceived;
        m_stallTimer.start(m_stallTimeout);
    }
    emit update(kiloBytes(bytesReceived), kiloBytes(bytesTotal));
    setProgress(fraction(bytesReceived, bytesTotal));
}

bool QuickDownload::lengthMissing() const
{
    if (!m_requireLength || !m_reply || isRedirect(m_reply) || m_reply->error() != QNetworkReply::NoError)
        return false;
    // An error page is reported as the error it is.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300 && !m_reply->header(QNetworkRequest::ContentLengthHeader).isValid();
}

// The head has come: an answer without its length is refused before any of
// its body is kept.
void QuickDownload::onMetaDataChanged()
{
    if (!lengthMissing())
        return;
    qDebug() << "Download refused, no length given:" << m_url;
    abandon(QStringLiteral("No length given"));
}

void QuickDownload::onStalled()
{
    qDebug() << "Download stalled:" << m_url;
    abandon(QStringLiteral("Download stalled"));
}

// The request is let go of before it is aborted: its own report of the
// abort must not take the place of the reason given here.
void QuickDownload::abandon(const QString &errorString)
{
    if (QNetworkReply *reply = m_reply) {
        releaseReply();
        reply->abort();
    }
    fail(ErrorNetwork, errorString);
}

void QuickDownload::onFinished()
{
    if (!m_running && m_saveFile)
        m_saveFile->cancelWriting();
    if (!m_reply) {
        discardSaveFile();
        emit error(ErrorNetwork, QStringLiteral("Network reply was deleted"));
        return;
    }
    const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (m_reply->error() != QNetworkReply::NoError)
        fail(ErrorNetwork, m_reply->errorString());
    else if (!target.isEmpty())
        followRedirect(m_url.resolved(target));
    else if (lengthMissing())
        onMetaDataChanged();
    else
        commit();
}

void QuickDownload::followRedirect(const QUrl &target)
{
    const QNetworkReply *reply = m_reply;
    emit redirected(target);
    if (m_reply != reply)
        return; // a handler stopped or restarted the download
    const QString refusal = redirectRefusal(m_url, target, m_followRedirects, m_redirectsFollowed, m_plainLoopback);
    if (refusal.isEmpty()) {
        begin(target, m_redirectsFollowed + 1);
        return;
    }
    const QString why = transportRefusal(target, m_plainLoopback);
    qDebug().noquote() << "Re-direct not followed:" << target.toDisplayString() << (why.isEmpty() ? refusal : why);
    fail(ErrorNetwork, refusal);
}

void QuickDownload::commit()
{
    const PendingFile::Commit result = m_saveFile ? m_saveFile->commit(m_overwrite) : PendingFile::Commit::Failed;
    if (result == PendingFile::Commit::Done) {
        delete m_saveFile;
        m_saveFile = nullptr;
        setProgress(1.0);
        setRunning(false);
        qDebug() << "download url" << m_destination;
        emit finished();
        return;
    }
    // A file that took the destination's name meanwhile is kept.
    if (result == PendingFile::Commit::DestinationExists)
        fail(ErrorDestination, overwriteRefusal(destinationPath()));
    else
        fail(ErrorDestination, QStringLiteral("Error while writing \"%1\"").arg(destinationPath()));
}

// Releases the request and the unfinished file before telling anyone, so a
// handler that starts again at once keeps its new download.
void QuickDownload::fail(int errorCode, const QString &errorString)
{
    releaseReply();
    discardSaveFile();
    emit error(errorCode, errorString);
}

void QuickDownload::setProgress(double progress)
{
    if (m_progress == progress)
        return;
    m_progress = progress;
    emit progressChanged();
}

void QuickDownload::releaseReply()
{
    m_stallTimer.stop();
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_reply = nullptr;
}

// An uncommitted file is removed when deleted, so a discarded download
// leaves nothing behind.
void QuickDownload::discardSaveFile()
{
    if (!m_saveFile)
        return;
    m_saveFile->cancelWriting();
    delete m_saveFile;
    m_saveFile = nullptr;
}

QString QuickDownload::destinationPath() const
{
    // A file URL stands for its whole path, whatever characters it holds.
    return m_destination.isLocalFile() ? m_destination.toLocalFile()
                                       : m_destination.toDisplayString(QUrl::PreferLocalFile);
}
