#pragma once

#include <QTemporaryDir>

namespace Zorvane::Fuzzing {

// One scratch folder for the whole fuzzing run, removed when it ends.
inline const QTemporaryDir &folder()
{
    static const QTemporaryDir dir;
    return dir;
}

} // namespace Zorvane::Fuzzing
