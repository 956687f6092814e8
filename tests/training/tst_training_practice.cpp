// The practice menu: the lesson grid, the preparation for a user and the ways
// it starts a set or leaves.
#include "TrainingFixture.h"
#include "core/Notice.h"
#include "training/QAState.h"

#include <QProgressBar>

using namespace TrainingTest;

namespace {
bool LessonsShown(const Env &env, std::initializer_list<int> shown)
{
    for (int i = 0; i < 24; ++i)
        if (env.practice->findChild<QWidget *>(QStringLiteral("cmdPracticeLesson_%1").arg(i))->isVisibleTo(env.practice)
            != (std::find(shown.begin(), shown.end(), i) != shown.end()))
            return false;
    return true;
}

// The notice shown on the menu, empty when there is none.
QString Notice(const Env &env)
{
    const QLabel *l = NoticeLabel(env.practice);
    return l && l->isVisibleTo(env.practice) ? l->text() : QString();
}
} // namespace

class TestTrainingPractice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawLessonsSingleQuestionAndColours();
};

void TestTrainingPractice::drawLessonsSingleQuestionAndColours()
{
    Env env(3);
    env.practice->raise();
    // While drawing: menu disabled, busy pointer, progress bar shown.
    auto *pb = env.get<QProgressBar>(env.practice, "pbPractice");
    int draws = 0, busyDraws = 0;
    std::mt19937 gen(9);
    Seams::SetRandom([&]() -> double {
        ++draws;
        busyDraws += !env.practice->isEnabled() && pb->isVisibleTo(env.practice) && QApplication::overrideCursor()
                     && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
    }, [] {});
    env.get<QPushButton>(env.practice, "cmdPracticeMix")->click();
    QVERIFY(draws >= 40);
    QCOMPARE(busyDraws, draws);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    QCOMPARE(CurrentQuestionNr, SetRecord.QList[1]);   // the first question is shown
    QCOMPARE(env.qa->title(), QStringLiteral("Fragebogen : MIX"));
    QVERIFY(env.practice->isEnabled() && !pb->isVisibleTo(env.practice) && !QApplication::overrideCursor());
    QCOMPARE(Seams::BeepCount(), 0);

    // 24 lesson buttons (LessonsShown reads them all), shown for the stored lessons.
    QVERIFY(!env.practice->findChild<QWidget *>("cmdPracticeLesson_24"));
    env.practice->framePracticeInit();
    env.practice->raise();
    SetRecord.QuestionMode = QuestionModeGraded;
    env.get<QPushButton>(env.practice, "cmdPracticeLesson_2")->click();
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    // A 40-character list: 10 questions in stored order.
    QCOMPARE(SetRecord.QList, QVector<int32_t>({0, 10, 20, 1, 99, 50, 5, 65, 2, 80, 15}));
    QCOMPARE(SetRecord.UserAnswers, QVector<QString>(11));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
    QCOMPARE(CurrentQuestionnaireNr, int16_t(3));
    QCOMPARE(env.qa->title(), QStringLiteral("Fragebogen : 3"));
    // A lesson that is not stored gives no set, a beep and the reason.
    Frame_OnTop(env.practice, true);
    env.practice->cmdPracticeLesson_Click(5);
    QCOMPARE(SetRecord.QuestionCount, 0);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.practice));
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(Notice(env), QStringLiteral("Diese Lektion enthält keine Fragen !"));

    // A single question typed on the keypad.
    Seams::ResetBeepCount();
    env.practice->raise();
    auto *txt = env.get<QLineEdit>(env.practice, "txtPracticeQuestion");
    for (const char *key : {"cmdPracticeQuestionNumber_1", "cmdPracticeQuestionNumber_5", "cmdPracticeQuestionNumber_9",
                            "cmdPracticeQuestionDel", "cmdPracticeQuestionNumber_0"})
        env.get<QPushButton>(env.practice, key)->click();
    QCOMPARE(txt->text(), QStringLiteral("150"));
    txt->setCursorPosition(1);   // typed at the caret
    env.get<QPushButton>(env.practice, "cmdPracticeQuestionNumber_2")->click();
    QCOMPARE(txt->text(), QStringLiteral("1250"));
    env.get<QPushButton>(env.practice, "cmdPracticeQuestionClear")->click();
    QCOMPARE(txt->text(), QString());

    // 150 is a question of category 1 only: a beep and the set is kept.
    txt->setText(QStringLiteral("150"));
    SetRecord.Redim(2);
    SetRecord.QList = {0, 7, 8};
    env.get<QPushButton>(env.practice, "cmdPracticeQuestion")->click();
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.practice));
    QCOMPARE(SetRecord.QList, QVector<int32_t>({0, 7, 8}));
    QCOMPARE(Notice(env), QStringLiteral("Diese Frage gibt es in Ihrer Kategorie nicht !"));

    txt->setText(QStringLiteral("42"));
    env.get<QPushButton>(env.practice, "cmdPracticeQuestion")->click();
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.qa));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeSingle));
    QCOMPARE(SetRecord.QList, QVector<int32_t>({0, 42}));
    QCOMPARE(env.qa->title(), QStringLiteral("Frage : 42"));
    QCOMPARE(Seams::BeepCount(), 1);

    // The menu prepared for a signed-in user.
    env.makeUsers();
    env.user.BookNr = 2;
    txt->setText(QStringLiteral("77"));
    env.practice->framePracticeInit();
    QCOMPARE(env.get<QLabel>(env.practice, "lblPracticeTitleUserName")->text(), QStringLiteral("Anna"));
    QCOMPARE(env.get<QLabel>(env.practice, "lblPracticeTitleCategoryName")->text(), QStringLiteral("Kategorie : C - Lastwagen"));
    QCOMPARE(txt->text(), QString());
    QVERIFY(LessonsShown(env, {0, 2}));   // lessons 1 and 3 of category 0
    QCOMPARE(CurrentBookNr, int16_t(2));
    // A book the bank does not have gives book 1.
    env.user.BookNr = 7;
    env.practice->framePracticeInit();
    QCOMPARE(CurrentBookNr, int16_t(1));

    // The best result of each lesson on its button (the colour and text rules
    // are the statistics' own tests): the best of its records, every lesson
    // computed, shown or not.
    const auto store = [&](int16_t theme, int16_t nr, float percent) {
        env.user.setRSCursorType("2"), env.user.setRSLockType("2");   // the statistics leave them read-only
        UserDbTest::QuestionnaireAdd(env.user, theme, nr, percent, QDateTime(QDate(2026, 5, 1), QTime(8, nr, 0)));
    };
    for (float p : {60.0f, 89.96f, 70.0f})
        store(0, 1, p);     // lesson 1: best 89.96, shown as 90 but orange
    store(1, 4, 100);       // a lesson of another theme: not counted
    store(-1, 1, 99);
    CurrentThemeNr = -1;
    env.get<QPushButton>(env.practice, "cmdPracticeStatsShow")->click();
    QCOMPARE(CurrentThemeNr, CurrentCategoryNr);
    const auto face = [&](int i) {
        const QPushButton *b = env.get<QPushButton>(env.practice, qPrintable(QString("cmdPracticeLesson_%1").arg(i)));
        return QAState::BackColor(b).name() + "|" + b->toolTip() + "|" + b->property("Tag").toString();
    };
    QCOMPARE(face(0), QString("#ff8000|3 mal gemacht, bestes Resultat: 90%|90"));
    QCOMPARE(face(3), QAState::ButtonFace().name() + "|Nie gemacht !|");
    QCOMPARE(face(20), QAState::ButtonFace().name() + "|Nie gemacht !|");   // hidden, and the last one

    // The title names the current category (a language change sets it on its own way).
    CurrentCategoryNr = 1;
    env.practice->framePracticeInit();
    QCOMPARE(env.get<QLabel>(env.practice, "lblPracticeTitleCategoryName")->text(),
             QStringLiteral("Kategorie : D - Gesellschaftswagen"));

    // THEMEN re-captions the theme rows, then shows the theme screen; quitting
    // signs out (the user database closed, the password box emptied).
    QStringList calls;
    MainProcs::frameThemesLabelsUpdate = [&] { calls << "labels"; };
    MainProcs::frameLoginClose = [&] { calls << "close"; };
    MainProcs::frameLoginInit = [&] { calls << "init"; };
    Frame_OnTop(env.practice, true);
    env.get<QPushButton>(env.practice, "cmdPracticeThemes")->click();
    QCOMPARE(ScreenOnTop(), env.themes);
    QCOMPARE(calls, QStringList({"labels"}));
    Frame_OnTop(env.practice, true);
    env.get<QPushButton>(env.practice, "cmdPracticeQuit")->click();
    QCOMPARE(ScreenOnTop(), env.login);
    QCOMPARE(calls, QStringList({"labels", "close", "init"}));

    // An examination in a category without questions (3 left empty by the bank) stays on the menu.
    Seams::ResetBeepCount();
    CurrentCategoryNr = 3;
    Frame_OnTop(env.practice, true);
    env.get<QPushButton>(env.practice, "cmdPracticeExam")->click();
    QCOMPARE(Seams::BeepCount(), 1);
    QCOMPARE(SetRecord.QuestionCount, 0);
    QCOMPARE(ScreenOnTop(), static_cast<QWidget *>(env.practice));
    QVERIFY(env.practice->isEnabled() && !QApplication::overrideCursor());
    QVERIFY(!pb->isVisibleTo(env.practice));
    // Not only a beep: the reason is shown on the menu.
    QCOMPARE(Notice(env), QStringLiteral("Ihre Kategorie enthält keine Fragen !"));
}

QTEST_MAIN(TestTrainingPractice)
#include "tst_training_practice.moc"
