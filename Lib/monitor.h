#pragma once

#include "DeviceCatalogue.h"
#include "HotkeyMachine.h"
#include "Platform/globalshortcut.h"
#include "Platform/keyboardhook.h"
#include "hidEnumerate.h"
#include "regedit.h"

#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

// The keyboard hook procedure: every key event the installed hook sees goes
// through the shared worker's hotkey machine. True means swallow.
bool onKeyboardHookEvent(const platform::KeyEvent &event);

// The device command worker: opens the chosen switch, sends it commands,
// reads its status, relays the device link's status changes and hosts the
// hotkey machinery. All device state lives in one process-wide instance,
// the shared worker (instance()); instances made by QML work on it and keep
// only their own hook handles and key table.
class Monitor : public QObject, private HotkeyEnvironment, private platform::GlobalShortcutListener
{
    Q_OBJECT
    Q_PROPERTY(int res READ res NOTIFY cmdFinished)
    Q_PROPERTY(int devstatus READ devstatus NOTIFY devstatusChanged)
    Q_PROPERTY(QString keyname READ keyname NOTIFY keyPressed)
    // The port whose computer has the shared devices (1 or 2, 0 unknown or
    // no switch connected) and the names the switch reports for ports 1
    // and 2 (empty where it reports none), from the last status read.
    Q_PROPERTY(int activePort READ activePortNumber NOTIFY portChanged)
    Q_PROPERTY(QStringList portNames READ portNames NOTIFY portChanged)
    // Why the last connectDevice could not open the switch: "" (it opened),
    // "permission", "busy" or "other"; and for "permission" the command
    // that installs the udev rule.
    Q_PROPERTY(QString openError READ openError NOTIFY openErrorChanged)
    Q_PROPERTY(QString openCommand READ openCommand NOTIFY openErrorChanged)
    // True while nothing would see the hotkey: the desktop refused its global
    // shortcut, or the keyboard hook could not start. hotkeyProblem says why,
    // in a fixed English text (the same as in the log).
    Q_PROPERTY(bool hotkeyUnavailable READ hotkeyUnavailable NOTIFY hotkeyAvailabilityChanged)
    Q_PROPERTY(QString hotkeyProblem READ hotkeyProblem NOTIFY hotkeyAvailabilityChanged)
    // True where the desktop's shortcut service presses the hotkey (Wayland);
    // hotkeyTrigger is then the keys as the desktop bound them, which may
    // differ from the saved hotkey (empty until the desktop has answered).
    Q_PROPERTY(bool hotkeyFromDesktop READ hotkeyFromDesktop NOTIFY hotkeyTriggerChanged)
    Q_PROPERTY(QString hotkeyTrigger READ hotkeyTrigger NOTIFY hotkeyTriggerChanged)

public:
    explicit Monitor(QObject *parent = nullptr);
    ~Monitor() override;

    static Monitor *instance();

    int res() const;
    int devstatus() const;
    QString keyname() const;
    int activePortNumber() const;
    QStringList portNames() const;
    QString openError() const;
    QString openCommand() const;
    bool hotkeyUnavailable() const;
    QString hotkeyProblem() const;
    bool hotkeyFromDesktop() const;
    QString hotkeyTrigger() const;

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
    // After an "update" (upgrade mode) that got no answer in its deadline:
    // the switch may be slow to acknowledge although it obeyed. Reads on
    // for its acknowledgement; a refusal, or no earlier silence, gives false.
    Q_INVOKABLE bool upgradeModeEntered();
    Q_INVOKABLE QVariantMap getSetting();
    Q_INVOKABLE void restoreSound();
    Q_INVOKABLE void restartHotkey(int flag);
    Q_INVOKABLE bool setHotkey(QString hotkey);
    Q_INVOKABLE void setFunction(QString funcs, int value);
    Q_INVOKABLE QString convertVkcode2Unicode(QString vkcode);
    // Whether `hotkey` obeys the rule of every switch hotkey (HotkeyRule):
    // the editor, a restore and the start-up ask it before they keep one.
    Q_INVOKABLE bool isValidHotkey(QString hotkey) const;
    // A key event of the program's own window (its native scan code), for
    // the hotkey editor where no keyboard hook is in force (the desktop
    // presses the hotkey): fed to the hotkey machine while it records.
    // False when it was not taken.
    Q_INVOKABLE bool recordWindowKey(int nativeScanCode, bool pressed);

signals:
    void cmdFinished();
    void devstatusChanged();
    void keyPressed();
    void portChanged();
    void openErrorChanged();
    void hotkeyAvailabilityChanged();
    void hotkeyTriggerChanged();

public slots:
    void getDeviceStatus();
    void notifyToQml();
    void sendkeyToQml();

private:
    friend bool onKeyboardHookEvent(const platform::KeyEvent &event);
    friend class MonitorTest; // fires the hotkey's command path with no hook running

    void connectRelays();
    void disconnectRelays();
    void relayHotkeyState();
    void removeHooks();
    // The command's outcome, as postCmd records it.
    bool settle(int mode, const QString &reply);
    // Takes a status reply into the cache and the active port; false when
    // the reply is no status.
    bool takeStatus(const QString &reply);
    void setPort(int port, const QStringList &names);
    void setOpenError(const QString &code);
    void installKeyHook();

    // On the shared worker: the desktop's shortcut session, opened on first
    // use where the session needs one; false where the hook serves instead.
    bool useDesktopShortcut();
    void closeDesktopShortcut();
    void updateHotkeyProblem();
    void setHotkeyTrigger(bool fromDesktop, const QString &trigger);

    // GlobalShortcutListener, on the shared worker.
    void shortcutActivated() override;
    void shortcutBound(const std::string &trigger) override;
    void shortcutRefused(const std::string &reason) override;

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
    int m_activePort = 0;
    QStringList m_portNames;
    QString m_openError;
    bool m_reading = false; // a status read waits for its answer
    bool m_updateUnanswered = false; // the last "update" had no answer at all
    QString m_updateReply;           // what of that answer came in time
    HotkeyState m_keys; // keyname, hotkey state, hotkey, match index, busy, connected
    QMap<QString, QVariant> m_keyTable;
    // This instance installed its hooks and has not removed them yet.
    bool m_hooksWanted = false;
    // The shared worker's view of the hotkey's way in.
    std::unique_ptr<platform::GlobalShortcut> m_shortcut;
    Monitor *m_hookOwner = nullptr; // the instance whose setHook is in force
    QString m_shortcutRefusal;
    bool m_keyHookFailed = false;
    QString m_hotkeyProblem;
    bool m_hotkeyFromDesktop = false;
    QString m_hotkeyTrigger;
    // Window keys whose press went to the hotkey machine (recordWindowKey).
    QSet<unsigned> m_windowKeysDown;
};
