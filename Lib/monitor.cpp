#include "monitor.h"

#include "Brand.h"
#include "HotkeyRule.h"
#include "InterfaceCodes.h"
#include "KeyTable.h"
#include "OpenFailure.h"
#include "StatusReply.h"

#include <QCoreApplication>
#include <QDebug>

// The hook procedures are plain functions; the state they work on is the
// shared worker's.
bool onKeyboardHookEvent(const platform::KeyEvent &event)
{
    Monitor *worker = Monitor::instance();
    return HotkeyMachine::onKeyEvent(worker->m_keys, *worker, event);
}

namespace {

QString commandFor(int mode)
{
    switch (mode) {
    case Codes::VideoNormal: return QStringLiteral("videoswmode normal");
    case Codes::VideoFaster: return QStringLiteral("videoswmode faster");
    case Codes::SwitchToPort1: return QStringLiteral("sw i00");
    case Codes::SwitchToPort2: return QStringLiteral("sw i01");
    case Codes::TwoLane: return QStringLiteral("sw l01");
    case Codes::FourLane: return QStringLiteral("sw l00");
    case Codes::FactoryReset: return QStringLiteral("clearallsetting");
    case Codes::UpgradeMode: return QStringLiteral("update");
    default: return QStringLiteral("test");
    }
}

const QString kKeyHookFailed = QStringLiteral("the keyboard hook could not start");

} // namespace

Monitor::Monitor(QObject *parent)
    : QObject(parent), m_keyTable(KeyTable::build())
{
}

Monitor::~Monitor()
{
    Monitor *worker = instance();
    if (worker != this) {
        if (worker->m_hookOwner == this)
            worker->m_hookOwner = nullptr;
        return;
    }
    // Without the application the bus is gone: the session can no longer
    // be closed, only let go.
    if (!QCoreApplication::instance())
        (void)m_shortcut.release();
}

Monitor *Monitor::instance()
{
    static Monitor worker;
    return &worker;
}

int Monitor::res() const
{
    return instance()->m_res;
}

int Monitor::devstatus() const
{
    return instance()->m_devstatus;
}

QString Monitor::keyname() const
{
    return instance()->m_keys.keyname;
}

int Monitor::activePortNumber() const
{
    return instance()->m_activePort;
}

QStringList Monitor::portNames() const
{
    return instance()->m_portNames;
}

void Monitor::setPort(int port, const QStringList &names)
{
    Monitor *worker = instance();
    if (worker->m_activePort == port && worker->m_portNames == names)
        return;
    worker->m_activePort = port;
    worker->m_portNames = names;
    emit worker->portChanged();
}

QString Monitor::openError() const
{
    return instance()->m_openError;
}

QString Monitor::openCommand() const
{
    return instance()->m_openError == OpenFailure::code(HidOpenFailure::Permission) ? OpenFailure::installCommand()
                                                                                   : QString();
}

void Monitor::setOpenError(const QString &code)
{
    Monitor *worker = instance();
    if (worker->m_openError == code)
        return;
    worker->m_openError = code;
    emit worker->openErrorChanged();
}

bool Monitor::hotkeyUnavailable() const
{
    return !instance()->m_hotkeyProblem.isEmpty();
}

QString Monitor::hotkeyProblem() const
{
    return instance()->m_hotkeyProblem;
}

bool Monitor::hotkeyFromDesktop() const
{
    return instance()->m_hotkeyFromDesktop;
}

QString Monitor::hotkeyTrigger() const
{
    return instance()->m_hotkeyTrigger;
}

void Monitor::init()
{
    Monitor *worker = instance();
    connectRelays();
    worker->m_hid.beginHeartBeat();
    // Records the system's default device sounds for a later restore.
    worker->m_reg.getMuteReg(QStringLiteral("."), QString());
}

bool Monitor::setHook()
{
    // Hooks this instance installed before are removed first: two hooks
    // would feed every key to the hotkey machine twice.
    removeHooks();
    m_hooksWanted = true;
    Monitor *worker = instance();
    worker->m_hookOwner = this;
    relayHotkeyState();
    // Where the desktop presses the hotkey, a hook would see no keys (or the
    // same ones twice), and nothing needs the mouse.
    if (worker->useDesktopShortcut())
        return true;
    installKeyHook();
    m_mouseHook = platform::installMouseHook();
    if (!m_mouseHook)
        qDebug("Mouse Hook failed");
    return true;
}

