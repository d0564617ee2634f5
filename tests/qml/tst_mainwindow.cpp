// Runs the window's own logic (tst_*.qml) against stand-ins for the services
// and the registered types, which stubs/ provides under the same names. The
// firmware queries go to the firmware service of a real kvm-sim, whose
// switches each stand for one kind of answer.

#include "QmlRegistration.h"

#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        const QString firmwareUrl = startFirmwareService();
        const QString stubs = QStringLiteral(PORTVIEW_QML_STUBS);
        engine->addImportPath(stubs);
        registerInterfaceModule();
        QQmlComponent component(engine, QUrl::fromLocalFile(stubs + QStringLiteral("/Services.qml")));
        QObject *services = component.create();
        if (!services)
            qFatal("%s", qPrintable(component.errorString()));
        services->setParent(engine);

        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("stubs"), services);
        for (const char *name : {"io", "regedit", "com", "process", "detect_event"})
            context->setContextProperty(QString::fromLatin1(name), services->property(name));
        context->setContextProperty(QStringLiteral("show_mode"), QString());
        context->setContextProperty(QStringLiteral("ap_ver"), QStringLiteral("1.0.212"));
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
                           QStringLiteral("--switch"), QStringLiteral("model=GARBLED,pid=6,offer-body=garbage")});
        QByteArray lines;
        while (lines.count('\n') < 2 && m_simulator.waitForReadyRead(10000))
            lines += m_simulator.readAll();
        const QList<QByteArray> split = lines.trimmed().split('\n');
        if (split.size() < 2)
            qFatal("kvm-sim did not start its firmware service");
        return QString::fromUtf8(split.at(1).split(' ').last());
    }

    QProcess m_simulator;
};

QUICK_TEST_MAIN_WITH_SETUP(mainwindow, Setup)
#include "tst_mainwindow.moc"
