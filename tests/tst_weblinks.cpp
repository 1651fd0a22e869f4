#include "AppInfo.h"
#include "UrlOpener.h"
#include "WebLinks.h"

#include <QTest>

using namespace Zorvane;

// The maker's three pages, and every place of the program that opens them.
class TestWebLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void link_data();
    void link();
};

namespace {

struct Link
{
    QUrl (*url)();
    void (*open)();
    const char *key;
};

constexpr Link kLinks[] = {
    {&HelpPageUrl, &OpenHelpPage, "help-web-page"},
    {&HomePageUrl, &OpenHomePage, "home-page"},
    {&DownloadPageUrl, &OpenDownloadPage, "download-web-page"},
};

QString expectedAddress(const char *key)
{
    return kSiteAddress + QStringLiteral("/zorvane/ssd.php?page=") + QLatin1StringView(key);
}

} // namespace

void TestWebLinks::initTestCase()
{
    UrlOpener::setTestMode(true);
}

void TestWebLinks::init()
{
    UrlOpener::clearOpened();
}

void TestWebLinks::link_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kLinks)); ++i)
        QTest::newRow(kLinks[i].key) << i;
}

void TestWebLinks::link()
{
    QFETCH(int, index);
    const Link &link = kLinks[index];
    const QString expected = expectedAddress(link.key);

    QCOMPARE(link.url().toString(), expected);
    QVERIFY(link.url().isValid());

    // Each run asks for the page again, exactly once.
    link.open();
    link.open();
    QCOMPARE(UrlOpener::opened(), (QList<QUrl>{QUrl(expected), QUrl(expected)}));
}

QTEST_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
