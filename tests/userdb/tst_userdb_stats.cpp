#include "UserDbFixture.h"
#include "userdb/DateKey.h"

#include <QPlainTextEdit>

using UserDbTest::Fixture;

namespace {

QDateTime At(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second));
}

void AddQuestionnaire(clsUser &u, int16_t theme, int16_t nr, float percent, const QDateTime &when,
                      const QString &answers = QStringLiteral("abcJ  "))
{
    u.QuestionnaireStatOpen();
    u.QuestionnaireStatAdd();
    u.QuestionnaireThemeNr = theme;
    u.QuestionnaireNr = nr;
    u.QuestionnaireDateTime = when;
    u.QuestionnaireResultPercent = percent;
    u.QuestionnaireAnswers = answers;
    u.QuestionnaireStatUpdate();
    u.QuestionnaireStatClose();
}

void AddQuestions(clsUser &u, const QDateTime &when, const QList<int> &numbers)
{
    u.QuestionStatOpen();
    for (int nr : numbers) {
        u.QuestionStatAdd();
        u.QuestionThemeNr = static_cast<int16_t>(nr % 7);
        u.QuestionNr = nr;
        u.QuestionDateTime = when;
        u.QuestionAnswer = nr % 2 == 0;
        u.QuestionStatUpdate();
    }
    u.QuestionStatClose();
}

QSqlError Locked()
{
    return QSqlError(QString(), QStringLiteral("database is locked"), QSqlError::StatementError, QStringLiteral("5"));
}

} // namespace

class TestUserDbStats : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bestResultAndAttempts();
    void historyNewestFirstAndSeek();
    void answersAndSingleBlank();
    void questionRowsOfOneGrading();
    void dateKeyForms();
    void retryTwiceThenSuccess();
    void retryGivesUpAfterSixty();
    void gradingIsAllOrNothing();
};

