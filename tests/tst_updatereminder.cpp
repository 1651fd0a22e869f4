#include "Clock.h"
#include "MessageBox.h"
#include "SeamDoubles.h"
#include "SettingsStore.h"
#include "ShiftCodec.h"
#include "UpdateReminder.h"
#include "UrlOpener.h"
#include "WebLinks.h"

#include "ChildProcess.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace Zorvane;
using namespace Zorvane::Testing;

// The reminder against a real settings file: when it is due, what it asks, what it stores.
class TestUpdateReminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void settings_landInTheUsersConfigFolder();
    void firstStart_storesTodayQuietly();
    void threshold_data();
    void threshold();
    void answer_data();
    void answer();
    void unreadableValue_startsCountingAfresh_data();
    void unreadableValue_startsCountingAfresh();
    void store_hidesKeyAndDate();
    void settingsFileThatIsAPipe_isSkippedWithoutBlocking();

private:
    static QString storedText();
    static void storeText(const QString &plain);

    std::optional<TestSettingsStore> m_settings;
};

namespace {

const QDate kToday(2024, 3, 10);
const QString kText = QStringLiteral("There maybe an update to this software available\r"
                                     "Do you want to check for an update?");

} // namespace

QString TestUpdateReminder::storedText()
{
    return shiftDecodeText(
        SettingsStore::value(QStringLiteral("Settings"), *shiftEncodeText(u"Duration")));
}

void TestUpdateReminder::storeText(const QString &plain)
{
    SettingsStore::setValue(QStringLiteral("Settings"), *shiftEncodeText(u"Duration"),
                            *shiftEncodeText(plain));
}

void TestUpdateReminder::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestUpdateReminder::init()
{
    TestMessageBox::setTestMode(true);
    TestUrlOpener::setTestMode(true);
    TestClock::setToday(kToday);
    // Each case gets a settings folder of its own, so that no other test run shares the file.
    m_settings.emplace();
    QVERIFY(m_settings->isValid());
}

void TestUpdateReminder::cleanup()
{
    m_settings.reset();
    TestClock::setToday(QDate());
}

void TestUpdateReminder::settings_landInTheUsersConfigFolder()
{
    // Where test mode alone puts the user's file: the program's own name, never "Unknown
    // Organization".
    m_settings.reset();
    QCOMPARE(SettingsStore::fileName(),
             QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/zorvane/zorvane.conf"));
    QVERIFY(SettingsStore::fileName().contains(QStringLiteral("qttest")));

    // A store given a folder keeps its file there, and once installed it is the one every caller
    // reaches.
    m_settings.emplace();
    QCOMPARE(SettingsStore::fileName(),
             m_settings->folder() + QStringLiteral("/zorvane/zorvane.conf"));
}

void TestUpdateReminder::firstStart_storesTodayQuietly()
{
    QVERIFY(storedText().isEmpty());
    UpdateReminder(nullptr);
    QVERIFY(TestMessageBox::shown().isEmpty());
    QVERIFY(TestUrlOpener::opened().isEmpty());
    QCOMPARE(storedText(), QStringLiteral("2024-03-10"));
    QVERIFY(QFile::exists(SettingsStore::fileName()));

    // The same day again: still nothing.
    UpdateReminder(nullptr);
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestUpdateReminder::threshold_data()
{
    QTest::addColumn<int>("storedOffset"); // days from today to the stored date
    QTest::addColumn<bool>("due");
    QTest::newRow("same day") << 0 << false;
    QTest::newRow("14 days ago") << -14 << false;
    QTest::newRow("15 days ago") << -15 << true;
    QTest::newRow("a year ago") << -366 << true;
    QTest::newRow("14 days ahead") << 14 << false;
    QTest::newRow("15 days ahead (clock set back)") << 15 << true;
}

void TestUpdateReminder::threshold()
{
    QFETCH(int, storedOffset);
    QFETCH(bool, due);
    const QString stored = kToday.addDays(storedOffset).toString(Qt::ISODate);
    storeText(stored);
    TestMessageBox::setNextAnswer(QMessageBox::No);

    UpdateReminder(nullptr);

    if (!due) {
        QVERIFY(TestMessageBox::shown().isEmpty());
        QCOMPARE(storedText(), stored);
        return;
    }
    QCOMPARE(TestMessageBox::shown().size(), 1);
    const TestMessageBox::Record &box = TestMessageBox::shown().constFirst();
    QCOMPARE(box.text, kText);
    QVERIFY(!box.text.contains(u'\n'));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.title, QStringLiteral("Zorvane"));
    QCOMPARE(storedText(), QStringLiteral("2024-03-10"));
}

void TestUpdateReminder::answer_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QList<QUrl>>("opened");
    QTest::newRow("Yes") << QMessageBox::Yes << QList<QUrl>{downloadPageUrl()};
    QTest::newRow("No") << QMessageBox::No << QList<QUrl>{};
}

void TestUpdateReminder::answer()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QList<QUrl>, opened);
    storeText(QStringLiteral("2024-01-01"));
    TestMessageBox::setNextAnswer(answer);

    UpdateReminder(nullptr);

    QCOMPARE(TestMessageBox::shown().size(), 1);
    QCOMPARE(TestUrlOpener::opened(), opened);
    QCOMPARE(storedText(), QStringLiteral("2024-03-10"));

    // Whatever the answer, the next reminder is due 15 days on, not before.
    TestMessageBox::clearShown();
    TestUrlOpener::clearOpened();
    TestClock::setToday(kToday.addDays(14));
    UpdateReminder(nullptr);
    QVERIFY(TestMessageBox::shown().isEmpty());
    TestClock::setToday(kToday.addDays(15));
    UpdateReminder(nullptr);
    QCOMPARE(TestMessageBox::shown().size(), 1);
}

void TestUpdateReminder::unreadableValue_startsCountingAfresh_data()
{
    QTest::addColumn<QString>("stored"); // plain text before encoding
    QTest::newRow("words") << QStringLiteral("not a date");
    QTest::newRow("no such day") << QStringLiteral("2024-02-30");
    QTest::newRow("a locale's short date") << QStringLiteral("03/10/2024");
    QTest::newRow("cut short") << QStringLiteral("2024-0");
}

void TestUpdateReminder::unreadableValue_startsCountingAfresh()
{
    QFETCH(QString, stored);
    storeText(stored);

    UpdateReminder(nullptr);
    QVERIFY(TestMessageBox::shown().isEmpty());
    QCOMPARE(storedText(), QStringLiteral("2024-03-10"));

    // Healed: from now on the reminder counts from today as usual.
    TestClock::setToday(kToday.addDays(15));
    UpdateReminder(nullptr);
    QCOMPARE(TestMessageBox::shown().size(), 1);
}

void TestUpdateReminder::store_hidesKeyAndDate()
{
    UpdateReminder(nullptr);
    QFile file(SettingsStore::fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.contains("[Settings]"));
    QVERIFY(!bytes.contains("Duration"));
    QVERIFY(!bytes.contains("2024"));
    QVERIFY(!bytes.contains("03-10"));
}

void TestUpdateReminder::settingsFileThatIsAPipe_isSkippedWithoutBlocking()
{
    const QString path = SettingsStore::fileName();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    const auto result = inChild(
        []() -> QByteArray {
            UpdateReminder(nullptr);
            return QByteArray::number(TestMessageBox::shown().size());
        },
        1000);
    QVERIFY2(result, "start-up blocked on the settings pipe");
    QCOMPARE(*result, QByteArray("0"));
    QVERIFY(QFileInfo(path).isFile() == false && QFileInfo::exists(path));
}

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
