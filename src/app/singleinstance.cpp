// TSingleInstance: a local socket named after the user and the data folder; the first copy listens on it.
#include "app/singleinstance.h"

#include "platform/paths.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

namespace qm {

namespace {

// One request line: the word, a blank and the card path in base 64 (file names may hold any character).
const QByteArray kRequest = QByteArrayLiteral("quillmark-activate");
const QByteArray kAnswer = QByteArrayLiteral("ok\n");
constexpr qint64 kMaxRequest = 64 * 1024;

} // namespace

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), mName(name.isEmpty() ? ServerName() : name)
{}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ServerName()
{
    const QByteArray folder = ProgramFolder().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("quillmark-%1-%2").arg(uint(getuid())).arg(QString::fromLatin1(hash));
}

bool TSingleInstance::Listening() const
{
    return mServer && mServer->isListening();
}

bool TSingleInstance::Start(const QString& cardPath)
{
    const QString card = cardPath.isEmpty() ? QString() : QFileInfo(cardPath).absoluteFilePath();
    if (Send(card))
        return false;
    // Nobody answered: this is the first copy. A socket left behind by a copy that crashed is cleared away.
    return Listen();
}

bool TSingleInstance::Send(const QString& cardPath)
{
    QLocalSocket socket;
    socket.connectToServer(mName);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    socket.write(kRequest + ' ' + cardPath.toUtf8().toBase64() + '\n');
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return false;
    // A copy that accepted the connection runs, even if it is too busy to answer in time.
    while (!socket.canReadLine() && socket.waitForReadyRead(kTimeoutMs)) {
    }
    socket.disconnectFromServer();
    return true;
}

bool TSingleInstance::Listen()
{
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(mServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = mServer->nextPendingConnection())
            Serve(socket);
    });
    if (mServer->listen(mName))
        return true;
    if (mServer->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(mName);
        if (mServer->listen(mName))
            return true;
    }
    // Without the socket the program still runs; it just cannot be found by later starts.
    return true;
}

void TSingleInstance::Serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QPointer<QLocalSocket> guard(socket);
    const auto handle = [this, guard] {
        if (!guard)
            return;
        if (!guard->canReadLine()) {
            if (guard->bytesAvailable() > kMaxRequest)
                guard->abort();
            return;
        }
        const QByteArray line = guard->readLine(kMaxRequest).trimmed();
        const qsizetype blank = line.indexOf(' ');
        const QByteArray word = blank < 0 ? line : line.left(blank);
        if (word != kRequest) {
            guard->abort();
            return;
        }
        const QString card =
            QString::fromUtf8(QByteArray::fromBase64(blank < 0 ? QByteArray() : line.mid(blank + 1)));
        guard->write(kAnswer);
        guard->flush();
        guard->disconnectFromServer();
        // Answered first: the later start ends at once, whatever this copy asks its user meanwhile.
        QMetaObject::invokeMethod(
            this, [this, card] { emit ActivationRequested(card); }, Qt::QueuedConnection);
    };
    connect(socket, &QLocalSocket::readyRead, this, handle);
    if (socket->bytesAvailable() > 0)
        handle();
}

} // namespace qm
