#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace Zorvane {

// Reading files and the stored reminder date hide their text by shifting every character code
// up by 85. Codes above 170 do not fit in a byte after the shift.
inline constexpr int kShift = 85;
inline constexpr int kLargestEncodable = 255 - kShift;

// One byte per character; std::nullopt when a character cannot be encoded.
std::optional<QByteArray> ShiftEncode(QStringView text);
// The inverse; bytes below 85 have no decoded form and are skipped.
QString ShiftDecode(QByteArrayView bytes);

// The same shift for values kept as text (one character per encoded byte).
std::optional<QString> shiftEncodeText(QStringView text);
QString shiftDecodeText(QStringView text);

} // namespace Zorvane
