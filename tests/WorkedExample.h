#pragma once

#include <QByteArray>

namespace Zorvane::Testing {

// The worked example of the reading-file format: ANNA, born on 7 March 1975, as the bytes of its
// four encoded lines, each ended by CR LF.
inline QByteArray annaBytes()
{
    return QByteArray::fromHex("96A3A396"
                               "0D0A"
                               "8C"
                               "0D0A"
                               "A2B6C7B8BD"
                               "0D0A"
                               "868E8C8A"
                               "0D0A");
}

} // namespace Zorvane::Testing
