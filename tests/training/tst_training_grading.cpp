// Grading: right answers and percentage, the stored answers text, the records
// of one grading, its timestamp, its transaction and the results log.
#include "TrainingFixture.h"
#include "core/Screens.h"
#include "training/Grading.h"
#include "training/frameResultsLog.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace TrainingTest;

namespace {

// Category 0: questions 1..40, themes 4 (1..20) and 5 (21..40); the right
// answer of question n is "a", "b", "c" in turn.
BankFixture::Content GradingBank()
{
    BankFixture::Content c;
    static const char *letters[] = {"a", "b", "c"};
    for (int32_t n = 1; n <= 40; ++n)
        c.questions.append({0, n, 0, int16_t(n <= 20 ? 4 : 5), letters[n % 3]});
    AddThemeNames(c, 5);
    return c;
}

QString RightLetter(int32_t nr)
{
    static const char *letters[] = {"a", "b", "c"};
    return QString::fromLatin1(letters[nr % 3]);
}

QString WrongLetter(int32_t nr)
{
    static const char *letters[] = {"b", "c", "a"};
    return QString::fromLatin1(letters[nr % 3]);
}

// A set of questions first..first+count-1 with the first `right` answered
// right and the rest wrong.
void SetWithRightAnswers(int32_t count, int32_t right)
{
    SetRecord.Redim(count);
    for (int32_t i = 1; i <= count; ++i) {
        SetRecord.QList[i] = i;
        SetRecord.UserAnswers[i] = i <= right ? RightLetter(i) : WrongLetter(i);
    }
}

QDateTime At(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2026, 3, 7), QTime(h, m, s, ms));
}

} // namespace

class TestTrainingGrading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rightAnswersCounted();
    void practiceSetWithoutAnswers();
    void revealedAndCorrectedStoresL();
    void recordsOfOneGrading();
    void resultsLogText();
    void failedGradingKeepsNothing();
    void resultsLogButtons();
};

void TestTrainingGrading::rightAnswersCounted()
{
    Fixture f;
    f.makeBank(GradingBank());
    CurrentCategoryNr = 0;
    SetWithRightAnswers(30, 25);
    ResultsCompute();
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(25));
    QCOMPARE(SetRecord.ResultPercent, int16_t(83));
    SetWithRightAnswers(40, 35);
    ResultsCompute();
    QCOMPARE(SetRecord.ResultPercent, int16_t(88));
    SetWithRightAnswers(40, 33);
    ResultsCompute();
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(33));
    QCOMPARE(SetRecord.ResultPercent, int16_t(82));
    // Upper case and unanswered are wrong.
    SetRecord.UserAnswers[1] = RightLetter(1).toUpper();
    SetRecord.UserAnswers[2].clear();
    ResultsCompute();
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(31));
    // The category is part of the key: in category 1 nothing exists.
    CurrentCategoryNr = 1;
    ResultsCompute();
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(0));
    QCOMPARE(SetRecord.ResultPercent, int16_t(0));
    // Halves to even: 1 of 40 gives 2, 3 of 40 give 8; an empty set 0.
    QCOMPARE(ResultPercentOf(1, 40), int16_t(2));
    QCOMPARE(ResultPercentOf(3, 40), int16_t(8));
    QCOMPARE(ResultPercentOf(0, 0), int16_t(0));
}

void TestTrainingGrading::practiceSetWithoutAnswers()
{
    Fixture f;
    f.makeBank(GradingBank());
    f.makeUsers();
    CurrentCategoryNr = 0;
    CurrentThemeNr = -1;
    CurrentQuestionnaireNr = 0;
    SetRecord.QuestionMode = QuestionModePractice;
    SetRecord.Redim(5);
    for (int i = 1; i <= 5; ++i)
        SetRecord.QList[i] = 10 + i;
    QVERIFY(GradingRun());
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(0));
    QCOMPARE(SetRecord.ResultPercent, int16_t(0));
    QCOMPARE(f.rows("SELECT QuestionnaireAnswers FROM QuestionnaireStat"), QVariantList({QString(10, ' ')}));
    QCOMPARE(f.rows("SELECT QuestionnaireThemeNr FROM QuestionnaireStat").value(0).toInt(), -1);
    QCOMPARE(f.rows("SELECT QuestionnaireNr FROM QuestionnaireStat").value(0).toInt(), 0);
    QCOMPARE(f.rows("SELECT QuestionAnswer FROM QuestionStat").size(), 5);
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionStat WHERE QuestionAnswer <> 0").value(0).toInt(), 0);
}

