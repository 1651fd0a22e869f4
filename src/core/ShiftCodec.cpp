#include "ShiftCodec.h"

namespace Zorvane {

std::optional<QByteArray> ShiftEncode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.unicode() > kLargestEncodable)
            return std::nullopt;
        out.append(char(ch.unicode() + kShift));
    }
    return out;
}

QString ShiftDecode(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int b = static_cast<unsigned char>(c);
        if (b >= kShift)
            out.append(QChar(b - kShift));
    }
    return out;
}

std::optional<QString> shiftEncodeText(QStringView text)
{
    const std::optional<QByteArray> bytes = ShiftEncode(text);
    if (!bytes)
        return std::nullopt;
    return QString::fromLatin1(*bytes);
}

QString shiftDecodeText(QStringView text)
{
    // A character beyond Latin-1 becomes '?', which lies below the shift and is dropped like any
    // other byte that no encoding produces.
    return ShiftDecode(text.toLatin1());
}

} // namespace Zorvane
