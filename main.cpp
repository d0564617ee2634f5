#include "AccessibleEnabled.h"
#include "Download/GuardedNetworkAccess.h"
#include "ProcessInfo.h"
#include "QLogger.h"
#include "QSingleApplication.h"
#include "QmlRegistration.h"
#include "HiddenFootprint.h"
#include "fileio.h"
#include "UpgradeEventFilter.h"
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

    qDebug() << QCoreApplication::applicationFilePath();
    // A copy that has handed over to the running one ends before anything
    // that writes: the services' construction records the sound defaults in
    // config.ini, and the running copy may be writing that file meanwhile.
    if (app.isRunning())
        return 0;
    fileIo::removeStaleTemporaries();

    registerQmlTypes();
    reportDisabledItems();

    // Declared before the engine: destroyed after it.
    std::optional<InterfaceServices> services;
    // Where the window may lie: it places and fits itself inside.
    ScreenArea screenArea;
    // Plain http only to a loopback test service, and only while one
    // replaces the firmware services.
    GuardedNetworkAccessFactory networkAccess(!qEnvironmentVariable("PORTVIEW_FIRMWARE_URL").isEmpty());
    QQmlApplicationEngine engine;
    engine.setNetworkAccessManagerFactory(&networkAccess);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":Images/app.png")));

    services.emplace(&engine);
    // Lives as long as the process; the application's native messages pass it.
    auto *deviceEvents = new UpgradeEventFilter;
    QAbstractEventDispatcher::instance()->installNativeEventFilter(deviceEvents);
    publishServices(engine.rootContext(), *services, deviceEvents, showMode);
    engine.rootContext()->setContextProperty(QStringLiteral("screenArea"), &screenArea);

    // A missing entry reads as 0, English.
    services->lang.changeLang(
        services->io.loadIni(QStringLiteral("System"), QString()).value(QStringLiteral("language")).toInt());

    engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
    std::optional<HiddenFootprint> footprint;
    if (auto *window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first()))
        footprint.emplace(&engine, window);
    QObject::connect(&app, &QSingleApplication::activeAP, &app, [&engine] { bringMainWindowToFront(engine); });

    const int result = app.exec();
    QLogger::finish();
    return result;
}
