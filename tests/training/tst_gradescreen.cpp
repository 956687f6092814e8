// The grade screen and its grid, driven through their widgets.
#include "TrainingScreensFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>

using TrainingScreens::Env;

class TestGradeScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gridOfAGradedSet();
    void recordWithoutAnswersHidesResultAndHelp();
    void emptySet();
    void bookChangeDuringReview();
    void reopeningQuestions();
    void leavingByMode();
};

namespace {

// Three questions graded: 1 right with a reveal, 2 unanswered, 3 wrong after
// a reveal and a correction.
void GradedSet(Env &env)
{
    env.SetStart(QuestionModeExam, 3);
    SetRecord.UserAnswers[1] = QStringLiteral("b");
    SetRecord.UserAnswers[3] = QStringLiteral("a");
    SetRecord.RevealState[1] = 1;
    SetRecord.RevealState[3] = 2;
    SetRecord.RightAnswerCount = 1;
    SetRecord.ResultPercent = 33;
    SetRecord.QuestionMode = QuestionModeGraded;
    env.user.QuestionnaireAnswers = QStringLiteral("b aJ L");
}

QString Text(QTableWidget *grid, int r, int c) { return grid->item(r, c) ? grid->item(r, c)->text() : QString(); }

} // namespace

void TestGradeScreen::gridOfAGradedSet()
{
    Env env;
    GradedSet(env);
    env.grade->GradeGridFill();
    auto *grid = env.gradeChild<QTableWidget>("gridGrade");

    QCOMPARE(grid->columnCount(), 8);
    QCOMPARE(grid->rowCount(), 4);
    QVERIFY(grid->isEnabled());
    const QStringList titles = {"Frage", "Antwort", "Resultat", "Richtig", "Hilfe", "Q.#", "Buch Eins", "Thema"};
    const int widths[] = {53, 53, 53, 46, 33, 40, 126, 300};
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(Text(grid, 0, c), titles[c]);
        QCOMPARE(grid->columnWidth(c), widths[c]);
        QVERIFY(!grid->isColumnHidden(c));
    }
    QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsSelectable));

    // Row 1: right, revealed.
    QCOMPARE(Text(grid, 1, 0), QStringLiteral("1"));
    QCOMPARE(Text(grid, 1, 1), QStringLiteral("b"));
    QCOMPARE(Text(grid, 1, 2), QStringLiteral("richtig"));
    QCOMPARE(grid->item(1, 2)->background().color(), QColor(0, 255, 0));
    QCOMPARE(Text(grid, 1, 3), QStringLiteral("b"));
    QCOMPARE(Text(grid, 1, 4), QString(QChar(0x263A)));
    QCOMPARE(grid->item(1, 4)->data(Qt::UserRole).toString(), QStringLiteral("J"));
    QCOMPARE(grid->item(1, 4)->font().pointSize(), 8);
    QCOMPARE(Text(grid, 1, 5), QStringLiteral("0001"));
    QCOMPARE(Text(grid, 1, 6), QStringLiteral("Seite 12"));
    QCOMPARE(grid->item(1, 6)->font().family(), QStringLiteral("Arial"));
    QCOMPARE(Text(grid, 1, 7), QStringLiteral("Verkehrsregeln"));
    QCOMPARE(grid->item(1, 0)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(grid->item(1, 7)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));

    // Row 2: unanswered: empty answer, red wrong cell, "?" page on one line.
    QCOMPARE(Text(grid, 2, 1), QString());
    QCOMPARE(Text(grid, 2, 2), QStringLiteral("falsch"));
    QCOMPARE(grid->item(2, 2)->background().color(), QColor(255, 0, 0));
    QCOMPARE(Text(grid, 2, 4), QString());
    QCOMPARE(Text(grid, 2, 6), QStringLiteral("Erklärung verlangen"));

    // Row 3: wrong, revealed and corrected afterwards.
    QCOMPARE(Text(grid, 3, 2), QStringLiteral("falsch"));
    QCOMPARE(Text(grid, 3, 3), QStringLiteral("c"));
    QCOMPARE(Text(grid, 3, 4), QString(QChar(0x2639)));
    QCOMPARE(grid->item(3, 4)->data(Qt::UserRole).toString(), QStringLiteral("L"));
    QCOMPARE(grid->item(3, 4)->font().pointSize(), 10);
    QCOMPARE(Text(grid, 3, 6), QString());
    QCOMPARE(Text(grid, 3, 7), QStringLiteral("Fahrzeugtechnik"));

    QCOMPARE(env.gradeChild<QLineEdit>("txtGradeQNr")->text(), QStringLiteral("3"));
    QCOMPARE(env.gradeChild<QLineEdit>("txtGradeQRight")->text(), QStringLiteral("1"));
    QCOMPARE(env.gradeChild<QLineEdit>("txtGradePercentRight")->text(), QStringLiteral("33%"));
    QCOMPARE(env.gradeChild<QSlider>("sliderGrade")->value(), 33);

    // The print button follows the installed printers.
    QVERIFY(!env.gradeChild<QPushButton>("cmdGradePrint")->isEnabled());
    SetPrinterNamesOverride([] { return QStringList{QStringLiteral("Laser")}; });
    env.grade->GradeGridFill();
    QVERIFY(env.gradeChild<QPushButton>("cmdGradePrint")->isEnabled());

    // A refill in French does not keep old rows.
    LocalisedTextsFill(1);
    env.grade->GradeGridFill();
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(Text(grid, 0, 0), QStringLiteral("Question"));
    QCOMPARE(Text(grid, 1, 2), QStringLiteral("juste"));
}

