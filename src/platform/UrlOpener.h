#pragma once

#include <QList>
#include <QUrl>

namespace Zorvane {

// Hands a web address to the desktop's default handler. The result is not examined: a page that
// cannot be opened is not reported. Tests record the addresses instead.
class UrlOpener
{
public:
    static void open(const QUrl &url);

    static void setTestMode(bool on);
    static const QList<QUrl> &opened();
    static void clearOpened();
};

} // namespace Zorvane
