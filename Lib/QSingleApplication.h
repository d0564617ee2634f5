#pragma once

#include <QApplication>

class QLocalServer;

// The application object that keeps one copy of the program per user. A
// copy that finds another one listening hands it its last command-line
// argument and marks itself as the second copy (start-up then ends it); the
// first copy emits activeAP() for each later copy.
class QSingleApplication : public QApplication
{
    Q_OBJECT

public:
    // `argc` is taken by reference because QApplication keeps a reference to
    // it for its whole life.
    QSingleApplication(int &argc, char **argv);

    bool isRunning();

    // The local server's name; on Unix the socket file's path in a folder
    // only this user can enter, empty when there is none.
    static QString serverName();

signals:
    void activeAP();

private slots:
    void newLocalConnection();

private:
    static int &withNamesSet(int &argc);
    static bool isOurs(const QString &server);
    bool tellRunningCopy();
    void listen();

    QLocalServer *m_localServer = nullptr;
    bool m_running = false;
};
