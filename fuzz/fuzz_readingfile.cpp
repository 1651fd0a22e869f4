// Writes arbitrary bytes to a real file and opens it through the function the Open command
// calls: the name check, the folder and regular-file checks, the non-blocking open and the
// bounded reader.
#include "FuzzSupport.h"
#include "MessageBox.h"
#include "OpenReading.h"
#include "ReadingFile.h"
#include "SeamDoubles.h"
#include "ShiftCodec.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

using Zorvane::Fuzzing::folder;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Zorvane::Testing::TestMessageBox::setTestMode(true);
    // The first byte picks the name, so that refused names are reached as well.
    static const char *const kNames[] = {"reading.zvr", "readingzvr", "reading.ZVR", "reading.txt"};
    const char *name = kNames[size ? data[0] % 4 : 0];
    const QString path = folder().filePath(QString::fromLatin1(name));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    const auto lines = Zorvane::readChosenReadingFile(nullptr, path);
    const bool refused = !Zorvane::Testing::TestMessageBox::shown().isEmpty();
    // Exactly one outcome: the lines, or one message.
    if (bool(lines) == refused || Zorvane::Testing::TestMessageBox::shown().size() > 1)
        std::abort();
    if (lines) {
        for (const QString &line : *lines) {
            if (line.size() > Zorvane::kMaxFileBytes)
                std::abort();
            // Every decoded line encodes back to bytes that decode to the same text.
            const auto again = Zorvane::ShiftEncode(line);
            if (!again || Zorvane::ShiftDecode(*again) != line)
                std::abort();
        }
    }
    Zorvane::Testing::TestMessageBox::clearShown();
    QFile::remove(path);
    return 0;
}
