// The practice menu: its controls, the lesson grid, the preparation for a
// user and the ways it starts a set or leaves.
#include "TrainingFixture.h"
#include "core/Screens.h"
#include "training/framePractice.h"
#include "training/frameQA.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace TrainingTest;

namespace {

BankFixture::Content PracticeBank()
{
    BankFixture::Content c;
    AddRange(c, 0, 1, 50, 4);
    AddRange(c, 1, 101, 150, 4);
    AddThemeNames(c, 4);
    c.questionnaires.append({0, 0, 1, "00010002"});
    c.questionnaires.append({0, 0, 3, "000300040005"});
    c.questionnaires.append({1, 1, 2, "0065"});
    c.books.append({0, 1, "Book one", "0100"});
    c.books.append({0, 2, "Book two", "0200"});
    return c;
}

// The main window's part: the frames as siblings, registered by screen.
struct Screens {
    QWidget window;
    framePractice *practice = new framePractice(&window);
    frameQA *qa = new frameQA(&window);
    QWidget *login = new QWidget(&window);
    QWidget *themes = new QWidget(&window);
    QWidget *admin = new QWidget(&window);
    Screens()
    {
        ScreenRegister(Screen::Practice, practice);
        ScreenRegister(Screen::QA, qa);
        ScreenRegister(Screen::Login, login);
        ScreenRegister(Screen::Themes, themes);
        ScreenRegister(Screen::Admin, admin);
        auto *label = new QLabel(QStringLiteral("Kategorie :"), admin);
        label->setObjectName(QStringLiteral("lblUserCategoryNr"));
        practice->LessonButtonsLoad();
        practice->raise();
    }
    ~Screens()
    {
        for (Screen s : {Screen::Practice, Screen::QA, Screen::Login, Screen::Themes, Screen::Admin})
            ScreenRegister(s, nullptr);
    }
    template <class T> T *get(const QString &name) const { return practice->findChild<T *>(name); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
};

} // namespace

class TestTrainingPractice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlsAndLessonGrid();
    void initForUser();
    void mixedSetAndExamination();
    void emptyCategoryStaysOnMenu();
    void singleQuestionAndKeypad();
    void lessonStart();
    void themesAndQuit();
};

void TestTrainingPractice::controlsAndLessonGrid()
{
    Fixture f;
    Screens s;
    const QStringList names = {
        "framePracticeTitle", "framePracticeTitleData", "lblPracticeTitleUserName", "lblPracticeTitleCategoryName",
        "lblPracticeTitleDate", "lblPracticeTitleTime", "IHimgPracticeTitleImage", "lblPracticeQuestionnaires",
        "picboxPracticeButtons", "cmdPracticeMix", "cmdPracticeExam", "cmdPracticeThemes", "cmdPracticeHistory",
        "cmdPracticeStatsShow", "cmdPracticeStatsPrint", "cmdPracticeQuit", "cmdLanguage_2", "framePracticeQuestion",
        "lblPracticeQuestion", "txtPracticeQuestion", "cmdPracticeQuestionDel", "cmdPracticeQuestionClear",
        "cmdPracticeQuestion", "cmdPracticeQuestionStatsShow", "cmdPracticeQuestionStatsPrint", "pbPractice"};
    for (const QString &n : names)
        QVERIFY2(s.practice->findChild<QWidget *>(n), qPrintable(n));
    for (int i = 0; i <= 9; ++i)
        QVERIFY(s.button(QStringLiteral("cmdPracticeQuestionNumber_%1").arg(i)));
    QCOMPARE(s.practice->objectName(), QStringLiteral("framePractice"));
    QCOMPARE(s.button("cmdPracticeMix")->parentWidget()->objectName(), QStringLiteral("picboxPracticeButtons"));
    QCOMPARE(s.button("cmdLanguage_2")->parentWidget()->objectName(), QStringLiteral("picboxPracticeButtons"));
    QCOMPARE(s.get<QWidget>("lblPracticeTitleUserName")->parentWidget()->objectName(),
             QStringLiteral("framePracticeTitleData"));
    QCOMPARE(s.get<QWidget>("txtPracticeQuestion")->parentWidget()->objectName(),
             QStringLiteral("framePracticeQuestion"));
    QVERIFY(!s.get<QProgressBar>("pbPractice")->isVisibleTo(s.practice));

    // 4 rows of 6 from the steps of elements 0, 1 and 2; created ones hidden.
    QPushButton *b0 = s.button("cmdPracticeLesson_0");
    const int stepX = s.button("cmdPracticeLesson_1")->x() - b0->x();
    QVERIFY(stepX > b0->width() - 1);
    QVERIFY(s.button("cmdPracticeLesson_23"));
    QVERIFY(!s.button("cmdPracticeLesson_24"));
    QPushButton *b2 = s.button("cmdPracticeLesson_2");
    QCOMPARE(b2->pos(), QPoint(b0->x() + 2 * stepX, b0->y()));
    QPushButton *b13 = s.button("cmdPracticeLesson_13");
    QCOMPARE(b13->text(), QStringLiteral("14"));
    QCOMPARE(b13->x(), b0->x() + stepX);
    QVERIFY(b13->y() > b0->y());
    QCOMPARE(s.button("cmdPracticeLesson_19")->y() - s.button("cmdPracticeLesson_13")->y(),
             s.button("cmdPracticeLesson_7")->y() - s.button("cmdPracticeLesson_1")->y());
    QVERIFY(!b13->isVisibleTo(s.practice));
}

