// Building question sets: stored lists, MAXQPT quotas, the random draw of
// examinations and mixed sets, lessons, single questions and titles.
#include "TrainingFixture.h"
#include "core/Screens.h"
#include "training/QuestionSetBuild.h"
#include "training/QuestionnaireTitle.h"

#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <algorithm>

using namespace TrainingTest;

namespace {

// Category 0: 1..100 in themes 4 (1..20), 5 (21..40), 6 (41..80), 7 (81..100).
// Category 1: 101..160. Category 2: 1..35 (numbers shared with category 0).
// Category 3: 201..212, too few for a set of 30. Lesson 3 of category 0.
BankFixture::Content MainBank()
{
    BankFixture::Content c;
    AddRange(c, 0, 1, 20, 4);
    AddRange(c, 0, 21, 40, 5);
    AddRange(c, 0, 41, 80, 6);
    AddRange(c, 0, 81, 100, 7);
    AddRange(c, 1, 101, 150, 4);
    AddRange(c, 1, 151, 160, 5);
    AddRange(c, 2, 1, 35, 4);
    AddRange(c, 3, 201, 212, 4);
    AddThemeNames(c, 7);
    c.questionnaires.append({0, 0, 3, "000A00140001006300320005004100020050000F"});
    c.questionnaires.append({1, 1, 1, "0065"});
    return c;
}

int16_t ThemeOf(int32_t nr)
{
    CurrentQuestionNr = nr;
    objQuestion->QuestionNrSeek();
    return objQuestion->ThemeNr;
}

// Every position holds a distinct question of the current category.
void VerifyDistinctInCategory(int expectedCount)
{
    QCOMPARE(SetRecord.QuestionCount, expectedCount);
    QCOMPARE(SetRecord.QList.size(), expectedCount + 1);
    QSet<int32_t> seen;
    for (int i = 1; i <= SetRecord.QuestionCount; ++i) {
        const int32_t nr = SetRecord.QList[i];
        QVERIFY2(!seen.contains(nr), qPrintable(QStringLiteral("duplicate %1").arg(nr)));
        seen.insert(nr);
        CurrentQuestionNr = nr;
        objQuestion->QuestionNrSeek();
        QVERIFY2(objQuestion->QuestionNr == nr, qPrintable(QStringLiteral("%1 not in category").arg(nr)));
        QCOMPARE(SetRecord.UserAnswers[i], QString());
        QCOMPARE(SetRecord.RevealState[i], uint8_t(0));
    }
}

} // namespace

class TestTrainingSets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storedQuestionLists();
    void leadingNumbersAndRounding();
    void maxqptQuotas();
    void examinationDrawKeepsDrawingOrder();
    void mixedSetSizesPerCategory();
    void quotasLimitThemes();
    void quotasThatCannotBeMet();
    void categoryWithTooFewQuestions();
    void emptyCategory();
    void sparseCategoryCompletes();
    void singleQuestion();
    void lessonSet();
    void titles_data();
    void titles();
    void titleWrittenToScreens();
};

void TestTrainingSets::storedQuestionLists()
{
    QCOMPARE(QuestionListParse(QStringLiteral("000A01F4")), QVector<int32_t>({10, 500}));
    QCOMPARE(QuestionListParse(QString()), QVector<int32_t>());
    // Length / 4 with halves to even: 6 characters give 2 questions, 10 give 2.
    QCOMPARE(QuestionListCount(QStringLiteral("000A01")), 2);
    QCOMPARE(QuestionListParse(QStringLiteral("000A01")), QVector<int32_t>({10, 1}));
    QCOMPARE(QuestionListCount(QStringLiteral("0001000200")), 2);
    QCOMPARE(QuestionListCount(QString(40, QLatin1Char('0'))), 10);
    // Lower-case digits; 8000 hex and above read as positive numbers.
    QCOMPARE(QuestionListParse(QStringLiteral("00ffFFFF8000")), QVector<int32_t>({255, 65535, 32768}));
    QCOMPARE(QuestionListParse(QStringLiteral("00G1")), QVector<int32_t>({0}));
}

void TestTrainingSets::leadingNumbersAndRounding()
{
    QCOMPARE(TextLeadingNumber(QStringLiteral("12abc")), 12.0);
    QCOMPARE(TextLeadingNumber(QStringLiteral(" 1 2 ")), 12.0);
    QCOMPARE(TextLeadingNumber(QStringLiteral("abc")), 0.0);
    QCOMPARE(TextLeadingNumber(QStringLiteral("2.5;")), 2.5);
    QCOMPARE(TextLeadingNumber(QStringLiteral("-3x")), -3.0);
    QCOMPARE(TextLeadingNumber(QStringLiteral("1e2")), 100.0);
    QCOMPARE(RoundToInt16(2.5), int16_t(2));
    QCOMPARE(RoundToInt16(3.5), int16_t(4));
    QCOMPARE(RoundToInt16(70000), int16_t(32767));
    QCOMPARE(RoundToInt32(123.5), int32_t(124));
    QCOMPARE(RoundToInt32(1e12), int32_t(2147483647));
}

