#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int ConnectTimeoutMs = 1000;
}

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName()
{
    const QByteArray home = QDir::homePath().toUtf8();
    return QStringLiteral("pellora-") +
           QString::fromLatin1(QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(12));
}

bool SingleInstance::becomePrimary()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (!probe.waitForConnected(ConnectTimeoutMs)) {
        m_server = std::make_unique<QLocalServer>();
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server->listen(m_name)) {
            // A socket file left behind by a copy that crashed.
            QLocalServer::removeServer(m_name);
            if (!m_server->listen(m_name))
                return true; // run without the guard rather than not at all
        }
        connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::readRequest);
        return true;
    }
    return false;
}

bool SingleInstance::sendToPrimary(const QString &documentPath) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(documentPath.toUtf8() + '\n');
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::readRequest()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readLines = [this, socket] {
            while (socket->canReadLine())
                Q_EMIT activationRequested(QString::fromUtf8(socket->readLine()).chopped(1));
        };
        connect(socket, &QLocalSocket::readyRead, this, readLines);
        readLines();
    }
}
