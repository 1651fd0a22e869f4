// Feeds arbitrary stored values to the reminder's date decoding, as a damaged or hand-edited
// settings file would.
#include "ReminderDate.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Settings values arrive as text of any characters.
    const QString stored =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2));
    const auto date = Zorvane::DecodeReminderDate(stored);
    if (date) {
        if (!date->isValid())
            std::abort();
        // A date read back is stored again as the same date.
        if (Zorvane::DecodeReminderDate(Zorvane::EncodeReminderDate(*date)) != date)
            std::abort();
    }
    const QString latin1 = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)Zorvane::DecodeReminderDate(latin1);
    return 0;
}