void TestGradeScreen::recordWithoutAnswersHidesResultAndHelp()
{
    Env env;
    GradedSet(env);
    env.user.QuestionnaireAnswers.clear();
    env.grade->GradeGridFill();
    auto *grid = env.gradeChild<QTableWidget>("gridGrade");
    QVERIFY(grid->isColumnHidden(2));
    QVERIFY(grid->isColumnHidden(4));
    QCOMPARE(grid->columnWidth(2), 0);
    QCOMPARE(grid->columnWidth(4), 0);
    QVERIFY(!grid->isColumnHidden(3));
    QCOMPARE(Text(grid, 2, 2), QString());
    QCOMPARE(grid->item(2, 2)->background().style(), Qt::NoBrush);
    QCOMPARE(grid->item(2, 2)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));

    // With answers again the columns come back.
    env.user.QuestionnaireAnswers = QStringLiteral("b aJ L");
    env.grade->GradeGridFill();
    QVERIFY(!grid->isColumnHidden(2));
    QCOMPARE(grid->columnWidth(4), 33);
}

void TestGradeScreen::emptySet()
{
    Env env;
    SetRecord = QuestionSet();
    SetRecord.QuestionMode = QuestionModeHistory;
    env.grade->GradeGridFill();
    auto *grid = env.gradeChild<QTableWidget>("gridGrade");
    QCOMPARE(grid->rowCount(), 2);
    QVERIFY(!grid->isEnabled());
    QCOMPARE(Text(grid, 1, 0), QString());
    // No question to open.
    env.click(env.gradeChild<QPushButton>("cmdGradeReview"));
    QCOMPARE(SetRecord.CurrentIndex, 0);
    QVERIFY(ScreenOnTop() != static_cast<QWidget *>(env.qa));
}

void TestGradeScreen::bookChangeDuringReview()
{
    Env env;
    GradedSet(env);
    env.grade->GradeGridFill();
    auto *grid = env.gradeChild<QTableWidget>("gridGrade");
    SetRecord.CurrentIndex = 1;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(Text(grid, 0, 6), QStringLiteral("Buch Eins"));

    env.click(env.qaChild<QLabel>("lblQABookTitle"));
    QCOMPARE(CurrentBookNr, int16_t(2));
    QCOMPARE(Text(grid, 0, 6), QStringLiteral("Buch Zwei"));
    QCOMPARE(Text(grid, 1, 6), QStringLiteral("Seite 99"));
    QCOMPARE(Text(grid, 2, 6), QString());
    // The question screen still belongs to question 1.
    QCOMPARE(CurrentQuestionNr, 1);
    env.click(env.qaChild<QLabel>("lblQABookTitle"));
    QCOMPARE(env.qaChild<QLabel>("lblQABookPage")->text(), QStringLiteral("Seite") + NewLine + "12");
    QCOMPARE(Text(grid, 2, 6), QStringLiteral("Erklärung verlangen"));

    // Outside review the grid is left alone.
    SetRecord.QuestionMode = QuestionModePractice;
    env.click(env.qaChild<QLabel>("lblQABookTitle"));
    QCOMPARE(Text(grid, 0, 6), QStringLiteral("Buch Eins"));
}

