// Grading: right answers and percentage, the stored answers text, the records
// of one grading, its timestamp, its transaction and the results log.
#include "TrainingFixture.h"
#include "training/Grading.h"

using namespace TrainingTest;

namespace {

QString RightLetter(int32_t nr) { return nr % 3 == 0 ? QStringLiteral("c") : QStringLiteral("b"); }

// Questions 1..count, the first `right` answered right and the rest wrong ("a").
void SetWithRightAnswers(int32_t count, int32_t right)
{
    SetRecord.Redim(count);
    for (int32_t i = 1; i <= count; ++i) {
        SetRecord.QList[i] = i;
        SetRecord.UserAnswers[i] = i <= right ? RightLetter(i) : QStringLiteral("a");
    }
}

QSqlError DiskFull() { return QSqlError(QString(), QStringLiteral("disk full"), QSqlError::StatementError, QStringLiteral("13")); }

} // namespace

class TestTrainingGrading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordsOfOneGradingAndItsLog();
};

// What a grading stores: one clock reading for all its records, the result,
// the answers text with the reveal marks, one record per question in order;
// what it writes to the results log; how right answers are counted; that a failed one keeps nothing.
void TestTrainingGrading::recordsOfOneGradingAndItsLog()
{
    Env env;
    env.makeUsers();
    auto *box = env.get<QPlainTextEdit>(env.resultsLog, "txtResultsLog");
    box->setPlainText(QStringLiteral("old text"));
    CurrentThemeNr = -1;
    CurrentQuestionnaireNr = 1;
    // The clock moves on by 0.7 s at every reading: one reading must serve all.
    QDateTime now(QDate(2026, 3, 7), QTime(14, 30, 15, 600));
    Seams::SetClock([&now] {
        now = now.addMSecs(700);
        return now.addMSecs(-700);
    });
    SetRecord.QuestionMode = QuestionModeExam;
    SetRecord.Redim(3);
    SetRecord.QList = {0, 21, 7, 33};
    SetRecord.UserAnswers = {QString(), RightLetter(21), QStringLiteral("a"), RightLetter(33)};
    QVERIFY(GradingRun());
    const QString stamp = Sql::DateTimeToText(QDateTime(QDate(2026, 3, 7), QTime(14, 30, 15)));
    QCOMPARE(env.rows("SELECT QuestionnaireDateTime || '|' || QuestionnaireResultPercent FROM QuestionnaireStat"),
             QStringList({stamp + "|67.0"}));
    // Question, theme and right of each, in the set's order.
    QCOMPARE(env.rows("SELECT QuestionNr || '/' || QuestionThemeNr || '/' || QuestionAnswer FROM QuestionStat WHERE UserID = "
                      + QString::number(objUser->UserID()) + " AND QuestionDateTime = '" + stamp + "' ORDER BY StatId"),
             QStringList({"21/5/1", "7/4/0", "33/5/1"}));
    // The grading left the statistics recordsets closed and writable again.
    QCOMPARE(objUser->RSLockType(), QStringLiteral("2"));
    const QString N = NewLine;
    const QString open = "- ouverture de la database Users.mdb" + N, write = "- ecriture de l'enregistrement" + N,
                  close = "- fermeture de la database Users.mdb" + N + "Terminé !" + N + N;
    QString perQuestion;
    for (int i = 1; i <= 3; ++i)
        perQuestion += "- ajout de l'enregistrement pour la question No " + QString::number(i) + N + write;
    QCOMPARE(box->toPlainText(),
             "Calcul des résultats ..." + N + "Terminé !" + N + N + "Stockage des résultats du questionnaire ..." + N
                 + open + "- ajout de l'enregistrement contenant les résultats" + N + write + close
                 + "Stockage des réponses du questionnaire ..." + N + open + perQuestion + close);
    frameResultsLog *log = env.resultsLog;
    auto *abort = env.get<QPushButton>(log, "cmdResultsLogAbort");
    auto *cont = env.get<QPushButton>(log, "cmdResultsLogContinue");
    QVERIFY(cont->isEnabled() && !abort->isEnabled());

    // Revealed and corrected: "L"; revealed only: "J".
    SetWithRightAnswers(6, 6);
    SetRecord.RevealState[3] = 2;
    SetRecord.RevealState[5] = 1;
    QVERIFY(GradingRun());
    // A practice set without answers: blanks, 0 %, every question wrong.
    CurrentQuestionnaireNr = 0;
    SetRecord.QuestionMode = QuestionModePractice;
    SetRecord.Redim(5);
    for (int i = 1; i <= 5; ++i)
        SetRecord.QList[i] = 10 + i;
    QVERIFY(GradingRun());
    QCOMPARE(SetRecord.ResultPercent, int16_t(0));
    QCOMPARE(env.rows("SELECT QuestionnaireAnswers FROM QuestionnaireStat ORDER BY StatId"),
             QStringList({"cac   ", "bbcbbc  L J ", QString(10, ' ')}));
    QCOMPARE(env.rows("SELECT QuestionAnswer FROM QuestionStat WHERE QuestionNr BETWEEN 11 AND 15"),
             QStringList(5, "0"));

    // A new log starts empty, with both buttons off.
    ResultsLogAppend(QStringLiteral("line"));
    log->frameResultsLogInit();
    QCOMPARE(box->toPlainText(), QString());
    QVERIFY(!abort->isEnabled() && !cont->isEnabled());

    // Continue sends the log behind the other frames.
    log->raise();
    log->cmdResultsLogContinue_Click();
    QCOMPARE(env.window.children().first(), static_cast<QObject *>(log));
    QCOMPARE(Seams::ProgramEndRequests(), 0);

    // Abort removes the scratch files and ends the program.
    const QString scratch = TempFileCreate();
    log->cmdResultsLogAbort_Click();
    QVERIFY(!QFile::exists(scratch));
    QCOMPARE(Seams::ProgramEndRequests(), 1);

    // Right answers counted; the percentage halves to even (87.5 and 82.5).
    const struct { int count, right, percent; } cases[] = {{30, 25, 83}, {40, 35, 88}, {40, 33, 82}};
    for (const auto &c : cases) {
        SetWithRightAnswers(c.count, c.right);
        ResultsCompute();
        QCOMPARE(SetRecord.RightAnswerCount, int16_t(c.right));
        QCOMPARE(SetRecord.ResultPercent, int16_t(c.percent));
    }
    // Upper case and unanswered are wrong.
    SetRecord.UserAnswers[1] = RightLetter(1).toUpper();
    SetRecord.UserAnswers[2].clear();
    ResultsCompute();
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(31));
    // The category is part of the key: in category 3 none of these exists.
    CurrentCategoryNr = 3;
    ResultsCompute();
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(0));
    // An empty set gives 0.
    QCOMPARE(ResultPercentOf(0, 0), int16_t(0));

    // A failure at the start, at a write (undoing the records before it) or at the
    // commit keeps nothing (that a full disk is not retried is the user database's test).
    const int questionnaires = env.count("QuestionnaireStat"), questions = env.count("QuestionStat");
    SetWithRightAnswers(40, 30);
    for (const char *op : {"GradingBegin", "QuestionnaireStatUpdate", "GradingCommit", "QuestionStatAdd", "QuestionStatUpdate"}) {
        RuntimeErrorLinesClear();
        objUser->setFaultHook([op](const QString &o) { return o == QLatin1String(op) ? DiskFull() : QSqlError(); });
        QVERIFY2(!GradingRun(), op);
        if (QByteArray(op).startsWith("QuestionStat")) {
            QCOMPARE(RuntimeErrorLines().size(), 1);
            QVERIFY(RuntimeErrorLines()[0].endsWith(QStringLiteral("(clsUser -> %1)").arg(op)));
        }
        const QString log = env.get<QPlainTextEdit>(env.resultsLog, "txtResultsLog")->toPlainText();
        QVERIFY(log.endsWith(QStringLiteral("Erreur : les résultats n'ont pas pu être enregistrés !") + NewLine));
        QCOMPARE(env.count("QuestionnaireStat") + env.count("QuestionStat"), questionnaires + questions);
    }
    objUser->setFaultHook({});
    // The next grading is stored normally.
    QVERIFY(GradingRun());
    QCOMPARE(env.count("QuestionStat"), questions + 40);
    QCOMPARE(env.count("QuestionnaireStat"), questionnaires + 1);
}

QTEST_MAIN(TestTrainingGrading)
#include "tst_training_grading.moc"
