#include "Download/quickdownload.h"
#include "ProcessInfo.h"
#include "QLogger.h"
#include "QSingleApplication.h"
#include "UpgradeEventFilter.h"
#include "SystemTrayIcon/systemtrayicon.h"
#include "copyright.h"
#include "fileEncrypt.h"
#include "fileio.h"
#include "hidEnumerate.h"
#include "langswitch.h"
#include "monitor.h"
#include "regedit.h"
#include "VersionText.h"
#include "WindowFront.h"

#include <QAbstractEventDispatcher>
#include <QDebug>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtQml>

#include <optional>

namespace {

// How long "-exit" waits for the other copies to end before starting normally.
constexpr int kEndCopiesTimeoutMs = 30000;

// The services the interface borrows. They are created after the engine but
// must outlive it, so the interface never sees one of them destroyed.
struct Services
{
    regedit registry;
    fileEncrypt encrypt;
    fileIo io;
    comCopyright com;
    ProcessInfo process;
};

} // namespace

int main(int argc, char *argv[])
{
    QLogger::start();
    QString showMode;
    // Software rendering draws the transparent parts of the main window
    // transparent and lets clicks through them.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    // Nothing draws with OpenGL: plain raster widgets (the hidden device
    // notification window, the tray menu) spare loading the GL stack.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);

    QSingleApplication app(argc, argv);
    ProcessInfo::useBuildVersion(QStringLiteral(PORTVIEW_VERSION));

    const QString firstArgument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (firstArgument == QLatin1String("-h")) {
        showMode = QStringLiteral("hide");
    } else if (firstArgument == QLatin1String("-exit")) {
        if (ProcessInfo::endRunningCopies(kEndCopiesTimeoutMs))
            return 0;
    }

    qmlRegisterType<hidEnumerate>("com.vemo.HID", 1, 0, "HidSocket");
    qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");
    qmlRegisterType<Monitor>("Qt.Quick.Monitor", 1, 0, "Monitor");

    std::optional<Services> services;
    std::optional<LangSwitch> langSwitch;
    QQmlApplicationEngine engine;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":Images/app.png")));

    services.emplace();
    // Lives as long as the process; the application's native messages pass it.
    auto *deviceEvents = new UpgradeEventFilter;
    QAbstractEventDispatcher::instance()->installNativeEventFilter(deviceEvents);

    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("regedit"), &services->registry);
    context->setContextProperty(QStringLiteral("encrypt"), &services->encrypt);
    context->setContextProperty(QStringLiteral("io"), &services->io);
    context->setContextProperty(QStringLiteral("com"), &services->com);
    context->setContextProperty(QStringLiteral("mainwindow"), &engine);
    context->setContextProperty(QStringLiteral("appDirPath"), QCoreApplication::applicationDirPath());
    context->setContextProperty(QStringLiteral("process"), &services->process);
    context->setContextProperty(QStringLiteral("detect_event"), deviceEvents);

    // A missing entry reads as 0, English.
    const int languageIndex =
        services->io.loadIni(QStringLiteral("System"), QString()).value(QStringLiteral("language")).toInt();
    langSwitch.emplace(&engine);
    context->setContextProperty(QStringLiteral("lang"), &*langSwitch);
    langSwitch->changeLang(languageIndex);

    context->setContextProperty(QStringLiteral("ap_ver"), versionText(QCoreApplication::applicationVersion()));
    context->setContextProperty(QStringLiteral("show_mode"), showMode);
    // Replaces the firmware information services for tests and the demo.
    context->setContextProperty(QStringLiteral("firmware_url"), qEnvironmentVariable("PORTVIEW_FIRMWARE_URL"));
    // Shortens the firmware download's stall time-out (milliseconds) for the
    // same purpose; 0 or unset keeps the usual one.
    context->setContextProperty(QStringLiteral("download_timeout"),
                                qEnvironmentVariableIntValue("PORTVIEW_DOWNLOAD_TIMEOUT"));

    qmlRegisterType<MyMenu>("vemo.trayicon", 1, 0, "MyMenu");
    qmlRegisterType<MyAction>("vemo.trayicon", 1, 0, "MyAction");
    qmlRegisterType<MySeparator>("vemo.trayicon", 1, 0, "MySeparator");
    qmlRegisterType<SystemTrayIcon>("vemo.trayicon", 1, 0, "SystemTray");

    qDebug() << QCoreApplication::applicationFilePath();

    if (app.isRunning())
        return 0;

    engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
    QObject::connect(&app, &QSingleApplication::activeAP, &app, [&engine] { bringMainWindowToFront(engine); });

    const int result = app.exec();
    QLogger::finish();
    return result;
}
