#pragma once

#include <QDate>

namespace Zorvane {

// Today's date, which tests can move.
class Clock
{
public:
    static QDate today();
    static void setToday(const QDate &date); // an invalid date returns to the system clock
};

} // namespace Zorvane