void Monitor::installKeyHook()
{
    Monitor *worker = instance();
    m_keyboardHook = platform::installKeyboardHook(&onKeyboardHookEvent);
    worker->m_keyHookFailed = !m_keyboardHook;
    if (!m_keyboardHook)
        qDebug("KB Hook Failed");
    worker->updateHotkeyProblem();
}

bool Monitor::useDesktopShortcut()
{
    if (!m_shortcutRefusal.isEmpty() || !platform::hotkeyNeedsDesktopShortcut())
        return false;
    if (!m_shortcut) {
        m_shortcut = platform::openGlobalShortcut(*this);
        if (!m_shortcut)
            return false;
        // The session ends with the event loop, while the bus is still there.
        if (auto *application = QCoreApplication::instance())
            connect(application, &QCoreApplication::aboutToQuit, this, &Monitor::closeDesktopShortcut,
                    Qt::UniqueConnection);
        setHotkeyTrigger(true, QString());
        m_shortcut->bind(m_keys.hotkey.toStdString());
    }
    return true;
}

void Monitor::closeDesktopShortcut()
{
    m_shortcut.reset();
}

void Monitor::updateHotkeyProblem()
{
    const QString problem = !m_shortcutRefusal.isEmpty() ? m_shortcutRefusal
                            : m_keyHookFailed && !m_hotkeyFromDesktop ? kKeyHookFailed
                                                                     : QString();
    if (problem == m_hotkeyProblem)
        return;
    m_hotkeyProblem = problem;
    emit hotkeyAvailabilityChanged();
}

void Monitor::setHotkeyTrigger(bool fromDesktop, const QString &trigger)
{
    if (fromDesktop == m_hotkeyFromDesktop && trigger == m_hotkeyTrigger)
        return;
    m_hotkeyFromDesktop = fromDesktop;
    m_hotkeyTrigger = trigger;
    emit hotkeyTriggerChanged();
}

void Monitor::shortcutActivated()
{
    HotkeyMachine::fire(m_keys, *this);
}

void Monitor::shortcutBound(const std::string &trigger)
{
    const QString keys = QString::fromStdString(trigger);
    qDebug().noquote() << "Global shortcut bound:" << keys;
    setHotkeyTrigger(true, keys);
}

void Monitor::shortcutRefused(const std::string &reason)
{
    m_shortcutRefusal = QString::fromStdString(reason);
    qDebug().noquote() << "Global shortcut refused:" << m_shortcutRefusal;
    setHotkeyTrigger(false, QString());
    updateHotkeyProblem();
    // The X server's hook where there is one: it sees at least the keys that
    // reach X clients. The refusal stays shown, as that is not every key.
    if (m_hookOwner && m_hookOwner->m_hooksWanted && !m_hookOwner->m_keyboardHook) {
        m_hookOwner->installKeyHook();
        if (!m_hookOwner->m_mouseHook)
            m_hookOwner->m_mouseHook = platform::installMouseHook();
    }
}

bool Monitor::connectDevice(QString path)
{
    Monitor *worker = instance();
    worker->m_keys.connected = worker->m_hid.openDevice(path.toLocal8Bit().constData());
    setHook();
    init();
    setOpenError(OpenFailure::code(worker->m_hid.openFailure()));
    setPort(0, {});
    if (worker->m_keys.connected) {
        worker->m_vid = DeviceCatalogue::idAfter(path, QStringLiteral("VID_"));
        worker->m_pid = DeviceCatalogue::idAfter(path, QStringLiteral("PID_"));
        worker->m_keys.busy = false;
    }
    return worker->m_keys.connected;
}

void Monitor::disconnectDevice()
{
    Monitor *worker = instance();
    worker->m_hid.stopHeartBeat();
    worker->m_hid.closeDevice();
    worker->m_keys.connected = false;
    setPort(0, {});
    disconnectRelays();
    removeHooks();
    worker->m_vid.clear();
    worker->m_pid.clear();
}

void Monitor::uninstallHook()
{
    removeHooks();
    instance()->m_hid.closeDevice();
}

// The page that asked waits for the answer in a local event loop (the
// exchange runs on the HID thread), so its window keeps drawing.
bool Monitor::postCmd(int mode)
{
    Monitor *worker = instance();
    const QString reply = worker->m_hid.sendCmd(commandFor(mode));
    worker->m_updateUnanswered = mode == Codes::UpgradeMode && !reply.contains(QLatin1String("Command"));
    worker->m_updateReply = reply;
    return settle(mode, reply);
}

