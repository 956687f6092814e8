#include "BankFixture.h"
#include "TestSupport.h"
#include "core/SqlSupport.h"

#include <QSqlQuery>
#include <QtTest>

using namespace BankFixture;

namespace {

// Question 1 exists in C and D with different rows, 700 only in D1.
Content Sample()
{
    Content c;
    c.questions = {{0, 1, 0, 4, "a"}, {1, 1, 55, 5, "c"}, {0, 2, 12, 4, "b"}, {3, 700, 0, 4, "b"}};
    c.texts = {{0, 1, 0, "Frage C", "A1", "B1", "C1"}, {1, 1, 0, "Frage D", "a", "b", "c"},
               {0, 1, 1, "Question C", "a", "b", nullptr}, {0, 2, 0, "Zwei", "a", "b", "c"}};
    c.themes = {{0, 4, 0, "  Verkehr  "}, {0, 5, 0, "Verkehr"}, {0, 6, 0, "Technik"}, {0, 0, 0, "Lektion"},
                {1, 4, 0, "Bus"}, {0, 6, 2, "Tecnica"}};
    c.questionnaires = {{2, 4, 1, "00010002"}, {0, 4, 1, "0002"}, {0, 0, 1, "0001"}, {0, 0, 2, "000A01F4"}};
    c.books = {{0, 1, "Lastwagen", "7"}, {0, 2, "Zweites", ""}, {1, 5, "Car", "9"}};
    c.pages = {{0, 1, 1, "12"}, {0, 1, 2, "?"}, {1, 5, 1, "3"}};
    return c;
}

// Re-opens the bank as the program does: a fresh object, read-only.
std::unique_ptr<clsQuestion> Reopen(const clsQuestion &built)
{
    auto qb = std::make_unique<clsQuestion>();
    qb->setDbPath(built.DbPath());
    qb->setDbFileName(built.DbFileName());
    qb->DbOpen();
    return qb;
}

int ReportsOf(const QString &procedure)
{
    int n = 0;
    for (const QString &line : RuntimeErrorLines())
        n += line.endsWith(QStringLiteral("(clsQuestion -> ") + procedure + QStringLiteral(")")) ? 1 : 0;
    return n;
}

} // namespace

class TestClsQuestion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void settingsFromIni();
    void missingBankEndsProgram();
    void foreignFilesReportedWithoutCrash();
    void questionSeekByCategoryAndNumber();
    void questionNrGetMax();
    void questionTexts();
    void themeNames();
    void themeNameAddDefault();
    void questionnairesByThemeAndNumber();
    void booksAndPages();
    void readOnlyBankRefusesWrites();
    void updateRewritesTheSavedRow();
};

void TestClsQuestion::settingsFromIni()
{
    TestSupport::Sandbox sb;
    {
        clsQuestion qb;
        QCOMPARE(qb.DbPath(), sb.programDir + "/");
        QCOMPARE(qb.DbFileName(), QString("velko.mdb"));
        QCOMPARE(qb.RSLockType(), QString("1"));
        QCOMPARE(qb.RSCursorType(), QString("3"));
    }
    sb.writeIni("[Config]\nDB_PATH=/srv/bank\nDB_NAME=fragen.sqlite\n");
    {
        clsQuestion qb;
        QCOMPARE(qb.DbPath(), QString("/srv/bank/"));
        QCOMPARE(qb.DbFileName(), QString("fragen.sqlite"));
    }
    sb.writeIni("[Config]\nDB_PATH=/srv/bank/\n");
    clsQuestion qb;
    QCOMPARE(qb.DbPath(), QString("/srv/bank/"));
    QCOMPARE(qb.DbFileName(), QString("velko.mdb"));
}

