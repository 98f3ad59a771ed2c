#include "helpviewer/HelpInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace vessant::help {
namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr char kRaisedAnswer[] = "raised\n";

} // namespace

CHelpInstance::CHelpInstance(QObject* parent)
    : QObject(parent), name_(QStringLiteral("Vessant3Help-%1").arg(static_cast<qulonglong>(::getuid()))) {}

CHelpInstance::~CHelpInstance() = default;

bool CHelpInstance::RunningViewerRaised(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // A viewer that is there but hung still counts: a second window would not help.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool CHelpInstance::Publish(std::function<void()> raise) {
    raise_ = std::move(raise);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        if (server_->serverError() != QAbstractSocket::AddressInUseError || RunningViewerRaised())
            return false;
        // The socket of a viewer that crashed: nobody answers on it.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise") && raise_)
                    raise_();
                socket->write(kRaisedAnswer);
                socket->flush();
            });
        }
    });
    return true;
}

} // namespace vessant::help