void TestUserDbStats::bestResultAndAttempts()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"), 1);
    f.user.QuestionnaireStatCompute(5, 2);
    QCOMPARE(f.user.QuestionnaireRecordCount(), 0);
    QCOMPARE(f.user.QuestionnaireResultPercentMax(), 0.0f);
    f.user.QuestionnaireStatUserOpen();   // no questionnaires: cleared properties
    QCOMPARE(f.user.QuestionnaireStatId(), 0);
    QCOMPARE(f.user.QuestionnaireDateTime, clsUser::ZeroDate());

    AddQuestionnaire(f.user, 5, 2, 50, At(1, 9, 0));
    AddQuestionnaire(f.user, 5, 2, 80, At(2, 9, 0));
    AddQuestionnaire(f.user, 5, 2, 65, At(3, 9, 0));
    AddQuestionnaire(f.user, 5, 3, 95, At(3, 10, 0));   // other questionnaire
    f.user.CategoryNr = 0;                                // same questionnaire, other category
    AddQuestionnaire(f.user, 5, 2, 100, At(4, 9, 0));
    f.addUser(QStringLiteral("Ben"), QStringLiteral("2"), 1);   // other user
    AddQuestionnaire(f.user, 5, 2, 90, At(4, 9, 0));

    f.user.UserNameSeek(QStringLiteral("Anna"));
    f.user.QuestionnaireStatCompute(5, 2);
    QCOMPARE(f.user.QuestionnaireRecordCount(), 3);
    QCOMPARE(f.user.QuestionnaireResultPercentMax(), 80.0f);
    f.user.CategoryNr = 0;
    f.user.QuestionnaireStatCompute(5, 2);
    QCOMPARE(f.user.QuestionnaireRecordCount(), 1);
    QCOMPARE(f.user.QuestionnaireResultPercentMax(), 100.0f);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbStats::historyNewestFirstAndSeek()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"), 2);
    AddQuestionnaire(f.user, -1, 1, 70, At(2, 8, 0));
    AddQuestionnaire(f.user, 2, 4, 85, At(5, 8, 0));
    AddQuestionnaire(f.user, -1, 0, 60, At(2, 8, 0));   // same moment, stored later
    f.user.CategoryNr = 1;
    AddQuestionnaire(f.user, 1, 1, 99, At(9, 8, 0));    // other category: not listed
    f.user.CategoryNr = 2;

    f.user.setRSCursorType(QStringLiteral("3"));
    f.user.setRSLockType(QStringLiteral("1"));
    f.user.QuestionnaireStatUserOpen();
    QList<float> percents;
    QList<int32_t> ids;
    for (; f.user.QuestionnaireStatId() != 0; f.user.QuestionnaireStatNext()) {
        percents << f.user.QuestionnaireResultPercent;
        ids << f.user.QuestionnaireStatId();
        QCOMPARE(f.user.QuestionnaireProgramVersion(), QStringLiteral("Velko 2.0.0"));
    }
    QCOMPARE(percents, QList<float>({85, 60, 70}));
    QCOMPARE(f.user.QuestionnaireThemeNr, int16_t(0));
    f.user.QuestionnaireStatClose();

    f.user.QuestionnaireStatOpen();
    f.user.QuestionnaireStatSeek(ids[2]);
    f.user.QuestionnaireStatClose();   // values stay readable
    QCOMPARE(f.user.QuestionnaireStatId(), ids[2]);
    QCOMPARE(f.user.QuestionnaireThemeNr, int16_t(-1));
    QCOMPARE(f.user.QuestionnaireNr, int16_t(1));
    QCOMPARE(f.user.QuestionnaireDateTime, At(2, 8, 0));
    f.user.QuestionnaireStatOpen();
    f.user.QuestionnaireStatSeek(99999);
    QCOMPARE(f.user.QuestionnaireStatId(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbStats::answersAndSingleBlank()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    AddQuestionnaire(f.user, 0, 1, 0, At(1, 8, 0), QString());
    AddQuestionnaire(f.user, 0, 1, 0, At(1, 9, 0), QStringLiteral("a    L"));
    QCOMPARE(f.raw(QStringLiteral("SELECT QuestionnaireAnswers FROM QuestionnaireStat ORDER BY StatId LIMIT 1"))
                 .toString(),
             QStringLiteral(" "));
    f.user.QuestionnaireStatUserOpen();
    QCOMPARE(f.user.QuestionnaireAnswers, QStringLiteral("a    L"));
    f.user.QuestionnaireStatNext();
    QCOMPARE(f.user.QuestionnaireAnswers, QString());
    QCOMPARE(f.user.QuestionnaireDuration, 0);
}

void TestUserDbStats::questionRowsOfOneGrading()
{
    Fixture f;
    f.addUser(QStringLiteral("Other"), QStringLiteral("9"));
    AddQuestions(f.user, At(7, 14, 30, 15), {11, 12});
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    AddQuestions(f.user, At(7, 14, 30, 14), {1, 2});        // one second earlier
    AddQuestions(f.user, At(7, 14, 30, 15), {501, 502, 503});
    AddQuestions(f.user, At(7, 14, 31, 0), {9});

    f.user.setRSCursorType(QStringLiteral("3"));
    f.user.setRSLockType(QStringLiteral("1"));
    f.user.QuestionStatUserDateOpen(Sql::DateTimeToText(At(7, 14, 30, 15)));
    QCOMPARE(f.user.QuestionStatRecordCount(), 3);
    QList<int> numbers;
    for (; f.user.QuestionStatId() != 0; f.user.QuestionStatNext()) {
        numbers << f.user.QuestionNr;
        QCOMPARE(f.user.QuestionDateTime, At(7, 14, 30, 15));
        QCOMPARE(f.user.QuestionAnswer, f.user.QuestionNr % 2 == 0);
    }
    QCOMPARE(numbers, QList<int>({501, 502, 503}));
    f.user.QuestionStatClose();

    // A text without seconds stands for the whole minute.
    f.user.QuestionStatUserDateOpen(QStringLiteral("07.03.2026 14:30"));
    QCOMPARE(f.user.QuestionStatRecordCount(), 5);
    f.user.QuestionStatUserDateOpen(QStringLiteral("no date"));
    QCOMPARE(f.user.QuestionStatRecordCount(), 0);
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].endsWith(QStringLiteral("(clsUser -> QuestionStatUserDateOpen)")));
}

void TestUserDbStats::dateKeyForms()
{
    QDateTime from, to;
    QVERIFY(DateKey::Range(QStringLiteral("2026-03-07 14:30:15"), from, to));
    QCOMPARE(from, At(7, 14, 30, 15));
    QCOMPARE(to, from);
    QVERIFY(DateKey::Range(QStringLiteral("2026-03-07T14:30:15"), from, to));
    QCOMPARE(to, At(7, 14, 30, 15));
    const QDateTime moment = At(7, 14, 30, 15);
    QVERIFY(DateKey::Range(QLocale().toString(moment, QLocale::ShortFormat), from, to));
    QVERIFY(from <= moment && moment <= to);
    QVERIFY(from.secsTo(to) <= 59);
    QVERIFY(DateKey::Range(QLocale().toString(moment.date(), QLocale::ShortFormat) + " "
                               + moment.time().toString("HH:mm:ss"),
                           from, to));
    QCOMPARE(from, moment);
    QVERIFY(!DateKey::Range(QStringLiteral("2026-13-40 99:00:00"), from, to));
    QVERIFY(!DateKey::Range(QString(), from, to));
}

