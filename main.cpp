#include "Platform/processes.h"
#include "QLogger.h"
#include "QSingleApplication.h"
#include "fileio.h"
#include "hidEnumerate.h"
#include "versionText.h"
#include "windowFront.h"

#include <QDebug>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtQml>

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

    QSingleApplication app(argc, argv);
#ifndef Q_OS_WIN
    // Windows takes the version from the executable's version resource.
    QCoreApplication::setApplicationVersion(QStringLiteral(PORTVIEW_VERSION));
#endif

    const QString firstArgument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (firstArgument == QLatin1String("-h")) {
        showMode = QStringLiteral("hide");
    } else if (firstArgument == QLatin1String("-exit")) {
        if (platform::endRunningCopies(kEndCopiesTimeoutMs))
            return 0;
    }

    qmlRegisterType<hidEnumerate>("com.vemo.HID", 1, 0, "HidSocket");

    QQmlApplicationEngine engine;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":Images/app.png")));

    fileIo io;

    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("io"), &io);
    context->setContextProperty(QStringLiteral("mainwindow"), &engine);
    context->setContextProperty(QStringLiteral("appDirPath"), QCoreApplication::applicationDirPath());

    // A missing entry reads as 0, English.
    const int languageIndex =
        io.loadIni(QStringLiteral("System"), QString()).value(QStringLiteral("language")).toInt();
    Q_UNUSED(languageIndex)

    context->setContextProperty(QStringLiteral("ap_ver"), versionText(QCoreApplication::applicationVersion()));
    context->setContextProperty(QStringLiteral("show_mode"), showMode);

    qDebug() << QCoreApplication::applicationFilePath();

    if (app.isRunning())
        return 0;

    engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
    QObject::connect(&app, &QSingleApplication::activeAP, &app, [&engine] { bringMainWindowToFront(engine); });

    const int result = app.exec();
    QLogger::finish();
    return result;
}
