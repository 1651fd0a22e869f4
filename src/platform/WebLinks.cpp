#include "WebLinks.h"

#include "AppInfo.h"
#include "UrlOpener.h"

namespace Zorvane {

namespace {

QUrl pageUrl(const char *key)
{
    return QUrl(kSiteAddress + QStringLiteral("/zorvane/ssd.php?page=") + QLatin1StringView(key));
}

} // namespace

QUrl helpPageUrl()
{
    return pageUrl("help-web-page");
}
QUrl homePageUrl()
{
    return pageUrl("home-page");
}
QUrl downloadPageUrl()
{
    return pageUrl("download-web-page");
}

void OpenHelpPage()
{
    UrlOpener::open(helpPageUrl());
}
void OpenHomePage()
{
    UrlOpener::open(homePageUrl());
}
void OpenDownloadPage()
{
    UrlOpener::open(downloadPageUrl());
}

QString communityBannerText()
{
    const QUrl site(kSiteAddress);
    const QString where = site.host().isEmpty() ? kSiteAddress : site.host();
    return QStringLiteral("Join the Zorvane community at ") + where;
}

} // namespace Zorvane
