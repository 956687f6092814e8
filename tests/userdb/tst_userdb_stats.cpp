#include "UserDbFixture.h"

#include <QPlainTextEdit>

using UserDbTest::Fixture;
using UserDbTest::QuestionnaireAdd;

namespace {

QDateTime At(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second));
}

} // namespace

class TestUserDbStats : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bestResultHistorySummaryAndExaminationKeys();
    void retryLimitAndPermanentErrors();
};

void TestUserDbStats::bestResultHistorySummaryAndExaminationKeys()
{
    Fixture f;
    f.addUser("Anna", "1", 1);
    int day = 1;
    for (float percent : {50, 80, 65})
        QuestionnaireAdd(f.user, 5, 2, percent, At(day++, 9, 0));
    QuestionnaireAdd(f.user, 5, 3, 95, At(3, 10, 0));   // other questionnaire
    f.user.CategoryNr = 0;
    QuestionnaireAdd(f.user, 5, 2, 100, At(4, 9, 0));
    f.addUser("Ben", "2", 1);
    QuestionnaireAdd(f.user, 5, 2, 90, At(4, 9, 0));
    f.user.UserNameSeek("Anna");
    f.user.QuestionnaireStatCompute(5, 2);
    QCOMPARE(f.user.QuestionnaireRecordCount(), 3);
    QCOMPARE(f.user.QuestionnaireResultPercentMax(), 80.0f);
    f.user.CategoryNr = 0;
    f.user.QuestionnaireStatCompute(5, 2);
    QCOMPARE(f.user.QuestionnaireRecordCount(), 1);
    QCOMPARE(f.user.QuestionnaireResultPercentMax(), 100.0f);

    // Anna's history in category 2.
    f.user.CategoryNr = 2;
    QuestionnaireAdd(f.user, -1, 1, 70, At(2, 8, 0), QString());
    QuestionnaireAdd(f.user, 2, 4, 85, At(5, 8, 0), "a    L");
    QuestionnaireAdd(f.user, -1, 0, 60, At(2, 8, 0));   // same moment, stored later
    f.user.CategoryNr = 1;
    QuestionnaireAdd(f.user, 1, 1, 99, At(9, 8, 0));    // other category: not listed
    f.user.CategoryNr = 2;
    const QString blank = "SELECT QuestionnaireAnswers FROM QuestionnaireStat WHERE QuestionnaireResultPercent = 70";
    QCOMPARE(f.raw(blank).toString(), " ");

    // The history screen's rows, newest first, the date as stored; each row
    // reopened with its answers, blanks read back empty.
    QStringList rows;
    f.user.QuestionnaireStatOpen();
    for (const QuestionnaireStatListRow &r : f.user.QuestionnaireStatUserList()) {
        f.user.QuestionnaireStatSeek(r.StatId);
        rows << QStringLiteral("%1/%2/%3 %4 %5 [%6]").arg(r.ThemeNr).arg(r.QuestionnaireNr).arg(r.ResultPercent)
                    .arg(r.DateTimeText).arg(r.Duration).arg(f.user.QuestionnaireAnswers);
    }
    QCOMPARE(rows, QStringList({"2/4/85 2026-03-05 08:00:00 0 [a    L]", "-1/0/60 2026-03-02 08:00:00 0 [abcJ  ]",
                                "-1/1/70 2026-03-02 08:00:00 0 []"}));
    f.user.QuestionnaireStatSeek(-1);   // a row that is gone: cleared properties
    QCOMPARE(f.user.QuestionnaireDateTime, clsUser::ZeroDate());
    f.user.QuestionnaireStatClose();
    f.addUser("Cleo", "3", 2);
    QVERIFY(f.user.QuestionnaireStatUserList().empty());

    // Per-question summary of Anna in category 2: asked, right, and the
    // answer and theme of the last time (the same second: the later row).
    f.user.UserNameSeek("Anna");
    const struct { int nr; int theme; bool right; QDateTime when; int16_t category; } answers[] = {
        {7, 4, false, At(1, 8, 0), 2}, {7, 5, true, At(3, 8, 0), 2}, {7, 6, false, At(2, 8, 0), 2},
        {3, 4, true, At(1, 8, 0), 2},  {3, 4, false, At(1, 8, 0), 2}, {9, 4, true, At(9, 8, 0), 1}};
    f.user.QuestionStatOpen();
    for (const auto &a : answers) {
        f.user.CategoryNr = a.category;
        f.user.QuestionStatAdd();
        f.user.QuestionNr = a.nr, f.user.QuestionThemeNr = int16_t(a.theme), f.user.QuestionAnswer = a.right;
        f.user.QuestionDateTime = a.when;
        f.user.QuestionStatUpdate();
    }
    f.user.QuestionStatClose();
    f.user.CategoryNr = 2;
    rows.clear();
    for (const QuestionStatSummaryRow &r : f.user.QuestionStatUserSummary())
        rows << QStringLiteral("%1 t%2 %3/%4 %5 %6").arg(r.QuestionNr).arg(r.ThemeNr).arg(r.Right).arg(r.Asked)
                    .arg(r.LastDateTimeText).arg(r.LastRight ? "right" : "wrong");
    QCOMPARE(rows, QStringList({"3 t4 1/2 2026-03-01 08:00:00 wrong", "7 t5 1/3 2026-03-03 08:00:00 right"}));
    // The questions last answered wrong: 7 was right since, 9 is of another
    // category. Beyond the limit the most recent ones are kept.
    QCOMPARE(f.user.QuestionStatWrongLastList(40), QVector<int32_t>{3});
    f.user.QuestionStatOpen();
    for (int nr = 100; nr < 145; ++nr) {
        f.user.QuestionStatAdd();
        f.user.QuestionNr = nr, f.user.QuestionAnswer = false, f.user.QuestionDateTime = At(10, 8, 0).addSecs(nr);
        f.user.QuestionStatUpdate();
    }
    f.user.QuestionStatClose();
    const QVector<int32_t> wrong = f.user.QuestionStatWrongLastList(40);
    QCOMPARE(wrong.size(), 40);
    QCOMPARE(QList<int32_t>({wrong.first(), wrong.last()}), QList<int32_t>({144, 105}));
    // The last examinations, newest first, at most as many as asked for.
    for (int day = 10; day <= 15; ++day)
        QuestionnaireAdd(f.user, -1, 1, 80.0f + day, At(day, 8, 0));
    QCOMPARE(f.user.ExamResultsLast(5), QVector<float>({95, 94, 93, 92, 91}));
    f.user.UserNameSeek("Cleo");
    QVERIFY(f.user.QuestionStatUserSummary().empty());
    QVERIFY(f.user.ExamResultsLast(5).isEmpty());

    // The questions of an examination: those stored at its second by the same user.
    f.addQuestions(At(20, 8, 0, 20), {7});
    f.user.UserNameSeek("Anna");
    f.addQuestions(At(20, 8, 0, 0), {1, 2, 3});
    f.addQuestions(At(20, 8, 0, 20), {4, 5});
    f.addQuestions(At(20, 8, 1, 0), {6});
    // Without seconds: second 0 of the minute, never the whole minute.
    const struct { const char *key; QList<int> nrs; } keys[] = {
        {"2026-03-20 08:00:20", {4, 5}}, {"2026-03-20 08:00:00", {1, 2, 3}}, {"2026-03-20T08:00:20", {4, 5}},
        {"20.03.2026 08:00:20", {4, 5}}, {"20.03.2026 08:00", {1, 2, 3}},    {"20.3.2026 8:01", {6}},
        {"2026-03-20 08:00:10", {}}};
    for (const auto &k : keys) {
        QList<int> nrs;
        f.user.QuestionStatUserDateOpen(k.key);
        const int count = f.user.QuestionStatRecordCount();
        for (; f.user.QuestionStatId() != 0; f.user.QuestionStatNext())
            nrs << f.user.QuestionNr;
        QVERIFY2(nrs == k.nrs && count == nrs.size(), k.key);
    }
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbStats::retryLimitAndPermanentErrors()
{
    Fixture f;
    QPlainTextEdit box;
    ResultsLogSetTarget(&box);
    int waits = 0;
    Seams::SetWaitOneSecond([&] { ++waits; });
    f.addUser("Anna", "1");
    // Each engine's own "held by another connection" and "disk full".
    const bool server = UserDbTest::OnServer();
    const QString busyText = server ? "could not serialize access due to concurrent update" : "database is locked";
    const QString busyLine = QStringLiteral("  erreur: %1 - %2\n").arg(server ? "40001" : "5", busyText);
    QSqlError failure(QString(), busyText, QSqlError::StatementError, server ? "40001" : "5");

    // Every fault of the row's write counted as an attempt, as long as failures are left.
    int failuresLeft = 2, attempts = 0;
    f.user.setFaultHook([&](const QString &op) {
        return op == QLatin1String("QuestionStatUpdate") && failuresLeft-- > 0 ? (++attempts, failure) : QSqlError();
    });

    // Locked twice, then free: two waits and the record is stored.
    f.addQuestions(At(1, 8, 0), {41});
    QCOMPARE(box.toPlainText(), busyLine + "  nouvel essai dans une seconde (tentative 2)\n" + busyLine
                                    + "  nouvel essai dans une seconde (tentative 3)\n");
    QCOMPARE(waits, 2);
    QCOMPARE(f.raw("SELECT COUNT(*) || '/' || MAX(QuestionNr) FROM QuestionStat").toString(), QStringLiteral("1/41"));
    QVERIFY(RuntimeErrorLines().isEmpty());
    box.clear();
    attempts = waits = 0;
    failuresLeft = 1000;

    // Locked for good: the first try and 60 retries, then one report.
    f.addQuestions(At(1, 8, 0), {42});
    QVERIFY2(attempts == 61 && waits == 60, qPrintable(QString("%1 attempts, %2 waits").arg(attempts).arg(waits)));
    QString expected;
    for (int n = 2; n <= 61; ++n)
        expected += busyLine
                    + (n <= 60 ? QStringLiteral("  nouvel essai dans une seconde (tentative %1)\n").arg(n)
                               : QStringLiteral("  abandon après 60 essais !\n"));
    QCOMPARE(box.toPlainText(), expected);
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].endsWith("(clsUser -> QuestionStatUpdate)"));

    // A full disk does not go away by waiting: reported at once, no retry lines.
    box.clear();
    attempts = waits = 0;
    failure = server ? QSqlError(QString(), "could not extend file", QSqlError::StatementError, "53100")
                     : QSqlError(QString(), "database or disk is full", QSqlError::StatementError, "13");
    f.addQuestions(At(1, 8, 0), {43});
    QVERIFY(attempts == 1 && waits == 0);
    QCOMPARE(box.toPlainText(), QString());
    QCOMPARE(RuntimeErrorLines().size(), 2);
    QVERIFY(RuntimeErrorLines()[1].endsWith("(clsUser -> QuestionStatUpdate)"));
    ResultsLogSetTarget(nullptr);
    QCOMPARE(f.raw("SELECT COUNT(*) FROM QuestionStat").toInt(), 1);
}

USERDB_TEST_MAIN(TestUserDbStats)
#include "tst_userdb_stats.moc"