void TestClsQuestion::missingBankEndsProgram()
{
    TestSupport::Sandbox sb;
    clsQuestion qb;
    qb.DbOpen();
    const QString full = sb.programDir + "/velko.mdb";
    QCOMPARE(Dialogs::Shown().size(), 1);
    const Dialogs::MessageRecord &box = Dialogs::Shown().first();
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.title, QString("Fatal Error"));
    QCOMPARE(box.text, "Database not Found !" + NewLine + NewLine + "'" + full + "'" + NewLine + NewLine
                           + "Please check the DB_PATH and DB_NAME settings in velko.ini");
    const QString log = sb.logText();
    QVERIFY(log.contains("DB Path : " + full + NewLine));
    QVERIFY(log.contains("Fatal Error : Database not Found !" + NewLine));
    QVERIFY(log.indexOf("DB Path : ") < log.indexOf("Fatal Error : "));
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY(!qb.IsOpen());
    QVERIFY(!QFile::exists(full));   // nothing was created in its place
}

void TestClsQuestion::foreignFilesReportedWithoutCrash()
{
    TestSupport::Sandbox sb;
    QFile text(sb.programDir + "/notes.mdb");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("This is not a database, just a note.\n").repeated(100));
    text.close();

    clsQuestion qb;
    qb.setDbFileName("notes.mdb");
    qb.DbOpen();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    QCOMPARE(ReportsOf("DbOpen"), 1);
    QVERIFY(RuntimeErrorLines().last().contains("not a question bank"));
    QVERIFY(!qb.IsOpen());
    CurrentQuestionNr = 1;
    qb.QuestionNrSeek();
    qb.BookNrSeek();
    qb.QuestionTextGet();
    QCOMPARE(qb.QuestionNr, 0);
    QCOMPARE(qb.BookTitle, QString("-"));
    QCOMPARE(qb.QuestionText, QString());
    QCOMPARE(qb.QuestionNrMax(), 0);
    QCOMPARE(RuntimeErrorLines().size(), 1);   // the empty object does not report again

    // An SQLite file holding only part of the tables names what is missing.
    {
        QSqlDatabase db = Sql::Open(sb.programDir + "/partial.mdb", false, 1000);
        QSqlQuery q(db);
        QVERIFY(Sql::Run(q, "CREATE TABLE Question (CategoryNr INTEGER, QuestionNr INTEGER)"));
        q.finish();
        Sql::Close(db);
    }
    clsQuestion partial;
    partial.setDbFileName("partial.mdb");
    partial.DbOpen();
    QCOMPARE(ReportsOf("DbOpen"), 2);
    const QString line = RuntimeErrorLines().last();
    QVERIFY2(line.contains("PictureNr") && line.contains("table QuestionText") && line.contains("table BookPage"),
             qPrintable(line));
    QVERIFY(!partial.IsOpen());
    partial.QuestionOpen();
    partial.QuestionAdd();
    QCOMPARE(ReportsOf("QuestionAdd"), 1);
}

