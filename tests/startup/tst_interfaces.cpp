// The services' meta-object tables are their interface to QML: names,
// signatures and order are fixed.

#include "Download/quickdownload.h"
#include "ProcessInfo.h"
#include "QSingleApplication.h"
#include "SystemTrayIcon/systemtrayicon.h"
#include "UpgradeEventFilter.h"
#include "fileEncrypt.h"
#include "fileio.h"
#include "hidEnumerate.h"
#include "langswitch.h"
#include "monitor.h"
#include "regedit.h"

#include <QMetaMethod>
#include <QtTest>

namespace {

QStringList methodsOf(const QMetaObject &meta)
{
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::fromLatin1(meta.method(i).methodSignature());
    return methods;
}

QStringList propertiesOf(const QMetaObject &meta)
{
    QStringList properties;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        properties << QString::fromLatin1(meta.property(i).name());
    return properties;
}

} // namespace

Q_DECLARE_METATYPE(const QMetaObject *)

class InterfacesTest : public QObject
{
    Q_OBJECT

private slots:
    void tablesKeepTheirOrder_data()
    {
        QTest::addColumn<const QMetaObject *>("meta");
        QTest::addColumn<QStringList>("methods");
        QTest::addColumn<QStringList>("properties");
        QTest::newRow("hidEnumerate")
            << &hidEnumerate::staticMetaObject
            << QStringList{"hidFinished()", "statusChanged()", "beginHeartBeat()", "heartBeat()", "stopHeartBeat()",
                           "status()", "enumerate(int)", "sendCmd(QString)", "loadDeviceRes()"}
            << QStringList{"devlist"};
        QTest::newRow("Monitor")
            << &Monitor::staticMetaObject
            << QStringList{"cmdFinished()", "devstatusChanged()", "keyPressed()", "getDeviceStatus()",
                           "notifyToQml()", "sendkeyToQml()", "init()", "setHook()", "connectDevice(QString)",
                           "disconnectDevice()", "uninstallHook()", "postCmd(int)", "getSetting()",
                           "restoreSound()", "restartHotkey(int)", "setHotkey(QString)", "setFunction(QString,int)",
                           "convertVkcode2Unicode(QString)"}
            << QStringList{"res", "devstatus", "keyname"};
        QTest::newRow("regedit")
            << &regedit::staticMetaObject
            << QStringList{"emitRestore()", "setRegedit(QString,QVariant)", "readRegedit(QString,QVariant)",
                           "readRegedit(QString)", "setMuteReg(QString,QVariant)", "getMuteReg(QString,QVariant)",
                           "getMuteReg(QString)"}
            << QStringList{};
        QTest::newRow("fileIo")
            << &fileIo::staticMetaObject
            << QStringList{"sourceChanged(QUrl)", "textChanged(QString)", "setSource(QUrl)", "setText(QString)",
                           "read()", "write()", "gettempfilepath(QString)", "copyFile(QString)",
                           "loadIni(QString,QString)", "setIni(QString,QString,QString)"}
            << QStringList{"source", "text"};
        QTest::newRow("fileEncrypt")
            << &fileEncrypt::staticMetaObject
            << QStringList{"encrypt_file(QString)", "decrypt_file(QString)", "delete_tempfile()",
                           "get_userdocument_path()", "get_userappdata_path()"}
            << QStringList{};
        QTest::newRow("UpgradeEventFilter")
            << &UpgradeEventFilter::staticMetaObject
            << QStringList{"devChanged()", "emitResult()", "onPlayFinished()", "onPlaying(WPARAM)"}
            << QStringList{"result"};
        QTest::newRow("QuickDownload")
            << &QuickDownload::staticMetaObject
            << QStringList{"urlChanged()", "cancelChanged()", "runningChanged()", "progressChanged()",
                           "destinationChanged()", "followRedirectsChanged()", "overwriteChanged()", "started()",
                           "finished()", "redirected(QUrl)", "update(int,int)", "error(int,QString)",
                           "networkAccessManagerChanged()", "start(QUrl)", "start()", "stop()", "onReadyRead()",
                           "onFinished()", "onDownloadProgress(qlonglong,qlonglong)"}
            << QStringList{"url", "running", "progress", "destination", "followRedirects", "overwrite"};
        QTest::newRow("ProcessInfo")
            << &ProcessInfo::staticMetaObject
            << QStringList{"getDriverProcess()", "openProcess(QString)", "setAPAutorun(int)", "getFileInfo(QString)"}
            << QStringList{};
        QTest::newRow("LangSwitch") << &LangSwitch::staticMetaObject << QStringList{"changeLang(int)"}
                                    << QStringList{};
        QTest::newRow("SystemTrayIcon")
            << &SystemTrayIcon::staticMetaObject
            << QStringList{"trigger()", "iconChanged()", "toolTipChanged()", "menuChanged()", "setIcon(QUrl)",
                           "setToolTip(QString)", "setMenu(MyMenu*)", "onVisibleChanged()",
                           "onActivated(QSystemTrayIcon::ActivationReason)", "onExit()"}
            << QStringList{"x", "y", "icon", "toolTip", "menu"};
        QTest::newRow("MyMenu")
            << &MyMenu::staticMetaObject
            << QStringList{"widthChanged()", "heightChanged()", "setWidth(int)", "setHeight(int)", "addSeparator()",
                           "addAction(MyAction*)", "addMenu(MyMenu*)"}
            << QStringList{"width", "height"};
        QTest::newRow("QSingleApplication") << &QSingleApplication::staticMetaObject
                                            << QStringList{"activeAP()", "newLocalConnection()"} << QStringList{};
    }

    void tablesKeepTheirOrder()
    {
        QFETCH(const QMetaObject *, meta);
        QFETCH(QStringList, methods);
        QFETCH(QStringList, properties);
        QCOMPARE(methodsOf(*meta), methods);
        QCOMPARE(propertiesOf(*meta), properties);
    }
};

QTEST_GUILESS_MAIN(InterfacesTest)
#include "tst_interfaces.moc"
