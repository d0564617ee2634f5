// Downloads a 64 MiB body from a local server with the download component
// and with curl, alternating, and prints the median times side by side.

#include "Download/quickdownload.h"
#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

constexpr qint64 kBodySize = 64 * 1024 * 1024;
constexpr int kRuns = 5;

// The server gets a thread of its own, so it serves the component and curl
// alike, without competing with the component for one event loop.
class ServerThread : public QThread
{
public:
    explicit ServerThread(const QByteArray &body)
        : m_body(body)
    {
    }
    QUrl url() const { return m_url; }
    void waitUntilListening() { m_listening.acquire(); }

protected:
    void run() override
    {
        LocalHttpServer server;
        server.route("/body.bin", LocalHttpServer::ok(m_body));
        if (server.start())
            m_url = server.url(QStringLiteral("/body.bin"));
        m_listening.release();
        if (m_url.isValid())
            exec();
    }

private:
    QByteArray m_body;
    QUrl m_url;
    QSemaphore m_listening;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds for one download with the component, or -1 on failure.
double componentRun(const QUrl &url, const QString &file)
{
    QFile::remove(file);
    QuickDownload download;
    download.componentComplete();
    download.setDestination(QUrl::fromLocalFile(file));
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&download, &QuickDownload::finished, &loop, [&] {
        ok = true;
        loop.quit();
    });
    QObject::connect(&download, &QuickDownload::error, &loop, [&](int, const QString &text) {
        std::fprintf(stderr, "download failed: %s\n", qPrintable(text));
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    download.start(url);
    loop.exec();
    const double ms = timer.nsecsElapsed() / 1e6;
    return ok && QFileInfo(file).size() == kBodySize ? ms : -1;
}

double curlRun(const QUrl &url, const QString &file)
{
    QFile::remove(file);
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"), {"-s", "-S", "-o", file, url.toString()});
    if (!curl.waitForFinished(120000) || curl.exitCode() != 0)
        return -1;
    const double ms = timer.nsecsElapsed() / 1e6;
    return QFileInfo(file).size() == kBodySize ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg) // each finished download logs its destination
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QTemporaryDir dir;
    QByteArray body(kBodySize, '\0');
    for (int i = 0; i < int(kBodySize); ++i)
        body[i] = char(i % 251);

    ServerThread server(body);
    server.start();
    server.waitUntilListening();
    if (!server.url().isValid()) {
        std::fprintf(stderr, "the local server did not start\n");
        return 1;
    }

    QList<double> component;
    QList<double> reference;
    for (int run = 0; run < kRuns; ++run) {
        component << componentRun(server.url(), dir.filePath(QStringLiteral("component.bin")));
        reference << curlRun(server.url(), dir.filePath(QStringLiteral("curl.bin")));
        if (component.constLast() < 0 || reference.constLast() < 0) {
            std::fprintf(stderr, "run %d failed\n", run + 1);
            server.quit();
            server.wait();
            return 1;
        }
    }
    server.quit();
    server.wait();

    const double mine = median(component);
    const double curl = median(reference);
    const double mib = kBodySize / (1024.0 * 1024.0);
    std::printf("64 MiB from 127.0.0.1, median of %d runs\n", kRuns);
    std::printf("  Download component: %8.1f ms  %7.1f MiB/s\n", mine, mib / (mine / 1000));
    std::printf("  curl:               %8.1f ms  %7.1f MiB/s\n", curl, mib / (curl / 1000));
    std::printf("  ratio component/curl: %.2f (target: at most 2)\n", mine / curl);
    return 0;
}
