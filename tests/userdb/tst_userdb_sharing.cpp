// Several programs on one user database: locks are waited for, a grading
// interrupted by the end of its process leaves all of it or none of it, and
// twenty workstations grading at once lose nothing.
#include "UserDbFixture.h"

#include <QProcess>
#include <vector>

using UserDbTest::Fixture;
using UserDbTest::QuestionnaireAdd;

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

} // namespace

class TestUserDbSharing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gradingAndOpeningWaitForAnotherWorkstation();
    void twentyWorkstationsGradeAtOnce();
    void lostConnectionUndoesTheGrading();
};

void TestUserDbSharing::gradingAndOpeningWaitForAnotherWorkstation()
{
    Fixture f;
    f.addUser("Anna", "1");
    QProcess other;
    other.start(USERDB_HELPER, {"lock", f.where(), "2500"});   // holds the lock for 2.5 s
    QVERIFY(WaitForLine(other, "locked"));
    QElapsedTimer waited;
    waited.start();
    QVERIFY(UserDbTest::GradingWrite(f.user, QDateTime(QDate(2026, 5, 4), QTime(9, 0, 0)), 0, {}));
    QVERIFY2(waited.elapsed() >= 1000, "the grading did not wait for the lock of the other program");
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(other.exitCode(), 0);
    QCOMPARE(f.count("QuestionnaireStat"), 1);
    QCOMPARE(f.raw(QString("SELECT COUNT(*) FROM QuestionStat WHERE UserID = %1").arg(f.user.UserID())).toInt(), 40);
    // The other program's row came first: it held the lock.
    QCOMPARE(f.raw("SELECT EventCode FROM Events ORDER BY EventId LIMIT 1").toInt(), 9999);

    // The file's lock holds up the opening; the server's table lock the first read.
    f.user.DbClose();
    other.start(USERDB_HELPER, {"lock", f.where(), "10000", "exclusive"});   // readers kept out too
    QVERIFY(WaitForLine(other, "locked"));
    waited.restart();
    f.user.DbOpen();
    f.user.FirstUser();
    QVERIFY2(waited.elapsed() >= 8000, "the users were read while the other program held its lock");
    QVERIFY(other.waitForFinished(20000));
    QCOMPARE(other.exitCode(), 0);
    QVERIFY2(f.user.IsOpen() && RuntimeErrorLines().isEmpty(), qPrintable(RuntimeErrorLines().join('\n')));
    QCOMPARE(f.user.UserName, QStringLiteral("Anna"));
}

void TestUserDbSharing::twentyWorkstationsGradeAtOnce()
{
    constexpr int Writers = 20, Gradings = 20;
    Fixture f;
    for (int w = 0; w < Writers; ++w)
        f.addUser(QString("W%1").arg(w), QString::number(w));
    f.addUser("Killed", "99");
    f.user.DbClose();

    // One more workstation, killed in the middle of its grading.
    QProcess killed;
    killed.start(USERDB_HELPER, {"grade", f.where(), "Killed", "200"});
    QVERIFY(WaitForLine(killed, "row 3"));
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < Writers; ++w) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(USERDB_HELPER, {"grades", f.where(), QString("W%1").arg(w), QString::number(Gradings)});
    }
    QVERIFY(WaitForLine(killed, "row 5"));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    for (auto &p : writers) {
        QVERIFY(p->waitForFinished(300000));
        const QByteArray out = p->readAllStandardOutput();
        QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0 && out.startsWith("done "),
                 out.constData());
    }
    // Every grading whole, nothing of the killed one (the counts are exact), the file sound.
    if (!UserDbTest::OnServer())
        QCOMPARE(f.raw("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    QCOMPARE(f.count("QuestionnaireStat"), Writers * Gradings);
    QCOMPARE(f.count("QuestionStat"), Writers * Gradings * 40);
    const QString perUser = "SELECT COUNT(*) FROM (SELECT UserID FROM QuestionStat GROUP BY UserID, QuestionDateTime "
                            "HAVING COUNT(*) = 40) AS whole";
    QCOMPARE(f.raw(perUser).toInt(), Writers * Gradings);
}

void TestUserDbSharing::lostConnectionUndoesTheGrading()
{
    if (!UserDbTest::OnServer())
        QSKIP("a database file has no connection to lose");
    Fixture f;
    const int32_t anna = f.addUser("Anna", "1");
    QString problem;
    const auto serverDropsUs = [&] {
        QVERIFY2(UserDbTest::ServerExec("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '"
                                            + f.location().database + "'",
                                        problem),
                 qPrintable(problem));
    };
    // Lost halfway through a grading: reported, nothing of it stored.
    QVERIFY(f.user.GradingBegin());
    QuestionnaireAdd(f.user, -1, 1, 85, QDateTime(QDate(2026, 5, 4), QTime(9, 0, 0)));
    serverDropsUs();
    f.addQuestions(QDateTime(QDate(2026, 5, 4), QTime(9, 0, 0)), {1, 2, 3});
    QVERIFY(!f.user.GradingCommit());
    QVERIFY(!RuntimeErrorLines().isEmpty());
    QVERIFY2(RuntimeErrorLines().first().endsWith("(clsUser -> QuestionnaireStatUpdate)")
                 || RuntimeErrorLines().first().endsWith("(clsUser -> QuestionStatUpdate)"),
             qPrintable(RuntimeErrorLines().join('\n')));
    QCOMPARE(f.count("QuestionnaireStat") + f.count("QuestionStat"), 0);

    // With the server back, the next grading connects again and is stored whole.
    RuntimeErrorLinesClear();
    QVERIFY(UserDbTest::GradingWrite(f.user, QDateTime(QDate(2026, 5, 4), QTime(9, 0, 0)), 0, {}));
    QVERIFY2(RuntimeErrorLines().isEmpty(), qPrintable(RuntimeErrorLines().join('\n')));
    QCOMPARE(f.count("QuestionStat"), 40);
    // Outside a grading a read connects again by itself.
    serverDropsUs();
    f.user.UserNameSeek("Anna");
    QCOMPARE(f.user.UserID(), anna);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

USERDB_TEST_MAIN(TestUserDbSharing)
#include "tst_userdb_sharing.moc"
