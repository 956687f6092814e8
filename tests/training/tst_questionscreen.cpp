// The question screen and the enlarged picture, driven through their widgets.
#include "TrainingScreensFixture.h"

#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

using TrainingScreens::Env;

namespace {
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

QColor Back(const QWidget *w) { return w->palette().color(QPalette::Window); }
QColor Face() { return QApplication::palette().color(QPalette::Button); }
} // namespace

class TestQuestionScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void revealTransitions();
    void answeringByEveryControl();
    void buttonsByMode();
    void reviewLeavesAnswersAlone();
    void examinationWithBlankAnswerRefused();
    void gradingOpensTheGradeScreen();
    void stripOf45Questions();
    void navigationWrapsAround();
    void pictureLookupAndEnlargedView();
    void bookPageAndBookChange();
    void quitReturnsToPracticeMenu();
    void invalidModesReportedAndEnd();
};

void TestQuestionScreen::revealTransitions()
{
    Env env;
    env.SetStart(QuestionModePractice, 6);
    auto *label1 = env.qaChild<QLabel>("picboxAnswerLabel_1");
    auto *label0 = env.qaChild<QLabel>("picboxAnswerLabel_0");
    auto *label2 = env.qaChild<QLabel>("picboxAnswerLabel_2");
    auto *reveal = env.qaChild<QPushButton>("cmdQARevealAnswer");
    auto *next = env.qaChild<QPushButton>("cmdQANext");

    // Position 1 (right answer "b"): right answer before the reveal stays 1.
    env.click(label1);
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("b"));
    QCOMPARE(int(SetRecord.RevealState[1]), 0);
    env.click(reveal);
    QCOMPARE(int(SetRecord.RevealState[1]), 1);
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_1")), Green);
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_0")), Red);
    QCOMPARE(Back(env.qaChild<QWidget>("chkAnswer_2")), Red);
    env.click(label1);
    QCOMPARE(int(SetRecord.RevealState[1]), 1);

    // Position 2: wrong, reveal, right gives 2; later changes keep 2.
    env.click(next);
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_1")), Face());
    env.click(label0);
    env.click(reveal);
    QCOMPARE(int(SetRecord.RevealState[2]), 1);
    env.click(label0);   // the same wrong answer again
    QCOMPARE(int(SetRecord.RevealState[2]), 1);
    env.click(label2);   // another wrong answer
    QCOMPARE(int(SetRecord.RevealState[2]), 1);
    env.click(label1);
    QCOMPARE(int(SetRecord.RevealState[2]), 2);
    env.click(label0);
    env.click(reveal);
    QCOMPARE(int(SetRecord.RevealState[2]), 2);
    QCOMPARE(SetRecord.UserAnswers[2], QStringLiteral("a"));

    // Position 3 (right answer "c"): reveal with no answer, then the right one.
    env.click(next);
    env.click(reveal);
    QCOMPARE(int(SetRecord.RevealState[3]), 1);
    QCOMPARE(Back(env.qaChild<QWidget>("picboxAnswerLabel_2")), Green);
    env.click(label2);
    QCOMPARE(int(SetRecord.RevealState[3]), 2);

    // Position 4 is never revealed; coming back to 1 shows its colours again.
    env.click(next);
    env.click(label0);
    QCOMPARE(int(SetRecord.RevealState[4]), 0);
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_0")), Face());
    SetRecord.CurrentIndex = 1;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_1")), Green);
    QVERIFY(env.qaChild<QRadioButton>("chkAnswer_1")->isChecked());
}