void TestGradeScreen::reopeningQuestions()
{
    Env env;
    GradedSet(env);
    env.grade->GradeGridFill();
    Frame_OnTop(env.grade, true);
    auto *grid = env.gradeChild<QTableWidget>("gridGrade");
    SetRecord.CurrentIndex = 3;

    // The title row does nothing.
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(SetRecord.CurrentIndex, 3);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));

    // Enter on a question row opens it in review.
    grid->setCurrentCell(2, 1);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(SetRecord.CurrentIndex, 2);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    QCOMPARE(env.qaChild<QLabel>("lblQAQuestionNr")->text(), QStringLiteral("Frage") + NewLine + "0002");
    QVERIFY(!env.qaChild<QWidget>("cmdQANext")->isVisible());
    QVERIFY(env.qaChild<QWidget>("cmdQAGrade")->isVisible());

    // A double click on a row.
    Frame_OnTop(env.grade, true);
    QWidget *viewport = grid->viewport();
    const QRect cell = grid->visualItemRect(grid->item(3, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, cell.center());
    QCOMPARE(SetRecord.CurrentIndex, 2);   // one click only selects
    QCOMPARE(grid->currentRow(), 3);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, cell.center());
    QCOMPARE(SetRecord.CurrentIndex, 3);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));

    // The review button: the selected row, or position 1 from the title row.
    Frame_OnTop(env.grade, true);
    grid->setCurrentCell(2, 0);
    env.click(env.gradeChild<QPushButton>("cmdGradeReview"));
    QCOMPARE(SetRecord.CurrentIndex, 2);
    Frame_OnTop(env.grade, true);
    grid->setCurrentCell(0, 0);
    env.click(env.gradeChild<QPushButton>("cmdGradeReview"));
    QCOMPARE(SetRecord.CurrentIndex, 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
}

void TestGradeScreen::leavingByMode()
{
    Env env;
    GradedSet(env);
    env.grade->GradeGridFill();
    auto *quit = env.gradeChild<QPushButton>("cmdGradeQuit");

    // After grading: back to the practice menu.
    env.txtPracticeQuestion->setText(QStringLiteral("12"));
    const QString scratch = TempFileCreate();
    Frame_OnTop(env.grade, true);
    env.click(quit);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.practice));
    QVERIFY(env.txtPracticeQuestion->text().isEmpty());
    QCOMPARE(env.practiceStatsCalls, 1);
    QCOMPARE(env.themesStatsCalls, 1);
    QVERIFY(!QFile::exists(scratch));

    // From the history: the grade screen goes behind the others.
    SetRecord.QuestionMode = QuestionModeHistory;
    Frame_OnTop(env.grade, true);
    env.click(quit);
    QVERIFY(ScreenOnTop() != static_cast<QWidget *>(env.grade));
    QCOMPARE(env.window.findChildren<QGroupBox *>(QString(), Qt::FindDirectChildrenOnly).first(),
             static_cast<QGroupBox *>(env.grade));
    QCOMPARE(env.practiceStatsCalls, 1);

    // Any other mode is a fault of the program.
    SetRecord.QuestionMode = QuestionModeExam;
    env.click(quit);
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].contains(QStringLiteral("Error 315 : Invalid QuestionMode value")));
    QVERIFY(RuntimeErrorLines()[0].contains(QStringLiteral("formMain -> frameGradeQuit")));
    QCOMPARE(Seams::ProgramEndRequests(), 1);
}

QTEST_MAIN(TestGradeScreen)
#include "tst_gradescreen.moc"
