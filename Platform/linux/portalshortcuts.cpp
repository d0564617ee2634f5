#include "portalshortcuts.h"

#include "keytracker.h"

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

namespace {

// One entry of the portal's a(sa{sv}) shortcut lists.
struct PortalShortcutEntry
{
    QString id;
    QVariantMap properties;
};

} // namespace

Q_DECLARE_METATYPE(PortalShortcutEntry)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcutEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcutEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

} // namespace

namespace platform {
namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");
// Closing the session on the way out waits at most this long for the bus.
constexpr int kCloseTimeoutMs = 1000;

// XKB key names for the key table's names; the modifiers apart.
const QHash<QString, QString> &xkbNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table{
            {QStringLiteral("Backspace"), QStringLiteral("BackSpace")},
            {QStringLiteral("Tab"), QStringLiteral("Tab")},
            {QStringLiteral("Enter"), QStringLiteral("Return")},
            {QStringLiteral("Pause"), QStringLiteral("Pause")},
            {QStringLiteral("Caps Lock"), QStringLiteral("Caps_Lock")},
            {QStringLiteral("Escape"), QStringLiteral("Escape")},
            {QStringLiteral("Space"), QStringLiteral("space")},
            {QStringLiteral("PageUp"), QStringLiteral("Page_Up")},
            {QStringLiteral("PageDown"), QStringLiteral("Page_Down")},
            {QStringLiteral("End"), QStringLiteral("End")},
            {QStringLiteral("Home"), QStringLiteral("Home")},
            {QStringLiteral("Left"), QStringLiteral("Left")},
            {QStringLiteral("Up"), QStringLiteral("Up")},
            {QStringLiteral("Right"), QStringLiteral("Right")},
            {QStringLiteral("Down"), QStringLiteral("Down")},
            {QStringLiteral("PrtScn"), QStringLiteral("Print")},
            {QStringLiteral("Insert"), QStringLiteral("Insert")},
            {QStringLiteral("Delete"), QStringLiteral("Delete")},
            {QStringLiteral("Applications"), QStringLiteral("Menu")},
            {QStringLiteral("NumPad *"), QStringLiteral("KP_Multiply")},
            {QStringLiteral("NumPad +"), QStringLiteral("KP_Add")},
            {QStringLiteral("NumPad -"), QStringLiteral("KP_Subtract")},
            {QStringLiteral("NumPad ."), QStringLiteral("KP_Decimal")},
            {QStringLiteral("NumPad /"), QStringLiteral("KP_Divide")},
            {QStringLiteral("Num Lock"), QStringLiteral("Num_Lock")},
            {QStringLiteral("Scrol lLock"), QStringLiteral("Scroll_Lock")},
            {QStringLiteral(";"), QStringLiteral("semicolon")},
            {QStringLiteral("="), QStringLiteral("equal")},
            {QStringLiteral(","), QStringLiteral("comma")},
            {QStringLiteral("-"), QStringLiteral("minus")},
            {QStringLiteral("."), QStringLiteral("period")},
            {QStringLiteral("/"), QStringLiteral("slash")},
            {QStringLiteral("`"), QStringLiteral("grave")},
            {QStringLiteral("["), QStringLiteral("bracketleft")},
            {QStringLiteral("\\"), QStringLiteral("backslash")},
            {QStringLiteral("]"), QStringLiteral("bracketright")},
            {QStringLiteral("'"), QStringLiteral("apostrophe")},
        };
        for (char c = 'A'; c <= 'Z'; ++c)
            table.insert(QString(QLatin1Char(c)), QString(QLatin1Char(c)).toLower());
        for (int digit = 0; digit <= 9; ++digit) {
            table.insert(QString::number(digit), QString::number(digit));
            table.insert(QStringLiteral("NumPad%1").arg(digit), QStringLiteral("KP_%1").arg(digit));
        }
        for (int function = 1; function <= 12; ++function)
            table.insert(QStringLiteral("F%1").arg(function), QStringLiteral("F%1").arg(function));
        return table;
    }();
    return names;
}

QString modifierName(const QString &name)
{
    // 16, 17 and 18 are the generic Shift, Ctrl and Alt codes, named by
    // their number in the key table.
    if (name == QLatin1String("Shift") || name == QLatin1String("16"))
        return QStringLiteral("SHIFT");
    if (name == QLatin1String("Ctrl") || name == QLatin1String("17"))
        return QStringLiteral("CTRL");
    if (name == QLatin1String("Alt") || name == QLatin1String("18"))
        return QStringLiteral("ALT");
    if (name == QLatin1String("Win"))
        return QStringLiteral("LOGO");
    return QString();
}

QString senderPathElement(const QDBusConnection &bus)
{
    // ":1.42" becomes "1_42", as the portal builds its request paths.
    QString name = bus.baseService();
    if (name.startsWith(QLatin1Char(':')))
        name.remove(0, 1);
    return name.replace(QLatin1Char('.'), QLatin1Char('_'));
}

