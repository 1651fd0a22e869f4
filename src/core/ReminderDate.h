#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace Zorvane {

// The update reminder keeps the date of the last reminder shift-encoded, written as ISO 8601 so
// that every later start reads it back the same whatever the user's locale.
QString encodeReminderDate(const QDate &date);
// std::nullopt for anything that is not such a date: missing, damaged or edited by hand.
std::optional<QDate> decodeReminderDate(const QString &stored);

} // namespace Zorvane