void TestQuestionScreen::answeringByEveryControl()
{
    Env env;
    env.SetStart(QuestionModeExam, 4);
    auto *strip0 = env.qaChild<QToolButton>("chkQuestion_0");
    QVERIFY(strip0->icon().isNull());

    // A click on the answer text moves the focus to the option, which answers.
    env.click(env.qaChild<QLabel>("lblAnswer_2"));
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("c"));
    QVERIFY(env.qaChild<QRadioButton>("chkAnswer_2")->isChecked());
    QVERIFY(!strip0->icon().isNull());
    // A click on the answer row.
    auto *row0 = env.qaChild<QWidget>("frameAnswer_0");
    QTest::mouseClick(row0, Qt::LeftButton, {}, QPoint(row0->width() - 3, 3));
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
    // A click on the option itself; the options stay exclusive.
    env.click(env.qaChild<QRadioButton>("chkAnswer_1"));
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("b"));
    QCOMPARE(SetRecord.CurrentAnswer, QStringLiteral("b"));
    QVERIFY(!env.qaChild<QRadioButton>("chkAnswer_0")->isChecked());
    QVERIFY(!env.qaChild<QRadioButton>("chkAnswer_2")->isChecked());

    // The next question starts with no option on; the answer comes back on return.
    env.click(env.qaChild<QPushButton>("cmdQANext"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!env.qaChild<QRadioButton>(QStringLiteral("chkAnswer_%1").arg(i))->isChecked());
    QVERIFY(env.qaChild<QToolButton>("chkQuestion_1")->icon().isNull());
    env.click(env.qaChild<QPushButton>("cmdQAPrev"));
    QVERIFY(env.qaChild<QRadioButton>("chkAnswer_1")->isChecked());

    // Getting the window back is no answer of the user.
    env.click(env.qaChild<QLabel>("picboxAnswerLabel_0"));   // labels take no focus
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(env.qaChild<QRadioButton>("chkAnswer_1"), &back);
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
}

void TestQuestionScreen::buttonsByMode()
{
    Env env;
    const char *names[] = {"cmdQAQuit", "cmdQARevealAnswer", "cmdQAPrev", "cmdQANext", "cmdQAGrade",
                           "frameChkQuestion"};
    struct Case { uint8_t mode; bool shown[6]; };
    const Case cases[] = {
        {QuestionModePractice, {true, true, true, true, true, true}},
        {QuestionModeExam, {true, false, true, true, true, true}},
        {QuestionModeGraded, {false, false, false, false, true, false}},
        {QuestionModeSingle, {true, true, false, false, false, false}},
        {QuestionModeHistory, {false, false, false, false, true, false}},
    };
    for (const Case &c : cases) {
        env.SetStart(c.mode, 3);
        for (int k = 0; k < 6; ++k)
            QVERIFY2(env.qaChild<QWidget>(names[k])->isVisible() == c.shown[k],
                     qPrintable(QStringLiteral("mode %1 %2").arg(c.mode).arg(names[k])));
    }
    QCOMPARE(env.qaChild<QLabel>("lblQAQuestionNr")->text(), QStringLiteral("Frage") + NewLine + "0001");
    QCOMPARE(env.qaChild<QLabel>("lblQAQRefTheme")->text(), QStringLiteral("Verkehrsregeln"));
    QCOMPARE(env.qaChild<QLabel>("lblQuestion")->text(), QStringLiteral("Text der Frage 1"));
    QCOMPARE(env.qaChild<QLabel>("lblAnswer_2")->text(), QStringLiteral("Antwort c 1"));

    // Single question: the reveal colours the answers, the display does not.
    env.SetStart(QuestionModeSingle, 1);
    SetRecord.RevealState[1] = 1;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_1")), Face());
    env.click(env.qaChild<QPushButton>("cmdQARevealAnswer"));
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_1")), Green);
}

void TestQuestionScreen::reviewLeavesAnswersAlone()
{
    Env env;
    env.SetStart(QuestionModeExam, 3);
    SetRecord.UserAnswers[1] = QStringLiteral("a");
    SetRecord.QuestionMode = QuestionModeGraded;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_1")), Green);
    QCOMPARE(Back(env.qaChild<QWidget>("frameAnswer_0")), Red);
    QVERIFY(env.qaChild<QRadioButton>("chkAnswer_0")->isChecked());

    env.click(env.qaChild<QLabel>("picboxAnswerLabel_1"));
    env.click(env.qaChild<QLabel>("lblAnswer_2"));
    env.click(env.qaChild<QRadioButton>("chkAnswer_1"));
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
    QVERIFY(env.qaChild<QRadioButton>("chkAnswer_0")->isChecked());
    QVERIFY(!env.qaChild<QRadioButton>("chkAnswer_1")->isChecked());
    QCOMPARE(QApplication::focusWidget(), env.qaChild<QWidget>("cmdQAGrade"));

    // In review the grade button only uncovers the grade screen again.
    Frame_OnTop(env.grade, true);
    Frame_OnTop(env.qa, true);
    env.click(env.qaChild<QPushButton>("cmdQAGrade"));
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));
    QVERIFY(env.qaChild<QPushButton>("cmdQAGrade")->isEnabled());
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeGraded));
}

