#include "systemtrayicon.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QQuickWindow>
#include <QTimer>

#ifdef PORTVIEW_STATUS_NOTIFIER
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#endif

namespace {

// How often the X tray (or the notification area) is looked for: neither
// says when it comes or goes in a way a widget application can hear.
constexpr int kTrayPollMs = 2000;

#ifdef PORTVIEW_STATUS_NOTIFIER
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
// A watcher that does not answer in this time counts as no host.
constexpr int kBusTimeoutMs = 1000;

// The question Qt asks when it creates its first tray icon, to choose
// between its D-Bus tray and the X tray: a watcher on the session bus that
// has a host showing its items.
bool statusNotifierHostThere()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcher))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcher, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kBusTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
        && reply.arguments().first().value<QDBusVariant>().variant().toBool();
}
#endif

bool usesStatusNotifier()
{
#ifdef PORTVIEW_STATUS_NOTIFIER
    return statusNotifierHostThere();
#else
    return false;
#endif
}

// A local file by its path; anything else by its text, where "qrc:/x"
// becomes the resource path ":/x".
QIcon iconFromUrl(const QUrl &url)
{
    QString name = url.toLocalFile();
    if (name.isEmpty())
        name = url.toString();
    if (name.startsWith(QLatin1String("qrc")))
        name.remove(0, 3);
    return QIcon(name);
}

} // namespace

// --- MyAction ---------------------------------------------------------------

MyAction::MyAction(QObject *parent) : QAction(parent)
{
    setObjectName(QStringLiteral("MyAction"));
}

void MyAction::setIcon(QUrl arg)
{
    if (arg == m_icon)
        return;
    QAction::setIcon(iconFromUrl(arg));
    m_icon = arg;
    emit iconChanged();
}

// --- MySeparator ------------------------------------------------------------

MySeparator::MySeparator(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("MySeparator"));
}

// --- MyMenu -----------------------------------------------------------------

MyMenu::MyMenu(QQuickItem *parent) : QQuickItem(parent), m_menu(new QMenu)
{
    setObjectName(QStringLiteral("MyMenu"));
}

MyMenu::~MyMenu()
{
    // Later, not now: the menu may be the one whose action is being handled.
    m_menu->deleteLater();
}

int MyMenu::width() const
{
    return m_menu->width();
}

int MyMenu::height() const
{
    return m_menu->height();
}

void MyMenu::setWidth(int arg)
{
    if (m_menu->width() == arg)
        return;
    m_menu->setFixedWidth(arg);
    emit widthChanged();
}

void MyMenu::setHeight(int arg)
{
    if (m_menu->height() == arg)
        return;
    m_menu->setFixedHeight(arg);
    emit heightChanged();
}

void MyMenu::addSeparator()
{
    m_menu->addSeparator();
}

void MyMenu::addAction(MyAction *action)
{
    if (action)
        m_menu->addAction(action);
}

void MyMenu::addMenu(MyMenu *menu)
{
    if (menu)
        m_menu->addMenu(menu->m_menu);
}

void MyMenu::componentComplete()
{
    QQuickItem::componentComplete();
    // Recognised by object name; anything else declared inside is left alone.
    for (QObject *child : children()) {
        const QString name = child->objectName();
        if (name == QLatin1String("MyAction"))
            addAction(qobject_cast<MyAction *>(child));
        else if (name == QLatin1String("MySeparator"))
            addSeparator();
        else if (name == QLatin1String("MyMenu"))
            addMenu(qobject_cast<MyMenu *>(child));
    }
}

// --- SystemTrayIcon ---------------------------------------------------------

SystemTrayIcon::SystemTrayIcon(QQuickItem *parent)
    : QQuickItem(parent), m_statusNotifier(usesStatusNotifier()), m_trayIcon(new QSystemTrayIcon(this))
{
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &SystemTrayIcon::onActivated);
    connect(this, &QQuickItem::visibleChanged, this, &SystemTrayIcon::onVisibleChanged);
    connect(this, &QQuickItem::windowChanged, this, &SystemTrayIcon::watchWindow);
    // Hidden until the interface says `visible: true`.
    setVisible(false);

#ifdef PORTVIEW_STATUS_NOTIFIER
    if (m_statusNotifier) {
        // The host comes and goes with the desktop's panel; Qt's D-Bus tray
        // registers the icon again with a new watcher by itself.
        QDBusConnection bus = QDBusConnection::sessionBus();
        auto *watcher = new QDBusServiceWatcher(kWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &SystemTrayIcon::refreshAvailability);
        bus.connect(kWatcher, kWatcherPath, kWatcher, QStringLiteral("StatusNotifierHostRegistered"), this,
                    SLOT(refreshAvailability()));
        bus.connect(kWatcher, kWatcherPath, kWatcher, QStringLiteral("StatusNotifierHostUnregistered"), this,
                    SLOT(refreshAvailability()));
    }
