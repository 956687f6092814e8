// A candidate's whole way through the real main window on the demo data:
// sign in, take an examination, answer every question, grade, read the grade
// screen, review a question, leave, and find the records in the user database.
// Run on the demo's SQLite user database, and with "--engine postgresql" on a
// copy of it on the test server; then the administrator finds the server on
// the settings tab.
#include "ShellFixture.h"
#include "training/QuestionSet.h"
#include "userdb/UserDbCopy.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

class TestCandidateJourney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void examinationFromSignInToStoredRecords();
};

void TestCandidateJourney::examinationFromSignInToStoredRecords()
{
    TestSupport::Sandbox sb;
    const QString demo = QStringLiteral(VELKO_DEMO_DIR);
    const QString data = sb.dir.path() + QStringLiteral("/");
    const QString bank = data + QStringLiteral("Velko.sqlite");
    const QString users = data + QStringLiteral("Users.sqlite");
    QVERIFY(QFile::copy(demo + QStringLiteral("/Velko.sqlite"), bank));
    QVERIFY(QFile::copy(demo + QStringLiteral("/Users.sqlite"), users));
    QFile::setPermissions(users, QFile::ReadOwner | QFile::WriteOwner);
    UserDbLocation location = UserDbLocation::SQLiteFile(users);
    std::unique_ptr<UserDbTest::ServerDatabase> server;
    if (UserDbTest::OnServer()) {
        // The school moved its user database onto the server.
        server = std::make_unique<UserDbTest::ServerDatabase>();
        QStringList report;
        QString error;
        QVERIFY2(UserDbCopy(location, server->location, false, report, error), qPrintable(error));
        location = server->location;
    }
    const QString maxqpt = GetINIvalue(QStringLiteral(VELKO_DEMO_INI), "Config", "MAXQPT");
    sb.writeIni(QStringLiteral("[Config]\nDB_PATH=%1\nDB_NAME=Velko.sqlite\nPIC_PATH=%2/pictures/\nMAXQPT=%3\n")
                    .arg(data, demo, maxqpt)
                + UserDbTest::IniLines(location));
    const auto query = [&location](const QString &sql, const QVariantList &values = {}) {
        return ShellFixture::query(location, sql, values);
    };

    const auto w = ShellFixture::startMainWindow();
    const auto click = [&w](const QString &name) { ShellFixture::click(w.get(), name); };

    // An active candidate of category C signs in with the keypad.
    const QStringList candidate = query("SELECT UserID, UserName, Password FROM \"User\" WHERE CategoryNr = 0 "
                                        "AND UserStatus = 0 AND UserName <> '_Vestr' ORDER BY UserID")
                                      .value(0)
                                      .split('|');
    QCOMPARE(candidate.size(), 3);
    const int userId = candidate[0].toInt();
    ShellFixture::signIn(w.get(), candidate[1], candidate[2]);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));

    // Examination: 40 questions of category C (stored as an examination below).
    click("cmdPracticeExam");
    QCOMPARE(SetRecord.QuestionCount, 40);

    // Answer "a" everywhere: click the answer label, then next.
    int expectedRight = 0;
    for (int i = 1; i <= SetRecord.QuestionCount; ++i) {
        click("picboxAnswerLabel_0");
        const QString sql = "SELECT Answer FROM Question WHERE CategoryNr = 0 AND QuestionNr = ?";
        expectedRight += ShellFixture::query(bank, sql, {SetRecord.QList[i]}).value(0) == "a";
        click("cmdQANext");
    }
    QCOMPARE(SetRecord.CurrentIndex, 1);   // next on the last wraps around

    // Grade and read the grade screen.
    click("cmdQAGrade");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    QCOMPARE(ShellFixture::child<QLineEdit>(w.get(), "txtGradeQNr")->text(), QStringLiteral("40"));
    QCOMPARE(ShellFixture::child<QLineEdit>(w.get(), "txtGradeQRight")->text(), QString::number(expectedRight));
    const int percent = int(std::nearbyint(expectedRight * 100.0 / 40));   // halves to even

    // Review question 3 and come back: graded once, stored once. Then leave.
    ShellFixture::child<QTableWidget>(w.get(), "gridGrade")->setCurrentCell(3, 0);
    click("cmdGradeReview");
    QCOMPARE(SetRecord.CurrentIndex, 3);
    click("cmdQAGrade");
    click("cmdGradeQuit");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));

    // The records of this grading, the question rows all with one timestamp.
    QCOMPARE(query("SELECT QuestionnaireThemeNr, QuestionnaireNr, CategoryNr, ROUND(QuestionnaireResultPercent), "
                   "QuestionnaireAnswers FROM QuestionnaireStat WHERE UserID = ?", {userId}),
             QStringList({QString("-1|1|0|%1|").arg(percent) + QString(40, 'a') + QString(40, ' ')}));
    QCOMPARE(query("SELECT COUNT(*), COUNT(DISTINCT QuestionDateTime), SUM(QuestionAnswer) "
                   "FROM QuestionStat WHERE UserID = ?", {userId}),
             QStringList({QString("40|1|%1").arg(expectedRight)}));
    QCOMPARE(query("SELECT COUNT(*) FROM Events WHERE UserID = ? AND EventCode = 1000", {userId}).value(0).toInt(), 1);
    QVERIFY(RuntimeErrorLines().isEmpty());

    // The administrator's settings tab: a file's directory can be changed, a server only shown.
    click("cmdPracticeQuit");
    ShellFixture::signIn(w.get(), "_Vestr", query("SELECT Password FROM \"User\" WHERE UserName = '_Vestr'").value(0));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Admin));
    QCOMPARE(ShellFixture::child<QLineEdit>(w.get(), "txtUserDBPath")->text(),
             location.isServer() ? "PostgreSQL " + location.serverText() : location.path);
    const QPushButton *select = ShellFixture::child<QPushButton>(w.get(), "cmdUserDBPathSelect");
    QCOMPARE(select->isEnabled(), !location.isServer());
    QCOMPARE(select->toolTip().isEmpty(), !location.isServer());
}

USERDB_TEST_MAIN(TestCandidateJourney)
#include "tst_candidate_journey.moc"
