// Building question sets: stored lists, MAXQPT quotas, the random draw of
// examinations and mixed sets, and titles.
#include "TrainingFixture.h"
#include "training/QuestionSetBuild.h"
#include "training/QuestionnaireTitle.h"

#include <QSet>
#include <algorithm>

using namespace TrainingTest;

namespace {

const QString MaxqptWarning = QStringLiteral("Warning : MAXQPT Parameter in ");

// Every position holds a distinct, unanswered question of the current category.
void VerifyDistinctInCategory(int expectedCount)
{
    QCOMPARE(SetRecord.QuestionCount, expectedCount);
    QSet<int32_t> seen;
    for (int i = 1; i <= expectedCount; ++i) {
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
    void listsQuotasDrawsTitlesAndSmallCategories();
    void quotasHoldUpToTheGiveUpDraw();
};

void TestTrainingSets::listsQuotasDrawsTitlesAndSmallCategories()
{
    // Length / 4 with halves to even: 6 characters give 2 questions, 10 give 2
    // (whole lists are read by the lesson and theme questionnaire tests).
    QCOMPARE(QuestionListParse(QStringLiteral("000A01")), QVector<int32_t>({10, 1}));
    QCOMPARE(QuestionListCount(QStringLiteral("0001000200")), 2);
    QCOMPARE(QuestionListParse(QStringLiteral("00ffFFFF8000")), QVector<int32_t>({255, 65535, 32768}));
    QCOMPARE(TextLeadingNumber(QStringLiteral(" 1 2 ")), 12.0);

    const QVector<int16_t> a = MaxqptParse(QStringLiteral("5;3"), 7, 40);
    QCOMPARE(a, QVector<int16_t>({40, 40, 40, 40, 5, 3, 40, 40}));
    QCOMPARE(MaxqptParse(QStringLiteral("5;3;"), 7, 40), a);
    // An empty value limits theme 4 to 0 and leaves the others unlimited.
    QCOMPARE(MaxqptParse(QString(), 7, 30), QVector<int16_t>({30, 30, 30, 30, 0, 30, 30, 30}));
    // Entries beyond the highest theme are ignored.
    QCOMPARE(MaxqptParse(QStringLiteral("1;2;3;4;5;6;7"), 6, 40), QVector<int16_t>({40, 40, 40, 40, 1, 2, 3}));
    QCOMPARE(MaxqptParse(QStringLiteral("abc;2.5;3.5 x;;9"), 8, 40),
             QVector<int16_t>({40, 40, 40, 40, 0, 2, 4, 0, 9}));

    Env env;
    // 150 exists in category 1 only, 212 in category 3 only, 5 comes twice.
    QVector<int32_t> picks = {150, 5, 5, 212};
    for (int n = 100; n >= 62; --n)
        picks << n;
    PickSequence(picks, 212);
    QCOMPARE(ExamOrMixSetBuild(QuestionModeExam, 1, 4), 40);
    VerifyDistinctInCategory(40);
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({5}) + picks.mid(4));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeExam));
    QCOMPARE(SetRecord.QuestionnaireTitle, QStringLiteral("Fragebogen : PRÜFUNG"));
    QVERIFY(env.sb.logText().contains(MaxqptWarning + INIFileName() + QStringLiteral(" is missing !")));
    QCOMPARE(Seams::BeepCount(), 0);

    // Mixed sets take the size of the category's examination.
    env.sb.writeIni(QStringLiteral("[Config]\nMAXQPT=40;40\n"));
    for (int16_t cat : {0, 1, 2}) {
        CurrentCategoryNr = cat;
        PickSequence({}, 212, 100 + cat);
        QCOMPARE(ExamOrMixSetBuild(QuestionModePractice, 0, 3), cat < 2 ? 40 : 30);
        VerifyDistinctInCategory(cat < 2 ? 40 : 30);
    }
    // Quotas of 5 for theme 4 and 3 for theme 5 hold in category 0.
    CurrentCategoryNr = 0;
    env.sb.writeIni(QStringLiteral("[Config]\nMAXQPT=5;3\n"));
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        PickSequence({}, 212, seed);
        QCOMPARE(QuestionSetDraw(), 40);
        VerifyDistinctInCategory(40);
        int perTheme[8] = {};
        for (int i = 1; i <= 40; ++i) {
            CurrentQuestionNr = SetRecord.QList[i];
            objQuestion->QuestionNrSeek();
            ++perTheme[objQuestion->ThemeNr];
        }
        QVERIFY2(perTheme[4] <= 5 && perTheme[5] <= 3, qPrintable(QStringLiteral("%1 %2").arg(perTheme[4]).arg(perTheme[5])));
    }
    QCOMPARE(env.sb.logText().count(QStringLiteral("MAXQPT")), 1);   // the missing value's only

    // The titles of the other kinds are checked where their sets are built;
    // here the theme's name read in the language, and a kind without a title.
    CurrentCategoryNr = 2;
    CurrentLanguageNr = 2;
    LocalisedTextsFill(2);
    const struct { int kind; const char *expected; } rows[] = {{2, "Formulario : 4, Tema : T6-2-2"},
                                                                {7, "Formulario : "}};
    for (const auto &r : rows) {
        SetRecord.TitleInfo = TitleInfoRecord{0, 4, r.kind, 6};
        QuestionnaireTitleSet();
        QCOMPARE(SetRecord.QuestionnaireTitle, QString::fromUtf8(r.expected));
        // Written to the question screen and the grade screen as well.
        QCOMPARE(env.qa->title(), SetRecord.QuestionnaireTitle);
        QCOMPARE(env.get<QLabel>(env.grade, "lblGradeQName")->text(), SetRecord.QuestionnaireTitle);
    }

    // Examinations of a category with too few questions, without quotas.
    QVERIFY(QFile::remove(env.sb.iniPath()));
    CurrentCategoryNr = 3;
    const int setSize = ExamQuestionCount[3];
    const QString file = env.bank.DbPath() + env.bank.DbFileName();
    for (int size = 0; size <= setSize + 1; ++size) {
        // Category 3 rebuilt with `size` questions whose numbers are spread up
        // to the thousands, so that random draws mostly miss and the draw has
        // to list the category. The bank is closed for the change and reopened
        // read-only.
        env.bank.DbClose();
        QStringList rows = {QStringLiteral("(1,9999,0,4,'a')")};   // the highest number stays the same for every size
        for (int k = 0; k < size; ++k)
            rows << QStringLiteral("(3,%1,0,4,'a')").arg(300 + k * 167);
        UserDbTest::SqlExec(file, QStringLiteral("DELETE FROM Question WHERE CategoryNr = 3 OR QuestionNr = 9999"));
        UserDbTest::SqlExec(file, "INSERT INTO Question VALUES " + rows.join(','));
        env.bank.DbOpen();
        QCOMPARE(objQuestion->QuestionNrMax(), 9999);
        PickSequence({}, 9999, 40 + size);
        Seams::ResetBeepCount();
        const int expected = std::min(size, setSize);
        QCOMPARE(ExamOrMixSetBuild(QuestionModeExam, 1, 4), expected);
        VerifyDistinctInCategory(expected);   // category 3 holds only the sparse numbers
        const QString log = env.sb.logText();
        if (size == 0) {
            QCOMPARE(Seams::BeepCount(), 1);
            QVERIFY(log.contains(QStringLiteral("Warning : Category 3 holds no question, no set drawn !")));
        } else if (size < setSize) {
            QCOMPARE(Seams::BeepCount(), 0);
            QVERIFY2(log.contains(QStringLiteral("Warning : Category 3 holds only %1 questions, the set has %1 questions !")
                                      .arg(size)),
                     qPrintable(QString::number(size)));
        } else {
            QVERIFY(!log.contains(QStringLiteral("holds only %1 ").arg(size)));
        }
    }
}

