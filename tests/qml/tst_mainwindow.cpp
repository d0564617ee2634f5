// Runs the window's own logic (tst_*.qml) against the program's file,
// registry, company and process services and stand-ins for the device link
// and worker, which stubs/ provides under the same names. The
// firmware queries go to the firmware service of a real kvm-sim, whose
// switches each stand for one kind of answer.

#include "Download/GuardedNetworkAccess.h"
#include "Download/quickdownload.h"
#include "QmlRegistration.h"
#include "TestFixture.h"

#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include <memory>

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        const QString firmwareUrl = startFirmwareService();
        // As the program's: plain http to this machine only, on every hop.
        engine->setNetworkAccessManagerFactory(&m_network);
        const QString stubs = QStringLiteral(PORTVIEW_QML_STUBS);
        engine->addImportPath(stubs);
        registerInterfaceModule();
        // The real download, so the upgrade page loads.
        qmlRegisterType<QuickDownload>("com.vemo.quickdownload", 1, 0, "Download");
        QQmlComponent component(engine, QUrl::fromLocalFile(stubs + QStringLiteral("/Services.qml")));
        QObject *services = component.create();
        if (!services)
            qFatal("%s", qPrintable(component.errorString()));
        services->setParent(engine);

        // The file, registry, company and process services are the real
        // ones, in the test's own HOME; the device-change filter is a widget,
        // which a Qt Quick Test application cannot hold, so a stand-in emits
        // its signal.
        fixture::nameAsTheProgram();
        m_services = std::make_unique<InterfaceServices>(engine);
        QQmlContext *context = engine->rootContext();
        publishServices(context, *m_services, services->property("detect_event").value<QObject *>(), QString());
        context->setContextProperty(QStringLiteral("stubs"), services);
        context->setContextProperty(QStringLiteral("firmware_url"), firmwareUrl);
    }

    void cleanupTestCase()
    {
        m_simulator.kill();
        m_simulator.waitForFinished();
    }

private:
    QString startFirmwareService()
    {
        m_simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_simulator.start(QStringLiteral(PORTVIEW_KVM_SIM),
                          {QStringLiteral("--socket"), QStringLiteral("tst-mainwindow-%1").arg(QCoreApplication::applicationPid()),
                           QStringLiteral("--firmware-service"), QStringLiteral("0"),
                           QStringLiteral("--switch"), QStringLiteral("model=OLDER,pid=3,offer=v1.0.8"),
                           QStringLiteral("--switch"), QStringLiteral("model=SLOW,pid=4,offer=v1.0.10,offer-delay=5000"),
                           QStringLiteral("--switch"), QStringLiteral("model=BROKEN,pid=5,offer=v1.0.10,offer-status=500"),
                           QStringLiteral("--switch"), QStringLiteral("model=GARBLED,pid=6,offer-body=garbage"),
                           QStringLiteral("--switch"), QStringLiteral("model=MOVED,pid=7,redirect=http://fw.vemo.example.com/x"),
                           QStringLiteral("--switch"), QStringLiteral("model=HUGE,pid=8,offer=v1.0.8,offer-size=20000000")});
        QByteArray lines;
        while (lines.count('\n') < 2 && m_simulator.waitForReadyRead(10000))
            lines += m_simulator.readAll();
        const QList<QByteArray> split = lines.trimmed().split('\n');
        if (split.size() < 2)
            qFatal("kvm-sim did not start its firmware service");
        return QString::fromUtf8(split.at(1).split(' ').last());
    }

    QProcess m_simulator;
    GuardedNetworkAccessFactory m_network{true};
    std::unique_ptr<InterfaceServices> m_services;
};

QUICK_TEST_MAIN_WITH_SETUP(mainwindow, Setup)
#include "tst_mainwindow.moc"
