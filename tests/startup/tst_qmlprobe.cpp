// The registrations and context properties of the program, made by the same
// functions main.cpp calls, against what the pages use: a probe touching
// every name, every page of the interface compiled, and the version text
// published as ap_ver.

#include "QmlRegistration.h"
#include "TestFixture.h"
#include "UpgradeEventFilter.h"
#include "VersionText.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

class QmlProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void everyNameThePagesUseIsThere()
    {
        fixture::nameAsTheProgram();
        registerQmlTypes();
        QQmlEngine engine;
        InterfaceServices services(&engine);
        UpgradeEventFilter deviceEvents;
        publishServices(engine.rootContext(), services, &deviceEvents, QStringLiteral("hide"));

        QQmlComponent probe(&engine, QUrl::fromLocalFile(QStringLiteral(PORTVIEW_SOURCE_DIR "/tests/startup/QmlProbe.qml")));
        std::unique_ptr<QObject> object(probe.create());
        QVERIFY2(object, qPrintable(probe.errorString()));
        // A binding that meets a missing name leaves its list empty.
        const QVariantList published = object->property("services").toList();
        QCOMPARE(published.size(), 7);
        for (const QVariant &service : published)
            QVERIFY(service.value<QObject *>());
        QCOMPARE(object->property("texts").toList(), (QVariantList{QStringLiteral("hide"), QString(), 0, versionText(QCoreApplication::applicationVersion())}));

        const QStringList pages = QDir(QStringLiteral(":/Qml")).entryList({QStringLiteral("*.qml")});
        QVERIFY(pages.contains(QStringLiteral("main.qml")));
        for (const QString &page : pages) {
            QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Qml/") + page));
            QVERIFY2(component.isReady(), qPrintable(page + ": " + component.errorString()));
        }
    }

    void theVersionShowsThreePartsWithAPaddedThird()
    {
        const QList<QPair<QString, QString>> versions = {{"3.4.5.6", "3.4.005"}, {"1.10.212.0", "1.10.212"}, {"2.07.1.9", "2.7.001"},
                                                         {"1.0.1234.5", "1.0.1234"}, {"1.2.3", "1.2.3"}, {"7", "7"}, {"", ""}};
        for (const auto &v : versions) // versions without four parts are shown as they are
            QCOMPARE(versionText(v.first), v.second);
    }
};

QTEST_MAIN(QmlProbeTest)
#include "tst_qmlprobe.moc"