void TestQuestionScreen::examinationWithBlankAnswerRefused()
{
    Env env;
    env.SetStart(QuestionModeExam, 3);
    SetRecord.UserAnswers[1] = QStringLiteral("b");
    SetRecord.UserAnswers[3] = QStringLiteral("a");
    SetRecord.RightAnswerCount = 77;
    env.click(env.qaChild<QPushButton>("cmdQAGrade"));

    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(Dialogs::Shown()[0].icon, QMessageBox::Warning);
    QCOMPARE(Dialogs::Shown()[0].title, QStringLiteral("Ergebnisse können nicht angezeigt werden"));
    QCOMPARE(Dialogs::Shown()[0].text, QStringLiteral("Sie müssen zuerst alle Fragen beantworten !"));
    // Nothing computed, nothing stored, the set stays open.
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeExam));
    QCOMPARE(int(SetRecord.RightAnswerCount), 77);
    QVERIFY(env.resultsLogText->toPlainText().isEmpty());
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    QVERIFY(env.qaChild<QPushButton>("cmdQAGrade")->isEnabled());
}

void TestQuestionScreen::gradingOpensTheGradeScreen()
{
    Env env;
    env.SetStart(QuestionModePractice, 3);
    env.click(env.qaChild<QLabel>("picboxAnswerLabel_1"));   // right
    auto *grade = env.qaChild<QPushButton>("cmdQAGrade");

    // Without a user database nothing can be stored: the set stays open.
    objUser = nullptr;
    env.click(grade);
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    QVERIFY(grade->isEnabled());

    objUser = &env.user;
    QString error;
    QVERIFY2(env.user.DbCreate(error), qPrintable(error));
    env.user.setRSCursorType(QStringLiteral("2"));
    env.user.setRSLockType(QStringLiteral("2"));
    env.user.DbOpen();
    env.user.NewUser();
    env.user.UserName = QStringLiteral("Muster");
    env.user.Password = QStringLiteral("1234");
    env.user.UpdateUser();
    env.resultsLogText->clear();
    env.click(grade);
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeGraded));
    QCOMPARE(int(SetRecord.RightAnswerCount), 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));
    QVERIFY(grade->isEnabled());
    QVERIFY(env.cmdResultsLogContinue->isEnabled());
    QVERIFY(env.resultsLogText->toPlainText().contains(QStringLiteral("Calcul des résultats ...")));
    auto *grid = env.gradeChild<QTableWidget>("gridGrade");
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("richtig"));
    QCOMPARE(env.gradeChild<QLineEdit>("txtGradeQRight")->text(), QStringLiteral("1"));

    // In review the same button goes back to the grade screen.
    SetRecord.CurrentIndex = 2;
    env.qa->frameQAQuestion_Display();
    Frame_OnTop(env.qa, true);
    env.click(grade);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));
    env.user.DbClose();
}

void TestQuestionScreen::stripOf45Questions()
{
    Env env;
    auto *strip = env.qaChild<QWidget>("frameChkQuestion");
    auto *first = env.qaChild<QWidget>("chkQuestion_0");
    const int w = first->width();
    QCOMPARE(strip->findChildren<QToolButton *>().size(), 40);

    env.SetStart(QuestionModePractice, 45);
    QCOMPARE(strip->width(), 40 * w);
    // Right-aligned: the last button ends where the design strip ended.
    QCOMPARE(strip->x() + strip->width(), frameQA::StripDesignLeft + w);
    auto *last = env.qaChild<QWidget>("chkQuestion_39");
    QCOMPARE(last->x() + last->width(), strip->width());

    // A wider window moves the anchor; ten questions give ten buttons.
    env.window.setProperty("WidthDelta", 150);
    env.SetStart(QuestionModePractice, 10);
    QCOMPARE(strip->width(), 10 * w);
    QCOMPARE(strip->x() + strip->width(), frameQA::StripDesignLeft + 10 + w);
    QVERIFY(!strip->rect().intersects(env.qaChild<QWidget>("chkQuestion_10")->geometry()));

    // The button of the question shown takes the back colour of the template.
    const QColor current = Back(env.qaChild<QWidget>("chkPicture"));
    QVERIFY(env.qaChild<QWidget>("chkPicture")->isHidden());
    QCOMPARE(Back(first), current);
    env.click(env.qaChild<QWidget>("chkQuestion_6"));
    QCOMPARE(SetRecord.CurrentIndex, 7);
    QCOMPARE(env.qaChild<QLabel>("lblQAQuestionNr")->text(), QStringLiteral("Frage") + NewLine + "0007");
    QCOMPARE(Back(env.qaChild<QWidget>("chkQuestion_6")), current);
    QCOMPARE(Back(first), Face());
}

