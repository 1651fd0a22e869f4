#include "Clock.h"

namespace Zorvane {

namespace {

class SystemClock : public Clock
{
public:
    QDate currentDate() const override { return QDate::currentDate(); }
};

} // namespace

template <> Clock &Seam<Clock>::production()
{
    static SystemClock clock;
    return clock;
}

} // namespace Zorvane
