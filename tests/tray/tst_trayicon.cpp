// The tray types as QML declares them. There is no system tray on the test
// display, so what is tested is what needs none: the menu assembled from the
// declaration, the icons, the item's visibility, and the activations.

#include "SystemTrayIcon/systemtrayicon.h"
#include "TestFixture.h"

#include <QMenu>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

class TrayIconTest : public QObject
{
    Q_OBJECT

    QQmlEngine *m_engine = nullptr;

    template<typename T> std::unique_ptr<T> create(const QByteArray &body)
    {
        QQmlComponent component(m_engine);
        component.setData("import QtQuick 2.15\nimport vemo.trayicon 1.0\n" + body, QUrl("qrc:/tests/tray.qml"));
        std::unique_ptr<QObject> object(component.create());
        if (!object)
            qWarning() << component.errors();
        return std::unique_ptr<T>(qobject_cast<T *>(object.release()));
    }

private slots:
    void initTestCase()
    {
        qmlRegisterType<MyMenu>("vemo.trayicon", 1, 0, "MyMenu");
        qmlRegisterType<MyAction>("vemo.trayicon", 1, 0, "MyAction");
        qmlRegisterType<MySeparator>("vemo.trayicon", 1, 0, "MySeparator");
        qmlRegisterType<SystemTrayIcon>("vemo.trayicon", 1, 0, "SystemTray");
        m_engine = new QQmlEngine(this);
    }

    void cleanup()
    {
        const QStringList warnings = MessageCapture::take().filter(QStringLiteral("warning: "));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }

    void theMenuSkipsWhatIsNoEntry()
    {
        // The entries' order and texts reach the desktop's tray: e2e flow_tray.
        MessageCapture log;
        auto menu = create<MyMenu>(R"(
            MyMenu {
                MyAction { text: "Vemo Portview" }
                MySeparator {}
                MyMenu { MyAction { text: "More" } }
                Item { }
                QtObject { objectName: "MyAction" }
            })");
        const QList<QAction *> actions = menu->menu()->actions();
        QCOMPARE(actions.size(), 3);
        QVERIFY(actions[1]->isSeparator() && actions[2]->menu() && actions[2]->menu()->actions().size() == 1);
    }

    void iconsVisibilityActivationsToolTipAndMenu()
    {
        MessageCapture log;
        auto action = create<MyAction>("MyAction { }");
        QSignalSpy changed(action.get(), &MyAction::iconChanged);
        action->setProperty("icon", QUrl("qrc:/Images/app.png"));
        action->setProperty("icon", QUrl("qrc:/Images/app.png"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!action->QAction::icon().isNull());
        QTemporaryDir dir;
        QImage(16, 16, QImage::Format_ARGB32).save(dir.filePath("tray.png"));
        action->setIcon(QUrl::fromLocalFile(dir.filePath("tray.png")));
        QCOMPARE(changed.count(), 2);
        QVERIFY(!action->QAction::icon().isNull());

        auto tray = create<SystemTrayIcon>(R"(
            SystemTray {
                icon: "qrc:/Images/app.png"
                toolTip: "Vemo Portview"
                menu: MyMenu { MyAction { text: "Quit" } }
            })");
        auto *trayIcon = tray->findChild<QSystemTrayIcon *>();
        QVERIFY(!trayIcon->icon().isNull());
        QCOMPARE(trayIcon->toolTip(), QStringLiteral("Vemo Portview"));
        QSignalSpy trayChanged(tray.get(), &SystemTrayIcon::iconChanged);
        QSignalSpy toolTipChanged(tray.get(), &SystemTrayIcon::toolTipChanged);
        tray->setIcon(QUrl("qrc:/Images/app.png"));
        tray->setToolTip(QStringLiteral("Vemo Portview"));
        QCOMPARE(trayChanged.count() + toolTipChanged.count(), 0);
        // Shown only while the item is visible.
        QVERIFY(!tray->isVisible() && !trayIcon->isVisible());
        tray->setVisible(true);
        QVERIFY(trayIcon->isVisible());
        tray->setVisible(false);
        QVERIFY(!trayIcon->isVisible());
        // Only a double click triggers.
        QSignalSpy trigger(tray.get(), &SystemTrayIcon::trigger);
        for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::DoubleClick})
            emit trayIcon->activated(reason);
        QCOMPARE(trigger.count(), 1);
        // A menu that goes away is not left behind on the tray icon.
        MyMenu *menu = tray->menu();
        QCOMPARE(trayIcon->contextMenu(), menu->menu());
        QSignalSpy menuChanged(tray.get(), &SystemTrayIcon::menuChanged);
        tray->setMenu(menu);
        QCOMPARE(menuChanged.count(), 0);
        delete menu;
        QVERIFY(!trayIcon->contextMenu() && !tray->menu());
        QCOMPARE(menuChanged.count(), 1);
    }

    void exitHidesTheIconAndEndsTheEventLoop()
    {
        auto tray = create<SystemTrayIcon>("SystemTray { icon: \"qrc:/Images/app.png\"; visible: true }");
        QEventLoop loop;
        QTimer::singleShot(0, tray.get(), &SystemTrayIcon::onExit);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(7); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!tray->findChild<QSystemTrayIcon *>()->isVisible());
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_trayicon.moc"