void TestTrainingSets::maxqptQuotas()
{
    const QVector<int16_t> a = MaxqptParse(QStringLiteral("5;3"), 7, 40);
    QCOMPARE(a, QVector<int16_t>({40, 40, 40, 40, 5, 3, 40, 40}));
    QCOMPARE(MaxqptParse(QStringLiteral("5;3;"), 7, 40), a);
    // An empty value limits theme 4 to 0 and leaves the others unlimited.
    QCOMPARE(MaxqptParse(QString(), 7, 30), QVector<int16_t>({30, 30, 30, 30, 0, 30, 30, 30}));
    // Entries beyond the highest theme are ignored.
    QCOMPARE(MaxqptParse(QStringLiteral("1;2;3;4;5;6;7"), 6, 40), QVector<int16_t>({40, 40, 40, 40, 1, 2, 3}));
    // Leading numbers, halves to even, non-numeric parts 0, empty parts 0.
    QCOMPARE(MaxqptParse(QStringLiteral("abc;2.5;3.5 x;;9"), 8, 40),
             QVector<int16_t>({40, 40, 40, 40, 0, 2, 4, 0, 9}));
    // A bank whose themes stop below 4 has no quota at all.
    QCOMPARE(MaxqptParse(QStringLiteral("5"), 3, 40), QVector<int16_t>({40, 40, 40, 40}));
}

void TestTrainingSets::examinationDrawKeepsDrawingOrder()
{
    Fixture f;
    f.makeBank(MainBank());
    QCOMPARE(objQuestion->QuestionNrMax(), 212);
    CurrentCategoryNr = 0;
    // 150 exists in category 1 only, 212 in category 3 only, 5 comes twice.
    QVector<int32_t> wanted;
    for (int n = 100; n >= 62; --n)
        wanted << n;
    QVector<int32_t> picks = {150, 5, 5, 212};
    picks += wanted;
    PickSequence(picks, 212);
    QList<int32_t> progress;
    const int32_t count = ExamOrMixSetBuild(QuestionModeExam, 1, 4, [&](int32_t i) { progress << i; });
    QCOMPARE(count, 40);
    VerifyDistinctInCategory(40);
    QCOMPARE(SetRecord.QList[1], 5);
    for (int i = 2; i <= 40; ++i)
        QCOMPARE(SetRecord.QList[i], wanted[i - 2]);
    // One progress call per draw, with the position being drawn.
    QCOMPARE(progress.size(), 43);
    QCOMPARE(progress.mid(0, 4), QList<int32_t>({1, 1, 2, 2}));
    QCOMPARE(progress.last(), 40);
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeExam));
    QCOMPARE(CurrentThemeNr, int16_t(-1));
    QCOMPARE(CurrentQuestionnaireNr, int16_t(1));
    QCOMPARE(SetRecord.QuestionnaireTitle, QStringLiteral("Fragebogen : PRÜFUNG"));
    QVERIFY(f.sb.logText().contains(QStringLiteral("Warning : MAXQPT Parameter in ") + INIFileName()
                                    + QStringLiteral(" is missing !")));
    QCOMPARE(Seams::BeepCount(), 0);
}

void TestTrainingSets::mixedSetSizesPerCategory()
{
    Fixture f;
    f.makeBank(MainBank());
    f.sb.writeIni(QStringLiteral("[Config]\nMAXQPT=40;40\n"));
    for (int16_t cat : {0, 1, 2}) {
        CurrentCategoryNr = cat;
        PickSequence({}, 212, 100 + cat);
        QCOMPARE(ExamOrMixSetBuild(QuestionModePractice, 0, 3), cat < 2 ? 40 : 30);
        VerifyDistinctInCategory(cat < 2 ? 40 : 30);
        QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
        QCOMPARE(CurrentQuestionnaireNr, int16_t(0));
        QCOMPARE(SetRecord.QuestionnaireTitle, QStringLiteral("Fragebogen : MIX"));
    }
    QVERIFY(!f.sb.logText().contains(QStringLiteral("MAXQPT")));
}

void TestTrainingSets::quotasLimitThemes()
{
    Fixture f;
    f.makeBank(MainBank());
    f.sb.writeIni(QStringLiteral("[Config]\nMAXQPT=5;3\n"));
    CurrentCategoryNr = 0;
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        PickSequence({}, 212, seed);
        QCOMPARE(QuestionSetDraw(), 40);
        VerifyDistinctInCategory(40);
        int theme4 = 0, theme5 = 0;
        for (int i = 1; i <= 40; ++i) {
            const int16_t t = ThemeOf(SetRecord.QList[i]);
            theme4 += t == 4;
            theme5 += t == 5;
        }
        QVERIFY2(theme4 <= 5, qPrintable(QString::number(theme4)));
        QVERIFY2(theme5 <= 3, qPrintable(QString::number(theme5)));
    }
    QVERIFY(!f.sb.logText().contains(QStringLiteral("MAXQPT")));
}

