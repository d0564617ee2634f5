#pragma once

#include <QObject>
#include <QRect>

class QQmlApplicationEngine;
class QScreen;

// Shows the engine's main window in its normal state and brings it above
// all other windows. Does nothing when there is no window.
void bringMainWindowToFront(QQmlApplicationEngine &engine);

// The part of the primary screen that windows may use (without panels and
// docks), and of all screens together, for the main window to place and
// fit itself in. QML sees a screen's size only, not where its panels are.
class ScreenArea : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QRect available READ available NOTIFY changed)
    Q_PROPERTY(QRect desktop READ desktop NOTIFY changed)

public:
    explicit ScreenArea(QObject *parent = nullptr);

    QRect available() const;
    QRect desktop() const;

signals:
    void changed();

private:
    void watch(QScreen *screen);
};
