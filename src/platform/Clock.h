#pragma once

#include "Seam.h"

#include <QDate>

namespace Zorvane {

// Today's date.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate currentDate() const = 0;

    static QDate today() { return Seam<Clock>::get().currentDate(); }
};
template <> Clock &Seam<Clock>::production();

} // namespace Zorvane
