// The reference for start-up time and memory: a bare Qt Quick window with the
// same scene-graph back end and nothing else.
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>

int main(int argc, char *argv[])
{
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                    "Window { width: 962; height: 640; visible: true; title: \"bare\" }\n");
    return app.exec();
}
