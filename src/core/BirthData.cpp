#include "BirthData.h"

namespace Zorvane {

namespace {

constexpr int kBlank = 32;

bool isUpper(int c)
{
    return c >= 'A' && c <= 'Z';
}
bool isLower(int c)
{
    return c >= 'a' && c <= 'z';
}

} // namespace

KeyFilterResult filterNameKey(int code)
{
    if (isLower(code))
        return {code - 32, false};
    if (isUpper(code))
        return {code, false};
    if (code == kBackspace || code == kEnter || code == kBlank)
        return {code, false};
    return {0, true};
}

TextFilterResult filterNameText(const QString &text)
{
    TextFilterResult result;
    result.text.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode();
        // Backspace and Enter are keys, not text: pasted control characters are refused.
        if (isLower(code) || isUpper(code) || code == kBlank)
            result.text.append(QChar(filterNameKey(code).code));
        else
            result.refused = true;
    }
    return result;
}

Validation ValidateBirthData(const QString &nameText, qint16 monthPos, qint16 dayPos)
{
    if (nameText.isEmpty())
        return Validation::EmptyName;
    if (monthPos == 1 && (dayPos == 29 || dayPos == 30))
        return Validation::ImpossibleDate;
    const bool thirtyDayMonth = monthPos == 3 || monthPos == 5 || monthPos == 8 || monthPos == 10;
    if (thirtyDayMonth && dayPos == 30)
        return Validation::ImpossibleDate;
    return Validation::Ok;
}

QString validationMessage(Validation v)
{
    switch (v) {
    case Validation::EmptyName:
        return kMsgEnterName;
    case Validation::ImpossibleDate:
        return kMsgCorrectDate;
    case Validation::Ok:
        break;
    }
    return {};
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace Zorvane
