#include "ReadingFile.h"

#include "ShiftCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Zorvane {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QString tr(const char *text)
{
    return QCoreApplication::translate("ReadingFile", text);
}

} // namespace

EncodeResult encodeReadingFile(const BirthData &data)
{
    const QString values[kReadingFileLines] = {data.Name, QString::number(data.Day), data.Month,
                                               QString::number(data.Year)};
    QByteArray out;
    for (const QString &value : values) {
        const std::optional<QByteArray> line = ShiftEncode(value);
        if (!line)
            return {std::nullopt, tr("The text \"%1\" holds characters that a reading file "
                                     "cannot store.")
                                      .arg(value)};
        out += *line + kLineEnd;
    }
    return {out, {}};
}

std::array<QString, kReadingFileLines> readReadingFile(QIODevice &device)
{
    std::array<QString, kReadingFileLines> lines;
    QByteArray current;
    int index = 0;
    qint64 total = 0;
    char buffer[4096];
    bool atEnd = false;

    // CR LF, a lone LF and a lone CR each end a line; the LF of a CR LF is skipped.
    bool afterCr = false;
    auto finishLine = [&] {
        lines[std::size_t(index++)] = ShiftDecode(current);
        current.clear();
    };

    while (index < kReadingFileLines && total < kMaxReadBytes && !atEnd) {
        const qint64 n = device.read(buffer, qint64(sizeof buffer));
        if (n <= 0)
            break;
        total += n;
        for (qint64 i = 0; i < n && index < kReadingFileLines; ++i) {
            const char c = buffer[i];
            const bool skip = afterCr && c == '\n';
            afterCr = c == '\r';
            if (skip)
                continue;
            if (c == '\n' || c == '\r')
                finishLine();
            else if (current.size() < kMaxLineBytes)
                current.append(c);
        }
        atEnd = device.atEnd();
    }
    // A last line without a line end still counts.
    if (index < kReadingFileLines && !current.isEmpty())
        finishLine();
    return lines;
}

FileResult writeReadingFile(const QString &path, const BirthData &data)
{
    const EncodeResult encoded = encodeReadingFile(data);
    if (!encoded.bytes)
        return {false, encoded.error};
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself: a buffered write succeeds and the
    // error would only surface while committing, after which the target is already replaced.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    if (file.write(*encoded.bytes) != encoded.bytes->size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

ReadResult readReadingFile(const QString &path)
{
    ReadResult result;
    if (QFileInfo(path).isDir()) {
        result.error = tr("It is a folder, not a file.");
        return result;
    }
    // Without blocking: a pipe, even one swapped in after any check, must not freeze the caller.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = QString::fromLocal8Bit(std::strerror(errno));
        return result;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.error = tr("It is not a regular file.");
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        result.error = file.errorString();
        return result;
    }
    result.lines = readReadingFile(file);
    result.ok = true;
    return result;
}

} // namespace Zorvane
