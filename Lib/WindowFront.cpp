#include "WindowFront.h"

#include "Platform/raisewindow.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QScreen>

void bringMainWindowToFront(QQmlApplicationEngine &engine)
{
    const QList<QObject *> roots = engine.rootObjects();
    auto *window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
    if (!window)
        return;
    window->showNormal();
    platform::bringWindowToFront(static_cast<std::uintptr_t>(window->winId()));
}

ScreenArea::ScreenArea(QObject *parent) : QObject(parent)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (QScreen *screen : screens)
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watch(screen);
        emit changed();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &ScreenArea::changed);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &ScreenArea::changed);
}

void ScreenArea::watch(QScreen *screen)
{
    connect(screen, &QScreen::availableGeometryChanged, this, &ScreenArea::changed);
    connect(screen, &QScreen::geometryChanged, this, &ScreenArea::changed);
}

QRect ScreenArea::available() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect ScreenArea::desktop() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableVirtualGeometry() : QRect();
}
