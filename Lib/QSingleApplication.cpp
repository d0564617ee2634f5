#include "QSingleApplication.h"

#include "AppDataPath.h"
#include "Brand.h"
#include "Platform/singleinstance.h"

#include <QDebug>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTextStream>

namespace {

const QString kCompany = QLatin1String(kCompanyWord);
constexpr int kConnectTimeoutMs = 500;
constexpr int kWriteTimeoutMs = 30000;
constexpr int kReadTimeoutMs = 1000;

} // namespace

// The names are set, and the application-data folder created, before the
// QApplication part exists: every per-user path depends on them, and the log
// file must already be reachable for the messages Qt writes while the
// application object is being built.
int &QSingleApplication::withNamesSet(int &argc)
{
    QCoreApplication::setOrganizationName(kCompany);
    QCoreApplication::setApplicationName(kCompany + QStringLiteral(" Portview"));
    ensureAppDataPath();
    return argc;
}

QSingleApplication::QSingleApplication(int &argc, char **argv)
    : QApplication(withNamesSet(argc), argv)
{
    if (tellRunningCopy())
        m_running = true;
    else
        listen();
}

// On Unix the server is a socket file. In the user's private runtime folder
// it belongs to that user alone; under a plain name it would lie in the
// shared /tmp, where one user's copy would keep every other user's copies
// from finding each other.
QString QSingleApplication::serverName()
{
    const QString name = QCoreApplication::organizationName() + QCoreApplication::applicationName();
    if (!platform::localServerIsSocketFile())
        return name;
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtimeDir.isEmpty() ? name : runtimeDir + QLatin1Char('/') + name;
}

bool QSingleApplication::isRunning()
{
    return m_running;
}

bool QSingleApplication::tellRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(serverName(), QIODevice::ReadWrite);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;

    const QStringList args = QCoreApplication::arguments();
    QTextStream stream(&socket);
    stream << (args.size() > 1 ? args.last() : QString());
    stream.flush();
    qDebug() << "Have already connected to server.";
    socket.waitForBytesWritten(kWriteTimeoutMs);
    return true;
}

void QSingleApplication::listen()
{
    m_localServer = new QLocalServer(this);
    connect(m_localServer, &QLocalServer::newConnection, this, &QSingleApplication::newLocalConnection);
    if (m_localServer->listen(serverName()))
        return;
    // A copy that died leaves its socket file behind; nobody answered on it.
    if (m_localServer->serverError() == QAbstractSocket::AddressInUseError
        && QFile::exists(serverName())) {
        QLocalServer::removeServer(serverName());
        m_localServer->listen(serverName());
    }
}

void QSingleApplication::newLocalConnection()
{
    QLocalSocket *socket = m_localServer->nextPendingConnection();
    if (!socket)
        return;
    socket->waitForReadyRead(kReadTimeoutMs);
    QString word;
    {
        QTextStream stream(socket);
        stream >> word;
    }
    qDebug() << QStringLiteral("The value is: %1").arg(word);
    delete socket;
    emit activeAP();
}