void TestTrainingPractice::initForUser()
{
    Fixture f;
    f.makeBank(PracticeBank());
    CurrentCategoryNr = 0;
    f.makeUsers();
    objUser->BookNr = 2;
    CurrentBookNrMax = 2;
    Screens s;
    s.get<QLineEdit>("txtPracticeQuestion")->setText(QStringLiteral("77"));
    s.button("cmdPracticeThemes")->setEnabled(false);
    s.practice->framePracticeInit();
    QCOMPARE(s.get<QLabel>("lblPracticeTitleUserName")->text(), QStringLiteral("Anna"));
    QCOMPARE(s.get<QLabel>("lblPracticeTitleCategoryName")->text(), QStringLiteral("Kategorie : C - Lastwagen"));
    QVERIFY(!s.get<QLabel>("lblPracticeTitleDate")->text().isEmpty());
    QCOMPARE(s.get<QLineEdit>("txtPracticeQuestion")->text(), QString());
    QVERIFY(s.button("cmdPracticeThemes")->isEnabled());
    // Lessons 1 and 3 are stored for category 0 (lesson 2 belongs to category 1).
    for (int i = 0; i < 24; ++i)
        QCOMPARE(s.button(QStringLiteral("cmdPracticeLesson_%1").arg(i))->isVisibleTo(s.practice), i == 0 || i == 2);
    QCOMPARE(CurrentBookNr, int16_t(2));
    QCOMPARE(CurrentThemeNr, int16_t(0));

    // A book the bank does not have, or one beyond the highest, gives book 1.
    objUser->BookNr = 7;
    s.practice->framePracticeInit();
    QCOMPARE(CurrentBookNr, int16_t(1));
    objUser->BookNr = 2;
    CurrentBookNrMax = 1;
    s.practice->framePracticeInit();
    QCOMPARE(CurrentBookNr, int16_t(1));

    // Category 1: only its lesson 2.
    CurrentCategoryNr = 1;
    LocalisedTextsFill(2);
    s.practice->framePracticeInit();
    for (int i = 0; i < 24; ++i)
        QCOMPARE(s.button(QStringLiteral("cmdPracticeLesson_%1").arg(i))->isVisibleTo(s.practice), i == 1);
    QCOMPARE(s.get<QLabel>("lblPracticeTitleCategoryName")->text(), QStringLiteral("Kategorie : D - Autobus"));
}

void TestTrainingPractice::mixedSetAndExamination()
{
    Fixture f;
    f.makeBank(PracticeBank());
    CurrentCategoryNr = 0;
    Screens s;
    // While drawing: menu disabled, busy pointer, progress bar shown and
    // following the position drawn.
    auto *pb = s.get<QProgressBar>("pbPractice");
    int draws = 0, busyDraws = 0, lastValue = 0, backwards = 0;
    std::mt19937 gen(9);
    Seams::SetRandom([&]() -> double {
        ++draws;
        busyDraws += !s.practice->isEnabled() && pb->isVisibleTo(s.practice) && QApplication::overrideCursor()
                     && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        backwards += pb->value() < lastValue;
        lastValue = pb->value();
        return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
    }, [] {});
    s.button("cmdPracticeMix")->click();
    QVERIFY(draws >= 40);
    QCOMPARE(busyDraws, draws);
    QCOMPARE(backwards, 0);
    QCOMPARE(lastValue, 40);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(s.qa));
    QCOMPARE(SetRecord.QuestionCount, 40);
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
    QCOMPARE(SetRecord.CurrentIndex, 1);
    QCOMPARE(CurrentQuestionNr, SetRecord.QList[1]);   // the first question is shown
    QCOMPARE(s.qa->title(), QStringLiteral("Fragebogen : MIX"));
    QVERIFY(s.practice->isEnabled());
    QVERIFY(!s.get<QProgressBar>("pbPractice")->isVisibleTo(s.practice));
    QCOMPARE(s.get<QProgressBar>("pbPractice")->maximum(), 40);
    QVERIFY(!QApplication::overrideCursor());

    s.practice->raise();
    s.button("cmdPracticeExam")->click();
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(s.qa));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeExam));
    QCOMPARE(CurrentQuestionnaireNr, int16_t(1));
    QCOMPARE(s.qa->title(), QStringLiteral("Fragebogen : PRÜFUNG"));
    QCOMPARE(Seams::BeepCount(), 0);
}

