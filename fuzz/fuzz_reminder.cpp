// Writes arbitrary bytes as the settings file and runs the reminder's start-up check on it, as a
// damaged or hand-edited settings file would reach it.
#include "Clock.h"
#include "FuzzSupport.h"
#include "MessageBox.h"
#include "SeamDoubles.h"
#include "SettingsStore.h"
#include "UpdateReminder.h"
#include "UrlOpener.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>

using Zorvane::Fuzzing::folder;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool ready = [] {
        static Zorvane::FileSettingsStore settings(folder().path());
        Zorvane::Seam<Zorvane::SettingsStore>::install(&settings);
        Zorvane::Testing::TestMessageBox::setTestMode(true);
        Zorvane::Testing::TestUrlOpener::setTestMode(true);
        Zorvane::Testing::TestClock::setToday(QDate(2024, 3, 10));
        return QDir().mkpath(QFileInfo(Zorvane::SettingsStore::fileName()).path());
    }();
    if (!ready)
        std::abort();
    {
        QFile file(Zorvane::SettingsStore::fileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    Zorvane::UpdateReminder(nullptr);
    // At most the one question; a second run the same day asks nothing.
    if (Zorvane::Testing::TestMessageBox::shown().size() > 1)
        std::abort();
    Zorvane::Testing::TestMessageBox::clearShown();
    Zorvane::UpdateReminder(nullptr);
    if (!Zorvane::Testing::TestMessageBox::shown().isEmpty())
        std::abort();
    Zorvane::Testing::TestUrlOpener::clearOpened();
    return 0;
}
