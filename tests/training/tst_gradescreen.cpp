// The grade screen and its grid, driven through their widgets.
#include "TrainingFixture.h"

#include <QTableWidget>

using TrainingTest::Env;

namespace {

// Three questions graded: 1 right with a reveal, 2 unanswered, 3 wrong after
// a reveal and a correction; the grid filled and shown.
QTableWidget *GradedSet(Env &env, const QString &storedAnswers = QStringLiteral("b aJ L"))
{
    env.SetStart(QuestionModeExam, 3);
    SetRecord.UserAnswers[1] = QStringLiteral("b");
    SetRecord.UserAnswers[3] = QStringLiteral("a");
    SetRecord.RevealState[1] = 1;
    SetRecord.RevealState[3] = 2;
    SetRecord.RightAnswerCount = 1;
    SetRecord.ResultPercent = 33;
    SetRecord.QuestionMode = QuestionModeGraded;
    env.user.QuestionnaireAnswers = storedAnswers;
    env.grade->GradeGridFill();
    Frame_OnTop(env.grade, true);
    return env.get<QTableWidget>(env.grade, "gridGrade");
}

QString Text(QTableWidget *grid, int r, int c) { return grid->item(r, c) ? grid->item(r, c)->text() : QString(); }
QStringList Row(QTableWidget *grid, int r)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << Text(grid, r, c);
    return texts;
}

} // namespace

class TestGradeScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gridLeavingBookChangeAndReopening();
};

void TestGradeScreen::gridLeavingBookChangeAndReopening()
{
    Env env;
    QTableWidget *grid = GradedSet(env);
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(Row(grid, 0), QStringList({"Frage", "Antwort", "Resultat", "Richtig", "Hilfe", "Q.#", "Buch Eins", "Thema"}));
    const QString happy(QChar(0x263A)), sad(QChar(0x2639));
    QCOMPARE(Row(grid, 1), QStringList({"1", "b", "richtig", "b", happy, "0001", "Seite 12", "T4-0-0"}));
    QCOMPARE(grid->item(1, 2)->background().color(), QColor(0, 255, 0));
    // Unanswered: empty answer, red wrong cell; the "?" page on one line.
    QCOMPARE(Row(grid, 2), QStringList({"2", "", "falsch", "b", "", "0002", "Erklärung verlangen", "T4-0-0"}));
    QCOMPARE(grid->item(2, 2)->background().color(), QColor(255, 0, 0));
    QCOMPARE(Row(grid, 3), QStringList({"3", "a", "falsch", "c", sad, "0003", "", "T5-0-0"}));
    QCOMPARE(grid->item(3, 4)->data(Qt::UserRole).toString(), QStringLiteral("L"));
    QCOMPARE(env.get<QLineEdit>(env.grade, "txtGradePercentRight")->text(), QStringLiteral("33%"));

    // A question the bank no longer holds is wrong, as it is counted; a refill
    // keeps no old rows.
    SetRecord.QList[2] = 999;
    env.grade->GradeGridFill();
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(Text(grid, 2, 2), QStringLiteral("falsch"));
    QCOMPARE(Text(grid, 2, 5), QStringLiteral("0999"));

    // A record without answers hides the result and help columns.
    GradedSet(env, QString());
    for (int c = 0; c < 8; ++c)
        QCOMPARE(grid->isColumnHidden(c), c == 2 || c == 4);
    QCOMPARE(Text(grid, 2, 2), QString());
    QCOMPARE(grid->item(2, 2)->background().style(), Qt::NoBrush);
    // With answers again the columns come back.
    env.user.QuestionnaireAnswers = QStringLiteral("b aJ L");
    env.grade->GradeGridFill();
    QVERIFY(!grid->isColumnHidden(2) && !grid->isColumnHidden(4));
    QCOMPARE(grid->columnWidth(4), 33);

    // Leaving after grading: back to the practice menu.
    GradedSet(env);
    auto *quit = env.get<QPushButton>(env.grade, "cmdGradeQuit");
    env.get<QLineEdit>(env.practice, "txtPracticeQuestion")->setText(QStringLiteral("12"));
    const QString scratch = TempFileCreate();
    env.click(quit);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.practice));
    QVERIFY(env.get<QLineEdit>(env.practice, "txtPracticeQuestion")->text().isEmpty());
    QCOMPARE(env.statsCalls, 2);
    QVERIFY(!QFile::exists(scratch));

    // From the history the grade screen goes behind it: the statistics journey.

    // The book changed on the question screen in review: the grid follows.
    GradedSet(env);
    SetRecord.CurrentIndex = 1;
    env.qa->frameQAQuestion_Display();
    env.click("lblQABookTitle");
    QCOMPARE(CurrentBookNr, int16_t(2));
    QCOMPARE(Text(grid, 0, 6), QStringLiteral("Buch Zwei"));
    QCOMPARE(Text(grid, 1, 6), QStringLiteral("Seite 99"));
    QCOMPARE(Text(grid, 2, 6), QString());
    QCOMPARE(CurrentQuestionNr, 1);   // the question screen keeps its question

    // Reopening questions from the grid.
    Frame_OnTop(env.grade, true);
    SetRecord.CurrentIndex = 3;
    // The title row does nothing.
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(SetRecord.CurrentIndex, 3);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));

    // One click only selects; a double click opens (Enter on a row: the keys-only walk).
    const QPoint cell = grid->visualItemRect(grid->item(2, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(SetRecord.CurrentIndex, 3);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(SetRecord.CurrentIndex, 2);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));

    // The review button opens position 1 from the title row (a selected row: the candidate journey).
    Frame_OnTop(env.grade, true);
    grid->setCurrentCell(0, 0);
    env.click(env.get<QPushButton>(env.grade, "cmdGradeReview"));
    QCOMPARE(SetRecord.CurrentIndex, 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
}

QTEST_MAIN(TestGradeScreen)
#include "tst_gradescreen.moc"