void TestTrainingGrading::revealedAndCorrectedStoresL()
{
    Fixture f;
    f.makeBank(GradingBank());
    f.makeUsers();
    CurrentCategoryNr = 0;
    CurrentThemeNr = 0;
    CurrentQuestionnaireNr = 4;
    SetWithRightAnswers(6, 6);
    SetRecord.RevealState[3] = 2;
    SetRecord.RevealState[5] = 1;
    QVERIFY(GradingRun());
    const QString stored = f.rows("SELECT QuestionnaireAnswers FROM QuestionnaireStat").value(0).toString();
    QCOMPARE(stored.size(), 12);
    QCOMPARE(stored.mid(6), QStringLiteral("  L J "));
    QCOMPARE(stored.at(6 + 3 - 1), QLatin1Char('L'));
    QCOMPARE(stored.left(6), RightLetter(1) + RightLetter(2) + RightLetter(3) + RightLetter(4) + RightLetter(5)
                                 + RightLetter(6));
}

void TestTrainingGrading::recordsOfOneGrading()
{
    Fixture f;
    f.makeBank(GradingBank());
    f.makeUsers();
    CurrentCategoryNr = 0;
    CurrentThemeNr = -1;
    CurrentQuestionnaireNr = 1;
    // The clock moves on by 0.7 s at every reading: one reading must serve all.
    QDateTime now = At(14, 30, 15, 600);
    Seams::SetClock([&now] {
        const QDateTime t = now;
        now = now.addMSecs(700);
        return t;
    });
    SetRecord.QuestionMode = QuestionModeExam;
    SetRecord.Redim(3);
    SetRecord.QList = {0, 21, 7, 33};
    SetRecord.UserAnswers = {QString(), RightLetter(21), WrongLetter(7), RightLetter(33)};
    QVERIFY(GradingRun());
    const QString stamp = Sql::DateTimeToText(At(14, 30, 15));
    QCOMPARE(f.rows("SELECT QuestionnaireDateTime FROM QuestionnaireStat"), QVariantList({stamp}));
    QCOMPARE(f.rows("SELECT QuestionDateTime FROM QuestionStat ORDER BY StatId"),
             QVariantList({stamp, stamp, stamp}));
    QCOMPARE(f.rows("SELECT QuestionNr FROM QuestionStat ORDER BY StatId"), QVariantList({21, 7, 33}));
    QCOMPARE(f.rows("SELECT QuestionThemeNr FROM QuestionStat ORDER BY StatId"), QVariantList({5, 4, 5}));
    QCOMPARE(f.rows("SELECT QuestionAnswer FROM QuestionStat ORDER BY StatId"), QVariantList({1, 0, 1}));
    QCOMPARE(f.rows("SELECT QuestionnaireResultPercent FROM QuestionnaireStat").value(0).toDouble(), 67.0);
    QCOMPARE(f.rows("SELECT QuestionnaireNr FROM QuestionnaireStat").value(0).toInt(), 1);
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionStat WHERE UserID = " + QString::number(objUser->UserID()))
                 .value(0)
                 .toInt(),
             3);
    // The grading left the statistics recordsets closed and writable again.
    QCOMPARE(objUser->RSCursorType(), QStringLiteral("2"));
    QCOMPARE(objUser->RSLockType(), QStringLiteral("2"));
}

void TestTrainingGrading::resultsLogText()
{
    Fixture f;
    f.makeBank(GradingBank());
    f.makeUsers();
    QWidget window;
    auto *log = new frameResultsLog(&window);
    ScreenRegister(Screen::ResultsLog, log);
    auto *box = log->findChild<QPlainTextEdit *>(QStringLiteral("txtResultsLog"));
    QVERIFY(box);
    box->setPlainText(QStringLiteral("old text"));
    SetWithRightAnswers(2, 1);
    QVERIFY(GradingRun());
    const QString N = NewLine;
    const QString expected =
        "Calcul des résultats ..." + N + "Terminé !" + N + N
        + "Stockage des résultats du questionnaire ..." + N + "- ouverture de la database Users.mdb" + N
        + "- ajout de l'enregistrement contenant les résultats" + N + "- ecriture de l'enregistrement" + N
        + "- fermeture de la database Users.mdb" + N + "Terminé !" + N + N
        + "Stockage des réponses du questionnaire ..." + N + "- ouverture de la database Users.mdb" + N
        + "- ajout de l'enregistrement pour la question No 1" + N + "- ecriture de l'enregistrement" + N
        + "- ajout de l'enregistrement pour la question No 2" + N + "- ecriture de l'enregistrement" + N
        + "- fermeture de la database Users.mdb" + N + "Terminé !" + N + N;
    QCOMPARE(box->toPlainText(), expected);
    QVERIFY(box->isReadOnly());
    QVERIFY(log->findChild<QPushButton *>(QStringLiteral("cmdResultsLogContinue"))->isEnabled());
    QVERIFY(!log->findChild<QPushButton *>(QStringLiteral("cmdResultsLogAbort"))->isEnabled());
    ScreenRegister(Screen::ResultsLog, nullptr);
}

