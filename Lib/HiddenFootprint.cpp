#include "HiddenFootprint.h"

#include "Platform/memorytrim.h"

#include <QDebug>
#include <QQmlEngine>
#include <QQuickWindow>

namespace {

// Long enough for the pages' own reaction to the hiding (loaders emptied,
// their items deleted later) to have run, short against a stay in the tray.
constexpr int kSettleMs = 300;

} // namespace

HiddenFootprint::HiddenFootprint(QQmlEngine *engine, QQuickWindow *window, QObject *parent)
    : QObject(parent), m_engine(engine), m_window(window)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &HiddenFootprint::release);
    connect(window, &QWindow::visibleChanged, this, [this](bool visible) {
        if (visible)
            m_settle.stop();
        else
            m_settle.start();
    });
}

void HiddenFootprint::release()
{
    if (m_window->isVisible())
        return;
    m_window->releaseResources();
    m_engine->collectGarbage();
    m_engine->trimComponentCache();
    platform::returnFreeMemory();
    qDebug() << "Hidden: scene graph resources, unused components and free memory released";
}
