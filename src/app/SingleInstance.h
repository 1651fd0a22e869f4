#pragma once

#include <QLockFile>
#include <QString>

namespace Zorvane {

// Holds the per-user lock that marks a running instance, for as long as this object lives.
// The lock file is named after the program (its application name) in lockDir. A lock left behind
// by an instance that crashed or was killed is taken over; a live instance's lock never is.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockDir);
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True unless another live instance holds the lock.
    bool isFirst() const { return m_first; }
    QString lockFileName() const { return m_fileName; }

    // The user's runtime folder, or a private folder of the user's under the temp folder.
    static QString userLockDir();

private:
    QString m_fileName;
    QLockFile m_lock;
    bool m_first = false;
};

// Before any window is shown: when another instance holds the lock, tells the user "Application
// is already running" and returns false; this start must then end without a window of its own.
bool ProceedAsOnlyInstance(const SingleInstance &instance);

} // namespace Zorvane