#endif
    if (!m_statusNotifier) {
        m_poll = new QTimer(this);
        m_poll->setInterval(kTrayPollMs);
        connect(m_poll, &QTimer::timeout, this, &SystemTrayIcon::refreshAvailability);
        m_poll->start();
    }
    refreshAvailability();
}

int SystemTrayIcon::x() const
{
    return m_trayIcon->geometry().x();
}

int SystemTrayIcon::y() const
{
    return m_trayIcon->geometry().y();
}

QString SystemTrayIcon::toolTip() const
{
    return m_trayIcon->toolTip();
}

void SystemTrayIcon::setIcon(QUrl arg)
{
    if (arg == m_icon)
        return;
    m_trayIcon->setIcon(iconFromUrl(arg));
    m_icon = arg;
    emit iconChanged();
}

void SystemTrayIcon::setToolTip(QString arg)
{
    if (arg == m_toolTip)
        return;
    m_trayIcon->setToolTip(arg);
    m_toolTip = arg;
    emit toolTipChanged();
}

void SystemTrayIcon::setMenu(MyMenu *arg)
{
    if (arg == m_menu)
        return;
    if (m_menu)
        disconnect(m_menu, &QObject::destroyed, this, nullptr);
    m_menu = arg;
    m_trayIcon->setContextMenu(arg ? arg->menu() : nullptr);
    if (arg) {
        // The tray icon must not keep a menu that is about to be deleted.
        connect(arg, &QObject::destroyed, this, [this] {
            m_trayIcon->setContextMenu(nullptr);
            emit menuChanged();
        });
    }
    emit menuChanged();
}

void SystemTrayIcon::onVisibleChanged()
{
    // QML may set `visible` before `icon`; the icon is shown once the whole
    // declaration has been applied.
    if (isComponentComplete())
        m_trayIcon->setVisible(isVisible());
}

void SystemTrayIcon::componentComplete()
{
    QQuickItem::componentComplete();
    onVisibleChanged();
    watchWindow(window());
}

void SystemTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // The context menu opens by itself. The X tray and the notification area
    // report a click and then a double click, and a double click means
    // "open" there. A StatusNotifier host sends one activation per click and
    // never a double click: there that activation means "open".
    if (reason == QSystemTrayIcon::DoubleClick || (reason == QSystemTrayIcon::Trigger && m_statusNotifier))
        emit trigger();
}

void SystemTrayIcon::refreshAvailability()
{
#ifdef PORTVIEW_STATUS_NOTIFIER
    const bool now = m_statusNotifier ? statusNotifierHostThere() : QSystemTrayIcon::isSystemTrayAvailable();
#else
    const bool now = QSystemTrayIcon::isSystemTrayAvailable();
#endif
    if (now == m_available)
        return;
    m_available = now;
    if (now)
        qDebug() << "A tray shows the icon.";
    else
        qDebug() << "No tray shows the icon: the window minimises instead of hiding.";
    emit availableChanged();
    // A window hidden to a tray that went away comes back minimised.
    keepReachable(false);
}

void SystemTrayIcon::watchWindow(QQuickWindow *window)
{
    if (window == m_window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window = window;
    m_windowClosing = false;
    if (!window)
        return;
    window->installEventFilter(this);
    connect(window, &QWindow::visibleChanged, this, &SystemTrayIcon::onWindowVisibleChanged);
    // A window that starts hidden (the hide switch) starts minimised instead
    // where no tray is there.
    if (!window->isVisible())
        QTimer::singleShot(0, this, [this] { keepReachable(false); });
}

bool SystemTrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    // A window that closes is going for good (the program ends): it is not
    // kept minimised.
    if (watched == m_window && event->type() == QEvent::Close)
        m_windowClosing = true;
    return QQuickItem::eventFilter(watched, event);
}

void SystemTrayIcon::onWindowVisibleChanged(bool visible)
{
    if (visible) {
        m_windowClosing = false;
        return;
    }
    // Not from inside the window's own change of visibility.
    QTimer::singleShot(0, this, [this] { keepReachable(true); });
}

void SystemTrayIcon::keepReachable(bool tell)
{
    if (m_available || !m_window || m_window->isVisible() || m_windowClosing)
        return;
    qDebug() << "No tray to bring the window back: minimised instead of hidden.";
    m_window->showMinimized();
    if (tell)
        emit keptRunning();
}

void SystemTrayIcon::onExit()
{
    m_trayIcon->hide();
    QCoreApplication::exit(0);
}
