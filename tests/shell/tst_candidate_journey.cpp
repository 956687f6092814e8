// A candidate's whole way through the real main window on the demo data:
// sign in, take an examination, answer every question, grade, read the grade
// screen, review a question, leave, and find the records in the user database.
#include "ShellFixture.h"
#include "training/QuestionSet.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cmath>

class TestCandidateJourney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void examinationFromSignInToStoredRecords();

private:
    static QVariant scalar(const QString &file, const QString &sql, const QVariantList &values = {})
    {
        return ShellFixture::query(file, sql, values).value(0);
    }
    template <class T> static T *find(formMain &w, const QString &name) { return ShellFixture::child<T>(&w, name); }
};

void TestCandidateJourney::examinationFromSignInToStoredRecords()
{
    TestSupport::Sandbox sb;
    const QString demo = QStringLiteral(VELKO_DEMO_DIR);
    const QString data = sb.dir.path() + QStringLiteral("/");
    const QString bank = data + QStringLiteral("Velko.sqlite");
    const QString users = data + QStringLiteral("Users.sqlite");
    QVERIFY(QFile::copy(demo + QStringLiteral("/Velko.sqlite"), bank));
    QVERIFY(QFile::copy(demo + QStringLiteral("/Users.sqlite"), users));
    QFile::setPermissions(users, QFile::ReadOwner | QFile::WriteOwner);
    const QString maxqpt = GetINIvalue(QStringLiteral(VELKO_DEMO_INI), QStringLiteral("Config"), QStringLiteral("MAXQPT"));
    sb.writeIni(QStringLiteral("[Config]\nDB_PATH=%1\nDB_NAME=Velko.sqlite\nUSERDB_PATH=%1\nUSERDB_NAME=Users.sqlite\n"
                               "PIC_PATH=%2/pictures/\nMAXQPT=%3\n")
                    .arg(data, demo, maxqpt));

    formMain w;
    const auto click = [&w](const QString &name) { ShellFixture::click(&w, name); };
    w.Form_Load();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    Frame_OnTop(Screen::PictureBig, false);

    // Pick the first candidate of category C and sign in with the keypad.
    auto *list = find<QListWidget>(w, QStringLiteral("listLoginUsers"));
    int row = -1;
    for (int i = 0; i < list->count() && row < 0; ++i) {
        const QVariant cat = scalar(users, QStringLiteral("SELECT CategoryNr FROM User WHERE UserID = ?"),
                                    {list->item(i)->data(Qt::UserRole)});
        if (list->item(i)->text() != QStringLiteral("_Vestr") && cat.toInt() == 0)
            row = i;
    }
    QVERIFY(row >= 0);
    const int userId = list->item(row)->data(Qt::UserRole).toInt();
    const QString password = scalar(users, QStringLiteral("SELECT Password FROM User WHERE UserID = ?"), {userId}).toString();
    ShellFixture::signIn(&w, list->item(row)->text(), password);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));

    // Examination: 40 distinct questions of category C.
    click(QStringLiteral("cmdPracticeExam"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::QA));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeExam));
    QCOMPARE(SetRecord.QuestionCount, 40);

    // Answer "a" everywhere: click the answer label, then next.
    int expectedRight = 0;
    for (int i = 1; i <= SetRecord.QuestionCount; ++i) {
        click(QStringLiteral("picboxAnswerLabel_0"));
        QCOMPARE(SetRecord.UserAnswers[i], QStringLiteral("a"));
        expectedRight += scalar(bank, QStringLiteral("SELECT Answer FROM Question WHERE CategoryNr = 0 AND QuestionNr = ?"),
                                {SetRecord.QList[i]}).toString() == QStringLiteral("a");
        click(QStringLiteral("cmdQANext"));
    }
    QCOMPARE(SetRecord.CurrentIndex, 1);   // next on the last wraps around

    // Grade and read the grade screen.
    click(QStringLiteral("cmdQAGrade"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    QCOMPARE(SetRecord.QuestionMode, uint8_t(QuestionModeGraded));
    QCOMPARE(find<QLineEdit>(w, QStringLiteral("txtGradeQNr"))->text(), QStringLiteral("40"));
    QCOMPARE(find<QLineEdit>(w, QStringLiteral("txtGradeQRight"))->text(), QString::number(expectedRight));
    const int percent = int(std::nearbyint(expectedRight * 100.0 / 40));   // halves to even
    auto *grid = find<QTableWidget>(w, QStringLiteral("gridGrade"));
    QCOMPARE(grid->rowCount(), 41);
    QCOMPARE(grid->item(3, 1)->text(), QStringLiteral("a"));

    // Review question 3 and come back.
    grid->setCurrentCell(3, 0);
    click(QStringLiteral("cmdGradeReview"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::QA));
    QCOMPARE(SetRecord.CurrentIndex, 3);
    click(QStringLiteral("cmdQAGrade"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));

    // Leave: back on the practice menu.
    click(QStringLiteral("cmdGradeQuit"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));

    // The records of this grading, the question rows all with one timestamp.
    QCOMPARE(ShellFixture::query(users, "SELECT QuestionnaireThemeNr || '/' || QuestionnaireNr || '/' || CategoryNr || '/' || "
                                        "ROUND(QuestionnaireResultPercent) || '/' || QuestionnaireAnswers FROM QuestionnaireStat "
                                        "WHERE UserID = ?", {userId}),
             QStringList({QString("-1/1/0/%1.0/").arg(percent) + QString(40, 'a') + QString(40, ' ')}));
    QCOMPARE(ShellFixture::query(users, "SELECT COUNT(*), COUNT(DISTINCT QuestionDateTime), SUM(QuestionAnswer) "
                                        "FROM QuestionStat WHERE UserID = ?", {userId}),
             QStringList({QString("40|1|%1").arg(expectedRight)}));
    QCOMPARE(scalar(users, "SELECT COUNT(*) FROM Events WHERE UserID = ? AND EventCode = 1000", {userId}).toInt(), 1);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

QTEST_MAIN(TestCandidateJourney)
#include "tst_candidate_journey.moc"
