#pragma once
// One help window per user: a later start of the viewer asks the running one, through a
// local socket, to come to the front, and ends without a window of its own.

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace vessant::help {

class CHelpInstance : public QObject {
    Q_OBJECT
public:
    explicit CHelpInstance(QObject* parent = nullptr);
    ~CHelpInstance() override;

    const QString& Name() const { return name_; }
    // True when a running viewer answered; it has been asked to come to the front.
    bool RunningViewerRaised(int timeoutMs = 1000) const;
    // Makes this viewer the one later starts find; raise runs for each of their requests.
    // False when another viewer holds the name (it started between the check and now) or
    // the socket cannot be made.
    bool Publish(std::function<void()> raise);

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void()> raise_;
};

} // namespace vessant::help
