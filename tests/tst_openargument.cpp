#include "Application.h"
#include "Design.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FileDialog.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "Navigator.h"
#include "ReadingFile.h"
#include "SeamDoubles.h"
#include "UrlOpener.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Zorvane;
using namespace Zorvane::Testing;

// A reading file handed to the program by the file manager opens exactly as one chosen in the
// entry form's open dialog.
class TestOpenArgument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void onlyASingleArgumentIsAFile_data();
    void onlyASingleArgumentIsAFile();
    void file_showsItsReading();
    void notEndingInZvr_isRefusedWithTheMessage();
    void missingFile_isReportedAndChangesNothing();

private:
    QTemporaryDir m_dir;
};

void TestOpenArgument::initTestCase()
{
    installFontSubstitutes();
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestOpenArgument::init()
{
    TestFileDialog::setTestMode(true);
    TestMessageBox::setTestMode(true);
    TestUrlOpener::setTestMode(true);
}

void TestOpenArgument::onlyASingleArgumentIsAFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << QStringList{QStringLiteral("zorvane")} << QString();
    QTest::newRow("one") << QStringList{QStringLiteral("zorvane"),
                                        QStringLiteral("/home/a/anna.zvr")}
                         << QStringLiteral("/home/a/anna.zvr");
    QTest::newRow("two") << QStringList{QStringLiteral("zorvane"), QStringLiteral("a.zvr"),
                                        QStringLiteral("b.zvr")}
                         << QString();
    QTest::newRow("empty list") << QStringList{} << QString();
    QTest::newRow("an option is not a file")
        << QStringList{QStringLiteral("zorvane"), QStringLiteral("--help")} << QString();
    QTest::newRow("after -- a dash starts a file name")
        << QStringList{QStringLiteral("zorvane"), QStringLiteral("--"), QStringLiteral("-a.zvr")}
        << QStringLiteral("-a.zvr");
    QTest::newRow("toolkit option with its value")
        << QStringList{QStringLiteral("zorvane"), QStringLiteral("-platform"),
                       QStringLiteral("wayland"), QStringLiteral("a.zvr")}
        << QStringLiteral("a.zvr");
    QTest::newRow("session restart")
        << QStringList{QStringLiteral("zorvane"), QStringLiteral("a.zvr"),
                       QStringLiteral("-session"), QStringLiteral("1a2b")}
        << QStringLiteral("a.zvr");
}

void TestOpenArgument::onlyASingleArgumentIsAFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(parseCommandLine(arguments).readingFile, file);
}

void TestOpenArgument::file_showsItsReading()
{
    const QString path = m_dir.filePath(QStringLiteral("anna.zvr"));
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 14}).ok);

    Navigator app;

    EntryForm &form = app.entryForm();
    TestMessageBox::clearShown();
    form.openReadingFile(path);

    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("txtName"))->text(),
             QStringLiteral("ANNA"));
    QCOMPARE(form.birthData().Day, qint16(14));
    QCOMPARE(form.birthData().Month, QStringLiteral("March"));
    QVERIFY(app.frame());
    QVERIFY(!form.isVisible());
    const auto *sign =
        app.frame()->display()->findChild<QLabel *>(QStringLiteral("lblSunSignName"));
    QVERIFY(sign);
    QCOMPARE(sign->text(), QStringLiteral("Pisces"));
    QVERIFY(TestMessageBox::shown().isEmpty());
    // No dialog was asked for.
    QVERIFY(TestFileDialog::lastRequest().title.isEmpty());
}

void TestOpenArgument::notEndingInZvr_isRefusedWithTheMessage()
{
    const QString path = m_dir.filePath(QStringLiteral("anna.ZVR"));
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 14}).ok);

    Navigator app;

    EntryForm &form = app.entryForm();
    TestMessageBox::clearShown();
    form.openReadingFile(path);

    QCOMPARE(TestMessageBox::shown().size(), 1);
    QCOMPARE(TestMessageBox::shown().constFirst().text, QStringLiteral("Please Check The File."));
    QCOMPARE(TestMessageBox::shown().constFirst().icon, QMessageBox::Critical);
    QVERIFY(!app.frame());
    QVERIFY(form.findChild<QLineEdit *>(QStringLiteral("txtName"))->text().isEmpty());
}

void TestOpenArgument::missingFile_isReportedAndChangesNothing()
{
    Navigator app;
    EntryForm &form = app.entryForm();
    auto *name = form.findChild<QLineEdit *>(QStringLiteral("txtName"));
    name->setText(QStringLiteral("MARY"));
    TestMessageBox::clearShown();
    form.openReadingFile(m_dir.filePath(QStringLiteral("gone.zvr")));

    QCOMPARE(TestMessageBox::shown().size(), 1);
    QCOMPARE(TestMessageBox::shown().constFirst().icon, QMessageBox::Critical);
    QVERIFY(TestMessageBox::shown().constFirst().text.contains(QStringLiteral("gone.zvr")));
    QCOMPARE(name->text(), QStringLiteral("MARY"));
    QVERIFY(!app.frame());
}

QTEST_MAIN(TestOpenArgument)
#include "tst_openargument.moc"