void TestQuestionScreen::navigationWrapsAround()
{
    Env env;
    env.SetStart(QuestionModePractice, 45);
    auto *next = env.qaChild<QPushButton>("cmdQANext");
    auto *prev = env.qaChild<QPushButton>("cmdQAPrev");
    env.click(prev);
    QCOMPARE(SetRecord.CurrentIndex, 45);
    QCOMPARE(CurrentQuestionNr, 45);
    QCOMPARE(env.qaChild<QLabel>("lblQAQuestionNr")->text(), QStringLiteral("Frage") + NewLine + "0045");
    // Positions beyond the 40th have no strip button: none is marked.
    QCOMPARE(env.qa->StripButtonShown, int16_t(40));
    for (QToolButton *b : env.qaChild<QWidget>("frameChkQuestion")->findChildren<QToolButton *>())
        QCOMPARE(Back(b), Face());
    env.click(env.qaChild<QLabel>("picboxAnswerLabel_0"));
    QCOMPARE(SetRecord.UserAnswers[45], QStringLiteral("a"));
    env.click(next);
    QCOMPARE(SetRecord.CurrentIndex, 1);
    QCOMPARE(env.qaChild<QLabel>("lblQuestion")->text(), QStringLiteral("Text der Frage 1"));
    env.click(next);
    QCOMPARE(SetRecord.CurrentIndex, 2);
}

void TestQuestionScreen::pictureLookupAndEnlargedView()
{
    Env env;
    auto *picture = env.qaChild<PictureViewer>("IHImgQAPicture");
    PictureViewer *bigViewer = env.big->IHImgPictureBig();

    // Neither 0012.jpg nor 0012.bmp: no picture.
    env.SetStart(QuestionModePractice, 3);
    QVERIFY(picture->isHidden());

    // Only the bitmap.
    TrainingScreens::PictureWrite(PicturePath + "0012.bmp");
    const QString scratch = TempFileCreate();
    QFile foreign(env.sandbox.tempDir + "/other.tmp");
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.close();
    env.qa->frameQAQuestion_Display();
    QVERIFY(!picture->isHidden());
    QCOMPARE(picture->FileName(), PicturePath + "0012.bmp");
    QCOMPARE(bigViewer->FileName(), PicturePath + "0012.bmp");
    QVERIFY(!QFile::exists(scratch));
    QVERIFY(QFile::exists(foreign.fileName()));

    // The photograph wins over the bitmap.
    TrainingScreens::PictureWrite(PicturePath + "0012.jpg");
    env.qa->frameQAQuestion_Display();
    QCOMPARE(picture->FileName(), PicturePath + "0012.jpg");
    QVERIFY(picture->HasPicture());

    QCOMPARE(picture->height(), 4455 / 15);

    // Question 2 has no picture number and no text: the picture area takes
    // the room of the text; the base height follows the window's height.
    env.click(env.qaChild<QPushButton>("cmdQANext"));
    QVERIFY(picture->isHidden());
    QVERIFY(env.qaChild<QWidget>("frameQuestion")->isHidden());
    QCOMPARE(picture->height(), 5295 / 15);
    env.window.setProperty("HeightDelta", 1500);
    env.click(env.qaChild<QPushButton>("cmdQAPrev"));
    QVERIFY(!env.qaChild<QWidget>("frameQuestion")->isHidden());
    QCOMPARE(picture->height(), (1500 + 4455) / 15);

    // Enlarging and back, twice: the enlarged view shows the picture each time.
    for (int round = 0; round < 2; ++round) {
        env.click(picture);
        QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.big));
        QVERIFY(bigViewer->HasPicture());
        QCOMPARE(bigViewer->FileName(), PicturePath + "0012.jpg");
        env.click(bigViewer);
        QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
        QVERIFY(!bigViewer->HasPicture());
    }
}

