#pragma once

#include <QString>
#include <QStringList>

namespace Zorvane {

// Holds the per-user marks of a running instance, for as long as this object lives: a socket name
// made of the program's (application) name and the user's id, the same whatever the environment of
// a start, and an exclusive flock on a file named after the program in the first of the given
// folders that can hold one. The kernel lets go of both when the holder ends, however it ends, so
// a mark never outlives its instance. The file's content is information only.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockDir);
    explicit SingleInstance(const QStringList &lockDirs);
    ~SingleInstance();
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True unless another live instance holds the lock.
    bool isFirst() const { return m_first; }
    // The file locked, or empty when no folder could hold a lock.
    QString lockFileName() const { return m_fileName; }

    // Where the lock may live, best first: the user's runtime folder when it is the user's own
    // and writable, then a private folder (0700) under the user's cache folder.
    static QStringList userLockDirs();

private:
    QString m_fileName;
    int m_fd = -1;
    int m_socket = -1;
    bool m_first = false;
};

// Before any window is shown: when another instance holds the lock, tells the user "Application
// is already running" and returns false; this start must then end without a window of its own.
bool proceedAsOnlyInstance(const SingleInstance &instance);

} // namespace Zorvane
