#include "MessageBox.h"
#include "SingleInstance.h"
#include "SeamDoubles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
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

private:
    std::optional<QTemporaryDir> m_dir;
};

namespace {

// A child process that takes the lock and then waits to be killed. Only returns in the parent.
struct LockHolder
{
    pid_t pid = -1;
    bool gotLock = false;

    explicit LockHolder(const QString &dir)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const SingleInstance held(dir);
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
    QVERIFY(ProceedAsOnlyInstance(first));
    QVERIFY(TestMessageBox::shown().isEmpty());

    const SingleInstance second(m_dir->path());
    QVERIFY(!ProceedAsOnlyInstance(second));
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

    const QString userDir = SingleInstance::userLockDir();
    QVERIFY(!userDir.isEmpty());
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
    QVERIFY(ProceedAsOnlyInstance(instance));
    QVERIFY(TestMessageBox::shown().isEmpty());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
