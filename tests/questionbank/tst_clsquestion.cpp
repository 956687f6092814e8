#include "BankReads.h"
#include "userdb/UserDbFixture.h"

namespace {

// A bank left open for writing (built) and, when filled, the same file opened
// read-only as the program does (qb). Question 1 exists in C and D with
// different rows, 700 only in D1; one answer text is null.
struct Bank {
    TestSupport::Sandbox sb;
    clsQuestion built;
    std::unique_ptr<clsQuestion> qb;
    QString file;

    explicit Bank(bool fill = true)
    {
        built.setDbPath(sb.programDir);
        built.setDbFileName("bank.mdb");
        file = sb.programDir + "/bank.mdb";
        QString error;
        QVERIFY2(built.DbCreate(error), qPrintable(error));
        const char *const inserts[] = {
            "INSERT INTO Question VALUES (0,1,0,4,'a'),(1,1,55,5,'c'),(0,2,12,4,'b'),(3,700,0,4,'b')",
            "INSERT INTO QuestionText VALUES (0,1,0,'Frage C','A1','B1','C1'),(1,1,0,'Frage D','a','b','c'),"
            "(0,1,1,'Question C','a','b',NULL),(0,2,0,'Zwei','a','b','c')",
            "INSERT INTO Theme VALUES (0,4,0,'  Verkehr  '),(0,5,0,'Verkehr'),(0,6,0,'Technik'),"
            "(0,0,0,'Lektion'),(1,4,0,'Bus'),(0,6,2,'Tecnica')",
            "INSERT INTO Questionnaire VALUES (2,4,1,'00010002'),(0,4,1,'0002'),(0,0,1,'0001'),(0,0,2,'000A01F4')",
            "INSERT INTO Book VALUES (0,1,'Lastwagen','7'),(0,2,'Zweites',''),(1,5,'Car','9')",
            "INSERT INTO BookPage VALUES (0,1,1,'12'),(0,1,2,'?'),(1,5,1,'3')"};
        for (const char *sql : inserts)
            if (fill)
                UserDbTest::SqlExec(file, QString::fromUtf8(sql));
        built.setRSLockType("2");
        built.DbOpen();
        if (fill)
            qb = reopen();
    }
    std::unique_ptr<clsQuestion> reopen() const
    {
        auto q = std::make_unique<clsQuestion>();
        q->setDbPath(built.DbPath());
        q->setDbFileName(built.DbFileName());
        q->DbOpen();
        return q;
    }
};

int ReportsOf(const QString &procedure)
{
    int n = 0;
    for (const QString &line : RuntimeErrorLines())
        n += line.endsWith("(clsQuestion -> " + procedure + ")") ? 1 : 0;
    return n;
}

} // namespace

class TestClsQuestion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bankChangedInPlaceReported_data();
    void bankChangedInPlaceReported();
    void readsOfAFilledBankThatRefusesWrites();
};

// The bank on a share may be truncated or overwritten in place (same file,
// no rename) while a workstation has it open: the next seek must end in a
// reported error, never in a crash or in rows of the old file.
void TestClsQuestion::bankChangedInPlaceReported_data()
{
    QTest::addColumn<int>("keep");           // bytes of the old file kept at its start
    QTest::addColumn<QByteArray>("filler");  // written after them, up to the old size
    QTest::newRow("truncated to nothing") << 0 << QByteArray();
    QTest::newRow("truncated to its first page") << 4096 << QByteArray();
    QTest::newRow("overwritten with text") << 0 << QByteArray("Not a question bank any more.\n");
}

void TestClsQuestion::bankChangedInPlaceReported()
{
    QFETCH(int, keep);
    QFETCH(QByteArray, filler);
    Bank f;
    QCOMPARE(Seek(*f.qb, 0, 1), QString("0/1/0/4/a"));

    QFile file(f.file);
    const qint64 oldSize = file.size();
    QVERIFY(oldSize > 4096);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(keep));
    if (!filler.isEmpty()) {
        QVERIFY(file.seek(keep));
        QByteArray rest = filler.repeated(int(oldSize / filler.size()) + 1);
        rest.truncate(int(oldSize - keep));
        QCOMPARE(file.write(rest), oldSize - keep);
    }
    file.close();

    QCOMPARE(Seek(*f.qb, 1, 1), QString("0/0/0/0/"));
    QCOMPARE(ReportsOf("QuestionNrSeek"), 1);
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

