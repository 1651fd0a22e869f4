#pragma once

#include <QValidator>

namespace Zorvane {

// Applies the name rule to whatever an edit inserts, so that no path into the box (typing,
// pasting, dropping, an input method) can add a refused character. Text already in the box, such
// as a name read from a file, stays as it is until the user deletes it.
class NameFilter : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;

    // The box's text after each change: what the next edit is measured against.
    void setBefore(const QString &text) { m_before = text; }
    bool takeRefused();

private:
    QString m_before;
    mutable bool m_refused = false;
};

} // namespace Zorvane
