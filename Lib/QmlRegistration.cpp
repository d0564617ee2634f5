#include "QmlRegistration.h"

#include "Download/quickdownload.h"
#include "LoopGapProbe.h"
#include "SystemTrayIcon/systemtrayicon.h"
#include "InterfaceCodes.h"
#include "VersionText.h"
#include "hidEnumerate.h"
#include "monitor.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>

void registerQmlTypes()
{
    qmlRegisterType<hidEnumerate>("com.vemo.HID", 1, 0, "HidSocket");
    qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");
    qmlRegisterType<Monitor>("Qt.Quick.Monitor", 1, 0, "Monitor");
    qmlRegisterType<MyMenu>("vemo.trayicon", 1, 0, "MyMenu");
    qmlRegisterType<MyAction>("vemo.trayicon", 1, 0, "MyAction");
    qmlRegisterType<MySeparator>("vemo.trayicon", 1, 0, "MySeparator");
    qmlRegisterType<SystemTrayIcon>("vemo.trayicon", 1, 0, "SystemTray");
    registerInterfaceModule();
}

void registerInterfaceModule()
{
    // The brands' colours and the numbers the pages pass to the services.
    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/Qml/Theme.qml")), "com.vemo.portview", 1, 0, "Theme");
    qmlRegisterUncreatableMetaObject(Codes::staticMetaObject, "com.vemo.portview", 1, 0, "Codes",
                                     QStringLiteral("Codes only names values"));
}

void publishServices(QQmlContext *context, InterfaceServices &services, QObject *deviceEvents, const QString &showMode)
{
    LoopGapProbe::startIfAsked();
    context->setContextProperty(QStringLiteral("regedit"), &services.registry);
    context->setContextProperty(QStringLiteral("encrypt"), &services.encrypt);
    context->setContextProperty(QStringLiteral("io"), &services.io);
    context->setContextProperty(QStringLiteral("com"), &services.com);
    context->setContextProperty(QStringLiteral("process"), &services.process);
    context->setContextProperty(QStringLiteral("detect_event"), deviceEvents);
    context->setContextProperty(QStringLiteral("lang"), &services.lang);
    context->setContextProperty(QStringLiteral("ap_ver"), versionText(QCoreApplication::applicationVersion()));
    context->setContextProperty(QStringLiteral("show_mode"), showMode);
    // Replaces the firmware information services for tests and the demo.
    context->setContextProperty(QStringLiteral("firmware_url"), qEnvironmentVariable("PORTVIEW_FIRMWARE_URL"));
    // Shortens the firmware download's stall time-out (milliseconds) for the
    // same purpose; 0 or unset keeps the usual one.
    context->setContextProperty(QStringLiteral("download_timeout"),
                                qEnvironmentVariableIntValue("PORTVIEW_DOWNLOAD_TIMEOUT"));
}