void TestTrainingSets::quotasThatCannotBeMet()
{
    Fixture f;
    f.makeBank(MainBank());
    // Every theme of category 0 listed, 20 questions allowed in all.
    f.sb.writeIni(QStringLiteral("[Config]\nMAXQPT=5;5;5;5\n"));
    CurrentCategoryNr = 0;
    PickSequence({}, 212, 11);
    int draws = 0;
    QCOMPARE(QuestionSetDraw([&](int32_t) { ++draws; }), 40);
    VerifyDistinctInCategory(40);
    QVERIFY(draws > MaxDrawAttempts);
    const QString warning = QStringLiteral("Warning : MAXQPT Parameter in ") + INIFileName()
                            + QStringLiteral(" is not correctly set !");
    QCOMPARE(f.sb.logText().count(warning), 1);
}

void TestTrainingSets::categoryWithTooFewQuestions()
{
    Fixture f;
    f.makeBank(MainBank());
    CurrentCategoryNr = 3;   // 12 questions, 30 needed
    PickSequence({}, 212, 3);
    QCOMPARE(ExamOrMixSetBuild(QuestionModeExam, 1, 4), 12);
    VerifyDistinctInCategory(12);
    QList<int32_t> numbers(SetRecord.QList.begin() + 1, SetRecord.QList.end());
    std::sort(numbers.begin(), numbers.end());
    QList<int32_t> all;
    for (int n = 201; n <= 212; ++n)
        all << n;
    QCOMPARE(numbers, all);
    QVERIFY(f.sb.logText().contains(QStringLiteral("Warning : Category 3 holds only 12 questions, the set has 12 questions !")));
    QCOMPARE(Seams::BeepCount(), 0);
}

void TestTrainingSets::emptyCategory()
{
    Fixture f;
    BankFixture::Content c;
    AddRange(c, 0, 1, 50, 4);
    AddThemeNames(c, 4);
    f.makeBank(c);
    CurrentCategoryNr = 2;
    PickSequence({}, 50, 5);
    QCOMPARE(ExamOrMixSetBuild(QuestionModeExam, 1, 4), 0);
    QCOMPARE(SetRecord.QuestionCount, 0);
    QCOMPARE(Seams::BeepCount(), 1);
    QVERIFY(f.sb.logText().contains(QStringLiteral("Warning : Category 2 holds no question, no set drawn !")));

    // No bank open at all: the same answer, without a draw.
    objQuestion = nullptr;
    QCOMPARE(QuestionSetDraw(), 0);
    QCOMPARE(Seams::BeepCount(), 2);
}

void TestTrainingSets::sparseCategoryCompletes()
{
    Fixture f;
    BankFixture::Content c;
    AddRange(c, 0, 9990, 10000, 4);   // the highest number lies far above category 2
    AddRange(c, 2, 1, 35, 4);
    AddThemeNames(c, 4);
    f.makeBank(c);
    CurrentCategoryNr = 2;
    PickSequence({}, 10000, 21);
    int draws = 0;
    QCOMPARE(QuestionSetDraw([&](int32_t) { ++draws; }), 30);
    VerifyDistinctInCategory(30);
    for (int i = 1; i <= 30; ++i)
        QVERIFY(SetRecord.QList[i] <= 35);
    // Once the category has been listed every draw is accepted.
    QVERIFY(draws <= DrawScanAttempts + 30);
    QVERIFY(!f.sb.logText().contains(QStringLiteral("holds only")));
}

void TestTrainingSets::singleQuestion()
{
    Fixture f;
    f.makeBank(MainBank());
    CurrentCategoryNr = 0;
    QVERIFY(SingleQuestionSetBuild(QStringLiteral("42")));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeSingle));
    QCOMPARE(SetRecord.QuestionCount, 1);
    QCOMPARE(SetRecord.QList[1], 42);
    QCOMPARE(SetRecord.CurrentIndex, 1);
    QCOMPARE(SetRecord.QuestionnaireTitle, QStringLiteral("Frage : 42"));

    // 150 is a question of category 1 only; the running set stays as it was.
    QVERIFY(!SingleQuestionSetBuild(QStringLiteral("150")));
    QVERIFY(!SingleQuestionSetBuild(QStringLiteral("abc")));
    QVERIFY(!SingleQuestionSetBuild(QString()));
    QCOMPARE(SetRecord.QList[1], 42);
    QCOMPARE(SetRecord.QuestionnaireTitle, QStringLiteral("Frage : 42"));

    CurrentCategoryNr = 1;
    QVERIFY(SingleQuestionSetBuild(QStringLiteral("150")));
    QCOMPARE(SetRecord.QList[1], 150);
    QVERIFY(!SingleQuestionSetBuild(QStringLiteral("42")));
}

