#include "UrlOpener.h"

#include <QDesktopServices>

namespace Zorvane {

namespace {

class DesktopUrlOpener : public UrlOpener
{
public:
    void openUrl(const QUrl &url) override { QDesktopServices::openUrl(url); }
};

} // namespace

template <> UrlOpener &Seam<UrlOpener>::production()
{
    static DesktopUrlOpener opener;
    return opener;
}

} // namespace Zorvane