// Nothing is sent again: a second "update" to a switch on its way into
// upgrade mode could meet it half-way.
bool Monitor::upgradeModeEntered()
{
    Monitor *worker = instance();
    if (!worker->m_updateUnanswered)
        return false;
    worker->m_updateUnanswered = false;
    qDebug() << "No answer to update in time: waiting on for the switch";
    return settle(Codes::UpgradeMode, worker->m_updateReply + worker->m_hid.awaitReply());
}

bool Monitor::settle(int mode, const QString &reply)
{
    Monitor *worker = instance();
    const bool acknowledged = reply.contains(QLatin1String("Command OK"));
    if (acknowledged) {
        worker->m_res = mode;
        // The switch hands its USB side to the other computer: no hotkey
        // command is sent until the interface connects again.
        if (mode == Codes::SwitchToPort1 || mode == Codes::SwitchToPort2) {
            worker->m_keys.connected = false;
            setPort(mode == Codes::SwitchToPort1 ? 1 : 2, worker->m_portNames);
        }
        // The switch restarts with new firmware: a read that fails after it
        // is back must not report the old version as current.
        if (mode == Codes::UpgradeMode)
            worker->m_settings.clear();
    } else {
        worker->m_res = 0;
    }
    worker->m_keys.busy = false;
    return acknowledged;
}

// The caller waits for the answer in a local event loop. A caller that
// comes while a read is waited for already (a timer inside that wait) gets
// the cache as it stands instead of a second wait stacked on the first.
QVariantMap Monitor::getSetting()
{
    Monitor *worker = instance();
    if (worker->m_reading)
        return worker->m_settings;
    worker->m_reading = true;
    const QString reply = worker->m_hid.sendCmd(QStringLiteral("read"));
    worker->m_reading = false;
    takeStatus(reply);
    return worker->m_settings;
}

bool Monitor::takeStatus(const QString &reply)
{
    Monitor *worker = instance();
    const auto status = StatusReply::parse(reply, StatusReply::defaults(QLatin1String(kCompanyWord)));
    if (!status)
        return false;
    worker->m_settings = *status;
    const int port = status->value(QStringLiteral("curport")).toInt();
    setPort(port == 1 || port == 2 ? port : 0,
            {status->value(QStringLiteral("Name1")).toString(), status->value(QStringLiteral("Name2")).toString()});
    return true;
}

void Monitor::restoreSound()
{
    instance()->m_reg.emitRestore();
}

void Monitor::restartHotkey(int flag)
{
    Monitor *worker = instance();
    worker->m_keys.hotkeyState = flag;
    worker->m_keys.recordCount = 0;
}

// A hotkey that breaks the rule is refused. The worker then never goes
// without one: a broken text at the first application (the stored one at
// start) leaves the default in its place.
bool Monitor::setHotkey(QString hotkey)
{
    Monitor *worker = instance();
    if (!HotkeyRule::isValid(hotkey)) {
        if (!HotkeyRule::isValid(worker->m_keys.hotkey))
            worker->m_keys.hotkey = HotkeyRule::defaultHotkey();
        qDebug().noquote() << QStringLiteral("Hotkey refused: \"%1\"%2, keeping \"%3\"")
                                  .arg(hotkey.left(40), hotkey.size() > 40 ? QStringLiteral("...") : QString(),
                                       worker->m_keys.hotkey);
        return false;
    }
    const bool changed = worker->m_keys.hotkey != hotkey;
    worker->m_keys.hotkey = hotkey;
    // The desktop binds the new keys in a session of its own; until it
    // answers, the old trigger is not shown.
    if (worker->m_shortcut && worker->m_hotkeyFromDesktop) {
        if (changed)
            worker->setHotkeyTrigger(true, QString());
        worker->m_shortcut->bind(hotkey.toStdString());
    }
    return true;
}

bool Monitor::isValidHotkey(QString hotkey) const
{
    return HotkeyRule::isValid(hotkey);
}

bool Monitor::recordWindowKey(int nativeScanCode, bool pressed)
{
    Monitor *worker = instance();
    // The hook sees these keys already; they would count twice.
    if ((worker->m_hookOwner && worker->m_hookOwner->m_keyboardHook) || nativeScanCode < 0)
        return false;
    // Tracked in every state, so that Alt or Ctrl held over the start or the
    // end of a capture is still known as down.
    const auto code = static_cast<unsigned>(nativeScanCode);
    const auto event = platform::windowKeyEvent(code, pressed);
    if (!event)
        return false;
    // A release counts only after its press was recorded: the Enter that
    // opened the capture does not end it when it comes up.
    const bool recorded = pressed ? worker->m_keys.hotkeyState != HotkeyState::Matching
                                  : worker->m_windowKeysDown.remove(code);
    if (!recorded)
        return false;
    if (pressed)
        worker->m_windowKeysDown.insert(code);
    HotkeyMachine::onKeyEvent(worker->m_keys, *worker, *event);
    return true;
}

