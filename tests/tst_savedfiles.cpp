#include "Design.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FileDialog.h"
#include "FrameWindow.h"
#include "MessageBox.h"
#include "Navigator.h"
#include "OpenReading.h"
#include "ReportWindow.h"
#include "SeamDoubles.h"
#include "UrlOpener.h"
#include "WorkedExample.h"

#include "ChildProcess.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <sys/stat.h>

using namespace Zorvane;
using namespace Zorvane::Testing;

class TestSavedFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Saving from the report window
    void save_anna_writesTheExampleBytes();
    void save_cancel_writesNothing();
    void save_overALongerFile_leavesNoTail();
    void save_thatFails_keepsWhatStoodAndSaysWhy_data();
    void save_thatFails_keepsWhatStoodAndSaysWhy();

    void saveDialog_refusesAMissingFolderAndAReadOnlyFile();

    // Opening
    void open_cancel_isSilent();
    void openDialog_takesTheNameAsTypedBeforeAddingZvr();
    void dialogs_leaveQtsSharedSettingsFileAlone_data();
    void dialogs_leaveQtsSharedSettingsFileAlone();
    void open_readsBackWhatWasSaved();
    void open_nameMustEndInLowerCaseZvr_data();
    void open_nameMustEndInLowerCaseZvr();
    void open_shortAndLongFiles();
    void open_whatCannotBeRead_isReportedNotEmptied();

    // Through the entry form
    void entryForm_openPutsTheValuesBackAndAsksForTheReading();
    void entryForm_savedReadingIsMadeAndReportedAgain();
    void entryForm_twoLineFile_keepsMonthAndYear();
    void entryForm_refusedOrUnreadableFile_leavesTheFormAsItWas();
    void entryForm_droppedFile_opensAsTheOpenButtonWould_data();
    void entryForm_droppedFile_opensAsTheOpenButtonWould();

private:
    struct Form
    {
        Navigator app;
        EntryForm &form = app.entryForm();
        QLineEdit *name = form.findChild<QLineEdit *>(QStringLiteral("txtName"));
        QComboBox *day = form.findChild<QComboBox *>(QStringLiteral("cboDate"));
        QComboBox *month = form.findChild<QComboBox *>(QStringLiteral("cboMonth"));
        QComboBox *year = form.findChild<QComboBox *>(QStringLiteral("cboYear"));
        QPushButton *open = form.findChild<QPushButton *>(QStringLiteral("cmdOpen"));
    };

    static BirthData anna();
    void saveThroughReport(const BirthData &data, const QString &path);
    static void write(const QString &path, const QByteArray &bytes);
    static QByteArray contents(const QString &path);
    // Types each name into the real file dialog in turn and presses its button; what stands in
    // closedAt is the index of the name the dialog closed with, or -1.
    static void answerRealDialog(const QStringList &names, int *closedAt,
                                 QString *nameFilter = nullptr);

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
};

BirthData TestSavedFiles::anna()
{
    BirthData d;
    d.Name = QStringLiteral("ANNA");
    d.Day = 7;
    d.Month = QStringLiteral("March");
    d.Year = 1975;
    return d;
}

void TestSavedFiles::saveThroughReport(const BirthData &data, const QString &path)
{
    ReportSources sources;
    sources.birthData = data;
    ReportWindow report(sources);
    TestFileDialog::setNextFileName(path);
    auto *save = report.findChild<QPushButton *>(QStringLiteral("cmdSave"));
    QVERIFY(save);
    QTest::mouseClick(save, Qt::LeftButton);
}

void TestSavedFiles::write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray TestSavedFiles::contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestSavedFiles::answerRealDialog(const QStringList &names, int *closedAt, QString *nameFilter)
{
    *closedAt = -1;
    QTimer::singleShot(0, [=] {
        QFileDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QFileDialog *>(w); d && d->isVisible())
                dialog = d;
        }
        QVERIFY(dialog);
        if (nameFilter) {
            const auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            *nameFilter =
                (types ? types->currentText() : QString()) + u'|' + dialog->nameFilters().value(0);
        }
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        for (int i = 0; edit && i < names.size() && dialog->isVisible(); ++i) {
            edit->setText(names.at(i));
            // A prompt of the dialog's own (name not found, replace?) is dismissed, not waited on.
            QTimer::singleShot(0, [] {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                        box->done(QMessageBox::No);
                }
            });
            static_cast<QDialog *>(dialog)->accept();
            if (!dialog->isVisible())
                *closedAt = i;
        }
        if (dialog->isVisible())
            dialog->reject();
    });
}

