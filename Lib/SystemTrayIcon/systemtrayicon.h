#pragma once

// QML types for a tray icon with a context menu declared in QML:
//
//   SystemTray {
//       visible: true
//       icon: "qrc:/Images/app.png"
//       menu: MyMenu {
//           MyAction { text: "Open" }
//           MySeparator {}
//           MyMenu { MyAction { text: "More" } }
//       }
//   }
//
// They wrap Qt's widget tray icon and menu, so the application object must
// be a QApplication.
//
// Where no tray can show the icon, a hidden window could only be brought
// back by starting the program again: SystemTray then keeps its window
// minimised instead of hidden (see `available`).

#include <QAction>
#include <QPointer>
#include <QQuickItem>
#include <QSystemTrayIcon>
#include <QUrl>

class QMenu;
class QQuickWindow;
class QTimer;

class MyAction : public QAction
{
    Q_OBJECT
    Q_PROPERTY(QUrl icon READ iconUrl WRITE setIcon NOTIFY iconChanged)

public:
    explicit MyAction(QObject *parent = nullptr);

    QUrl iconUrl() const { return m_icon; }

signals:
    void iconChanged();

public slots:
    void setIcon(QUrl arg);

private:
    QUrl m_icon;
};

// Marks where the enclosing MyMenu draws a separator line.
class MySeparator : public QObject
{
    Q_OBJECT

public:
    explicit MySeparator(QObject *parent = nullptr);
};

// Gathers its MyAction, MySeparator and MyMenu children into a real menu,
// in declaration order, once the declaration is complete.
class MyMenu : public QQuickItem
{
    Q_OBJECT
    // The real menu's size, not the item's.
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY widthChanged)
    Q_PROPERTY(int height READ height WRITE setHeight NOTIFY heightChanged)

public:
    explicit MyMenu(QQuickItem *parent = nullptr);
    ~MyMenu() override;

    int width() const;
    int height() const;
    QMenu *menu() const { return m_menu; }

signals:
    void widthChanged();
    void heightChanged();

public slots:
    void setWidth(int arg);
    void setHeight(int arg);
    void addSeparator();
    void addAction(MyAction *action);
    void addMenu(MyMenu *menu);

protected:
    void componentComplete() override;

private:
    QMenu *m_menu;
};

class SystemTrayIcon : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(int x READ x CONSTANT)
    Q_PROPERTY(int y READ y CONSTANT)
    Q_PROPERTY(QUrl icon READ icon WRITE setIcon NOTIFY iconChanged)
    Q_PROPERTY(QString toolTip READ toolTip WRITE setToolTip NOTIFY toolTipChanged)
    Q_PROPERTY(MyMenu *menu READ menu WRITE setMenu NOTIFY menuChanged)
    // Whether a tray is there to show the icon now: the desktop's
    // StatusNotifier host where the icon goes through D-Bus, else the X tray
    // (on Windows the notification area). While there is none, the window
    // this item lies in is minimised whenever it would be hidden.
    Q_PROPERTY(bool available READ available NOTIFY availableChanged)

public:
    explicit SystemTrayIcon(QQuickItem *parent = nullptr);

    int x() const;
    int y() const;
    QUrl icon() const { return m_icon; }
    QString toolTip() const;
    MyMenu *menu() const { return m_menu; }
    bool available() const { return m_available; }

signals:
    void trigger();
    void iconChanged();
    void toolTipChanged();
    void menuChanged();
    void availableChanged();
    // The window was hidden (the close cross) while no tray could bring it
    // back, and has been minimised instead: the interface tells the user
    // that the program keeps running.
    void keptRunning();

public slots:
    void setIcon(QUrl arg);
    void setToolTip(QString arg);
    void setMenu(MyMenu *arg);
    void onVisibleChanged();
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onExit();

protected:
    void componentComplete() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void refreshAvailability();

private:
    void watchWindow(QQuickWindow *window);
    void onWindowVisibleChanged(bool visible);
    void keepReachable(bool tell);

    // Decided before the tray icon exists, as Qt decides which tray it uses:
    // declared before it.
    const bool m_statusNotifier;
    QSystemTrayIcon *m_trayIcon;
    QUrl m_icon;
    QString m_toolTip;
    QPointer<MyMenu> m_menu;
    bool m_available = false;
    QTimer *m_poll = nullptr;
    QPointer<QQuickWindow> m_window;
    bool m_windowClosing = false;
};
