// Feeds arbitrary bytes to the reading-file reader, as a file chosen in the open dialog would.
#include "ReadingFile.h"
#include "ShiftCodec.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto lines = Zorvane::ReadReadingFile(buffer);

    for (const QString &line : lines) {
        if (line.size() > Zorvane::kMaxLineBytes)
            std::abort();
        // Every decoded line encodes back to bytes that decode to the same text.
        const auto again = Zorvane::ShiftEncode(line);
        if (!again || Zorvane::ShiftDecode(*again) != line)
            std::abort();
    }
    return 0;
}