// The interface names the functions it enables; the worker needs none of
// them, so the call is accepted and nothing kept.
void Monitor::setFunction(QString, int)
{
}

QString Monitor::convertVkcode2Unicode(QString vkcode)
{
    return KeyTable::convertVkcodes(m_keyTable, vkcode);
}

void Monitor::getDeviceStatus()
{
    Monitor *worker = instance();
    worker->m_devstatus = worker->m_hid.status();
    emit devstatusChanged();
}

void Monitor::notifyToQml()
{
    emit cmdFinished();
}

void Monitor::sendkeyToQml()
{
    emit keyPressed();
}

void Monitor::connectRelays()
{
    Monitor *worker = instance();
    connect(&worker->m_hid, &hidEnumerate::statusChanged, this, &Monitor::getDeviceStatus, Qt::UniqueConnection);
    // The shared worker's own signals need no relay to itself.
    if (worker == this)
        return;
    connect(worker, &Monitor::cmdFinished, this, &Monitor::notifyToQml, Qt::UniqueConnection);
    connect(worker, &Monitor::keyPressed, this, &Monitor::sendkeyToQml, Qt::UniqueConnection);
    connect(worker, &Monitor::portChanged, this, &Monitor::portChanged, Qt::UniqueConnection);
    connect(worker, &Monitor::openErrorChanged, this, &Monitor::openErrorChanged, Qt::UniqueConnection);
}

// The hotkey's availability outlives connections: relayed from the first
// setHook on, never dropped.
void Monitor::relayHotkeyState()
{
    Monitor *worker = instance();
    if (worker == this)
        return;
    connect(worker, &Monitor::hotkeyAvailabilityChanged, this, &Monitor::hotkeyAvailabilityChanged,
            Qt::UniqueConnection);
    connect(worker, &Monitor::hotkeyTriggerChanged, this, &Monitor::hotkeyTriggerChanged, Qt::UniqueConnection);
}

void Monitor::disconnectRelays()
{
    Monitor *worker = instance();
    disconnect(&worker->m_hid, &hidEnumerate::statusChanged, this, &Monitor::getDeviceStatus);
    if (worker == this)
        return;
    disconnect(worker, &Monitor::cmdFinished, this, &Monitor::notifyToQml);
    disconnect(worker, &Monitor::keyPressed, this, &Monitor::sendkeyToQml);
    disconnect(worker, &Monitor::portChanged, this, &Monitor::portChanged);
    disconnect(worker, &Monitor::openErrorChanged, this, &Monitor::openErrorChanged);
}

void Monitor::removeHooks()
{
    m_hooksWanted = false;
    platform::removeHook(m_keyboardHook);
    platform::removeHook(m_mouseHook);
    m_keyboardHook = nullptr;
    m_mouseHook = nullptr;
}

QString Monitor::keyName(unsigned vkCode) const
{
    return KeyTable::nameOf(m_keyTable, vkCode);
}

QString Monitor::activePort() const
{
    return m_settings.value(QStringLiteral("curport")).toString();
}

void Monitor::keyReported()
{
    emit keyPressed();
}

// From the keyboard hook: the command goes out without waiting, and the
// hook swallows keys until its answer is in (busy).
void Monitor::postCommand(int mode)
{
    if (!activePort().isEmpty()) {
        m_hid.sendCmdAsync(commandFor(mode), [this, mode](const QString &reply) { settle(mode, reply); });
        return;
    }
    // No status read yet since the switch connected: "the other port" is
    // unknown, and a guess that names the active one is acknowledged without
    // a hand-over, which would leave the hotkey dead until the next
    // connection. The status is read first; without it nothing is sent.
    m_hid.sendCmdAsync(QStringLiteral("read"), [this, mode](const QString &reply) {
        if (!takeStatus(reply) || activePort().isEmpty()) {
            settle(mode, QString());
            return;
        }
        const int other = HotkeyMachine::otherPortCommand(activePort());
        m_hid.sendCmdAsync(commandFor(other), [this, other](const QString &answer) { settle(other, answer); });
    });
}