void TestClsQuestion::questionSeekByCategoryAndNumber()
{
    TestSupport::Sandbox sb;
    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    auto qb = Reopen(built);

    CurrentCategoryNr = 1;
    CurrentQuestionNr = 1;
    qb->QuestionNrSeek();
    QCOMPARE(qb->CategoryNr, int16_t(1));
    QCOMPARE(qb->QuestionNr, 1);
    QCOMPARE(qb->PictureNr, 55);
    QCOMPARE(qb->ThemeNr, int16_t(5));
    QCOMPARE(qb->Answer, QString("c"));

    CurrentCategoryNr = 0;
    qb->QuestionNrSeek();
    QCOMPARE(qb->Answer, QString("a"));
    QCOMPARE(qb->PictureNr, 0);

    CurrentQuestionNr = 700;   // exists in D1 only
    qb->QuestionNrSeek();
    QCOMPARE(qb->CategoryNr, int16_t(0));
    QCOMPARE(qb->QuestionNr, 0);
    QCOMPARE(qb->PictureNr, 0);
    QCOMPARE(qb->ThemeNr, int16_t(0));
    QCOMPARE(qb->Answer, QString());
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestClsQuestion::questionNrGetMax()
{
    TestSupport::Sandbox sb;
    clsQuestion empty;
    Make(empty, sb.programDir, "empty.mdb", Content());
    QCOMPARE(empty.QuestionNrMax(), 0);

    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    CurrentCategoryNr = 0;
    auto qb = Reopen(built);
    QCOMPARE(qb->QuestionNrMax(), 700);   // over all categories, filled by DbOpen
}

void TestClsQuestion::questionTexts()
{
    TestSupport::Sandbox sb;
    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    auto qb = Reopen(built);

    CurrentCategoryNr = 1;
    CurrentLanguageNr = 0;
    CurrentQuestionNr = 1;
    qb->QuestionTextGet();
    QCOMPARE(qb->QuestionText, QString("Frage D"));

    CurrentCategoryNr = 0;
    CurrentLanguageNr = 1;
    qb->QuestionTextGet();
    QCOMPARE(qb->LanguageNr, int16_t(1));
    QCOMPARE(qb->QuestionText, QString("Question C"));
    QCOMPARE(qb->AnswerbText, QString("b"));
    QCOMPARE(qb->AnswercText, QString());   // stored as null
    {
        QSqlDatabase db = Sql::Open(sb.programDir + "/bank.mdb", true, 1000);
        QSqlQuery q(db);
        QVERIFY(Sql::Run(q, "SELECT AnswercText FROM QuestionText WHERE CategoryNr=? AND LanguageNr=?", {0, 1}));
        QVERIFY(q.next());
        QVERIFY(q.value(0).isNull());
        q.finish();
        Sql::Close(db);
    }

    // A number missing in a language that has texts: cleared, not reported.
    CurrentQuestionNr = 2;
    qb->QuestionTextGet();
    QCOMPARE(qb->QuestionText, QString());
    QVERIFY(RuntimeErrorLines().isEmpty());

    // Italian has no texts at all in category C: reported, texts empty.
    CurrentCategoryNr = 0;
    CurrentLanguageNr = 0;
    CurrentQuestionNr = 1;
    qb->QuestionTextGet();
    QCOMPARE(qb->AnsweraText, QString("A1"));
    CurrentLanguageNr = 2;
    qb->QuestionTextGet();
    QCOMPARE(RuntimeErrorLines(), QStringList{"Error 3021 : No current record. (clsQuestion -> QuestionTextGet)"});
    QCOMPARE(qb->LanguageNr, int16_t(0));
    QCOMPARE(qb->QuestionText, QString());
    QCOMPARE(qb->AnsweraText, QString());
    QCOMPARE(qb->AnswerbText, QString());
    QCOMPARE(qb->AnswercText, QString());
}

void TestClsQuestion::themeNames()
{
    TestSupport::Sandbox sb;
    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    auto qb = Reopen(built);

    QCOMPARE(qb->ThemeNameNrMax(), int16_t(6));
    QCOMPARE(qb->ThemeNames(4, 0, 0), QString("Verkehr"));
    QCOMPARE(qb->ThemeNames(6, 0, 2), QString("Tecnica"));
    QCOMPARE(qb->ThemeNames(6, 0, 1), QString());   // no French name
    QCOMPARE(qb->ThemeNames(4, 1, 0), QString("Bus"));
    QCOMPARE(qb->ThemeNames(7, 0, 0), QString());

    QCOMPARE(qb->ThemeNameNr("Verkehr", 0, 0), int16_t(5));       // higher number wins
    QCOMPARE(qb->ThemeNameNr("   Technik ", 0, 0), int16_t(6));   // argument trimmed
    QCOMPARE(qb->ThemeNameNr("technik", 0, 0), int16_t(0));       // case-sensitive
    QCOMPARE(qb->ThemeNameNr("Lektion", 0, 0), int16_t(0));       // theme 0 never matched
    QCOMPARE(qb->ThemeNameNr("Bus", 1, 0), int16_t(4));
    QCOMPARE(qb->ThemeNameNr("Bus", 0, 0), int16_t(0));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestClsQuestion::themeNameAddDefault()
{
    TestSupport::Sandbox sb;
    clsQuestion qb;
    Make(qb, sb.programDir, "bank.mdb", Content());
    QCOMPARE(qb.ThemeNameNrMax(), int16_t(0));
    qb.ThemeNameAddDefault();
    qb.ThemeNameGetAll();
    QCOMPARE(qb.ThemeNameNrMax(), int16_t(3));
    QSqlDatabase db = Sql::Open(sb.programDir + "/bank.mdb", true, 1000);
    {
        QSqlQuery q(db);
        QVERIFY(Sql::Run(q, "SELECT CategoryNr, ThemeNr, LanguageNr, Name FROM Theme ORDER BY rowid"));
        int rows = 0;
        while (q.next()) {
            QCOMPARE(q.value(0).toInt(), rows / 3);
            QCOMPARE(q.value(1).toInt(), rows / 3);
            QCOMPARE(q.value(2).toInt(), rows % 3);
            QCOMPARE(q.value(3).toString(), QString());
            ++rows;
        }
        QCOMPARE(rows, 12);
    }
    Sql::Close(db);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestClsQuestion::questionnairesByThemeAndNumber()
{
    TestSupport::Sandbox sb;
    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    auto qb = Reopen(built);

    // Theme 4, number 1 exists for C1 (first) and C: the first row wins whatever the category.
    CurrentCategoryNr = 0;
    CurrentThemeNr = 4;
    CurrentQuestionnaireNr = 1;
    qb->QuestionnaireGet();
    QCOMPARE(qb->QuestionnaireNr, int16_t(1));
    QCOMPARE(qb->QuestionnaireQuestions, QString("00010002"));

    CurrentThemeNr = 0;
    qb->QuestionnaireGet();
    QCOMPARE(qb->QuestionnaireQuestions, QString("0001"));
    QCOMPARE(qb->QuestionnaireQuestions.mid(0, 4).toInt(nullptr, 16), 1);
    CurrentQuestionnaireNr = 2;
    qb->QuestionnaireGet();
    const QString list = qb->QuestionnaireQuestions;
    QCOMPARE(list.size(), 8);
    QCOMPARE(list.mid(0, 4).toInt(nullptr, 16), 10);
    QCOMPARE(list.mid(4, 4).toInt(nullptr, 16), 500);

    CurrentQuestionnaireNr = 3;
    qb->QuestionnaireGet();
    QCOMPARE(qb->QuestionnaireNr, int16_t(0));
    QCOMPARE(qb->QuestionnaireQuestions, QString());
}

void TestClsQuestion::booksAndPages()
{
    TestSupport::Sandbox sb;
    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    auto qb = Reopen(built);

    CurrentCategoryNr = 0;
    CurrentBookNr = 1;
    qb->BookNrSeek();
    QCOMPARE(qb->BookNr, int16_t(1));
    QCOMPARE(qb->BookTitle, QString("Lastwagen"));
    QCOMPARE(qb->BookPictureNr, QString("7"));
    qb->BookNrGetMax();
    QCOMPARE(qb->BookNrMax(), int16_t(2));

    CurrentBookNr = 5;   // a book of category D only
    qb->BookNrSeek();
    QCOMPARE(qb->BookNr, int16_t(0));
    QCOMPARE(qb->BookTitle, QString("-"));
    QCOMPARE(qb->BookPictureNr, QString());

    CurrentCategoryNr = 2;
    qb->BookNrGetMax();
    QCOMPARE(qb->BookNrMax(), int16_t(0));

    CurrentCategoryNr = 0;
    CurrentBookNr = 1;
    CurrentQuestionNr = 2;
    qb->BookPageGet();
    QCOMPARE(qb->BookPageNr, QString("?"));
    CurrentBookNr = 2;   // the book exists, the page does not
    qb->BookPageGet();
    QCOMPARE(qb->BookPageNr, QString());
    CurrentCategoryNr = 1;
    CurrentBookNr = 5;
    CurrentQuestionNr = 1;
    qb->BookPageGet();
    QCOMPARE(qb->BookPageNr, QString("3"));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestClsQuestion::readOnlyBankRefusesWrites()
{
    TestSupport::Sandbox sb;
    clsQuestion built;
    Make(built, sb.programDir, "bank.mdb", Sample());
    built.DbClose();
    auto qb = Reopen(built);
    QVERIFY(qb->IsOpen());

    qb->QuestionOpen();
    qb->QuestionAdd();
    qb->CategoryNr = 0;
    qb->QuestionNr = 99;
    qb->Answer = "a";
    qb->QuestionUpdate();
    qb->QuestionClose();
    qb->QuestionDeleteAll();
    qb->ThemeNameAddDefault();
    QCOMPARE(ReportsOf("QuestionAdd"), 1);
    QCOMPARE(ReportsOf("QuestionUpdate"), 1);
    QCOMPARE(ReportsOf("QuestionDeleteAll"), 1);
    QVERIFY(ReportsOf("ThemeNameAddDefault") >= 1);
    QVERIFY(RuntimeErrorLines().first().startsWith("Error 3251 : "));

    // Nothing changed: the questions are all there, none was added.
    CurrentCategoryNr = 0;
    CurrentQuestionNr = 99;
    qb->QuestionNrSeek();
    QCOMPARE(qb->QuestionNr, 0);
    CurrentQuestionNr = 2;
    qb->QuestionNrSeek();
    QCOMPARE(qb->Answer, QString("b"));
    qb->ThemeNameGetAll();
    QCOMPARE(qb->ThemeNameNrMax(), int16_t(6));
    QCOMPARE(qb->ThemeNames(0, 1, 0), QString());

    // Readers do not hinder each other, also after the first one has read.
    auto other = Reopen(built);
    CurrentCategoryNr = 1;
    CurrentQuestionNr = 1;
    other->QuestionNrSeek();
    qb->QuestionNrSeek();
    QCOMPARE(other->Answer, QString("c"));
    QCOMPARE(qb->Answer, QString("c"));
    QCOMPARE(ReportsOf("DbOpen"), 0);
}

void TestClsQuestion::updateRewritesTheSavedRow()
{
    TestSupport::Sandbox sb;
    clsQuestion qb;
    Make(qb, sb.programDir, "bank.mdb", Content());

    // Update without Add has no current row.
    qb.BookOpen();
    qb.BookUpdate();
    QCOMPARE(RuntimeErrorLines(), QStringList{"Error 3021 : No current record. (clsQuestion -> BookUpdate)"});

    qb.BookAdd();
    QCOMPARE(qb.BookTitle, QString());
    qb.CategoryNr = 2;
    qb.BookNr = 3;
    qb.BookTitle = "Feuerwehr";
    qb.BookUpdate();
    qb.BookTitle = "Feuerwehr, 2. Auflage";
    qb.BookUpdate();   // rewrites the same row
    qb.BookClose();
    CurrentCategoryNr = 2;
    CurrentBookNr = 3;
    qb.BookNrSeek();
    QCOMPARE(qb.BookTitle, QString("Feuerwehr, 2. Auflage"));
    qb.BookNrGetMax();
    QCOMPARE(qb.BookNrMax(), int16_t(3));

    // Add on a closed recordset is refused; DeleteAll empties the table.
    qb.BookAdd();
    QCOMPARE(ReportsOf("BookAdd"), 1);
    qb.QuestionnaireOpen();
    qb.QuestionnaireAdd();
    qb.ThemeNr = 7;
    qb.QuestionnaireNr = 1;
    qb.QuestionnaireQuestions = "0001";
    qb.QuestionnaireUpdate();
    qb.QuestionnaireDeleteAll();
    CurrentThemeNr = 7;
    CurrentQuestionnaireNr = 1;
    qb.QuestionnaireGet();
    QCOMPARE(qb.QuestionnaireQuestions, QString());
    QCOMPARE(RuntimeErrorLines().size(), 2);
}

QTEST_MAIN(TestClsQuestion)
#include "tst_clsquestion.moc"
