#include "HidThread.h"

#include "HidLink.h"
#include "HidSeam.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

namespace {

QThread *g_thread = nullptr;
QObject *g_runner = nullptr; // lives in g_thread: the context of its jobs
bool g_stopped = false;

// Called while the application object is destroyed: what is still open is
// closed on the thread that opened it, and the virtual switch's connection
// goes with that thread.
void stopThread()
{
    if (!g_thread)
        return;
    QMetaObject::invokeMethod(g_runner, [] {
        HidLink::closeAll();
        HidSeam::instance().releaseConnections();
        delete g_runner;
        g_runner = nullptr;
        QThread::currentThread()->quit();
    }, Qt::QueuedConnection);
    g_thread->wait();
    delete g_thread;
    g_thread = nullptr;
    g_stopped = true;
}

} // namespace

namespace HidThread {

QThread *thread()
{
    if (!g_thread && !g_stopped && QCoreApplication::instance()) {
        g_thread = new QThread;
        g_thread->setObjectName(QStringLiteral("hid"));
        g_runner = new QObject;
        g_runner->moveToThread(g_thread);
        g_thread->start();
        qAddPostRoutine(stopThread);
    }
    return g_thread;
}

bool isRunning()
{
    return g_thread != nullptr;
}

void runAndWait(const std::function<void()> &job)
{
    QThread *hid = thread();
    if (!hid || QThread::currentThread() == hid) {
        job();
        return;
    }
    QMetaObject::invokeMethod(g_runner, job, Qt::BlockingQueuedConnection);
}

void drain()
{
    if (g_thread && QThread::currentThread() != g_thread)
        runAndWait([] {});
}

} // namespace HidThread
