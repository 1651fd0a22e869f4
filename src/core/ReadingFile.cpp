#include "ReadingFile.h"

#include "FileReplacement.h"
#include "ShiftCodec.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Zorvane {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QString tooLarge()
{
    return QStringLiteral("It is larger than any reading file can be (%1 MiB).")
        .arg(kMaxFileBytes >> 20);
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
            return {std::nullopt,
                    QStringLiteral("The text \"%1\" holds characters that a reading file "
                                   "cannot store.")
                        .arg(value)};
        out += *line + kLineEnd;
    }
    // Only what can be read back is saved.
    if (out.size() > kMaxFileBytes)
        return {std::nullopt, tooLarge()};
    return {out, {}};
}

std::optional<std::array<QString, kReadingFileLines>> readReadingFile(QIODevice &device)
{
    // One byte more than allowed tells a file at the bound from a larger one.
    const QByteArray bytes = device.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return std::nullopt;

    std::array<QString, kReadingFileLines> lines;
    std::size_t index = 0;
    qsizetype start = 0;
    qsizetype i = 0;
    // CR LF, a lone LF and a lone CR each end a line.
    for (; i < bytes.size() && index < lines.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines[index++] = ShiftDecode(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    // A last line without a line end still counts.
    if (index < lines.size() && start < bytes.size())
        lines[index] = ShiftDecode(bytes.sliced(start));
    return lines;
}

FileResult writeReadingFile(const QString &path, const BirthData &data)
{
    const EncodeResult encoded = encodeReadingFile(data);
    if (!encoded.bytes)
        return {false, encoded.error};
    FileReplacement file(path);
    if (!file.open() || !file.write(*encoded.bytes) || !file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

ReadResult readReadingFile(const QString &path)
{
    ReadResult result;
    if (QFileInfo(path).isDir()) {
        result.error = QStringLiteral("It is a folder, not a file.");
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
        result.error = notARegularFileReason();
        return result;
    }
    if (st.st_size > kMaxFileBytes) {
        ::close(fd);
        result.error = tooLarge();
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        result.error = file.errorString();
        return result;
    }
    const auto lines = readReadingFile(file);
    if (!lines) {
        result.error = tooLarge(); // it grew while being read
        return result;
    }
    result.lines = *lines;
    result.ok = true;
    return result;
}

} // namespace Zorvane
