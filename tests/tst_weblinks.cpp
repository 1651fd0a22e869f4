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
#include <QMenuBar>
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
    void menus_namesCaptionsAndSeparators_data();
    void menus_namesCaptionsAndSeparators();
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

void TestWebLinks::menus_namesCaptionsAndSeparators_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fileItems");
    QTest::addColumn<QStringList>("helpItems");
    // Each item as objectName|caption, a separator's caption as "-".
    QTest::newRow("entry form")
        << u"entry form"_qs
        << QStringList{u"mnuGetMyKabbalisticAstrology|Get My &Zorvane  Reading"_qs,
                       u"mnuOpenPreviouslySavedKabbalah|Open Previously Saved Zorvane Reading"_qs,
                       u"mnuExit|E&xit"_qs}
        << QStringList{u"mnuOnline|&Online Help"_qs,
                       u"mnuVisit|&Visit Us Online"_qs,
                       u"mnuHelp1|-"_qs,
                       u"mnuUpdate|Check for Software &Update"_qs,
                       u"mnuHelp2|-"_qs,
                       u"mnuAbout|&About Software"_qs};
    QTest::newRow("frame") << u"frame"_qs
                           << QStringList{u"mnuPrint|&Print"_qs, u"mnuBack|&Back"_qs,
                                          u"mnuExit|E&xit"_qs}
                           << QStringList{u"mnuOnline|&Online Help"_qs,
                                          u"mnuVisit|&Visit Us Online"_qs,
                                          u"mnuSep1|-"_qs,
                                          u"mnuUpdate|Check for Software &Update"_qs,
                                          u"mnuSep2|-"_qs,
                                          u"mnuAbout|&About Software"_qs};
}

void TestWebLinks::menus_namesCaptionsAndSeparators()
{
    QFETCH(QString, window);
    QFETCH(QStringList, fileItems);
    QFETCH(QStringList, helpItems);
    const QMenuBar *bar = this->window(window)->findChild<QMenuBar *>();
    QVERIFY(bar);
    const QList<QAction *> menus = bar->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("mnuFile"));
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));

    const auto items = [](const QAction *menu) {
        QStringList names;
        for (const QAction *a : menu->menu()->actions())
            names << a->objectName() + u'|' + (a->isSeparator() ? QStringLiteral("-") : a->text());
        return names;
    };
    QCOMPARE(items(menus[0]), fileItems);
    QCOMPARE(items(menus[1]), helpItems);
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
