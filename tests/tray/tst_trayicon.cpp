// The tray types as QML declares them. There is no system tray on the test
// display, so what is tested is what needs none: the menu assembled from the
// declaration, the icons, the item's visibility, and the activations.

#include "SystemTrayIcon/systemtrayicon.h"

#include <QMenu>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

namespace {

QStringList g_warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << message;
}

} // namespace

class TrayIconTest : public QObject
{
    Q_OBJECT

    QQmlEngine *m_engine = nullptr;

    template<typename T>
    std::unique_ptr<T> create(const QByteArray &body)
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
        qInstallMessageHandler(recordWarnings);
    }

    void cleanup()
    {
        const QStringList warnings = std::exchange(g_warnings, {});
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }

    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void theMenuHoldsItsDeclaredEntriesInOrder()
    {
        auto menu = create<MyMenu>(R"(
            MyMenu {
                property alias sub: sub
                MyAction { text: "Vemo Portview" }
                MySeparator {}
                MyMenu { id: sub; MyAction { text: "More" } }
                Item { }
                QtObject { objectName: "MyAction" }
                MyAction { text: "Quit" }
            })");
        QVERIFY(menu);
        auto *sub = menu->property("sub").value<MyMenu *>();
        QVERIFY(sub);
        const QList<QAction *> actions = menu->menu()->actions();
        QCOMPARE(actions.size(), 4);
        QVERIFY(qobject_cast<MyAction *>(actions[0]));
        QCOMPARE(actions[0]->text(), QStringLiteral("Vemo Portview"));
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->menu(), sub->menu());
        QCOMPARE(actions[3]->text(), QStringLiteral("Quit"));
        QCOMPARE(sub->menu()->actions().size(), 1);
        QCOMPARE(sub->menu()->actions()[0]->text(), QStringLiteral("More"));

        // Appending afterwards goes straight to the real menu.
        MyAction extra;
        menu->addAction(&extra);
        menu->addSeparator();
        QCOMPARE(menu->menu()->actions().size(), 6);
    }

    void theSizeIsTheRealMenus()
    {
        auto menu = create<MyMenu>("MyMenu { width: 180 }");
        QVERIFY(menu);
        QCOMPARE(menu->menu()->width(), 180);
        QCOMPARE(menu->property("width").toInt(), 180);
        QSignalSpy widthChanged(menu.get(), &MyMenu::widthChanged);
        QSignalSpy heightChanged(menu.get(), &MyMenu::heightChanged);
        menu->setWidth(180);
        menu->setHeight(menu->menu()->height());
        QCOMPARE(widthChanged.count(), 0);
        QCOMPARE(heightChanged.count(), 0);
        menu->setProperty("height", 77);
        QCOMPARE(menu->menu()->height(), 77);
        QCOMPARE(heightChanged.count(), 1);
    }

    void iconsLoadOnceFromResourcesAndFiles()
    {
        auto action = create<MyAction>("MyAction { }");
        QVERIFY(action);
        QSignalSpy changed(action.get(), &MyAction::iconChanged);
        action->setProperty("icon", QUrl("qrc:/Images/app.png"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!action->QAction::icon().isNull());
        QCOMPARE(action->property("icon").toUrl(), QUrl("qrc:/Images/app.png"));
        action->setProperty("icon", QUrl("qrc:/Images/app.png"));
        QCOMPARE(changed.count(), 1);

        QTemporaryDir dir;
        const QString file = dir.filePath("tray.png");
        QImage(16, 16, QImage::Format_ARGB32).save(file);
        action->setIcon(QUrl::fromLocalFile(file));
        QCOMPARE(changed.count(), 2);
        QVERIFY(!action->QAction::icon().isNull());

        auto tray = create<SystemTrayIcon>("SystemTray { icon: \"qrc:/Images/app.png\" }");
        QVERIFY(tray);
        auto *trayIcon = tray->findChild<QSystemTrayIcon *>();
        QVERIFY(!trayIcon->icon().isNull());
        QSignalSpy trayChanged(tray.get(), &SystemTrayIcon::iconChanged);
        tray->setIcon(QUrl("qrc:/Images/app.png"));
        QCOMPARE(trayChanged.count(), 0);
    }

    void theTrayIconShowsOnlyWhileTheItemIsVisible()
    {
        auto hidden = create<SystemTrayIcon>("SystemTray { icon: \"qrc:/Images/app.png\" }");
        QVERIFY(hidden);
        QVERIFY(!hidden->isVisible());
        QVERIFY(!hidden->findChild<QSystemTrayIcon *>()->isVisible());

        auto shown = create<SystemTrayIcon>("SystemTray { icon: \"qrc:/Images/app.png\"; visible: true }");
        QVERIFY(shown);
        auto *trayIcon = shown->findChild<QSystemTrayIcon *>();
        QVERIFY(trayIcon->isVisible());
        shown->setVisible(false);
        QVERIFY(!trayIcon->isVisible());
    }

    void onlyADoubleClickTriggers()
    {
        auto tray = create<SystemTrayIcon>("SystemTray { }");
        QVERIFY(tray);
        QSignalSpy trigger(tray.get(), &SystemTrayIcon::trigger);
        auto *trayIcon = tray->findChild<QSystemTrayIcon *>();
        emit trayIcon->activated(QSystemTrayIcon::Trigger);
        emit trayIcon->activated(QSystemTrayIcon::Context);
        emit trayIcon->activated(QSystemTrayIcon::MiddleClick);
        QCOMPARE(trigger.count(), 0);
        emit trayIcon->activated(QSystemTrayIcon::DoubleClick);
        QCOMPARE(trigger.count(), 1);
    }

    void toolTipAndMenuReachTheTrayIcon()
    {
        auto tray = create<SystemTrayIcon>(R"(
            SystemTray {
                toolTip: "Vemo Portview"
                menu: MyMenu { MyAction { text: "Quit" } }
            })");
        QVERIFY(tray);
        auto *trayIcon = tray->findChild<QSystemTrayIcon *>();
        QCOMPARE(trayIcon->toolTip(), QStringLiteral("Vemo Portview"));
        QCOMPARE(tray->property("toolTip").toString(), QStringLiteral("Vemo Portview"));
        QSignalSpy toolTipChanged(tray.get(), &SystemTrayIcon::toolTipChanged);
        tray->setToolTip(QStringLiteral("Vemo Portview"));
        QCOMPARE(toolTipChanged.count(), 0);

        MyMenu *menu = tray->menu();
        QVERIFY(menu);
        QCOMPARE(trayIcon->contextMenu(), menu->menu());
        QSignalSpy menuChanged(tray.get(), &SystemTrayIcon::menuChanged);
        tray->setMenu(menu);
        QCOMPARE(menuChanged.count(), 0);
        // A menu that goes away is not left behind on the tray icon.
        delete menu;
        QCOMPARE(trayIcon->contextMenu(), nullptr);
        QCOMPARE(tray->menu(), nullptr);
        QCOMPARE(menuChanged.count(), 1);
    }

    void exitHidesTheIconAndEndsTheEventLoop()
    {
        auto tray = create<SystemTrayIcon>("SystemTray { icon: \"qrc:/Images/app.png\"; visible: true }");
        QVERIFY(tray);
        QEventLoop loop;
        QTimer::singleShot(0, tray.get(), &SystemTrayIcon::onExit);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(7); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!tray->findChild<QSystemTrayIcon *>()->isVisible());
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_trayicon.moc"
