#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QTimer>
#include <QUrl>

class PendingFile;
class QNetworkAccessManager;

// Holds the one network access manager that every download of the process
// shares. Created on the first download and kept until the application ends.
class QuickDownloadMaster : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ready READ ready NOTIFY readyChanged)

public:
    static QuickDownloadMaster *instance();

    bool ready() const { return m_ready; }
    QNetworkAccessManager *networkAccessManager();

signals:
    void readyChanged();

private:
    explicit QuickDownloadMaster(QObject *parent);

    bool m_ready = true;
    QNetworkAccessManager *m_manager = nullptr; // child of the master
};

// A QML component that downloads one URL into one local file. The file is
// written beside the destination and takes its name only once the whole
// body has arrived, never partly written; without `overwrite` it never
// replaces a file, not even one that appeared during the download.
class QuickDownload : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(bool running READ running WRITE setRunning NOTIFY runningChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QUrl destination READ destination WRITE setDestination NOTIFY destinationChanged)
    Q_PROPERTY(bool followRedirects READ followRedirects WRITE setFollowRedirects NOTIFY followRedirectsChanged)
    Q_PROPERTY(bool overwrite READ overwrite WRITE setOverwrite NOTIFY overwriteChanged)
    // Redirects may land on plain http only at a loopback host, and only
    // with this set (a test service or the demo); otherwise only on https.
    Q_PROPERTY(bool plainLoopback READ plainLoopback WRITE setPlainLoopback NOTIFY plainLoopbackChanged)
    // An answer that gives no Content-Length fails before its body is kept.
    Q_PROPERTY(bool requireLength READ requireLength WRITE setRequireLength NOTIFY requireLengthChanged)
    // Milliseconds in which at least `stallBytes` must arrive (0: no limit);
    // a server that trickles a byte at a time stalls as one that sends nothing.
    Q_PROPERTY(int stallTimeout READ stallTimeout WRITE setStallTimeout NOTIFY stallTimeoutChanged)

public:
    enum Error { ErrorUnknown = 0, ErrorUrl = 1, ErrorDestination = 2, ErrorNetwork = 3 };
    Q_ENUM(Error)

    // Consecutive redirects followed before a download is given up.
    static constexpr int maxRedirects = 20;
    // What counts as progress for the stall limit.
    static constexpr qint64 stallBytes = 1000;

    explicit QuickDownload(QObject *parent = nullptr);
    ~QuickDownload() override;

    QUrl url() const { return m_url; }
    void setUrl(const QUrl &url);
    bool running() const { return m_running; }
    void setRunning(bool running);
    double progress() const { return m_progress; }
    QUrl destination() const { return m_destination; }
    void setDestination(const QUrl &destination);
    bool followRedirects() const { return m_followRedirects; }
    void setFollowRedirects(bool followRedirects) { if (assignChanged(m_followRedirects, followRedirects)) emit followRedirectsChanged(); }
    bool overwrite() const { return m_overwrite; }
    void setOverwrite(bool overwrite) { if (assignChanged(m_overwrite, overwrite)) emit overwriteChanged(); }
    bool plainLoopback() const { return m_plainLoopback; }
    void setPlainLoopback(bool plainLoopback) { if (assignChanged(m_plainLoopback, plainLoopback)) emit plainLoopbackChanged(); }
    bool requireLength() const { return m_requireLength; }
    void setRequireLength(bool requireLength) { if (assignChanged(m_requireLength, requireLength)) emit requireLengthChanged(); }
    int stallTimeout() const { return m_stallTimeout; }
    void setStallTimeout(int stallTimeout);

    void classBegin() override {}
    void componentComplete() override;

signals:
    void urlChanged();
    void cancelChanged();
    void runningChanged();
    void progressChanged();
    void destinationChanged();
    void followRedirectsChanged();
    void overwriteChanged();
    void plainLoopbackChanged();
    void requireLengthChanged();
    void stallTimeoutChanged();
    void started();
    void finished();
    void redirected(QUrl redirectUrl);
    void update(int kiloBytesReceived, int kiloBytesTotal);
    void error(int errorCode, QString errorString);
    void networkAccessManagerChanged();

public slots:
    void start(QUrl url);
    void start();
    void stop();

private slots:
    void onReadyRead();
    void onFinished();
    void onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void onMetaDataChanged();
    void onStalled();

private:
    // Stores a new value of a property; false when it holds that value
    // already, so that its change signal goes out only for a real change.
    template <typename T>
    static bool assignChanged(T &field, const T &value)
    {
        if (field == value)
            return false;
        field = value;
        return true;
    }

    void begin(const QUrl &url, int redirectsFollowed);
    void followRedirect(const QUrl &target);
    void commit();
    void fail(int errorCode, const QString &errorString);
    void abandon(const QString &errorString);
    void setProgress(double progress);
    void releaseReply();
    void discardSaveFile();
    QString destinationPath() const;
    bool lengthMissing() const;

    QUrl m_url;
    bool m_running = false;
    double m_progress = 0.0;
    QUrl m_destination;
    bool m_followRedirects = false;
    bool m_overwrite = false;
    QPointer<QNetworkReply> m_reply; // cleared should the manager delete it
    PendingFile *m_saveFile = nullptr;
    bool m_componentComplete = false;
    int m_redirectsFollowed = 0; // in the chain that led to the current request
    bool m_plainLoopback = false;
    bool m_requireLength = false;
    int m_stallTimeout = 0;
    QTimer m_stallTimer;
    qint64 m_stallMark = 0; // bytes received when the stall timer last restarted
};

// Why `url` may not be fetched, or an empty text when it may: https to any
// host; plain http only to a loopback host and only with `plainLoopback`.
// The download's redirects and every request of the interface's network
// access follow this one rule.
QString transportRefusal(const QUrl &url, bool plainLoopback);

// Why a redirect from `from` to `to` may not be followed, or an empty text
// when it may. A secure download never continues in plain text, and only
// web addresses are fetched, so a server cannot point the download at a
// local file or another scheme, nor at a plain http host `transportRefusal`
// refuses; a chain longer than `QuickDownload::maxRedirects` ends.
QString redirectRefusal(const QUrl &from, const QUrl &to, bool followRedirects, int redirectsFollowed,
                        bool plainLoopback);
