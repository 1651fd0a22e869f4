#include "ReminderDate.h"

#include "ShiftCodec.h"

namespace Zorvane {

QString EncodeReminderDate(const QDate &date)
{
    return ShiftEncodeText(date.toString(Qt::ISODate)).value_or(QString());
}

std::optional<QDate> DecodeReminderDate(const QString &stored)
{
    const QDate date = QDate::fromString(ShiftDecodeText(stored), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace Zorvane
