// The question screen and the enlarged picture, driven through their widgets.
#include "TrainingFixture.h"

#include <QRadioButton>
#include <QTimer>
#include <QTableWidget>
#include <QToolButton>

using TrainingTest::Env;

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
    void answeringByModeAndGrading();
    void stripPicturesBooksAndInvalidModes();
};

void TestQuestionScreen::answeringByModeAndGrading()
{
    Env env;
    // Each click with the position it leaves shown and that position's reveal
    // state: the right answer chosen before the reveal stays 1, as does a
    // wrong one after it; the right one after a reveal gives 2, for good.
    env.SetStart(QuestionModePractice, 4);
    const struct { const char *click; int position, state; } steps[] = {
        {"picboxAnswerLabel_1", 1, 0}, {"cmdQARevealAnswer", 1, 1},   {"picboxAnswerLabel_1", 1, 1},
        {"cmdQANext", 2, 0},           {"picboxAnswerLabel_0", 2, 0}, {"cmdQARevealAnswer", 2, 1},
        {"picboxAnswerLabel_0", 2, 1}, {"picboxAnswerLabel_2", 2, 1}, {"picboxAnswerLabel_1", 2, 2},
        {"picboxAnswerLabel_0", 2, 2}, {"cmdQARevealAnswer", 2, 2},   {"cmdQANext", 3, 0},
        {"cmdQARevealAnswer", 3, 1},   {"cmdQANext", 4, 0},           {"picboxAnswerLabel_0", 4, 0}};
    for (const auto &step : steps) {
        env.click(step.click);
        QCOMPARE(SetRecord.CurrentIndex, step.position);
        QVERIFY2(SetRecord.RevealState[step.position] == step.state, step.click);
    }
    QCOMPARE(SetRecord.UserAnswers[2], QStringLiteral("a"));
    // Never revealed: no colours; coming back to 1 shows its colours and answer again.
    QCOMPARE(Back(env.q("frameAnswer_0")), Face());
    SetRecord.CurrentIndex = 1;
    env.qa->frameQAQuestion_Display();
    QVERIFY(Back(env.q("frameAnswer_1")) == Green && Back(env.q("frameAnswer_0")) == Red);
    QVERIFY(Back(env.q("chkAnswer_2")) == Red && env.q<QRadioButton>("chkAnswer_1")->isChecked());

    // Answering an examination through every control.
    env.SetStart(QuestionModeExam, 4);
    QVERIFY(env.q<QToolButton>("chkQuestion_0")->icon().isNull());
    // The answer text, the answer row and the option itself all answer; the options stay exclusive.
    env.click("lblAnswer_2");
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("c"));
    QVERIFY(!env.q<QToolButton>("chkQuestion_0")->icon().isNull());
    QTest::mouseClick(env.q("frameAnswer_0"), Qt::LeftButton, {}, QPoint(env.q("frameAnswer_0")->width() - 3, 3));
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
    env.click("chkAnswer_1");
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("b"));
    QVERIFY(!env.q<QRadioButton>("chkAnswer_0")->isChecked() && !env.q<QRadioButton>("chkAnswer_2")->isChecked());
    // The next question starts with no option on; the answer comes back on return.
    env.click("cmdQANext");
    QVERIFY(!env.q<QRadioButton>("chkAnswer_1")->isChecked());
    env.click("cmdQAPrev");
    QVERIFY(env.q<QRadioButton>("chkAnswer_1")->isChecked());
    // Getting the window back is no answer of the user.
    env.click("picboxAnswerLabel_0");
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(env.q("chkAnswer_1"), &back);
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
    // An option that the keyboard left the focus on gets no focus event from
    // a click on its text: the click answers all the same.
    env.click("cmdQANext");
    env.q("chkAnswer_1")->setFocus(Qt::TabFocusReason);
    QCOMPARE(SetRecord.UserAnswers[2], QString());   // the focus alone is no choice
    env.click("lblAnswer_1");
    QCOMPARE(SetRecord.UserAnswers[2], QStringLiteral("b"));

    const char *names[] = {"cmdQAQuit", "cmdQARevealAnswer", "cmdQAPrev", "cmdQANext", "cmdQAGrade", "frameChkQuestion"};
    const struct { uint8_t mode; const char *shown; } cases[] = {
        {QuestionModePractice, "111111"}, {QuestionModeExam, "101111"}, {QuestionModeGraded, "000010"},
        {QuestionModeSingle, "110000"}, {QuestionModeHistory, "000010"}};
    for (const auto &c : cases) {
        env.SetStart(c.mode, 3);
        for (int k = 0; k < 6; ++k)
            QVERIFY2(env.q(names[k])->isVisible() == (c.shown[k] == '1'), names[k]);
    }
    QCOMPARE(env.q<QLabel>("lblQAQRefTheme")->text(), QStringLiteral("T4-0-0"));
    QCOMPARE(env.q<QLabel>("lblAnswer_2")->text(), QStringLiteral("Antwort c 1"));

    // The reveal button colours the answers at once.
    env.SetStart(QuestionModeSingle, 1);
    env.click("cmdQARevealAnswer");
    QCOMPARE(Back(env.q("frameAnswer_1")), Green);

    // A graded set in review: the answers cannot be changed.
    env.SetStart(QuestionModeExam, 3);
    SetRecord.UserAnswers[1] = QStringLiteral("a");
    SetRecord.QuestionMode = QuestionModeGraded;
    env.qa->frameQAQuestion_Display();
    QVERIFY(Back(env.q("frameAnswer_1")) == Green && Back(env.q("frameAnswer_0")) == Red);
    for (const char *control : {"picboxAnswerLabel_1", "lblAnswer_2", "chkAnswer_1"})
        env.click(control);
    QCOMPARE(SetRecord.UserAnswers[1], QStringLiteral("a"));
    QVERIFY(env.q<QRadioButton>("chkAnswer_0")->isChecked());
    QVERIFY(!env.q<QRadioButton>("chkAnswer_1")->isChecked());

    // In review the grade button only uncovers the grade screen again.
    Frame_OnTop(env.grade, true);
    Frame_OnTop(env.qa, true);
    env.click("cmdQAGrade");
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeGraded));

    // Grading from the question screen: refused with a blank answer in an
    // examination or without a user database; else stored, while clicks and
    // keys that arrive meanwhile are dropped, and the grade screen follows.
    env.makeUsers();
    const int annaId = env.user.UserID();
    // An examination with a blank answer: refused, nothing computed, nothing stored, the set stays open.
    env.SetStart(QuestionModeExam, 3);
    SetRecord.UserAnswers[1] = QStringLiteral("b");
    SetRecord.UserAnswers[3] = QStringLiteral("a");
    SetRecord.RightAnswerCount = 77;
    env.click("cmdQAGrade");
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(TestSupport::Message(0), QStringLiteral("Warning|Ergebnisse können nicht angezeigt werden|"
                                                     "Sie müssen zuerst alle Fragen beantworten !"));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeExam));
    QCOMPARE(int(SetRecord.RightAnswerCount), 77);
    QCOMPARE(env.count("QuestionnaireStat") + env.count("QuestionStat"), 0);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));

    env.SetStart(QuestionModePractice, 3);
    env.click("picboxAnswerLabel_1");   // right
    // Without a user database nothing can be stored: the set stays open.
    objUser = nullptr;
    env.click("cmdQAGrade");
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    objUser = &env.user;

    // The results log lets pending events run after each line: the timer
    // fires inside the grading, and signing out must not happen.
    clsUser other;
    int hooksCalled = 0, during = 0;
    MainProcs::frameLoginClose = [&] { ++hooksCalled; objUser = &other; };
    MainProcs::frameLoginInit = [&] { ++hooksCalled; };
    QTimer::singleShot(0, [&] {
        ++during;
        env.click("cmdQAQuit");
        env.click(env.get<QPushButton>(env.practice, "cmdPracticeQuit"));
        QTest::keyClick(&env.window, Qt::Key_Escape);
    });
    env.click("cmdQAGrade");
    QCOMPARE(during, 1);
    QCOMPARE(hooksCalled, 0);
    QCOMPARE(objUser, &env.user);
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeGraded));
    QCOMPARE(int(SetRecord.RightAnswerCount), 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.grade));
    QVERIFY(env.q<QPushButton>("cmdQAGrade")->isEnabled());
    QCOMPARE(env.count("QuestionStat"), 3);
    QCOMPARE(env.rows(QStringLiteral("SELECT UserID FROM QuestionnaireStat")), QStringList{QString::number(annaId)});
    QCOMPARE(env.get<QTableWidget>(env.grade, "gridGrade")->rowCount(), 4);   // filled before it is shown
    // The grade screen has the focus, not a control of the covered question screen.
    QVERIFY(env.grade->isAncestorOf(QApplication::focusWidget()));
    // Afterwards the window takes input again.
    QVERIFY(!QApplication::overrideCursor());
    env.click(env.get<QPushButton>(env.grade, "cmdGradeQuit"));
    QVERIFY(ScreenOnTop() != static_cast<QWidget *>(env.grade));
}

