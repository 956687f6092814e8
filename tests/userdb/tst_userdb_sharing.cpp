// Two programs on one user database: locks are waited for, and a grading
// interrupted by the end of its process leaves all of it or none of it.
#include "UserDbFixture.h"

#include <QElapsedTimer>
#include <QProcess>
#include <numeric>

using UserDbTest::Fixture;

namespace {

bool WaitForLine(QProcess &p, const QByteArray &line, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        while (p.canReadLine())
            if (p.readLine().trimmed() == line)
                return true;
        if (p.state() == QProcess::NotRunning)
            return false;
        p.waitForReadyRead(500);
    }
    return false;
}

// Starts the helper holding the user database's lock ("exclusive": readers kept out too).
void LockElsewhere(QProcess &p, const Fixture &f, const QString &ms, const QString &mode = {})
{
    p.start(USERDB_HELPER, QStringList{"lock", f.file(), ms} + (mode.isEmpty() ? QStringList() : QStringList{mode}));
    QVERIFY(WaitForLine(p, "locked"));
}

void WriteGrading(Fixture &f)
{
    const QDateTime when(QDate(2026, 5, 4), QTime(9, 0, 0));
    QList<int> numbers(40);
    std::iota(numbers.begin(), numbers.end(), 1);
    f.addQuestionnaire(-1, 1, 85, when);
    f.addQuestions(when, numbers);
}

} // namespace

class TestUserDbSharing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gradingWaitsForAnotherWorkstation();
    void killedGradingLeavesAllOrNothing();
    void openWaitsForALockedFile();
};

void TestUserDbSharing::gradingWaitsForAnotherWorkstation()
{
    Fixture f;
    f.addUser("Anna", "1");
    QProcess other;
    LockElsewhere(other, f, "2500");
    QElapsedTimer waited;
    waited.start();
    QVERIFY(f.user.GradingBegin());
    const qint64 ms = waited.elapsed();
    WriteGrading(f);
    QVERIFY(f.user.GradingCommit());
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(other.exitCode(), 0);
    QVERIFY2(ms >= 1000, "the grading did not wait for the lock of the other program");
    QVERIFY(RuntimeErrorLines().isEmpty());
    QCOMPARE(f.count("QuestionnaireStat"), 1);
    QCOMPARE(f.raw(QString("SELECT COUNT(*) FROM QuestionStat WHERE UserID = %1").arg(f.user.UserID())).toInt(), 40);
    // The other program's row came first: it held the lock.
    QCOMPARE(f.raw("SELECT EventCode FROM Events ORDER BY EventId LIMIT 1").toInt(), 9999);
}

void TestUserDbSharing::killedGradingLeavesAllOrNothing()
{
    Fixture f;
    f.addUser("Anna", "1");
    f.user.DbClose();
    QProcess full;   // run to the end once: a whole grading
    full.start(USERDB_HELPER, {"grade", f.file(), "Anna", "0"});
    QVERIFY(full.waitForFinished(30000));
    QCOMPARE(full.exitCode(), 0);
    QCOMPARE(f.count("QuestionStat"), 40);

    QProcess killed;   // killed halfway through the question rows
    killed.start(USERDB_HELPER, {"grade", f.file(), "Anna", "100"});
    QVERIFY(WaitForLine(killed, "row 15"));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QCOMPARE(killed.exitStatus(), QProcess::CrashExit);
    QCOMPARE(f.raw("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    QCOMPARE(f.count("QuestionnaireStat"), 1);
    QCOMPARE(f.count("QuestionStat"), 40);

    f.user.DbOpen();   // usable afterwards
    f.user.UserNameSeek("Anna");
    QVERIFY(f.user.GradingBegin());
    WriteGrading(f);
    QVERIFY(f.user.GradingCommit());
    QCOMPARE(f.count("QuestionStat"), 80);
}

void TestUserDbSharing::openWaitsForALockedFile()
{
    Fixture f;
    f.addUser("Anna", "1");
    f.user.DbClose();
    QProcess other;
    LockElsewhere(other, f, "10000", "exclusive");
    QElapsedTimer waited;
    waited.start();
    f.user.DbOpen();
    const qint64 ms = waited.elapsed();
    QVERIFY(other.waitForFinished(20000));
    QCOMPARE(other.exitCode(), 0);
    QVERIFY2(f.user.IsOpen(), qPrintable(RuntimeErrorLines().join('\n')));
    QVERIFY(RuntimeErrorLines().isEmpty());
    QVERIFY2(ms >= 8000, "the file was opened while the other program held its lock");
    f.user.FirstUser();
    QCOMPARE(f.user.UserName, QStringLiteral("Anna"));
}

USERDB_TEST_MAIN(TestUserDbSharing)
#include "tst_userdb_sharing.moc"
