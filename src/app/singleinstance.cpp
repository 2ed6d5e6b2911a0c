// SPDX-License-Identifier: GPL-3.0-or-later
// TSingleInstance: a local socket named after the user and the data folder; the first copy listens on it.
#include "app/singleinstance.h"

#include "platform/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <cerrno>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

// One request line: the word, a blank and the card path in base 64 (file names may hold any character).
const QByteArray kRequest = QByteArrayLiteral("quillmark-activate");
const QByteArray kAnswer = QByteArrayLiteral("ok\n");
constexpr qint64 kMaxRequest = 64 * 1024;

} // namespace

namespace {

// The other end of a connected local socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == getuid();
}

// A real folder (not a link) of this user that no one else may enter.
bool IsPrivateFolder(const QByteArray& path)
{
    struct stat info {};
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

} // namespace

QString TSingleInstance::RuntimeFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return QString::fromLocal8Bit(runtime);
    const QByteArray own = QFile::encodeName(QDir::tempPath()) + "/quillmark-" + QByteArray::number(getuid());
    if (mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return IsPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

TSingleInstance::TSingleInstance(const QString& name, QObject* parent) : QObject(parent)
{
    const QString bare = name.isEmpty() ? ServerName() : name;
    if (QDir::isAbsolutePath(bare)) {
        mName = bare;
    } else {
        const QString folder = RuntimeFolder();
        if (!folder.isEmpty())
            mName = QDir(folder).filePath(bare);
    }
}

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
    if (mName.isEmpty())
        return true;
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
    // Someone else listening under our name hears nothing, not even which card is opened.
    if (!PeerIsThisUser(socket)) {
        socket.abort();
        return false;
    }
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
    if (!PeerIsThisUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
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
