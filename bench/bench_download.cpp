// bench_download KVM_SIM [RUNS]
// Downloads a 64 MiB body from the virtual switch's firmware service (a
// process of its own, so the server competes with both clients alike) with
// the download component and with curl, alternating, and prints the median
// times side by side. Each time is what a user waits for: the component's
// from `start` until `finished` (the file written, closed and renamed to its
// destination), curl's from its start until it has exited (its file closed).

#include "Download/quickdownload.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

constexpr qint64 kBodySize = 64 * 1024 * 1024;

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

// curl's own start and exit, with nothing to fetch: part of what its time
// holds and the component's does not.
double curlStart()
{
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"), {"-s", "-o", "/dev/null", "file:///dev/null"});
    curl.waitForFinished(30000);
    return timer.nsecsElapsed() / 1e6;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
                                          : QStringLiteral("?");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_download KVM_SIM [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg) // each finished download logs its destination
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QTemporaryDir dir;

    QProcess sim;
    sim.setStandardErrorFile(QProcess::nullDevice()); // a line per request served
    sim.start(QString::fromLocal8Bit(argv[1]),
              {"--socket", QStringLiteral("bench-download-%1").arg(getpid()), "--firmware-service", "0"});
    QByteArray banner;
    while (banner.count('\n') < 2 && sim.waitForReadyRead(10000))
        banner += sim.readAllStandardOutput();
    const QByteArray base = banner.split('\n').value(1).split(' ').last();
    if (!base.startsWith("http://")) {
        std::fprintf(stderr, "the firmware service did not start\n");
        return 1;
    }
    const QUrl url(QString::fromLatin1(base + "/bench/" + QByteArray::number(kBodySize)));

    QList<double> component;
    QList<double> reference;
    QList<double> starts;
    int result = 0;
    for (int run = 0; run < runs; ++run) {
        starts << curlStart();
        component << componentRun(url, dir.filePath(QStringLiteral("component.bin")));
        reference << curlRun(url, dir.filePath(QStringLiteral("curl.bin")));
        if (component.constLast() < 0 || reference.constLast() < 0) {
            std::fprintf(stderr, "run %d failed\n", run + 1);
            result = 1;
            break;
        }
    }
    sim.terminate();
    sim.waitForFinished(5000);
    if (result != 0)
        return result;

    const double mine = median(component);
    const double curl = median(reference);
    const double mib = kBodySize / (1024.0 * 1024.0);
    std::printf("64 MiB from kvm-sim's firmware service on 127.0.0.1, median of %d runs (nproc %ld, load %s)\n", runs,
                sysconf(_SC_NPROCESSORS_ONLN), qPrintable(loadAverage()));
    std::printf("  Download component, start to finished: %8.1f ms  %7.1f MiB/s (min %.1f)\n", mine,
                mib / (mine / 1000), *std::min_element(component.begin(), component.end()));
    std::printf("  curl, start to exit:                   %8.1f ms  %7.1f MiB/s (min %.1f)\n", curl,
                mib / (curl / 1000), *std::min_element(reference.begin(), reference.end()));
    std::printf("  ratio component/curl: %.2f (goal: at most 1.2); curl's own start and exit alone: %.1f ms\n",
                mine / curl, median(starts));
    return 0;
}
