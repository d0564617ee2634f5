#include "hidEnumerate.h"

#include "DeviceCatalogue.h"
#include "HidLink.h"
#include "HidThread.h"
#include "OpenFailure.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

// A caller waits at most this long for its answer: the exchange's own
// deadline (500 ms) and one read, behind at most one job under way.
constexpr int kWaitBoundMs = 3000;

int g_waitDepth = 0;

struct HeldSignal
{
    QPointer<QObject> sender;
    std::function<void()> emitIt;
};

QList<HeldSignal> &heldSignals()
{
    static QList<HeldSignal> held;
    return held;
}

void flushHeldSignals()
{
    if (g_waitDepth > 0)
        return; // the wait under way flushes them when it ends
    const QList<HeldSignal> held = std::exchange(heldSignals(), {});
    for (const HeldSignal &signal : held) {
        if (signal.sender)
            signal.emitIt();
    }
}

// Emits at once, or once no caller waits for the device any more: a device
// lost or a new list of devices while a page waits for its command's answer
// would rebuild the window under that page's feet.
void deliver(QObject *sender, std::function<void()> emitIt)
{
    if (g_waitDepth == 0) {
        emitIt();
        return;
    }
    heldSignals().append({sender, std::move(emitIt)});
}

struct WaitScope
{
    WaitScope() { ++g_waitDepth; }
    ~WaitScope()
    {
        if (--g_waitDepth == 0 && !heldSignals().isEmpty())
            QTimer::singleShot(0, QCoreApplication::instance(), &flushHeldSignals);
    }
};

QVariant exchangeOn(HidLink &link, const QString &cmd)
{
    return link.exchange(cmd);
}

} // namespace

hidEnumerate::hidEnumerate(QObject *parent)
    : QObject(parent), m_link(new HidLink)
{
    if (QThread *thread = HidThread::thread())
        m_link->moveToThread(thread);
    connect(m_link, &HidLink::done, this, &hidEnumerate::onDone);
}

hidEnumerate::~hidEnumerate()
{
    HidLink *link = m_link;
    disconnect(link, nullptr, this, nullptr);
    link->abortExchange();
    if (!HidThread::isRunning() || link->thread() == QThread::currentThread()) {
        // The HID thread is gone (it closed every device) or never came.
        link->close();
        delete link;
        return;
    }
    QMetaObject::invokeMethod(link, [link] {
        link->close();
        delete link;
    }, Qt::QueuedConnection);
}

bool hidEnumerate::waiting()
{
    return g_waitDepth > 0;
}

void hidEnumerate::post(const Job &job, Then then)
{
    const quint64 request = ++m_nextRequest;
    if (then)
        m_pending.insert(request, std::move(then));
    HidLink *link = m_link;
    QMetaObject::invokeMethod(link, [link, request, job] { emit link->done(request, job(*link)); },
                              Qt::QueuedConnection);
}

void hidEnumerate::onDone(quint64 request, const QVariant &result)
{
    const Then then = m_pending.take(request);
    if (then)
        then(result);
}

