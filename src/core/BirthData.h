#pragma once

#include <QString>

namespace Zorvane {

// What the last successful request for a reading stored, for the report and for saved files.
struct BirthData
{
    QString Name; // trimmed
    qint16 Year = 0;
    QString Month; // English month name, e.g. "March"
    qint16 Day = 0;
};

inline const QString kMsgOnlyLetters = QStringLiteral("Please Enter only Letters");
inline const QString kMsgEnterName = QStringLiteral("Please Enter  Your Name !");
inline const QString kMsgCorrectDate = QStringLiteral("Please Enter Correct Date of Birth !");

// The two keys the name rule lets through besides letters and blanks, as character codes.
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;

struct KeyFilterResult
{
    int code = 0;         // the character to insert; 0 swallows it
    bool refused = false; // the caller shows kMsgOnlyLetters
};

// The name box takes capital letters A to Z and blanks; lower-case letters become capitals,
// Backspace and Enter pass, everything else is refused.
KeyFilterResult filterNameKey(int code);

struct TextFilterResult
{
    QString text;
    bool refused = false;
};

// The same rule for text that arrives without being typed (paste, drop, input methods), applied
// character by character; refused characters are dropped.
TextFilterResult filterNameText(const QString &text);

enum class Validation
{
    Ok,
    EmptyName,
    ImpossibleDate,
};

// The name as stored and saved: blanks trimmed from both ends, and nothing else (tabs and other
// white space stay, so that the report shows what the saved file holds).
QString trimBlanks(const QString &text);

// Checks in order: the untrimmed name is not empty; the day exists in the month (29 February is
// always accepted). Positions are 0-based list positions, -1 when nothing is selected.
Validation ValidateBirthData(const QString &nameText, qint16 monthPos, qint16 dayPos);

// The message for a failed validation; empty for Validation::Ok.
QString validationMessage(Validation v);

} // namespace Zorvane
