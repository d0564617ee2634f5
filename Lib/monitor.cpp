#include "monitor.h"

#include "HotkeyRule.h"

#include "Brand.h"
#include "KeyTable.h"
#include "StatusReply.h"

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
    case 1: return QStringLiteral("videoswmode normal");
    case 2: return QStringLiteral("videoswmode faster");
    case 3: return QStringLiteral("sw i00");
    case 4: return QStringLiteral("sw i01");
    case 5: return QStringLiteral("sw l01");
    case 6: return QStringLiteral("sw l00");
    case 7: return QStringLiteral("clearallsetting");
    case 8: return QStringLiteral("update");
    default: return QStringLiteral("test");
    }
}

} // namespace

Monitor::Monitor(QObject *parent)
    : QObject(parent), m_keyTable(KeyTable::build())
{
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
    m_keyboardHook = platform::installKeyboardHook(&onKeyboardHookEvent);
    if (!m_keyboardHook)
        qDebug("KB Hook Failed");
    m_mouseHook = platform::installMouseHook();
    if (!m_mouseHook)
        qDebug("Mouse Hook failed");
    return true;
}

bool Monitor::connectDevice(QString path)
{
    Monitor *worker = instance();
    worker->m_keys.connected = worker->m_hid.openDevice(path.toLocal8Bit().constData());
    setHook();
    init();
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

bool Monitor::postCmd(int mode)
{
    Monitor *worker = instance();
    const bool acknowledged = worker->m_hid.sendCmd(commandFor(mode)).contains(QLatin1String("Command OK"));
    if (acknowledged) {
        worker->m_res = mode;
        // The switch hands its USB side to the other computer: no hotkey
        // command is sent until the interface connects again.
        if (mode == HotkeyMachine::kModeSwitchToPort1 || mode == HotkeyMachine::kModeSwitchToPort2)
            worker->m_keys.connected = false;
    } else {
        worker->m_res = 0;
    }
    worker->m_keys.busy = false;
    return acknowledged;
}

QVariantMap Monitor::getSetting()
{
    Monitor *worker = instance();
    const QString reply = worker->m_hid.sendCmd(QStringLiteral("read"));
    const auto status = StatusReply::parse(reply, StatusReply::defaults(QLatin1String(kCompanyWord)));
    if (status)
        worker->m_settings = *status;
    return worker->m_settings;
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
    if (HotkeyRule::isValid(hotkey)) {
        worker->m_keys.hotkey = hotkey;
        return true;
    }
    if (!HotkeyRule::isValid(worker->m_keys.hotkey))
        worker->m_keys.hotkey = HotkeyRule::defaultHotkey();
    qDebug().noquote() << QStringLiteral("Hotkey refused: \"%1\"%2, keeping \"%3\"")
                              .arg(hotkey.left(40), hotkey.size() > 40 ? QStringLiteral("...") : QString(),
                                   worker->m_keys.hotkey);
    return false;
}

bool Monitor::isValidHotkey(QString hotkey) const
{
    return HotkeyRule::isValid(hotkey);
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
}

void Monitor::disconnectRelays()
{
    Monitor *worker = instance();
    disconnect(&worker->m_hid, &hidEnumerate::statusChanged, this, &Monitor::getDeviceStatus);
    if (worker == this)
        return;
    disconnect(worker, &Monitor::cmdFinished, this, &Monitor::notifyToQml);
    disconnect(worker, &Monitor::keyPressed, this, &Monitor::sendkeyToQml);
}

void Monitor::removeHooks()
{
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

void Monitor::postCommand(int mode)
{
    postCmd(mode);
}