void TestSavedFiles::initTestCase()
{
    installFontSubstitutes();
    // A home of its own, so that the configuration folder every Qt program shares is this test's
    // to put a pipe in. Qt learns that folder once, at the first settings it opens.
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestSavedFiles::init()
{
    TestFileDialog::setTestMode(true);
    TestMessageBox::setTestMode(true);
    TestUrlOpener::setTestMode(true);
}

void TestSavedFiles::save_anna_writesTheExampleBytes()
{
    const QString path = m_dir.filePath(QStringLiteral("anna.zvr"));
    saveThroughReport(anna(), path);

    QCOMPARE(contents(path), annaBytes());
    QVERIFY(TestMessageBox::shown().isEmpty());
    const TestFileDialog::Request &asked = TestFileDialog::lastRequest();
    QVERIFY(asked.save);
    QCOMPARE(asked.title, QStringLiteral("Zorvane"));
    QCOMPARE(asked.filter, QStringLiteral("Zorvane (*.zvr)"));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("zvr"));
}

void TestSavedFiles::save_cancel_writesNothing()
{
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    saveThroughReport(anna(), QString());
    QVERIFY(TestFileDialog::lastRequest().save);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSavedFiles::save_overALongerFile_leavesNoTail()
{
    const QString path = m_dir.filePath(QStringLiteral("again.zvr"));
    write(path, QByteArray(500, 'x'));
    saveThroughReport(anna(), path);
    QCOMPARE(contents(path), annaBytes());
}

void TestSavedFiles::save_thatFails_keepsWhatStoodAndSaysWhy_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder missing") << QStringLiteral("missing/anna.zvr") << QStringLiteral("ANNA");
    QTest::newRow("target is a folder") << QStringLiteral("folder.zvr") << QStringLiteral("ANNA");
    // A name that a reading file cannot hold must not cost the file that was there.
    QTest::newRow("unstorable name over an old file")
        << QStringLiteral("old.zvr") << QStringLiteral("ANNA \u00e9\u00e9");
}

void TestSavedFiles::save_thatFails_keepsWhatStoodAndSaysWhy()
{
    QFETCH(QString, target);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.zvr")));
    write(dir.filePath(QStringLiteral("old.zvr")), annaBytes());
    const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    BirthData data = anna();
    data.Name = name;
    const QString path = dir.filePath(target);
    saveThroughReport(data, path);

    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.zvr"))).isDir());
    QCOMPARE(contents(dir.filePath(QStringLiteral("old.zvr"))), annaBytes());

    QCOMPARE(TestMessageBox::shown().size(), 1);
    const TestMessageBox::Record &box = TestMessageBox::shown().constFirst();
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, QStringLiteral("Zorvane"));
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
    // The system's reason follows the path.
    const QString reason = box.text.section(QDir::toNativeSeparators(path), 1).trimmed();
    QVERIFY2(!reason.isEmpty(), qPrintable(box.text));
}

