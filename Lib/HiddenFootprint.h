#pragma once

#include <QObject>
#include <QTimer>

class QQmlEngine;
class QQuickWindow;

// The program waits in the tray most of the day. Once the main window has
// been hidden for a moment, what only a shown window needs goes: the scene
// graph's resources, unused compiled components, the script heap's garbage,
// and then the freed memory itself goes back to the system. Nothing a person
// sees is dropped: the window's items stay, so it shows again at once.
class HiddenFootprint : public QObject
{
    Q_OBJECT

public:
    HiddenFootprint(QQmlEngine *engine, QQuickWindow *window, QObject *parent = nullptr);

private:
    void release();

    QQmlEngine *m_engine;
    QQuickWindow *m_window;
    QTimer m_settle;
};
