#include "UpdateReminder.h"

#include "Clock.h"
#include "MessageBox.h"
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
    return ShiftEncodeText(u"Duration").value_or(QString());
}

// ISO dates read back the same whatever the user's locale is at the next start.
void storeDate(const QDate &date)
{
    const QString text = date.toString(Qt::ISODate);
    SettingsStore::setValue(kSection, reminderKey(), ShiftEncodeText(text).value_or(QString()));
}

} // namespace

void UpdateReminder(QWidget *parent)
{
    const QDate today = Clock::today();
    const QString stored = ShiftDecodeText(SettingsStore::value(kSection, reminderKey()));
    const QDate last = QDate::fromString(stored, Qt::ISODate);

    // A value that is not a date (damaged, or edited by hand) would otherwise block the reminder
    // on every start from now on; start counting afresh instead, as on the first start.
    if (!last.isValid()) {
        storeDate(today);
        return;
    }

    const qint64 days = today.daysTo(last);
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
