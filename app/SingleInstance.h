#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "app/InstanceChannel.h"

namespace bytelora {

// Where the instances of one user meet: the lock file that the running instance holds,
// and the local server name that a second start knocks on.
struct InstanceLocation {
    std::filesystem::path lockFile;
    // On Linux the path of the socket; on Windows the name of the pipe.
    std::string serverName;
};

// The current user's meeting place: on Linux the lock and the socket live in
// XDG_RUNTIME_DIR (the temporary folder when it is unset), named with the user id.
InstanceLocation UserInstanceLocation();

// Keeps Bytelora to one instance per user. The first start holds the lock and listens;
// a later start finds the lock held, asks the running instance to come forward, and
// ends. A lock left behind by a process that died is taken over.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    enum class Role {
        First,       // this is the only instance: go on starting
        HandedOver,  // the running instance was asked to come forward: end now
        Unanswered,  // an instance holds the lock but did not take the request: end now
    };

    explicit SingleInstance(InstanceLocation location,
                            std::chrono::milliseconds answerWait = std::chrono::seconds(3),
                            QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Role Claim();
    // Why the guard could not be set up, when it could not; the program then runs
    // unguarded rather than not at all.
    const QString& Problem() const { return problem_; }

  signals:
    // A later start asked this instance to show its window.
    void ActivationRequested();

  private:
    bool TakeLock();
    void Listen();
    bool AskRunningInstance();

    InstanceLocation location_;
    std::chrono::milliseconds answerWait_;
    QLockFile lock_;
    std::unique_ptr<InstanceListener> listener_;
    QString problem_;
};

}  // namespace bytelora
