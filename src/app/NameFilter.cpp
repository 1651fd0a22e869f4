#include "NameFilter.h"

#include "BirthData.h"

#include <algorithm>
#include <utility>

namespace Zorvane {

QValidator::State NameFilter::validate(QString &input, int &pos) const
{
    const qsizetype common = std::min(input.size(), m_before.size());
    qsizetype prefix = 0;
    while (prefix < common && input.at(prefix) == m_before.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix &&
           input.at(input.size() - 1 - suffix) == m_before.at(m_before.size() - 1 - suffix))
        ++suffix;
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    const TextFilterResult filtered = filterNameText(inserted);
    if (filtered.text != inserted) {
        const qsizetype end = prefix + inserted.size();
        if (pos > end)
            pos -= int(inserted.size() - filtered.text.size());
        else if (pos > prefix)
            pos = int(prefix + filterNameText(inserted.left(pos - prefix)).text.size());
        input = input.left(prefix) + filtered.text + input.right(suffix);
    }
    m_refused = m_refused || filtered.refused;
    return Acceptable;
}

bool NameFilter::takeRefused()
{
    return std::exchange(m_refused, false);
}

} // namespace Zorvane
