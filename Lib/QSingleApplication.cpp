#include "QSingleApplication.h"

#include "AppDataPath.h"
#include "Brand.h"
#include "Platform/singleinstance.h"

#include <QDebug>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
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

// On Unix the server is a socket file, kept in a folder that only this user
// can enter: the session's runtime folder, or one inside the application-data
// folder. In a shared folder another user's listener would receive every
// later start's argument, or keep the program from starting. Empty when no
// such folder can be had; the copy then runs without the guard.
QString QSingleApplication::serverName()
{
    const QString name = QCoreApplication::organizationName() + QCoreApplication::applicationName();
    if (!platform::localServerIsSocketFile())
        return name;
    const std::string folder = platform::privateSocketFolder(
        QFile::encodeName(qEnvironmentVariable("XDG_RUNTIME_DIR")).toStdString(),
        QFile::encodeName(ensureAppDataPath() + QStringLiteral("/run")).toStdString());
    if (folder.empty())
        return QString();
    return QFile::decodeName(QByteArray::fromStdString(folder)) + QLatin1Char('/') + name;
}

// Another user's socket file is never connected to nor removed.
bool QSingleApplication::isOurs(const QString &server)
{
    if (platform::socketIsOurs(QFile::encodeName(server).toStdString()))
        return true;
    qDebug().noquote() << QStringLiteral("Not our single-instance socket: ") + server;
    return false;
}

bool QSingleApplication::isRunning()
{
    return m_running;
}

bool QSingleApplication::tellRunningCopy()
{
    const QString server = serverName();
    if (server.isEmpty() || !isOurs(server))
        return false;
    QLocalSocket socket;
    socket.connectToServer(server, QIODevice::ReadWrite);
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
    const QString server = serverName();
    if (server.isEmpty()) {
        qDebug() << "No private folder for the single-instance socket.";
        return;
    }
    m_localServer = new QLocalServer(this);
    connect(m_localServer, &QLocalServer::newConnection, this, &QSingleApplication::newLocalConnection);
    if (m_localServer->listen(server))
        return;
    // A copy that died leaves its socket file behind; nobody answered on it.
    if (m_localServer->serverError() == QAbstractSocket::AddressInUseError && QFile::exists(server)
        && isOurs(server)) {
        QLocalServer::removeServer(server);
        m_localServer->listen(server);
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
