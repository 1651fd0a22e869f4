#include "MessageBox.h"
#include "SeamDoubles.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Zorvane;
using namespace Zorvane::Testing;

// Two holders of the lock at once, and holders that die without letting go of it.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void secondHolder_isRefusedWhileTheFirstLives();
    void refusal_tellsTheUserOnce();
    void lock_isNamedAfterTheProgram();
    void killedHolder_doesNotBlockTheNextStart();
    void liveHolder_isNeverStolen();
    void unreadableLockWithoutHolder_isTakenOver();
    void unusableFolder_doesNotKeepTheUserOut();
    void liveFirst_isSeenWhateverTheLockFolderHolds_data();
    void liveFirst_isSeenWhateverTheLockFolderHolds();
    void fallbackFolderOfSomeoneElse_isNeverUsed_data();
    void fallbackFolderOfSomeoneElse_isNeverUsed();
    void twentySimultaneousStarts_leaveOneSurvivor();
    void liveFirst_isSeenWhateverTheNextStartsEnvironment_data();
    void liveFirst_isSeenWhateverTheNextStartsEnvironment();

private:
    // A private runtime folder of that name inside the test's folder, as the one in use; false
    // when it could not be made.
    [[nodiscard]] bool useRuntimeFolder(const QString &name)
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir->filePath(name)));
        return QDir(m_dir->path()).mkdir(name) &&
               QFile::setPermissions(m_dir->filePath(name),
                                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    std::optional<QTemporaryDir> m_dir;
};

namespace {

// A child process that takes the lock and then waits to be killed. Only returns in the parent.
struct LockHolder
{
    pid_t pid = -1;
    bool gotLock = false;

    explicit LockHolder(const QString &dir) : LockHolder(QStringList{dir}) {}
    explicit LockHolder(const QStringList &dirs)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const SingleInstance held(dirs);
            const char answer = held.isFirst() ? '1' : '0';
            if (write(fds[1], &answer, 1) != 1)
                _exit(1);
            for (;;)
                pause();
        }
        close(fds[1]);
        char answer = 0;
        gotLock = pid > 0 && read(fds[0], &answer, 1) == 1 && answer == '1';
        close(fds[0]);
    }

    void kill()
    {
        if (pid <= 0)
            return;
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }

    ~LockHolder() { kill(); }
    Q_DISABLE_COPY_MOVE(LockHolder)
};

} // namespace

void TestSingleInstance::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    // The user's folders, as the program finds them, lie inside the test's own folder.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("cache"))));
    QVERIFY(useRuntimeFolder(QStringLiteral("run")));
    TestMessageBox::setTestMode(true);
}

void TestSingleInstance::secondHolder_isRefusedWhileTheFirstLives()
{
    {
        const SingleInstance first(m_dir->path());
        QVERIFY(first.isFirst());
        QVERIFY(QFile::exists(first.lockFileName()));

        const SingleInstance second(m_dir->path());
        QVERIFY(!second.isFirst());
        QVERIFY2(QFile::exists(first.lockFileName()),
                 "the refused start must leave the lock alone");
    }
    // Ending normally lets go of the lock.
    const SingleInstance next(m_dir->path());
    QVERIFY(next.isFirst());
}

void TestSingleInstance::refusal_tellsTheUserOnce()
{
    const SingleInstance first(m_dir->path());
    QVERIFY(proceedAsOnlyInstance(first));
    QVERIFY(TestMessageBox::shown().isEmpty());

    const SingleInstance second(m_dir->path());
    QVERIFY(!proceedAsOnlyInstance(second));
    QCOMPARE(TestMessageBox::shown().size(), 1);
    const TestMessageBox::Record &box = TestMessageBox::shown().constFirst();
    QCOMPARE(box.text, QStringLiteral("Application is already running"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QStringLiteral("Zorvane"));
}

void TestSingleInstance::lock_isNamedAfterTheProgram()
{
    const SingleInstance instance(m_dir->path());
    QCOMPARE(instance.lockFileName(),
             m_dir->path() + u'/' + QCoreApplication::applicationName() + QStringLiteral(".lock"));

    const QStringList userDirs = SingleInstance::userLockDirs();
    QVERIFY(!userDirs.isEmpty());
    const QString userDir = userDirs.constFirst();
    QVERIFY(QFileInfo(userDir).isDir());
    QCOMPARE(QFileInfo(userDir).ownerId(), uint(getuid()));
}

void TestSingleInstance::killedHolder_doesNotBlockTheNextStart()
{
    LockHolder holder(m_dir->path());
    QVERIFY(holder.gotLock);
    QVERIFY(!SingleInstance(m_dir->path()).isFirst());

    holder.kill();
    const SingleInstance next(m_dir->path());
    QVERIFY2(next.isFirst(), "a lock left by a killed instance must be taken over");
    QVERIFY(!SingleInstance(m_dir->path()).isFirst());
}

void TestSingleInstance::liveHolder_isNeverStolen()
{
    LockHolder holder(m_dir->path());
    QVERIFY(holder.gotLock);
    const QString lockFile =
        m_dir->path() + u'/' + QCoreApplication::applicationName() + QStringLiteral(".lock");

    // Open for a day: age alone must not make the lock look abandoned.
    {
        QFile f(lockFile);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1),
                              QFileDevice::FileModificationTime));
    }
    QVERIFY(!SingleInstance(m_dir->path()).isFirst());

    // Nor may a lock whose contents no longer name their holder be removed under it.
    {
        QFile f(lockFile);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    QVERIFY(!SingleInstance(m_dir->path()).isFirst());

    holder.kill();
    QVERIFY(SingleInstance(m_dir->path()).isFirst());
}

