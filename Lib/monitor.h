#pragma once

#include "DeviceCatalogue.h"
#include "HotkeyMachine.h"
#include "Platform/keyboardhook.h"
#include "hidEnumerate.h"
#include "regedit.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// The keyboard hook procedure: every key event the installed hook sees goes
// through the shared worker's hotkey machine. True means swallow.
bool onKeyboardHookEvent(const platform::KeyEvent &event);

// The device command worker: opens the chosen switch, sends it commands,
// reads its status, relays the device link's status changes and hosts the
// hotkey machinery. All device state lives in one process-wide instance,
// the shared worker (instance()); instances made by QML work on it and keep
// only their own hook handles and key table.
class Monitor : public QObject, private HotkeyEnvironment
{
    Q_OBJECT
    Q_PROPERTY(int res READ res NOTIFY cmdFinished)
    Q_PROPERTY(int devstatus READ devstatus NOTIFY devstatusChanged)
    Q_PROPERTY(QString keyname READ keyname NOTIFY keyPressed)

public:
    explicit Monitor(QObject *parent = nullptr);

    static Monitor *instance();

    int res() const;
    int devstatus() const;
    QString keyname() const;

    // Vendor and product ID texts joined by "-" for every model a catalogue
    // ever listed; only ever added to.
    QMap<QString, QVariant> &supportedIds() { return DeviceCatalogue::supportedIds(); }
    regedit &registry() { return m_reg; }
    QString vid() const { return m_vid; }
    QString pid() const { return m_pid; }
    bool isConnected() const { return m_keys.connected; }
    bool isBusy() const { return m_keys.busy; }
    QString hotkey() const { return m_keys.hotkey; }

    Q_INVOKABLE void init();
    Q_INVOKABLE bool setHook();
    Q_INVOKABLE bool connectDevice(QString path);
    Q_INVOKABLE void disconnectDevice();
    Q_INVOKABLE void uninstallHook();
    Q_INVOKABLE bool postCmd(int mode);
    Q_INVOKABLE QVariantMap getSetting();
    Q_INVOKABLE void restoreSound();
    Q_INVOKABLE void restartHotkey(int flag);
    Q_INVOKABLE bool setHotkey(QString hotkey);
    Q_INVOKABLE void setFunction(QString funcs, int value);
    Q_INVOKABLE QString convertVkcode2Unicode(QString vkcode);
    // Whether `hotkey` obeys the rule of every switch hotkey (HotkeyRule):
    // the editor, a restore and the start-up ask it before they keep one.
    Q_INVOKABLE bool isValidHotkey(QString hotkey) const;

signals:
    void cmdFinished();
    void devstatusChanged();
    void keyPressed();

public slots:
    void getDeviceStatus();
    void notifyToQml();
    void sendkeyToQml();

private:
    friend bool onKeyboardHookEvent(const platform::KeyEvent &event);

    void connectRelays();
    void disconnectRelays();
    void removeHooks();

    // HotkeyEnvironment, used on the shared worker by the keyboard hook.
    QString keyName(unsigned vkCode) const override;
    QString activePort() const override;
    void keyReported() override;
    void postCommand(int mode) override;

    QVariantMap m_settings;
    regedit m_reg;
    hidEnumerate m_hid;
    QString m_vid;
    QString m_pid;
    platform::HookHandle m_mouseHook = nullptr;
    platform::HookHandle m_keyboardHook = nullptr;
    int m_res = 0;
    int m_devstatus = 0;
    HotkeyState m_keys; // keyname, hotkey state, hotkey, match index, busy, connected
    QMap<QString, QVariant> m_keyTable;
};
