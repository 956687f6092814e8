// Two programs on one user database: locks are waited for, and a grading
// interrupted by the end of its process leaves all of it or none of it.
#include "UserDbFixture.h"

#include <QElapsedTimer>
#include <QProcess>

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

void WriteGrading(clsUser &u)
{
    const QDateTime when(QDate(2026, 5, 4), QTime(9, 0, 0));
    u.QuestionnaireStatOpen();
    u.QuestionnaireStatAdd();
    u.QuestionnaireThemeNr = -1;
    u.QuestionnaireNr = 1;
    u.QuestionnaireDateTime = when;
    u.QuestionnaireResultPercent = 85;
    u.QuestionnaireStatUpdate();
    u.QuestionnaireStatClose();
    u.QuestionStatOpen();
    for (int i = 1; i <= 40; ++i) {
        u.QuestionStatAdd();
        u.QuestionNr = i;
        u.QuestionDateTime = when;
        u.QuestionStatUpdate();
    }
    u.QuestionStatClose();
}

} // namespace

class TestUserDbSharing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gradingWaitsForAnotherWorkstation();
    void killedGradingLeavesAllOrNothing();
};

void TestUserDbSharing::gradingWaitsForAnotherWorkstation()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    QProcess other;
    other.start(QStringLiteral(USERDB_HELPER), {QStringLiteral("lock"), f.file(), QStringLiteral("2500")});
    QVERIFY(WaitForLine(other, "locked"));

    QElapsedTimer waited;
    waited.start();
    QVERIFY(f.user.GradingBegin());
    const qint64 ms = waited.elapsed();
    WriteGrading(f.user);
    QVERIFY(f.user.GradingCommit());
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(other.exitCode(), 0);

    QVERIFY2(ms >= 1000, "the grading did not wait for the lock of the other program");
    QVERIFY(RuntimeErrorLines().isEmpty());
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionnaireStat")).toInt(), 1);
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat WHERE UserID = %1").arg(f.user.UserID()))
                 .toInt(),
             40);
    // The other program's row came first: it held the lock.
    QCOMPARE(f.raw(QStringLiteral("SELECT EventCode FROM Events ORDER BY EventId LIMIT 1")).toInt(), 9999);
}

void TestUserDbSharing::killedGradingLeavesAllOrNothing()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    f.user.DbClose();

    // Run to the end once: the helper writes a whole grading.
    QProcess full;
    full.start(QStringLiteral(USERDB_HELPER), {QStringLiteral("grade"), f.file(), QStringLiteral("Anna"),
                                               QStringLiteral("0")});
    QVERIFY(full.waitForFinished(30000));
    QCOMPARE(full.exitCode(), 0);
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt(), 40);

    // Killed halfway through the question rows.
    QProcess killed;
    killed.start(QStringLiteral(USERDB_HELPER), {QStringLiteral("grade"), f.file(), QStringLiteral("Anna"),
                                                 QStringLiteral("100")});
    QVERIFY(WaitForLine(killed, "row 15"));
    killed.kill();   // SIGKILL
    QVERIFY(killed.waitForFinished(10000));
    QCOMPARE(killed.exitStatus(), QProcess::CrashExit);

    QCOMPARE(f.raw(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    const int questionnaires = f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionnaireStat")).toInt();
    const int questions = f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt();
    QCOMPARE(questions, 40 * questionnaires);   // never part of a grading
    QCOMPARE(questionnaires, 1);                // killed before its commit: nothing of it remains

    // The database is usable afterwards.
    f.user.DbOpen();
    QVERIFY(f.user.IsOpen());
    f.user.UserNameSeek(QStringLiteral("Anna"));
    QVERIFY(f.user.GradingBegin());
    WriteGrading(f.user);
    QVERIFY(f.user.GradingCommit());
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt(), 80);
}

QTEST_MAIN(TestUserDbSharing)
#include "tst_userdb_sharing.moc"