void TestSingleInstance::unreadableLockWithoutHolder_isTakenOver()
{
    // What a crash between creating the lock and writing it leaves behind.
    QFile f(m_dir->path() + u'/' + QCoreApplication::applicationName() + QStringLiteral(".lock"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();

    const SingleInstance next(m_dir->path());
    QVERIFY(next.isFirst());
    QVERIFY(!SingleInstance(m_dir->path()).isFirst());
}

void TestSingleInstance::unusableFolder_doesNotKeepTheUserOut()
{
    // A plain file where the folder should be: no lock can be made there at all.
    const QString notADir = m_dir->filePath(QStringLiteral("file"));
    QFile f(notADir);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();

    const SingleInstance instance(notADir);
    QVERIFY(instance.isFirst());
    QVERIFY(proceedAsOnlyInstance(instance));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

void TestSingleInstance::liveFirst_isSeenWhateverTheLockFolderHolds_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("lock naming another host") << QStringLiteral("other host");
    QTest::newRow("folder where the lock should be") << QStringLiteral("folder");
    QTest::newRow("unreadable lock file") << QStringLiteral("unreadable");
    QTest::newRow("read-only runtime folder") << QStringLiteral("read-only");
    QTest::newRow("no runtime folder") << QStringLiteral("unset");
}

void TestSingleInstance::liveFirst_isSeenWhateverTheLockFolderHolds()
{
    QFETCH(QString, layout);
    const QString run = m_dir->filePath(QStringLiteral("run"));
    const QString lockFile = run + u'/' + QCoreApplication::applicationName() + ".lock";
    if (layout == u"other host") {
        // What a renamed machine, or a container sharing the folder, leaves behind.
        QFile f(lockFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("4242\nzorvane\nsome-other-host\n");
    } else if (layout == u"folder") {
        QVERIFY(QDir().mkdir(lockFile));
    } else if (layout == u"unreadable") {
        QFile f(lockFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(QFile::setPermissions(lockFile, {}));
    } else if (layout == u"read-only") {
        QVERIFY(QFile::setPermissions(run, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        qunsetenv("XDG_RUNTIME_DIR");
    }

    {
        LockHolder first(SingleInstance::userLockDirs());
        QVERIFY2(first.gotLock, "the first start must run");
        const SingleInstance second(SingleInstance::userLockDirs());
        QVERIFY2(!second.isFirst(), "a second start must see the live first one");
    }
    QVERIFY2(SingleInstance(SingleInstance::userLockDirs()).isFirst(),
             "once the first has ended, the next start must run");
    QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSingleInstance::fallbackFolderOfSomeoneElse_isNeverUsed_data()
{
    QTest::addColumn<bool>("foreignOwner");
    QTest::newRow("open to others") << false;
    QTest::newRow("owned by another user") << true;
}

void TestSingleInstance::fallbackFolderOfSomeoneElse_isNeverUsed()
{
    QFETCH(bool, foreignOwner);
    qunsetenv("XDG_RUNTIME_DIR");
    const QString planted =
        m_dir->filePath(QStringLiteral("cache/")) + QCoreApplication::applicationName();
    QVERIFY(QDir().mkpath(planted));
    QVERIFY(QFile::setPermissions(planted, QFileDevice::Permissions(0x7777)));
    if (foreignOwner) {
        if (getuid() != 0)
            QSKIP("only root can give a folder to another user");
        QCOMPARE(chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
        QVERIFY(
            QFile::setPermissions(planted, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    QVERIFY(!SingleInstance::userLockDirs().contains(planted));
    const SingleInstance instance(SingleInstance::userLockDirs());
    QVERIFY2(instance.isFirst(), "with no usable folder the program runs without a lock");
    QVERIFY(QDir(planted).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestSingleInstance::twentySimultaneousStarts_leaveOneSurvivor()
{
    // Every child waits until the gate closes, then all start at the same instant.
    int gate[2];
    int answers[2];
    QCOMPARE(pipe(gate), 0);
    QCOMPARE(pipe(answers), 0);
    QList<pid_t> children;
    for (int i = 0; i < 20; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(gate[1]);
            close(answers[0]);
            char c;
            (void)!read(gate[0], &c, 1);
            const SingleInstance instance(SingleInstance::userLockDirs());
            const char answer = instance.isFirst() ? '1' : '0';
            (void)!write(answers[1], &answer, 1);
            for (;;)
                pause();
        }
        children << pid;
    }
    close(gate[0]);
    close(answers[1]);
    close(gate[1]);
    QByteArray all;
    char c;
    while (all.size() < children.size() && read(answers[0], &c, 1) == 1)
        all += c;
    close(answers[0]);
    for (const pid_t pid : children) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    QCOMPARE(all.size(), 20);
    QCOMPARE(all.count('1'), 1);
}

void TestSingleInstance::liveFirst_isSeenWhateverTheNextStartsEnvironment_data()
{
    QTest::addColumn<QString>("nextRuntime");
    QTest::newRow("runtime folder, then none") << QString();
    QTest::newRow("two runtime folders") << QStringLiteral("run2");
}

void TestSingleInstance::liveFirst_isSeenWhateverTheNextStartsEnvironment()
{
    QFETCH(QString, nextRuntime);
    // The first start has the runtime folder of init(); the next one has the same user and HOME,
    // as after su -, under cron or over ssh without a session.
    LockHolder first(SingleInstance::userLockDirs());
    QVERIFY(first.gotLock);
    if (nextRuntime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        QVERIFY(useRuntimeFolder(nextRuntime));
    QVERIFY2(!SingleInstance(SingleInstance::userLockDirs()).isFirst(),
             "a second start must see the live first one");
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