void TestQuestionScreen::bookPageAndBookChange()
{
    Env env;
    TrainingScreens::PictureWrite(PicturePath + "0007.bmp");
    env.qa->BookDisplay();
    auto *cover = env.qaChild<PictureViewer>("imgQABookPicture");
    auto *title = env.qaChild<QLabel>("lblQABookTitle");
    auto *page = env.qaChild<QLabel>("lblQABookPage");
    env.SetStart(QuestionModePractice, 3);
    QCOMPARE(cover->FileName(), PicturePath + "0007.bmp");
    QCOMPARE(title->text(), QStringLiteral("Buch Eins"));
    QCOMPARE(page->text(), QStringLiteral("Seite") + NewLine + "12");
    env.click(env.qaChild<QPushButton>("cmdQANext"));
    QCOMPARE(page->text(), QStringLiteral("Erklärung") + NewLine + QStringLiteral("verlangen"));
    QCOMPARE(page->text().split(NewLine).size(), 2);
    env.click(env.qaChild<QPushButton>("cmdQANext"));
    QCOMPARE(page->text(), QString());

    // Any of the four book controls changes the book; after the last comes the first.
    env.click(env.qaChild<QPushButton>("cmdQAPrev"));
    env.click(env.qaChild<QPushButton>("cmdQAPrev"));
    env.click(title);
    QCOMPARE(CurrentBookNr, int16_t(2));
    QCOMPARE(title->text(), QStringLiteral("Buch Zwei"));
    QCOMPARE(page->text(), QStringLiteral("Seite") + NewLine + "99");
    QVERIFY(!cover->HasPicture());   // cover 0008.bmp does not exist
    env.click(page);
    QCOMPARE(CurrentBookNr, int16_t(1));
    QCOMPARE(cover->FileName(), PicturePath + "0007.bmp");
    env.click(cover);
    QCOMPARE(CurrentBookNr, int16_t(2));
    QWidget *box = env.qaChild<QWidget>("picboxQABook");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() - 2));
    QCOMPARE(CurrentBookNr, int16_t(1));
    CurrentBookNr = 7;   // a book number outside 1..max also starts again at 1
    env.click(title);
    QCOMPARE(CurrentBookNr, int16_t(1));
}

void TestQuestionScreen::quitReturnsToPracticeMenu()
{
    Env env;
    env.txtPracticeQuestion->setText(QStringLiteral("17"));
    env.SetStart(QuestionModePractice, 3);
    env.click(env.qaChild<QLabel>("picboxAnswerLabel_0"));
    const QString scratch = TempFileCreate();
    env.click(env.qaChild<QPushButton>("cmdQAQuit"));
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.practice));
    QVERIFY(env.txtPracticeQuestion->text().isEmpty());
    QCOMPARE(env.practiceStatsCalls, 1);
    QCOMPARE(env.themesStatsCalls, 1);
    QVERIFY(!QFile::exists(scratch));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
    QVERIFY(env.resultsLogText->toPlainText().isEmpty());   // nothing graded
}

void TestQuestionScreen::invalidModesReportedAndEnd()
{
    Env env;
    env.SetStart(QuestionModePractice, 3);
    SetRecord.QuestionMode = 9;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].contains(QStringLiteral("Error 314 : Invalid QuestionMode value")));
    QVERIFY(RuntimeErrorLines()[0].contains(QStringLiteral("formMain -> frameQAQuestion_Display")));
    QCOMPARE(Seams::ProgramEndRequests(), 1);

    env.qa->cmdQAGrade_Click();
    QCOMPARE(RuntimeErrorLines().size(), 2);
    QVERIFY(RuntimeErrorLines()[1].contains(QStringLiteral("Error 316 : Invalid QuestionMode value")));
    QVERIFY(RuntimeErrorLines()[1].contains(QStringLiteral("formMain -> cmdQAGrade_Click")));
    QCOMPARE(Seams::ProgramEndRequests(), 2);
    QVERIFY(Dialogs::Shown().isEmpty());

    // A position outside the set shows nothing and reads nothing.
    SetRecord.QuestionMode = QuestionModePractice;
    SetRecord.CurrentIndex = 4;
    CurrentQuestionNr = 2;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(CurrentQuestionNr, 2);
    QCOMPARE(RuntimeErrorLines().size(), 2);
}

QTEST_MAIN(TestQuestionScreen)
#include "tst_questionscreen.moc"
