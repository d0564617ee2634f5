#include "systemtrayicon.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMenu>

namespace {

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

SystemTrayIcon::SystemTrayIcon(QQuickItem *parent) : QQuickItem(parent), m_trayIcon(new QSystemTrayIcon(this))
{
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &SystemTrayIcon::onActivated);
    connect(this, &QQuickItem::visibleChanged, this, &SystemTrayIcon::onVisibleChanged);
    // Hidden until the interface says `visible: true`.
    setVisible(false);
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
}

void SystemTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // The context menu opens by itself; only a double click means "open".
    if (reason == QSystemTrayIcon::DoubleClick)
        emit trigger();
}

void SystemTrayIcon::onExit()
{
    m_trayIcon->hide();
    QCoreApplication::exit(0);
}
