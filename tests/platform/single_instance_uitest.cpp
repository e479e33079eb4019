#include <QFile>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/single_instance.h"
#include "support/ui_support.h"

using namespace korrimet;

class SingleInstanceTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path() const { return dir_.filePath("korrimet.lock"); }

private slots:
    void cleanup() { QFile::remove(path()); }

    void aSecondCopyCannotTakeTheLockUntilTheFirstEnds() {
        auto first = std::make_unique<SingleInstance>(path());
        QVERIFY(first->acquire());
        QVERIFY(first->acquire());  // asking again changes nothing
        SingleInstance second(path());
        QVERIFY(!second.acquire());
        QVERIFY(!second.held());
        QVERIFY(second.heldElsewhere());
        first.reset();
        QVERIFY(second.acquire());
        QVERIFY(second.held());
    }

    void aLockLeftByACrashedCopyDoesNotBlockTheNextStart() {
        const pid_t child = fork();
        if (child == 0) {
            // The crashed copy: takes the lock and dies without releasing it.
            SingleInstance crashed(path());
            _exit(crashed.acquire() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(path()));
        SingleInstance next(path());
        QVERIFY(next.acquire());
    }

    void aLockOfALiveCopyIsNotTakenOver() {
        int ready[2];
        QCOMPARE(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance running(path());
            char ok = running.acquire() ? '1' : '0';
            if (write(ready[1], &ok, 1) != 1) _exit(2);
            pause();
            _exit(0);
        }
        char ok = 0;
        QCOMPARE(read(ready[0], &ok, 1), ssize_t(1));
        QCOMPARE(ok, '1');
        SingleInstance next(path());
        const bool took = next.acquire();
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        QVERIFY(!took);
        QVERIFY(next.acquire());  // once it has gone, its lock is stale
    }

    void theDefaultLockLivesInTheUsersRuntimeFolder() {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
        const QString lock = SingleInstance::defaultLockPath();
        qputenv("XDG_RUNTIME_DIR", saved);
        QCOMPARE(lock, dir_.filePath("korrimet.lock"));
    }
};

KORRIMET_UI_TEST_MAIN(SingleInstanceTest)
#include "single_instance_uitest.moc"
