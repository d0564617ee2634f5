#include "WindowFront.h"

#include "Platform/raisewindow.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>

void bringMainWindowToFront(QQmlApplicationEngine &engine)
{
    const QList<QObject *> roots = engine.rootObjects();
    auto *window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
    if (!window)
        return;
    window->showNormal();
    platform::bringWindowToFront(static_cast<std::uintptr_t>(window->winId()));
}
