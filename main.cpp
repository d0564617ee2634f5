#include "Platform/processes.h"
#include "Download/quickdownload.h"
#include "ProcessInfo.h"
#include "SystemTrayIcon/systemtrayicon.h"
#include "copyright.h"
#include "fileEncrypt.h"
#include "hidEnumerate.h"
#include "langswitch.h"
#include "versionText.h"
#include "windowFront.h"

#include <QApplication>
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
    QString showMode;
    // Software rendering draws the transparent parts of the main window
    // transparent and lets clicks through them.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    QApplication app(argc, argv);
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
    qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");

    QQmlApplicationEngine engine;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":Images/app.png")));

    fileEncrypt encrypt;
    comCopyright com;
    ProcessInfo process;

    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("encrypt"), &encrypt);
    context->setContextProperty(QStringLiteral("com"), &com);
    context->setContextProperty(QStringLiteral("mainwindow"), &engine);
    context->setContextProperty(QStringLiteral("appDirPath"), QCoreApplication::applicationDirPath());
    context->setContextProperty(QStringLiteral("process"), &process);

    const int languageIndex = 0;
    LangSwitch langSwitch(&engine);
    context->setContextProperty(QStringLiteral("lang"), &langSwitch);
    langSwitch.changeLang(languageIndex);

    context->setContextProperty(QStringLiteral("ap_ver"), versionText(QCoreApplication::applicationVersion()));
    context->setContextProperty(QStringLiteral("show_mode"), showMode);

    qmlRegisterType<MyMenu>("vemo.trayicon", 1, 0, "MyMenu");
    qmlRegisterType<MyAction>("vemo.trayicon", 1, 0, "MyAction");
    qmlRegisterType<MySeparator>("vemo.trayicon", 1, 0, "MySeparator");
    qmlRegisterType<SystemTrayIcon>("vemo.trayicon", 1, 0, "SystemTray");

    qDebug() << QCoreApplication::applicationFilePath();

    engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));

    return app.exec();
}