// A variant from the bus that holds a path, as an object path or (as the
// portal's CreateSession result is typed) as a string.
QString pathText(const QVariant &value)
{
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

QString triggerOf(const QVariant &shortcuts, bool *found)
{
    *found = false;
    if (!shortcuts.canConvert<QDBusArgument>())
        return QString();
    const auto entries = qdbus_cast<QList<PortalShortcutEntry>>(shortcuts.value<QDBusArgument>());
    for (const PortalShortcutEntry &entry : entries) {
        if (entry.id == QLatin1String(kPortalShortcutId)) {
            *found = true;
            return entry.properties.value(QStringLiteral("trigger_description")).toString();
        }
    }
    return QString();
}

// One global-shortcuts session with the desktop portal. The portal answers
// every call twice: at once with the path of a request object, later with
// that object's Response signal; the signal is subscribed before the call,
// on the path the portal will use, so a quick answer is not missed.
class PortalShortcut final : public QObject, public GlobalShortcut
{
    Q_OBJECT

public:
    explicit PortalShortcut(GlobalShortcutListener &listener)
        : m_listener(listener), m_bus(QDBusConnection::sessionBus())
    {
        qDBusRegisterMetaType<PortalShortcutEntry>();
        qDBusRegisterMetaType<QList<PortalShortcutEntry>>();
        if (!m_bus.isConnected())
            return;
        m_bus.connect(kPortalService, kPortalPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                      SLOT(onActivated(QDBusMessage)));
        m_bus.connect(kPortalService, kPortalPath, kShortcutsInterface, QStringLiteral("ShortcutsChanged"), this,
                      SLOT(onShortcutsChanged(QDBusMessage)));
    }

    ~PortalShortcut() override
    {
        closeSession(true);
    }

    void bind(const std::string &hotkey) override
    {
        const QString wanted = QString::fromStdString(hotkey);
        if (m_refused || (wanted == m_hotkey && m_state != State::Closed))
            return;
        m_hotkey = wanted;
        // A session binds its shortcuts once: another hotkey takes a new
        // session.
        closeSession(false);
        if (!m_hotkey.isEmpty())
            createSession();
    }

private slots:
    void onSessionResponse(const QDBusMessage &message)
    {
        if (!takeResponse(message))
            return;
        const QVariantMap results = responseResults(message);
        m_session = pathText(results.value(QStringLiteral("session_handle")));
        if (m_session.isEmpty()) {
            refuse(QStringLiteral("the portal gave no session"));
            return;
        }
        bindShortcut();
    }

    void onBindResponse(const QDBusMessage &message)
    {
        if (!takeResponse(message))
            return;
        bool found = false;
        const QString trigger = triggerOf(responseResults(message).value(QStringLiteral("shortcuts")), &found);
        if (!found) {
            refuse(QStringLiteral("the desktop did not bind the shortcut"));
            return;
        }
        m_state = State::Bound;
        m_listener.shortcutBound(trigger.toStdString());
    }

    void onActivated(const QDBusMessage &message)
    {
        const QList<QVariant> arguments = message.arguments();
        if (m_state != State::Bound || arguments.size() < 2 || pathText(arguments.at(0)) != m_session
            || arguments.at(1).toString() != QLatin1String(kPortalShortcutId))
            return;
        m_listener.shortcutActivated();
    }

    // The user changed the keys in the desktop's settings.
    void onShortcutsChanged(const QDBusMessage &message)
    {
        const QList<QVariant> arguments = message.arguments();
        if (m_state != State::Bound || arguments.size() < 2 || pathText(arguments.at(0)) != m_session)
            return;
        bool found = false;
        const QString trigger = triggerOf(arguments.at(1), &found);
        if (found)
            m_listener.shortcutBound(trigger.toStdString());
    }

private:
    enum class State { Closed, Creating, Binding, Bound };

    QString nextToken()
    {
        return QStringLiteral("portview%1").arg(++m_tokens);
    }

    // Calls `method` with `arguments` (the last one an options map that
    // receives the request's handle token) and routes the request's
    // Response to `slot`.
    void request(const QString &method, QList<QVariant> arguments, const char *slot)
    {
        const QString token = nextToken();
        QVariantMap options = arguments.takeLast().toMap();
        options.insert(QStringLiteral("handle_token"), token);
        arguments.append(options);
        dropRequest();
        m_request = QStringLiteral("%1/request/%2/%3").arg(kPortalPath, senderPathElement(m_bus), token);
        m_requestSlot = slot;
        m_bus.connect(kPortalService, m_request, kRequestInterface, QStringLiteral("Response"), this, slot);

        QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kShortcutsInterface, method);
        call.setArguments(arguments);
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
        const int generation = m_generation;
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method, generation, slot] {
            watcher->deleteLater();
            if (generation != m_generation)
                return;
            QDBusPendingReply<QDBusObjectPath> reply = *watcher;
            if (reply.isError()) {
                refuse(QStringLiteral("%1 failed: %2").arg(method, reply.error().name()));
                return;
            }
            // Portals older than the request-path rule answer on a path of
            // their own choosing.
            const QString path = reply.value().path();
            if (path != m_request && !path.isEmpty()) {
                dropRequest();
                m_request = path;
                m_requestSlot = slot;
                m_bus.connect(kPortalService, m_request, kRequestInterface, QStringLiteral("Response"), this, slot);
            }
        });
    }

    void dropRequest()
    {
        if (!m_request.isEmpty())
            m_bus.disconnect(kPortalService, m_request, kRequestInterface, QStringLiteral("Response"), this,
                             m_requestSlot);
        m_request.clear();
    }

    // The response of the request in hand, or false after a refusal.
    bool takeResponse(const QDBusMessage &message)
    {
        if (message.path() != m_request)
            return false;
        dropRequest();
        const QList<QVariant> arguments = message.arguments();
        const uint code = arguments.isEmpty() ? 2 : arguments.at(0).toUInt();
        if (code != 0) {
            refuse(code == 1 ? QStringLiteral("the user declined the shortcut")
                             : QStringLiteral("the desktop refused the shortcut (response %1)").arg(code));
            return false;
        }
        return true;
    }

    static QVariantMap responseResults(const QDBusMessage &message)
    {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() < 2 || !arguments.at(1).canConvert<QDBusArgument>())
            return arguments.size() < 2 ? QVariantMap() : arguments.at(1).toMap();
        return qdbus_cast<QVariantMap>(arguments.at(1).value<QDBusArgument>());
    }

    void createSession()
    {
        if (!m_bus.isConnected()) {
            refuseLater(QStringLiteral("no session bus"));
            return;
        }
        m_state = State::Creating;
        QVariantMap options{{QStringLiteral("session_handle_token"), nextToken()}};
        request(QStringLiteral("CreateSession"), {options}, SLOT(onSessionResponse(QDBusMessage)));
    }

    void bindShortcut()
    {
        m_state = State::Binding;
        QVariantMap properties{{QStringLiteral("description"), QString::fromLatin1(kPortalShortcutDescription)}};
        const QString trigger = QString::fromStdString(portalTrigger(m_hotkey.toStdString()));
        if (!trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), trigger);
        const QList<PortalShortcutEntry> shortcuts{{QString::fromLatin1(kPortalShortcutId), properties}};
        request(QStringLiteral("BindShortcuts"),
                {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts), QString(),
                 QVariantMap()},
                SLOT(onBindResponse(QDBusMessage)));
    }

    // Lets the session go; on the way out the bus gets a bounded wait so the
    // call leaves before the connection does.
    void closeSession(bool wait)
    {
        ++m_generation;
        dropRequest();
        if (!m_session.isEmpty()) {
            const QDBusMessage close =
                QDBusMessage::createMethodCall(kPortalService, m_session, kSessionInterface, QStringLiteral("Close"));
            if (wait)
                m_bus.call(close, QDBus::Block, kCloseTimeoutMs);
            else
                m_bus.send(close);
        }
        m_session.clear();
        m_state = State::Closed;
    }

    void refuse(const QString &reason)
    {
        closeSession(false);
        m_refused = true;
        m_listener.shortcutRefused(reason.toStdString());
    }

    // Told from the event loop, as a refusal from the bus would be: the
    // listener is never called back from inside its own call.
    void refuseLater(const QString &reason)
    {
        QTimer::singleShot(0, this, [this, reason] { refuse(reason); });
    }

    GlobalShortcutListener &m_listener;
    QDBusConnection m_bus;
    QString m_hotkey;
    QString m_session;
    QString m_request;
    const char *m_requestSlot = nullptr;
    State m_state = State::Closed;
    bool m_refused = false;
    int m_tokens = 0;
    // Counts sessions let go: answers to calls made for an earlier one are
    // dropped.
    int m_generation = 0;
};

} // namespace

