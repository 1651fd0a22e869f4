#include "ReminderDate.h"

#include "ShiftCodec.h"

namespace Zorvane {

QString encodeReminderDate(const QDate &date)
{
    return shiftEncodeText(date.toString(Qt::ISODate)).value_or(QString());
}

std::optional<QDate> decodeReminderDate(const QString &stored)
{
    const QDate date = QDate::fromString(shiftDecodeText(stored), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace Zorvane
