#pragma once

#include <QString>
#include <QUrl>

namespace Zorvane {

// The maker's pages, each the site address followed by "/zorvane/ssd.php?page=" and its key.
QUrl helpPageUrl();
QUrl homePageUrl();
QUrl downloadPageUrl();

// Open one page in the user's browser; a page that cannot be opened is not reported.
void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();

// One line advertising the maker's web community, for the banners.
QString communityBannerText();

} // namespace Zorvane