void TestTrainingGrading::failedGradingKeepsNothing()
{
    Fixture f;
    f.makeBank(GradingBank());
    f.makeUsers();
    QWidget window;
    auto *log = new frameResultsLog(&window);
    ScreenRegister(Screen::ResultsLog, log);
    objUser->setFaultHook([](const QString &op) {
        return op == QLatin1String("GradingCommit")
                   ? QSqlError(QString(), QStringLiteral("disk full"), QSqlError::StatementError, QStringLiteral("13"))
                   : QSqlError();
    });
    SetWithRightAnswers(4, 4);
    QVERIFY(!GradingRun());
    objUser->setFaultHook({});
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionnaireStat").value(0).toInt(), 0);
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionStat").value(0).toInt(), 0);
    QVERIFY(log->findChild<QPlainTextEdit *>()->toPlainText().endsWith(
        QStringLiteral("Erreur : les résultats n'ont pas pu être enregistrés !") + NewLine));

    // A failing write undoes the records written before it.
    objUser->setFaultHook([](const QString &op) {
        return op == QLatin1String("QuestionnaireStatUpdate")
                   ? QSqlError(QString(), QStringLiteral("disk full"), QSqlError::StatementError, QStringLiteral("13"))
                   : QSqlError();
    });
    QVERIFY(!GradingRun());
    objUser->setFaultHook({});
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionStat").value(0).toInt(), 0);
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionnaireStat").value(0).toInt(), 0);

    // No transaction, no writes at all.
    objUser->setFaultHook([](const QString &op) {
        return op == QLatin1String("GradingBegin")
                   ? QSqlError(QString(), QStringLiteral("disk full"), QSqlError::StatementError, QStringLiteral("13"))
                   : QSqlError();
    });
    QVERIFY(!GradingRun());
    objUser->setFaultHook({});
    QVERIFY(!log->findChild<QPlainTextEdit *>()->toPlainText().contains(QStringLiteral("ouverture")));

    // The next grading is stored normally.
    QVERIFY(GradingRun());
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionStat").value(0).toInt(), 4);
    QCOMPARE(f.rows("SELECT COUNT(*) FROM QuestionnaireStat").value(0).toInt(), 1);
    ScreenRegister(Screen::ResultsLog, nullptr);
}

void TestTrainingGrading::resultsLogButtons()
{
    TestSupport::Sandbox sb;
    QWidget window;
    auto *log = new frameResultsLog(&window);
    auto *other = new QWidget(&window);
    QCOMPARE(log->title(), QStringLiteral("Traitement des résultats"));
    auto *abort = log->findChild<QPushButton *>(QStringLiteral("cmdResultsLogAbort"));
    auto *cont = log->findChild<QPushButton *>(QStringLiteral("cmdResultsLogContinue"));
    QCOMPARE(abort->text(), QStringLiteral("QUITTER VELKO"));
    QCOMPARE(cont->text(), QStringLiteral("CONTINUER"));
    ResultsLogAppend(QStringLiteral("line"));
    QCOMPARE(log->findChild<QPlainTextEdit *>()->toPlainText(), QStringLiteral("line"));
    log->frameResultsLogInit();
    QCOMPARE(log->findChild<QPlainTextEdit *>()->toPlainText(), QString());
    QVERIFY(!abort->isEnabled() && !cont->isEnabled());

    // Continue sends the log behind the other frames.
    log->raise();
    QCOMPARE(window.children().last(), static_cast<QObject *>(log));
    log->cmdResultsLogContinue_Click();
    QCOMPARE(window.children().first(), static_cast<QObject *>(log));
    QCOMPARE(window.children().last(), static_cast<QObject *>(other));
    QCOMPARE(Seams::ProgramEndRequests(), 0);

    // Abort removes the scratch files and ends the program.
    const QString scratch = TempFileCreate();
    QVERIFY(QFile::exists(scratch));
    log->cmdResultsLogAbort_Click();
    QVERIFY(!QFile::exists(scratch));
    QCOMPARE(Seams::ProgramEndRequests(), 1);
}

QTEST_MAIN(TestTrainingGrading)
#include "tst_training_grading.moc"