// The quotas decide every draw up to and including draw MaxDrawAttempts + 1;
// only then are they dropped, once, and the set is filled without them.
// Theme 4 (questions 1..20 but 3) may give one.
void TestTrainingSets::quotasHoldUpToTheGiveUpDraw()
{
    for (const int lastDraw : {MaxDrawAttempts, MaxDrawAttempts + 2}) {
        Env env;
        env.sb.writeIni(QStringLiteral("[Config]\nMAXQPT=1\n"));
        QVector<int32_t> picks = {1};                     // theme 4, uses its quota
        for (int n = 41; n <= 78; ++n)                    // 38 questions of theme 6
            picks << n;
        while (picks.size() < lastDraw - 1)
            picks << 2;                                   // theme 4 again: over its quota
        picks << (lastDraw == MaxDrawAttempts ? 79 : 2);  // the last position
        PickSequence(picks, 212);
        int draws = 0;
        QCOMPARE(QuestionSetDraw([&](int32_t) { ++draws; }), 40);
        VerifyDistinctInCategory(40);
        QCOMPARE(draws, lastDraw);
        const QString givenUp = MaxqptWarning + INIFileName() + QStringLiteral(" is not correctly set !");
        QCOMPARE(env.sb.logText().count(givenUp), lastDraw > MaxDrawAttempts ? 1 : 0);
        QCOMPARE(SetRecord.QList.contains(2), lastDraw > MaxDrawAttempts);
    }
}

QTEST_MAIN(TestTrainingSets)
#include "tst_training_sets.moc"
