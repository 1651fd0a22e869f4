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

QUrl HelpPageUrl() { return pageUrl("help-web-page"); }
QUrl HomePageUrl() { return pageUrl("home-page"); }
QUrl DownloadPageUrl() { return pageUrl("download-web-page"); }

void OpenHelpPage() { UrlOpener::open(HelpPageUrl()); }
void OpenHomePage() { UrlOpener::open(HomePageUrl()); }
void OpenDownloadPage() { UrlOpener::open(DownloadPageUrl()); }

QString CommunityBannerText()
{
    const QUrl site(kSiteAddress);
    const QString where = site.host().isEmpty() ? kSiteAddress : site.host();
    return QStringLiteral("Join the Zorvane community at ") + where;
}

} // namespace Zorvane
