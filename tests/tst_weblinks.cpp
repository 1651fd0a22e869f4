#include "AppInfo.h"
#include "Clock.h"
#include "Design.h"
#include "EntryForm.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "SeamDoubles.h"
#include "UrlOpener.h"
#include "WebLinks.h"

#include <QAction>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace Zorvane;
using namespace Zorvane::Testing;

// The maker's three pages, and every place of the program that opens them.
class TestWebLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void link_data();
    void link();
    void helpMenu_data();
    void helpMenu();
    void banner_data();
    void banner();
    void cleanupTestCase();

private:
    QWidget *window(const QString &name) const;

    TestSettingsStore m_settings;
    std::unique_ptr<EntryForm> m_entryForm;
    std::unique_ptr<FrameWindow> m_frame;
};

namespace {

struct Link
{
    QUrl (*url)();
    void (*open)();
    const char *key;
};

constexpr Link kLinks[] = {
    {&helpPageUrl, &OpenHelpPage, "help-web-page"},
    {&homePageUrl, &OpenHomePage, "home-page"},
    {&downloadPageUrl, &OpenDownloadPage, "download-web-page"},
};

QString expectedAddress(const char *key)
{
    return kSiteAddress + QStringLiteral("/zorvane/ssd.php?page=") + QLatin1StringView(key);
}

} // namespace

void TestWebLinks::initTestCase()
{
    installFontSubstitutes();
    TestUrlOpener::setTestMode(true);
    // The entry form runs the update reminder as it loads: keep it to a settings file of ours.
    TestMessageBox::setTestMode(true);
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_settings.isValid());

    m_entryForm = std::make_unique<EntryForm>();
    m_entryForm->show();
    m_frame = std::make_unique<FrameWindow>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TestWebLinks::cleanupTestCase()
{
    m_frame.reset();
    m_entryForm.reset();
}

QWidget *TestWebLinks::window(const QString &name) const
{
    if (name == u"entry form")
        return m_entryForm.get();
    return m_frame.get();
}

void TestWebLinks::init()
{
    TestUrlOpener::clearOpened();
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
    QCOMPARE(TestUrlOpener::opened(), (QList<QUrl>{QUrl(expected), QUrl(expected)}));
}

void TestWebLinks::helpMenu_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QUrl>("expected");
    for (const char *w : {"entry form", "frame"}) {
        const QString name = QLatin1StringView(w);
        QTest::addRow("%s mnuOnline", w)
            << name << u"mnuOnline"_qs << u"&Online Help"_qs << helpPageUrl();
        QTest::addRow("%s mnuVisit", w)
            << name << u"mnuVisit"_qs << u"&Visit Us Online"_qs << homePageUrl();
        QTest::addRow("%s mnuUpdate", w)
            << name << u"mnuUpdate"_qs << u"Check for Software &Update"_qs << downloadPageUrl();
    }
}

void TestWebLinks::helpMenu()
{
    QFETCH(QString, window);
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QUrl, expected);
    const QList<QAction *> actions = this->window(window)->findChildren<QAction *>(item);
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.constFirst()->text(), caption);

    actions.constFirst()->trigger();
    QCOMPARE(TestUrlOpener::opened(), QList<QUrl>{expected});
}

void TestWebLinks::banner_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::newRow("entry form Label61") << u"entry form"_qs << u"Label61"_qs;
    QTest::newRow("frame lblQuillmereBanner") << u"frame"_qs << u"lblQuillmereBanner"_qs;
}

void TestWebLinks::banner()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QWidget *banner = this->window(window)->findChild<QWidget *>(label);
    QVERIFY(banner);
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(TestUrlOpener::opened(), QList<QUrl>{homePageUrl()});

    // Only the left button follows the link.
    TestUrlOpener::clearOpened();
    QTest::mouseClick(banner, Qt::RightButton);
    QVERIFY(TestUrlOpener::opened().isEmpty());
}

QTEST_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
