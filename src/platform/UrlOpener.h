#pragma once

#include "Seam.h"

#include <QUrl>

namespace Zorvane {

// Hands a web address to the desktop's default handler. The result is not examined: a page that
// cannot be opened is not reported.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void openUrl(const QUrl &url) = 0;

    static void open(const QUrl &url) { Seam<UrlOpener>::get().openUrl(url); }
};
template <> UrlOpener &Seam<UrlOpener>::production();

} // namespace Zorvane