void TestQuestionScreen::stripPicturesBooksAndInvalidModes()
{
    Env env;
    TrainingTest::PictureWrite(PicturePath + "0007.bmp");
    env.qa->BookDisplay();
    auto *picture = env.q<PictureViewer>("IHImgQAPicture");
    PictureViewer *bigViewer = env.big->IHImgPictureBig();
    // Picture 12: neither 0012.jpg nor 0012.bmp gives no picture.
    env.SetStart(QuestionModePractice, 3);
    QVERIFY(picture->isHidden());
    TrainingTest::PictureWrite(PicturePath + "0012.bmp");
    env.qa->frameQAQuestion_Display();
    QCOMPARE(picture->FileName(), PicturePath + "0012.bmp");
    // The photograph is looked for first.
    TrainingTest::PictureWrite(PicturePath + "0012.jpg");
    env.qa->frameQAQuestion_Display();
    QCOMPARE(picture->FileName(), PicturePath + "0012.jpg");
    QVERIFY(!picture->isHidden() && picture->HasPicture());

    // Question 2 has no picture and no text: the picture area takes the room
    // of the text; the base height follows the window's height.
    env.click("cmdQANext");
    QVERIFY(picture->isHidden());
    QVERIFY(env.q("frameQuestion")->isHidden());
    QCOMPARE(picture->height(), 5295 / 15);
    env.window.setProperty("HeightDelta", 1500);
    env.click("cmdQAPrev");
    QVERIFY(!env.q("frameQuestion")->isHidden());
    QCOMPARE(picture->height(), (1500 + 4455) / 15);

    // Enlarging and back, twice.
    for (int round = 0; round < 2; ++round) {
        env.click(picture);
        QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.big));
        QVERIFY(bigViewer->HasPicture() && bigViewer->FileName() == PicturePath + "0012.jpg");
        env.click(bigViewer);
        QVERIFY(ScreenOnTop() == env.qa && !bigViewer->HasPicture());
    }

    // The book: cover, title and page of the question.
    auto *cover = env.q<PictureViewer>("imgQABookPicture");
    auto *title = env.q<QLabel>("lblQABookTitle");
    auto *page = env.q<QLabel>("lblQABookPage");
    env.SetStart(QuestionModePractice, 3);
    QCOMPARE(cover->FileName(), PicturePath + "0007.bmp");
    QCOMPARE(title->text(), QStringLiteral("Buch Eins"));
    QCOMPARE(page->text(), QStringLiteral("Seite") + NewLine + "12");
    env.click("cmdQANext");   // page "?" on two lines
    QCOMPARE(page->text(), QStringLiteral("Erklärung") + NewLine + QStringLiteral("verlangen"));
    env.click("cmdQANext");
    QCOMPARE(page->text(), QString());

    // The book's title and cover change the book; after the last comes the first.
    SetRecord.CurrentIndex = 1;
    env.qa->frameQAQuestion_Display();
    env.click(title);
    QCOMPARE(CurrentBookNr, int16_t(2));
    QCOMPARE(title->text(), QStringLiteral("Buch Zwei"));
    QCOMPARE(page->text(), QStringLiteral("Seite") + NewLine + "99");
    QVERIFY(!cover->HasPicture());   // cover 0008.bmp does not exist
    env.click(cover);
    QCOMPARE(CurrentBookNr, int16_t(1));
    QCOMPARE(cover->FileName(), PicturePath + "0007.bmp");
    CurrentBookNr = 7;   // a book number outside 1..max also starts again at 1
    env.click(title);
    QCOMPARE(CurrentBookNr, int16_t(1));

    auto *strip = env.q("frameChkQuestion");
    auto *first = env.q("chkQuestion_0");
    const int w = first->width();
    // 45 questions: 40 buttons.
    env.SetStart(QuestionModePractice, 45);
    QCOMPARE(strip->width(), 40 * w);

    // Previous on the first goes to the last.
    env.click("cmdQAPrev");
    QCOMPARE(SetRecord.CurrentIndex, 45);
    env.click("picboxAnswerLabel_0");
    QCOMPARE(SetRecord.UserAnswers[45], QStringLiteral("a"));

    // A wider window moves the anchor; ten questions give ten buttons. The
    // button of the question shown takes the back colour of the template.
    env.window.setProperty("WidthDelta", 150);
    env.SetStart(QuestionModePractice, 10);
    QCOMPARE(strip->geometry(), QRect(frameQA::StripDesignLeft + 10 - 9 * w, strip->y(), 10 * w, strip->height()));
    QCOMPARE(env.q<QLabel>("lblQuestion")->text(), QStringLiteral("Text der Frage 1"));
    const QColor current = Back(env.q("chkPicture"));
    QCOMPARE(Back(first), current);
    env.click("chkQuestion_6");
    QCOMPARE(SetRecord.CurrentIndex, 7);
    QCOMPARE(env.q<QLabel>("lblQAQuestionNr")->text(), QStringLiteral("Frage") + NewLine + "0007");
    QCOMPARE(Back(env.q("chkQuestion_6")), current);
    QCOMPARE(Back(first), Face());

    // A question mode that does not exist is reported and ends the program.
    env.SetStart(QuestionModePractice, 3);
    SetRecord.QuestionMode = 9;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].contains("Error 314 : Invalid QuestionMode value"));
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY(Dialogs::Shown().isEmpty());

    // A position outside the set shows nothing and reads nothing.
    SetRecord.QuestionMode = QuestionModePractice;
    SetRecord.CurrentIndex = 4;
    CurrentQuestionNr = 2;
    env.qa->frameQAQuestion_Display();
    QCOMPARE(CurrentQuestionNr, 2);
    QCOMPARE(RuntimeErrorLines().size(), 1);
}

QTEST_MAIN(TestQuestionScreen)
#include "tst_questionscreen.moc"
