#pragma once
// One calendar per user and data folder: a later start finds the running one through a
// local socket, asks it to come to the front, and ends.

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>

class QLocalServer;

namespace vessant::ui {

class CInstanceChecker : public QObject {
    Q_OBJECT
public:
    // The guard's name for a data folder: the program, the user and the folder.
    explicit CInstanceChecker(const std::filesystem::path& dataFolder, QObject* parent = nullptr);
    ~CInstanceChecker() override;

    const QString& Name() const { return name_; }
    // True when a running instance answered; it has been asked to raise its window.
    bool PreviousInstanceRaised(int timeoutMs = 1000) const;
    // Publishes this instance; raise is called whenever a later start asks for it.
    bool Publish(std::function<void()> raise);

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void()> raise_;
};

} // namespace vessant::ui