void TestTrainingSets::lessonSet()
{
    Fixture f;
    f.makeBank(MainBank());
    CurrentCategoryNr = 0;
    SetRecord.QuestionMode = QuestionModeGraded;
    QCOMPARE(LessonSetBuild(2), 10);
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModePractice));
    QCOMPARE(CurrentThemeNr, int16_t(0));
    QCOMPARE(CurrentQuestionnaireNr, int16_t(3));
    QCOMPARE(SetRecord.QuestionnaireTitle, QStringLiteral("Fragebogen : 3"));
    const QVector<int32_t> expected = {0, 10, 20, 1, 99, 50, 5, 65, 2, 80, 15};
    QCOMPARE(SetRecord.QList, expected);
    QCOMPARE(SetRecord.UserAnswers, QVector<QString>(11));
    // A lesson that is not stored gives no set.
    QCOMPARE(LessonSetBuild(5), 0);
    QCOMPARE(SetRecord.QuestionCount, 0);
}

void TestTrainingSets::titles_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("titleIndex");
    QTest::addColumn<QString>("title");
    QTest::newRow("de theme") << 0 << 2 << 0 << QStringLiteral("Fragebogen : 4, Thema : T6-2-0");
    QTest::newRow("fr theme") << 1 << 2 << 0 << QStringLiteral("Questionnaire : 4, Thème : T6-2-1");
    QTest::newRow("it theme") << 2 << 2 << 0 << QStringLiteral("Formulario : 4, Tema : T6-2-2");
    QTest::newRow("de mix") << 0 << 3 << 0 << QStringLiteral("Fragebogen : MIX");
    QTest::newRow("fr mix") << 1 << 3 << 0 << QStringLiteral("Questionnaire : MIX");
    QTest::newRow("it mix") << 2 << 3 << 0 << QStringLiteral("Formulario : MIX");
    QTest::newRow("de exam") << 0 << 4 << 0 << QStringLiteral("Fragebogen : PRÜFUNG");
    QTest::newRow("fr exam") << 1 << 4 << 0 << QStringLiteral("Questionnaire : EXAMEN");
    QTest::newRow("it exam") << 2 << 4 << 0 << QStringLiteral("Formulario : ESAMI");
    QTest::newRow("de number") << 0 << 5 << 0 << QStringLiteral("Fragebogen : 4");
    QTest::newRow("fr question") << 1 << 5 << 1 << QStringLiteral("Question : 4");
    QTest::newRow("it question") << 2 << 5 << 1 << QStringLiteral("Domanda : 4");
    QTest::newRow("de other") << 0 << 0 << 0 << QStringLiteral("Fragebogen : ");
    QTest::newRow("fr other") << 1 << 7 << 1 << QStringLiteral("Question : ");
    QTest::newRow("it other") << 2 << 1 << 0 << QStringLiteral("Formulario : ");
}

void TestTrainingSets::titles()
{
    QFETCH(int, language);
    QFETCH(int, kind);
    QFETCH(int, titleIndex);
    QFETCH(QString, title);
    Fixture f;
    f.makeBank(MainBank());
    CurrentCategoryNr = 2;
    CurrentLanguageNr = static_cast<int16_t>(language);
    LocalisedTextsFill(language);
    SetRecord.TitleInfo = TitleInfoRecord{titleIndex, 4, kind, 6};
    QuestionnaireTitleSet();
    QCOMPARE(SetRecord.QuestionnaireTitle, title);
}

void TestTrainingSets::titleWrittenToScreens()
{
    Fixture f;
    QGroupBox qa;
    QWidget grade;
    auto *name = new QLabel(&grade);
    name->setObjectName(QStringLiteral("lblGradeQName"));
    ScreenRegister(Screen::QA, &qa);
    ScreenRegister(Screen::Grade, &grade);
    SetRecord.TitleInfo = TitleInfoRecord{1, 123, 5, 0};
    QuestionnaireTitleSet();
    QCOMPARE(qa.title(), QStringLiteral("Frage : 123"));
    QCOMPARE(name->text(), QStringLiteral("Frage : 123"));
    // A language change re-titles the running set.
    LocalisedTextsFill(1);
    QuestionnaireTitleSet();
    QCOMPARE(qa.title(), QStringLiteral("Question : 123"));
    ScreenRegister(Screen::QA, nullptr);
    ScreenRegister(Screen::Grade, nullptr);
}

QTEST_MAIN(TestTrainingSets)
#include "tst_training_sets.moc"
