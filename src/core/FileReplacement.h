#pragma once

#include <QByteArray>
#include <QString>

namespace Zorvane {

// Writes a file beside its target under a short name of its own and moves it into place only once
// it is complete: a failure (a full disk, a size limit, a name at the length limit) leaves whatever
// stood at the target exactly as it was. A target that exists but is not a regular file (a pipe, a
// device, a folder) is refused before anything opens it.
class FileReplacement
{
public:
    explicit FileReplacement(const QString &target);
    // Removes the unfinished file unless it was committed.
    ~FileReplacement();
    Q_DISABLE_COPY_MOVE(FileReplacement)

    bool open();
    // The unfinished file, for writers that write to it by handle.
    int handle() const { return m_fd; }
    bool write(const QByteArray &bytes);
    // Gives the new file the old one's permissions (a new one the usual ones), makes sure it is on
    // disk and puts it in the target's place.
    bool commit();
    QString errorString() const { return m_error; }

private:
    bool failWithErrno();

    QString m_target;
    QString m_temporary;
    QString m_error;
    int m_fd = -1;
    bool m_committed = false;
};

// Whether something other than a regular file stands at the path: a pipe, a device, a folder.
bool isNonRegularFile(const QString &path);

// The reason given for a target that is not a regular file.
QString notARegularFileReason();

// Whether Qt can place a per-user folder of the kind the XDG variable names (XDG_CONFIG_HOME,
// XDG_CACHE_HOME): with neither a home nor the variable it would name one at the root of the file
// system.
bool hasUserFolder(const char *xdgVariable);

} // namespace Zorvane