// A missing bank and files that are no bank are reported. What the program
// reads from a filled bank: question rows and texts by category and language,
// theme names, questionnaires, books and pages. The bank opened as the program
// opens it refuses writes.
void TestClsQuestion::readsOfAFilledBankThatRefusesWrites()
{
    QCOMPARE(Bank(false).built.QuestionNrMax(), 0);
    Bank f;
    clsQuestion missing;
    missing.DbOpen();
    const QString full = f.sb.programDir + "/velko.mdb";
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(TestSupport::Message(0), "Warning|Fatal Error|Database not Found !" + NewLine + NewLine + "'" + full + "'"
                                          + NewLine + NewLine
                                          + "Please check the DB_PATH and DB_NAME settings in velko.ini");
    const QString log = f.sb.logText();
    const qsizetype path = log.indexOf("DB Path : " + full + NewLine);
    QVERIFY(path >= 0 && path < log.indexOf("Fatal Error : Database not Found !" + NewLine));
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY(!missing.IsOpen());
    QVERIFY(!QFile::exists(full));

    // Files that are no question bank: reported, nothing read, no crash.
    Seams::ResetProgramEndRequests();
    TestSupport::WriteFile(f.sb.programDir + "/notes.mdb", QByteArray("This is not a database, just a note.\n").repeated(100));
    missing.setDbFileName("notes.mdb");
    missing.DbOpen();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    QCOMPARE(ReportsOf("DbOpen"), 1);
    QVERIFY(RuntimeErrorLines().last().contains("not a question bank"));
    QVERIFY(!missing.IsOpen());
    CurrentQuestionNr = 1;
    missing.QuestionNrSeek();
    missing.QuestionTextGet();
    QCOMPARE(missing.QuestionNr, 0);
    QCOMPARE(missing.QuestionText, QString());

    UserDbTest::SqlExec(f.sb.programDir + "/partial.mdb",
                        "CREATE TABLE Question (CategoryNr INTEGER, QuestionNr INTEGER)");
    clsQuestion partial;
    partial.setDbFileName("partial.mdb");
    partial.DbOpen();
    QCOMPARE(ReportsOf("DbOpen"), 2);
    const QString line = RuntimeErrorLines().last();
    QVERIFY2(line.contains("PictureNr") && line.contains("table QuestionText"), qPrintable(line));
    QVERIFY(!partial.IsOpen());


    RuntimeErrorLinesClear();
    // Theme names.
    QCOMPARE(f.qb->ThemeNameNrMax(), int16_t(6));
    QCOMPARE(f.qb->ThemeNames(4, 0, 0) + "|" + f.qb->ThemeNames(6, 0, 2) + "|" + f.qb->ThemeNames(6, 0, 1) + "|"
                 + f.qb->ThemeNames(4, 1, 0),
             QString("Verkehr|Tecnica||Bus"));
    // Questionnaires.
    UserDbTest::SqlExec(f.file, "INSERT INTO Questionnaire VALUES (2,4,2,'0005')");
    // Theme 4 has questionnaires in C and C1: each category gets its own row,
    // although C1's questionnaire 1 is stored first; C has no questionnaire 2
    // of theme 4 and does not take C1's. D has none of theme 4 at all: the
    // theme's questionnaires are shared, the first row of that number counts.
    const struct { int category, theme, nr; const char *expected; } cases[] = {
        {0, 4, 1, "1:0002"}, {2, 4, 1, "1:00010002"}, {0, 4, 2, "0:"},     {1, 4, 1, "1:00010002"},
        {1, 4, 2, "2:0005"}, {0, 0, 1, "1:0001"},     {0, 0, 2, "2:000A01F4"}, {0, 0, 3, "0:"}};
    for (const auto &c : cases)
        QCOMPARE(QuestionnaireOf(*f.qb, c.category, c.theme, c.nr), QString(c.expected));
    // Books and pages.
    CurrentCategoryNr = 0;
    const auto book = [&](int nr) {
        CurrentBookNr = int16_t(nr);
        f.qb->BookNrSeek();
        return QString::number(f.qb->BookNr) + ":" + f.qb->BookTitle + "/" + f.qb->BookPictureNr;
    };
    QCOMPARE(book(1), QString("1:Lastwagen/7"));
    f.qb->BookNrGetMax();
    QCOMPARE(f.qb->BookNrMax(), int16_t(2));
    QCOMPARE(book(5), QString("0:-/"));   // a book of category D only
    // Page of a question; the book 2 exists, its page does not.
    const struct { int category, book, question; const char *page; } pages[] = {{0, 1, 2, "?"}, {0, 2, 2, ""}, {1, 5, 1, "3"}};
    for (const auto &p : pages) {
        CurrentCategoryNr = int16_t(p.category);
        CurrentBookNr = int16_t(p.book);
        CurrentQuestionNr = p.question;
        f.qb->BookPageGet();
        QCOMPARE(f.qb->BookPageNr, QString(p.page));
    }
    // Question rows and texts; only the last text read below is reported.
    QCOMPARE(f.qb->QuestionNrMax(), 700);   // over all categories
    QCOMPARE(Seek(*f.qb, 0, 1), QString("0/1/0/4/a"));
    QCOMPARE(Seek(*f.qb, 1, 1), QString("1/1/55/5/c"));
    QCOMPARE(Seek(*f.qb, 0, 700), QString("0/0/0/0/"));   // D1 only: everything cleared
    QCOMPARE(TextsOf(*f.qb, 1, 0, 1), QString("Frage D|a|b|c"));
    QCOMPARE(TextsOf(*f.qb, 0, 1, 1), QString("Question C|a|b|"));   // the null answer text
    QCOMPARE(TextsOf(*f.qb, 0, 1, 2), QString("|||"));   // missing in a language that has texts: not reported
    // No texts at all in this language: reported, texts empty.
    QCOMPARE(TextsOf(*f.qb, 0, 2, 1), QString("|||"));
    QCOMPARE(RuntimeErrorLines(), QStringList{"Error 3021 : No current record. (clsQuestion -> QuestionTextGet)"});

    RuntimeErrorLinesClear();
    f.built.DbClose();
    auto qb = f.reopen();
    QVERIFY(qb->IsOpen());
    qb->QuestionOpen();
    qb->QuestionAdd();
    qb->CategoryNr = 0; qb->QuestionNr = 99; qb->Answer = "a";
    qb->QuestionUpdate();
    qb->QuestionClose();
    QCOMPARE(ReportsOf("QuestionAdd"), 1);
    QCOMPARE(ReportsOf("QuestionUpdate"), 1);
    QVERIFY(RuntimeErrorLines().first().startsWith("Error 3251 : "));
    QCOMPARE(UserDbTest::query(f.file, "SELECT (SELECT COUNT(*) FROM Question) || '/' || (SELECT COUNT(*) FROM Theme)"),
             QStringList{"4/6"});
    // This reader and a second one, opened earlier, still read.
    QCOMPARE(Seek(*qb, 1, 1) + Seek(*f.qb, 1, 1), QString("1/1/55/5/c1/1/55/5/c"));
    QCOMPARE(ReportsOf("DbOpen"), 0);

    // Another bank copied over the open file, as a plain copy does: read afresh.
    RuntimeErrorLinesClear();
    clsQuestion next;
    next.setDbPath(f.sb.programDir);
    next.setDbFileName("next.mdb");
    QString error;
    QVERIFY2(next.DbCreate(error), qPrintable(error));
    UserDbTest::SqlExec(f.sb.programDir + "/next.mdb", "INSERT INTO Question VALUES (0,1,77,9,'b')");
    TestSupport::WriteFile(f.file, TestSupport::ReadFile(f.sb.programDir + "/next.mdb"));
    QCOMPARE(Seek(*f.qb, 0, 1), QString("0/1/77/9/b"));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

QTEST_MAIN(TestClsQuestion)
#include "tst_clsquestion.moc"