void TestTrainingPractice::emptyCategoryStaysOnMenu()
{
    Fixture f;
    f.makeBank(PracticeBank());
    CurrentCategoryNr = 3;
    Screens s;
    PickSequence({}, 150, 4);
    s.button("cmdPracticeExam")->click();
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(s.practice));
    QVERIFY(s.practice->isEnabled());
    QVERIFY(!s.get<QProgressBar>("pbPractice")->isVisibleTo(s.practice));
    QVERIFY(!QApplication::overrideCursor());
}

void TestTrainingPractice::singleQuestionAndKeypad()
{
    Fixture f;
    f.makeBank(PracticeBank());
    CurrentCategoryNr = 0;
    Screens s;
    auto *txt = s.get<QLineEdit>("txtPracticeQuestion");
    for (const char *key : {"cmdPracticeQuestionNumber_1", "cmdPracticeQuestionNumber_5", "cmdPracticeQuestionNumber_9",
                            "cmdPracticeQuestionDel", "cmdPracticeQuestionNumber_0"})
        s.button(key)->click();
    QCOMPARE(txt->text(), QStringLiteral("150"));
    // Typed at the caret.
    txt->setCursorPosition(1);
    s.button("cmdPracticeQuestionNumber_2")->click();
    QCOMPARE(txt->text(), QStringLiteral("1250"));
    s.button("cmdPracticeQuestionClear")->click();
    QCOMPARE(txt->text(), QString());

    // 150 is a question of category 1 only.
    txt->setText(QStringLiteral("150"));
    SetRecord.Redim(2);
    SetRecord.QList = {0, 7, 8};
    s.button("cmdPracticeQuestion")->click();
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(s.practice));
    QCOMPARE(SetRecord.QList, QVector<int32_t>({0, 7, 8}));

    txt->setText(QStringLiteral("42"));
    s.button("cmdPracticeQuestion")->click();
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(s.qa));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeSingle));
    QCOMPARE(SetRecord.QList, QVector<int32_t>({0, 42}));
    QCOMPARE(s.qa->title(), QStringLiteral("Frage : 42"));
    QCOMPARE(Seams::BeepCount(), 1);
}

void TestTrainingPractice::lessonStart()
{
    Fixture f;
    f.makeBank(PracticeBank());
    CurrentCategoryNr = 0;
    Screens s;
    s.practice->framePracticeInit();
    s.button("cmdPracticeLesson_2")->click();
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(s.qa));
    QCOMPARE(SetRecord.QList, QVector<int32_t>({0, 3, 4, 5}));
    QCOMPARE(CurrentQuestionnaireNr, int16_t(3));
    QCOMPARE(s.qa->title(), QStringLiteral("Fragebogen : 3"));
    QCOMPARE(CurrentQuestionNr, 3);
}

void TestTrainingPractice::themesAndQuit()
{
    Fixture f;
    Screens s;
    QStringList calls;
    MainProcs::frameThemesLabelsUpdate = [&] { calls << "labels"; };
    MainProcs::frameLoginClose = [&] { calls << "close"; };
    MainProcs::frameLoginInit = [&] { calls << "init"; };
    s.button("cmdPracticeThemes")->click();
    QCOMPARE(ScreenOnTop(), s.themes);
    s.practice->raise();
    s.button("cmdPracticeQuit")->click();
    QCOMPARE(ScreenOnTop(), s.login);
    QCOMPARE(calls, QStringList({"labels", "close", "init"}));
    MainProcs::frameThemesLabelsUpdate = {};
    MainProcs::frameLoginClose = {};
    MainProcs::frameLoginInit = {};
}

QTEST_MAIN(TestTrainingPractice)
#include "tst_training_practice.moc"
