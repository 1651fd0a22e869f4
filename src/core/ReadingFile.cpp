#include "ReadingFile.h"

#include "ShiftCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Zorvane {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QString tr(const char *text)
{
    return QCoreApplication::translate("ReadingFile", text);
}

} // namespace

EncodeResult EncodeReadingFile(const BirthData &data)
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

std::array<QString, kReadingFileLines> ReadReadingFile(QIODevice &device)
{
    std::array<QString, kReadingFileLines> lines;
    QByteArray current;
    int index = 0;
    qint64 total = 0;
    char buffer[4096];
    bool atEnd = false;

    auto finishLine = [&] {
        if (current.endsWith('\r'))
            current.chop(1);
        lines[std::size_t(index++)] = ShiftDecode(current);
        current.clear();
    };

    while (index < kReadingFileLines && total < kMaxReadBytes && !atEnd) {
        const qint64 n = device.read(buffer, qint64(sizeof buffer));
        if (n <= 0)
            break;
        total += n;
        for (qint64 i = 0; i < n && index < kReadingFileLines; ++i) {
            if (buffer[i] == '\n')
                finishLine();
            else if (current.size() < kMaxLineBytes)
                current.append(buffer[i]);
        }
        atEnd = device.atEnd();
    }
    // A last line without a line end still counts.
    if (index < kReadingFileLines && !current.isEmpty())
        finishLine();
    return lines;
}

FileResult WriteReadingFile(const QString &path, const BirthData &data)
{
    const EncodeResult encoded = EncodeReadingFile(data);
    if (!encoded.bytes)
        return {false, encoded.error};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(*encoded.bytes) != encoded.bytes->size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

ReadResult ReadReadingFile(const QString &path)
{
    ReadResult result;
    if (QFileInfo(path).isDir()) {
        result.error = tr("It is a folder, not a file.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.lines = ReadReadingFile(file);
    result.ok = true;
    return result;
}

} // namespace Zorvane
