#include "UpdateReminder.h"

#include "Clock.h"
#include "MessageBox.h"
#include "ReminderDate.h"
#include "SettingsStore.h"
#include "ShiftCodec.h"
#include "WebLinks.h"

#include <QDate>

namespace Zorvane {

namespace {

const QString kSection = QStringLiteral("Settings");
constexpr qint64 kReminderDays = 14;

QString reminderKey()
{
    return shiftEncodeText(u"Duration").value_or(QString());
}

void storeDate(const QDate &date)
{
    SettingsStore::setValue(kSection, reminderKey(), encodeReminderDate(date));
}

} // namespace

void UpdateReminder(QWidget *parent)
{
    if (!SettingsStore::isUsable())
        return; // nowhere to keep the date: skip the reminder this time
    const QDate today = Clock::today();
    const std::optional<QDate> last =
        decodeReminderDate(SettingsStore::value(kSection, reminderKey()));

    // A value that is not a date (damaged, or edited by hand) would otherwise block the reminder
    // on every start from now on; start counting afresh instead, as on the first start.
    if (!last) {
        storeDate(today);
        return;
    }

    const qint64 days = today.daysTo(*last);
    if (days >= -kReminderDays && days <= kReminderDays)
        return;

    const QMessageBox::StandardButton answer = MessageBox::askYesNo(
        parent, QStringLiteral("There maybe an update to this software available") + QChar(u'\r') +
                    QStringLiteral("Do you want to check for an update?"));
    storeDate(today);
    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
}

} // namespace Zorvane
