#pragma once

#include "BirthData.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

class QIODevice;

namespace Zorvane {

// A reading file holds four shift-encoded lines, each ended by CR LF: name, day, month, year.
inline constexpr int kReadingFileLines = 4;
// Far above any name a person types, yet a stray file cannot fill memory: a larger file is refused
// whole, never read in part.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

struct EncodeResult
{
    std::optional<QByteArray> bytes; // empty when a character cannot be encoded
    QString error;
};

EncodeResult encodeReadingFile(const BirthData &data);

// Up to four decoded lines; a line the file does not have is empty. Lines end at CR LF, a lone LF
// or a lone CR; anything after the fourth line is ignored. Nothing when the device holds more than
// kMaxFileBytes.
std::optional<std::array<QString, kReadingFileLines>> readReadingFile(QIODevice &device);

struct FileResult
{
    bool ok = false;
    QString error; // the system's reason when !ok
};

// Writes atomically: a failure leaves whatever file stood at the path untouched.
FileResult writeReadingFile(const QString &path, const BirthData &data);

struct ReadResult
{
    bool ok = false;
    QString error;
    std::array<QString, kReadingFileLines> lines;
};

// Refuses anything but a regular file (pipe, socket, device, folder) without blocking on it.
ReadResult readReadingFile(const QString &path);

} // namespace Zorvane
