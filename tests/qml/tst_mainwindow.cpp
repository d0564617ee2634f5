// Runs the window's own logic (tst_*.qml) against stand-ins for the services
// and the registered types, which stubs/ provides under the same names.

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
        const QString stubs = QStringLiteral(PORTVIEW_QML_STUBS);
        engine->addImportPath(stubs);
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
        context->setContextProperty(QStringLiteral("appDirPath"), QString());
    }
};

QUICK_TEST_MAIN_WITH_SETUP(mainwindow, Setup)
#include "tst_mainwindow.moc"