std::string portalTrigger(const std::string &hotkey)
{
    QStringList modifiers;
    QString key;
    for (const QString &name : QString::fromStdString(hotkey).split(QStringLiteral(" + "))) {
        const QString modifier = modifierName(name);
        if (!modifier.isEmpty()) {
            if (!modifiers.contains(modifier))
                modifiers.append(modifier);
            continue;
        }
        const QString xkb = xkbNames().value(name);
        if (xkb.isEmpty() || !key.isEmpty())
            return std::string();
        key = xkb;
    }
    if (key.isEmpty())
        return std::string();
    modifiers.append(key);
    return modifiers.join(QLatin1Char('+')).toStdString();
}

bool hotkeyNeedsDesktopShortcut()
{
    // For tests on an X server: the portal path without a compositor.
    const QByteArray forced = qgetenv("PORTVIEW_SHORTCUT_PORTAL");
    if (!forced.isEmpty())
        return forced == "1";
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    // An X client in a Wayland session (through Xwayland) sees keys only
    // while one of its own windows has the focus.
    return qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

std::unique_ptr<GlobalShortcut> openGlobalShortcut(GlobalShortcutListener &listener)
{
    return std::make_unique<PortalShortcut>(listener);
}

std::optional<KeyEvent> windowKeyEvent(unsigned nativeScanCode, bool pressed)
{
    // One window, one keyboard: the keys held are tracked across calls.
    static KeyTracker keys;
    if (nativeScanCode < 8)
        return std::nullopt;
    return keys.feed(nativeScanCode - 8, pressed);
}

} // namespace platform

#include "portalshortcuts.moc"
