#include "app/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace vessant::ui {
namespace {

constexpr char kRaiseRequest[] = "raise\n";

} // namespace

CInstanceChecker::CInstanceChecker(const std::filesystem::path& dataFolder, QObject* parent)
    : QObject(parent) {
    const QByteArray folder = QByteArray::fromStdString(dataFolder.lexically_normal().string());
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(12);
    name_ = QStringLiteral("Vessant3-%1-%2").arg(static_cast<qulonglong>(::getuid())).arg(QString::fromLatin1(hash));
}

CInstanceChecker::~CInstanceChecker() = default;

bool CInstanceChecker::PreviousInstanceRaised(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The first instance answers once it has handled the request.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool CInstanceChecker::Publish(std::function<void()> raise) {
    raise_ = std::move(raise);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A socket left behind by a run that crashed: nobody answered on it above.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                const QByteArray request = socket->readAll();
                if (request.contains("raise") && raise_)
                    raise_();
                socket->write("ok\n");
                socket->flush();
            });
        }
    });
    return true;
}

} // namespace vessant::ui
