#pragma once

class QQmlApplicationEngine;

// Shows the engine's main window in its normal state and brings it above
// all other windows. Does nothing when there is no window.
void bringMainWindowToFront(QQmlApplicationEngine &engine);