void TestSavedFiles::saveDialog_refusesAMissingFolderAndAReadOnlyFile()
{
    TestFileDialog::setTestMode(false);
    QTemporaryDir dir;
    const QString readOnly = dir.filePath(QStringLiteral("kept.zvr"));
    write(readOnly, "old");
    QVERIFY(
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    int closedAt = 0;
    answerRealDialog({dir.filePath(QStringLiteral("missing/anna.zvr")), readOnly}, &closedAt);
    ReportSources sources;
    sources.birthData = anna();
    ReportWindow report(sources);
    QTest::mouseClick(report.findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);

    QCOMPARE(closedAt, -1);
    QCOMPARE(TestMessageBox::shown().size(), 2);
    QVERIFY(TestMessageBox::shown().at(0).text.contains(
        QDir::toNativeSeparators(dir.filePath(QStringLiteral("missing")))));
    QVERIFY(TestMessageBox::shown().at(1).text.contains(QDir::toNativeSeparators(readOnly)));
    QCOMPARE(contents(readOnly), QByteArray("old"));
    QCOMPARE(QFileInfo(readOnly).permissions() & QFile::WriteOwner, QFile::Permissions());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

void TestSavedFiles::openDialog_takesTheNameAsTypedBeforeAddingZvr()
{
    TestFileDialog::setTestMode(false);
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("readingzvr")), annaBytes());
    write(dir.filePath(QStringLiteral("anna.zvr")), annaBytes());

    // A name without a dot that exists as typed is opened as typed.
    int closedAt = 0;
    QString nameFilter;
    answerRealDialog({dir.filePath(QStringLiteral("readingzvr"))}, &closedAt, &nameFilter);
    auto lines = chooseAndReadReadingFile(nullptr);
    QCOMPARE(closedAt, 0);
    QVERIFY(lines);
    QCOMPARE(lines->at(0), QStringLiteral("ANNA"));
    // The dialog shows the filter as asked for, and lists names that only end in zvr.
    QCOMPARE(nameFilter.section(u'|', 0, 0), QStringLiteral("Zorvane (*.zvr)"));
    QVERIFY2(QDir::match(nameFilter.section(u'(', -1).chopped(1), QStringLiteral("readingzvr")),
             qPrintable(nameFilter));

    // The suffix is added only to a name that does not exist as typed.
    answerRealDialog({dir.filePath(QStringLiteral("anna"))}, &closedAt);
    lines = chooseAndReadReadingFile(nullptr);
    QCOMPARE(closedAt, 0);
    QVERIFY(lines);
    QCOMPARE(lines->at(0), QStringLiteral("ANNA"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSavedFiles::dialogs_leaveQtsSharedSettingsFileAlone_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a pipe in its place") << true;
    QTest::newRow("no such file yet") << false;
}

void TestSavedFiles::dialogs_leaveQtsSharedSettingsFileAlone()
{
    QFETCH(bool, pipe);
    TestFileDialog::setTestMode(false);
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral(".tst_savedfiles-probe"));
    QCOMPARE(QFileInfo(probe.fileName()).path(), folder.path());
    const QString shared = folder.filePath(QStringLiteral("QtProject.conf"));
    QVERIFY2(!QFileInfo::exists(shared), "an earlier dialog wrote Qt's shared settings");
    const auto removePipe = qScopeGuard([&] { QFile::remove(shared); });
    if (pipe)
        QCOMPARE(mkfifo(QFile::encodeName(shared).constData(), 0600), 0);
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const auto result = inChild(
        [&]() -> QByteArray {
            int closedAt = 0;
            answerRealDialog({}, &closedAt);
            return chooseAndReadReadingFile(nullptr) ? "opened" : "cancelled";
        },
        20000);
    QVERIFY2(result, "the dialog blocked on the file");
    QCOMPARE(*result, QByteArray("cancelled"));
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestSavedFiles::open_cancel_isSilent()
{
    QCOMPARE(chooseAndReadReadingFile(nullptr), std::nullopt);
    const TestFileDialog::Request &asked = TestFileDialog::lastRequest();
    QVERIFY(!asked.save);
    QCOMPARE(asked.title, QStringLiteral("Select the source file"));
    QCOMPARE(asked.filter, QStringLiteral("Zorvane (*.zvr)"));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("zvr"));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSavedFiles::open_readsBackWhatWasSaved()
{
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.zvr"));
    BirthData data = anna();
    data.Name = QStringLiteral("MARY ANN SMITH");
    data.Day = 31;
    data.Month = QStringLiteral("December");
    data.Year = 2024;
    saveThroughReport(data, path);
    const QByteArray saved = contents(path);

    TestFileDialog::setNextFileName(path);
    const auto lines = chooseAndReadReadingFile(nullptr);
    QVERIFY(lines);
    QCOMPARE(*lines, (std::array<QString, kReadingFileLines>{
                         QStringLiteral("MARY ANN SMITH"), QStringLiteral("31"),
                         QStringLiteral("December"), QStringLiteral("2024")}));
    QCOMPARE(contents(path), saved); // opening never changes the file
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSavedFiles::open_nameMustEndInLowerCaseZvr_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("accepted");
    QTest::newRow(".zvr") << QStringLiteral("anna.zvr") << true;
    QTest::newRow("no dot") << QStringLiteral("annazvr") << true;
    QTest::newRow(".ZVR") << QStringLiteral("anna.ZVR") << false;
    QTest::newRow(".Zvr") << QStringLiteral("anna.Zvr") << false;
    QTest::newRow(".txt") << QStringLiteral("anna.txt") << false;
    QTest::newRow("zvr then more") << QStringLiteral("anna.zvr.bak") << false;
}

void TestSavedFiles::open_nameMustEndInLowerCaseZvr()
{
    QFETCH(QString, fileName);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    write(path, annaBytes());

    TestFileDialog::setNextFileName(path);
    const auto lines = chooseAndReadReadingFile(nullptr);
    if (accepted) {
        QVERIFY(lines);
        QCOMPARE(lines->at(0), QStringLiteral("ANNA"));
        QVERIFY(TestMessageBox::shown().isEmpty());
    } else {
        QCOMPARE(lines, std::nullopt);
        QCOMPARE(TestMessageBox::shown().size(), 1);
        QCOMPARE(TestMessageBox::shown().constFirst().icon, QMessageBox::Critical);
        QCOMPARE(TestMessageBox::shown().constFirst().title, QStringLiteral("Zorvane"));
        QCOMPARE(TestMessageBox::shown().constFirst().text,
                 QStringLiteral("Please Check The File."));
    }
}

void TestSavedFiles::open_shortAndLongFiles()
{
    const QString twoLines = m_dir.filePath(QStringLiteral("two.zvr"));
    write(twoLines, annaBytes().left(8)); // ANNA, 7
    TestFileDialog::setNextFileName(twoLines);
    auto lines = chooseAndReadReadingFile(nullptr);
    QVERIFY(lines);
    QCOMPARE(*lines, (std::array<QString, kReadingFileLines>{
                         QStringLiteral("ANNA"), QStringLiteral("7"), {}, {}}));

    // Lines after the fourth have no effect, whatever they hold.
    QByteArray nine = annaBytes();
    for (int i = 5; i <= 9; ++i)
        nine += QByteArray::fromHex("8E8E") + "\r\n";
    const QString nineLines = m_dir.filePath(QStringLiteral("nine.zvr"));
    write(nineLines, nine);
    TestFileDialog::setNextFileName(nineLines);
    lines = chooseAndReadReadingFile(nullptr);
    QVERIFY(lines);
    QCOMPARE(*lines, (std::array<QString, kReadingFileLines>{
                         QStringLiteral("ANNA"), QStringLiteral("7"), QStringLiteral("March"),
                         QStringLiteral("1975")}));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSavedFiles::open_whatCannotBeRead_isReportedNotEmptied()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.zvr")));
    const QStringList paths = {dir.filePath(QStringLiteral("folder.zvr")),
                               dir.filePath(QStringLiteral("gone.zvr"))};
    for (const QString &path : paths) {
        TestMessageBox::clearShown();
        TestFileDialog::setNextFileName(path);
        QCOMPARE(chooseAndReadReadingFile(nullptr), std::nullopt);
        QCOMPARE(TestMessageBox::shown().size(), 1);
        const TestMessageBox::Record &box = TestMessageBox::shown().constFirst();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
    }
}

void TestSavedFiles::entryForm_openPutsTheValuesBackAndAsksForTheReading()
{
    const QString path = m_dir.filePath(QStringLiteral("form.zvr"));
    saveThroughReport(anna(), path);

    Form f;
    QVERIFY(f.name && f.day && f.month && f.year && f.open);
    TestMessageBox::clearShown(); // whatever the update reminder had to say
    TestFileDialog::setNextFileName(path);
    QTest::mouseClick(f.open, Qt::LeftButton);

    QCOMPARE(f.name->text(), QStringLiteral("ANNA"));
    QCOMPARE(f.day->currentText(), QStringLiteral("7"));
    QCOMPARE(f.month->currentText(), QStringLiteral("March"));
    QCOMPARE(f.year->currentText(), QStringLiteral("1975"));
    // Proceed ran: the birth data is stored again and the reading is on screen.
    const BirthData &stored = f.form.birthData();
    QCOMPARE(stored.Name, QStringLiteral("ANNA"));
    QCOMPARE(stored.Day, qint16(7));
    QCOMPARE(stored.Month, QStringLiteral("March"));
    QCOMPARE(stored.Year, qint16(1975));
    QVERIFY(f.app.frame());
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSavedFiles::entryForm_savedReadingIsMadeAndReportedAgain()
{
    const QString path = m_dir.filePath(QStringLiteral("again.zvr"));
    saveThroughReport(anna(), path);

    Form f;
    TestFileDialog::setNextFileName(path);
    QTest::mouseClick(f.open, Qt::LeftButton);
    FrameWindow *frame = f.app.frame();
    QVERIFY(frame);
    QVERIFY(frame->display());
    auto *sign = frame->display()->findChild<QLabel *>(QStringLiteral("lblSunSignName"));
    QVERIFY(sign);
    QCOMPARE(sign->text(), QStringLiteral("Pisces"));

    // The frame's Print composes the report from the reopened reading.
    QString report;
    QTimer::singleShot(0, frame, [&] {
        auto *window = frame->findChild<QDialog *>(QStringLiteral("frmSave"));
        QVERIFY(window);
        report = window->findChild<QTextEdit *>(QStringLiteral("RTB"))->toPlainText();
        window->close();
    });
    auto *print = frame->findChild<QPushButton *>(QStringLiteral("cmdPrint"));
    QVERIFY(print);
    QTest::mouseClick(print, Qt::LeftButton);
    const QStringList lines = report.split(u'\n');
    QVERIFY(lines.size() > 8);
    QCOMPARE(lines.at(2), QStringLiteral("Name :- ANNA"));
    QCOMPARE(lines.at(4), QStringLiteral("Date Of Birth :- March/7/1975"));
    QCOMPARE(lines.at(8), QStringLiteral("Netzach :- ") +
                              frame->display()
                                  ->findChild<QPlainTextEdit *>(QStringLiteral("txtOneSphereDesc"))
                                  ->toPlainText());
}

void TestSavedFiles::entryForm_twoLineFile_keepsMonthAndYear()
{
    const QString path = m_dir.filePath(QStringLiteral("twolines.zvr"));
    write(path, annaBytes().left(8)); // ANNA, 7

    Form f;
    f.month->setCurrentText(QStringLiteral("December"));
    f.year->setCurrentText(QStringLiteral("2000"));
    TestFileDialog::setNextFileName(path);
    QTest::mouseClick(f.open, Qt::LeftButton);

    QCOMPARE(f.name->text(), QStringLiteral("ANNA"));
    QCOMPARE(f.day->currentText(), QStringLiteral("7"));
    QCOMPARE(f.month->currentText(), QStringLiteral("December"));
    QCOMPARE(f.year->currentText(), QStringLiteral("2000"));
    QCOMPARE(f.form.birthData().Month, QStringLiteral("December"));
    QCOMPARE(f.form.birthData().Year, qint16(2000));
    QVERIFY(f.app.frame());
}

void TestSavedFiles::entryForm_refusedOrUnreadableFile_leavesTheFormAsItWas()
{
    QTemporaryDir dir;
    const QString upper = dir.filePath(QStringLiteral("anna.ZVR"));
    write(upper, annaBytes());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.zvr")));

    for (const QString &path : {upper, dir.filePath(QStringLiteral("folder.zvr")),
                                dir.filePath(QStringLiteral("gone.zvr"))}) {
        Form f;
        f.name->setText(QStringLiteral("MARY"));
        f.day->setCurrentText(QStringLiteral("12"));
        TestMessageBox::clearShown();
        TestFileDialog::setNextFileName(path);
        QTest::mouseClick(f.open, Qt::LeftButton);

        QCOMPARE(f.name->text(), QStringLiteral("MARY"));
        QCOMPARE(f.day->currentText(), QStringLiteral("12"));
        QCOMPARE(f.month->currentText(), QStringLiteral("January"));
        QCOMPARE(f.year->currentText(), QStringLiteral("1900"));
        QVERIFY(!f.app.frame());
        QCOMPARE(TestMessageBox::shown().size(), 1);
        QCOMPARE(TestMessageBox::shown().constFirst().icon, QMessageBox::Critical);
    }
}

void TestSavedFiles::entryForm_droppedFile_opensAsTheOpenButtonWould_data()
{
    QTest::addColumn<QString>("onto");
    QTest::addColumn<QString>("dropped"); // a file of the test folder, or a web address
    QTest::addColumn<int>("messages");    // -1: the reading opens
    QTest::newRow("reading file") << u"frmMain"_qs << u"a.zvr"_qs << -1;
    QTest::newRow("onto the name box") << u"txtName"_qs << u"a.zvr"_qs << -1;
    QTest::newRow("unreadable") << u"frmMain"_qs << u"missing.zvr"_qs << 1;
    QTest::newRow("capital ZVR") << u"frmMain"_qs << u"a.ZVR"_qs << 0;
    QTest::newRow("web address") << u"frmMain"_qs << u"https://example.org/a.zvr"_qs << 0;
}

void TestSavedFiles::entryForm_droppedFile_opensAsTheOpenButtonWould()
{
    QFETCH(QString, onto);
    QFETCH(QString, dropped);
    QFETCH(int, messages);
    write(m_dir.filePath(u"a.zvr"_qs), annaBytes());
    write(m_dir.filePath(u"a.ZVR"_qs), annaBytes());
    QMimeData data;
    data.setUrls(
        {dropped.contains(u':') ? QUrl(dropped) : QUrl::fromLocalFile(m_dir.filePath(dropped))});
    Form f;
    TestMessageBox::clearShown();
    QWidget *target = onto == u"frmMain" ? &f.form : f.form.findChild<QWidget *>(onto);
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    QCOMPARE(bool(f.app.frame()), messages < 0);
    QCOMPARE(TestMessageBox::shown().size(), qMax(messages, 0));
}

QTEST_MAIN(TestSavedFiles)
#include "tst_savedfiles.moc"