QVariant hidEnumerate::await(const Job &job)
{
    struct Outcome
    {
        bool done = false;
        QVariant result;
        QPointer<QEventLoop> loop;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    outcome->loop = &loop;
    post(job, [outcome](const QVariant &result) {
        outcome->done = true;
        outcome->result = result;
        if (outcome->loop)
            outcome->loop->quit();
    });
    if (!outcome->done) {
        WaitScope scope;
        QTimer::singleShot(kWaitBoundMs, &loop, &QEventLoop::quit);
        // Frames, timers and the accessibility bus go on; clicks and keys
        // wait until the answer is in, as they did while the exchange held
        // the thread.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return outcome->result;
}

bool hidEnumerate::openDevice(const char *path)
{
    ++m_openGeneration;
    m_link->abortExchange();
    const QByteArray devicePath(path);
    HidLink *link = m_link;
    bool opened = false;
    HidOpenFailure failure = HidOpenFailure::Other;
    HidThread::runAndWait([&] { opened = link->open(devicePath, &failure); });
    m_openFailure = failure;
    if (opened)
        m_statusKnown = false;
    return opened;
}

bool hidEnumerate::closeDevice()
{
    ++m_openGeneration;
    m_link->abortExchange();
    post([](HidLink &link) {
        link.close();
        return QVariant();
    }, nullptr);
    return true;
}

QString hidEnumerate::sendCmd(QString cmd)
{
    return await([cmd](HidLink &link) { return exchangeOn(link, cmd); }).toString();
}

QString hidEnumerate::awaitReply()
{
    // Inside the caller's own bound for the wait.
    const int deadlineMs = kWaitBoundMs - 500;
    return await([deadlineMs](HidLink &link) { return QVariant(link.awaitReply(deadlineMs)); }).toString();
}

void hidEnumerate::sendCmdAsync(const QString &cmd, std::function<void(const QString &)> then)
{
    const int generation = m_openGeneration;
    post([cmd](HidLink &link) { return exchangeOn(link, cmd); },
         [this, generation, then](const QVariant &reply) {
             then(generation == m_openGeneration ? reply.toString() : QString());
         });
}

void hidEnumerate::enumerate(int network)
{
    m_networkMode = network;
    m_devlist.clear();
    const int search = ++m_searches;
    const QMap<QString, QVariantMap> catalogue = m_catalogue;
    post([catalogue](HidLink &) { return QVariant(HidLink::discover(catalogue)); },
         [this, search](const QVariant &found) {
             if (search != m_searches)
                 return;
             m_devlist = found.toList();
             deliver(this, [this, search] {
                 if (search == m_searches)
                     emit hidFinished();
             });
         });
}

void hidEnumerate::retryOpen(QString path)
{
    const QByteArray devicePath = path.toLocal8Bit();
    post([devicePath](HidLink &) { return QVariant(static_cast<int>(HidLink::probe(devicePath))); },
         [this, path](const QVariant &result) {
             const auto failure = static_cast<HidOpenFailure>(result.toInt());
             for (QVariant &entry : m_devlist) {
                 QVariantMap record = entry.toMap();
                 if (record.value(QStringLiteral("path")).toString() == path) {
                     OpenFailure::describe(failure, &record);
                     entry = record;
                 }
             }
             const QString code = OpenFailure::code(failure);
             deliver(this, [this, path, code] { emit openChecked(path, code); });
         });
}

void hidEnumerate::loadDeviceRes()
{
    m_catalogueText = DeviceCatalogue::loadText(m_networkMode);
    initDevice();
}

void hidEnumerate::initDevice()
{
    m_catalogue.clear();
    QList<DeviceCatalogue::Model> models;
    const DeviceCatalogue::ParseResult result = DeviceCatalogue::parse(m_catalogueText.toUtf8(), &models);
    if (result == DeviceCatalogue::ParseResult::SyntaxError) {
        qDebug("json error");
        return;
    }
    for (const DeviceCatalogue::Model &model : qAsConst(models))
        m_catalogue.insert(model.pid, model.record);
    DeviceCatalogue::addSupportedIds(models);
}

void hidEnumerate::beginHeartBeat()
{
    if (!m_heartbeatTimer) {
        m_heartbeatTimer = new QTimer(this);
        m_heartbeatTimer->setInterval(2000);
        connect(m_heartbeatTimer, &QTimer::timeout, this, &hidEnumerate::heartBeat);
    }
    m_heartbeatTimer->start();
}

// One probe on the HID thread; a probe still under way (a switch slow to
// answer) is not stacked up behind.
void hidEnumerate::heartBeat()
{
    if (m_probing)
        return;
    m_probing = true;
    const int generation = m_openGeneration;
    post([](HidLink &link) { return exchangeOn(link, QStringLiteral("test")); },
         [this, generation](const QVariant &reply) {
             m_probing = false;
             if (generation != m_openGeneration)
                 return; // the device it probed has been let go of
             const bool answered = !reply.toString().isEmpty();
             if (m_statusKnown && answered == (m_status != 0))
                 return;
             m_statusKnown = true;
             m_status = answered ? 1 : 0;
             deliver(this, [this] { emit statusChanged(); });
         });
}

void hidEnumerate::stopHeartBeat()
{
    if (m_heartbeatTimer)
        m_heartbeatTimer->stop();
}

int hidEnumerate::status()
{
    return m_status;
}