void TestUserDbStats::retryTwiceThenSuccess()
{
    Fixture f;
    QPlainTextEdit box;
    ResultsLogSetTarget(&box);
    int waits = 0;
    Seams::SetWaitOneSecond([&] { ++waits; });
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    int failures = 2;
    f.user.setFaultHook([&](const QString &op) {
        return op == QLatin1String("QuestionStatUpdate") && failures-- > 0 ? Locked() : QSqlError();
    });
    AddQuestions(f.user, At(1, 8, 0), {42});
    ResultsLogSetTarget(nullptr);
    QCOMPARE(box.toPlainText(), QStringLiteral("  erreur: 5 - database is locked\n"
                                               "  nouvel essai dans une seconde (tentative 2)\n"
                                               "  erreur: 5 - database is locked\n"
                                               "  nouvel essai dans une seconde (tentative 3)\n"));
    QCOMPARE(waits, 2);
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt(), 1);
    QCOMPARE(f.raw(QStringLiteral("SELECT QuestionNr FROM QuestionStat")).toInt(), 42);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbStats::retryGivesUpAfterSixty()
{
    Fixture f;
    QPlainTextEdit box;
    ResultsLogSetTarget(&box);
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    int attempts = 0;
    f.user.setFaultHook([&](const QString &op) {
        return op == QLatin1String("QuestionStatAdd") && ++attempts ? Locked() : QSqlError();
    });
    AddQuestions(f.user, At(1, 8, 0), {42});
    ResultsLogSetTarget(nullptr);
    QCOMPARE(attempts, 61);
    const QStringList lines = box.toPlainText().split('\n', Qt::SkipEmptyParts);
    // 60 retries of the add, then 60 of the update that has no new row to save
    QCOMPARE(lines.size(), 240);
    QCOMPARE(lines.filter(QStringLiteral("  erreur: 5 - ")).size(), 60);
    QVERIFY(lines[120].startsWith(QStringLiteral("  erreur: 3021 - ")));
    QCOMPARE(lines[117], QStringLiteral("  nouvel essai dans une seconde (tentative 60)"));
    QCOMPARE(lines[119], QStringLiteral("  abandon après 60 essais !"));
    QCOMPARE(RuntimeErrorLines().size(), 2);   // the add, then the update without a new row
    QCOMPARE(RuntimeErrorLines()[0], QStringLiteral("Error 5 : database is locked (clsUser -> QuestionStatAdd)"));
    QVERIFY(RuntimeErrorLines()[1].endsWith(QStringLiteral("(clsUser -> QuestionStatUpdate)")));
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt(), 0);
}

void TestUserDbStats::gradingIsAllOrNothing()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    QVERIFY(f.user.GradingBegin());
    AddQuestionnaire(f.user, -1, 1, 75, At(1, 8, 0));
    AddQuestions(f.user, At(1, 8, 0), {1, 2, 3});
    f.user.GradingRollback();
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt(), 0);
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionnaireStat")).toInt(), 0);

    // A commit that meets a lock is retried with the same lines.
    QPlainTextEdit box;
    ResultsLogSetTarget(&box);
    int busy = 1;
    f.user.setFaultHook([&](const QString &op) {
        return op == QLatin1String("GradingCommit") && busy-- > 0 ? Locked() : QSqlError();
    });
    QVERIFY(f.user.GradingBegin());
    AddQuestionnaire(f.user, -1, 1, 75, At(1, 9, 0));
    AddQuestions(f.user, At(1, 9, 0), {1, 2, 3});
    QVERIFY(f.user.GradingCommit());
    ResultsLogSetTarget(nullptr);
    QVERIFY(box.toPlainText().contains(QStringLiteral("(tentative 2)")));
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionStat")).toInt(), 3);
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM QuestionnaireStat")).toInt(), 1);

    // Other failures of the begin are reported at once, without retries.
    f.user.setFaultHook([](const QString &op) {
        return op == QLatin1String("GradingBegin")
                   ? QSqlError(QString(), QStringLiteral("disk full"), QSqlError::StatementError, QStringLiteral("13"))
                   : QSqlError();
    });
    QVERIFY(!f.user.GradingBegin());
    QCOMPARE(RuntimeErrorLines(), QStringList({"Error 13 : disk full (clsUser -> GradingBegin)"}));
}

QTEST_MAIN(TestUserDbStats)
#include "tst_userdb_stats.moc"
