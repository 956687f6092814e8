#include "TestSupport.h"
#include "core/SqlSupport.h"
#include "questionbank/clsQuestion.h"
#include "tools/velko-bank/BankCsv.h"
#include "tools/velko-bank/BankTool.h"

#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

namespace {

const QMap<QString, QStringList> &ValidSource()
{
    static const QMap<QString, QStringList> files = {
        {"questions.csv", {"number,categories,theme,picture,answer", "1,C D,4,0,a", "2,C,4,12,b", "10,C C1,5,0,c"}},
        {"texts.csv",
         {"number,language,question,answer_a,answer_b,answer_c", "1,de,\"Frage 1, mit \"\"Zitat\"\"\",A,B,C",
          "1,fr,Question 1,A,B,C", "1,it,Domanda 1,A,B,C", "2,de,F2,a,b,c", "2,fr,Q2,a,b,c", "2,it,D2,a,b,",
          "10,de,\"Zwei\nZeilen\",a,b,c", "10,fr,Q10,a,b,c", "10,it,D10,a,b,c"}},
        {"themes.csv",
         {"category,theme,language,name", "C,4,de, Verkehr ", "C,4,fr,Circulation", "C,4,it,Circolazione",
          "D,4,de,Verkehr", "D,4,fr,Circulation", "D,4,it,Circolazione", "C,5,de,Technik", "C,5,fr,Technique",
          "C,5,it,Tecnica", "C1,5,de,Technik", "C1,5,fr,Technique", "C1,5,it,Tecnica"}},
        {"questionnaires.csv",
         {"category,theme,questionnaire,questions", "C,0,1,00010002000A", "D,1,1,0001", "C,4,1,0001"}},
        {"books.csv", {"category,book,title,picture", "C,1,Lastwagen,7", "D,1,Car,"}},
        {"bookpages.csv", {"category,book,question,page", "C,1,1,12", "C,1,2,?", "D,1,1,3"}},
    };
    return files;
}

// Writes the valid source, with one line replaced (line >= 1), removed
// (text "<delete>") or appended (line 0).
void WriteSource(const QString &dir, const QString &file = {}, int line = 0, const QString &text = {})
{
    QDir().mkpath(dir);
    for (auto it = ValidSource().begin(); it != ValidSource().end(); ++it) {
        QStringList lines = it.value();
        if (it.key() == file) {
            if (line == 0)
                lines << text;
            else if (text == "<delete>")
                lines.removeAt(line - 1);
            else
                lines[line - 1] = text;
        }
        QFile f(dir + "/" + it.key());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write((lines.join("\r\n") + "\r\n").toUtf8());
    }
}

void WritePictures(const QString &dir)
{
    QDir().mkpath(dir);
    for (const char *name : {"0012.jpg", "0007.bmp"}) {
        QFile f(dir + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("picture");
    }
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBankTool : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void csvRecords();
    void buildReadsBackThroughTheBankObject();
    void badSourceRefused_data();
    void badSourceRefused();
    void checkFindsProblemsInStoredBank();
    void commandLine();
};

void TestBankTool::csvRecords()
{
    QString error;
    const auto recs = BankCsv::Parse(QString(QChar(0xFEFF)) + "a,b\r\n\"x, \"\"y\"\"\",\"two\nlines\"\r\n\r\nlast,\n", error);
    QCOMPARE(error, QString());
    QCOMPARE(recs.size(), 3);
    QCOMPARE(recs[0].fields, QStringList({"a", "b"}));
    QCOMPARE(recs[1].fields, QStringList({"x, \"y\"", "two\nlines"}));
    QCOMPARE(recs[1].line, 2);
    QCOMPARE(recs[2].fields, QStringList({"last", ""}));
    QCOMPARE(recs[2].line, 5);

    BankCsv::Parse("a,b\nx\"y,z\n", error);
    QCOMPARE(error, QString("line 2: quote inside an unquoted field"));
    BankCsv::Parse("a,b\n\"x\"y,z\n", error);
    QCOMPARE(error, QString("line 2: text after the closing quote of a field"));
    BankCsv::Parse("a,b\n1,2\n\"open,3\n4,5\n", error);
    QCOMPARE(error, QString("line 3: quoted field is not terminated"));
}

void TestBankTool::buildReadsBackThroughTheBankObject()
{
    TestSupport::Sandbox sb;
    const QString src = sb.dir.path() + "/src", pics = sb.dir.path() + "/pics", out = sb.programDir + "/bank.mdb";
    WriteSource(src);
    WritePictures(pics);
    {
        QFile old(out);   // an older bank is replaced
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("OLD BANK");
    }
    QStringList errors;
    QVERIFY2(BankTool::Build(src, pics, out, errors), qPrintable(errors.join('\n')));
    QVERIFY(BankTool::Check(out, pics, errors));
    QVERIFY(errors.isEmpty());

    clsQuestion qb;
    qb.setDbFileName("bank.mdb");
    qb.DbOpen();
    QVERIFY(qb.IsOpen());
    QCOMPARE(qb.QuestionNrMax(), 10);
    CurrentCategoryNr = 2;   // C1
    CurrentQuestionNr = 10;
    CurrentLanguageNr = 2;
    qb.QuestionNrSeek();
    QCOMPARE(qb.Answer, QString("c"));
    QCOMPARE(qb.ThemeNr, int16_t(5));
    qb.QuestionTextGet();
    QCOMPARE(qb.QuestionText, QString("D10"));
    CurrentCategoryNr = 0;
    CurrentLanguageNr = 0;
    qb.QuestionTextGet();
    QCOMPARE(qb.QuestionText, QString("Zwei\nZeilen"));
    CurrentQuestionNr = 1;
    qb.QuestionTextGet();
    QCOMPARE(qb.QuestionText, QString("Frage 1, mit \"Zitat\""));
    CurrentCategoryNr = 1;
    qb.QuestionNrSeek();
    QCOMPARE(qb.Answer, QString("a"));
    CurrentQuestionNr = 2;   // question 2 is in C only
    qb.QuestionNrSeek();
    QCOMPARE(qb.QuestionNr, 0);

    QCOMPARE(qb.ThemeNames(4, 0, 0), QString("Verkehr"));
    QCOMPARE(qb.ThemeNames(5, 2, 1), QString("Technique"));
    CurrentThemeNr = 0;
    CurrentQuestionnaireNr = 1;
    qb.QuestionnaireGet();
    QCOMPARE(qb.QuestionnaireQuestions, QString("00010002000A"));
    CurrentCategoryNr = 0;
    CurrentBookNr = 1;
    qb.BookNrSeek();
    QCOMPARE(qb.BookTitle, QString("Lastwagen"));
    QCOMPARE(qb.BookPictureNr, QString("7"));
    CurrentQuestionNr = 2;
    qb.BookPageGet();
    QCOMPARE(qb.BookPageNr, QString("?"));
    QVERIFY(RuntimeErrorLines().isEmpty());
    QCOMPARE(QDir(sb.programDir).entryList({"*.building-*"}), QStringList());
}

void TestBankTool::badSourceRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("answer letter") << "questions.csv" << 3 << "2,C,4,12,B" << "questions.csv line 3: question 2: answer \"B\" is not a, b or c";
    QTest::newRow("category code") << "questions.csv" << 3 << "2,C E,4,12,b" << "questions.csv line 3: column categories: unknown category code \"E\"";
    QTest::newRow("language code") << "texts.csv" << 0 << "2,en,F2,a,b,c" << "texts.csv line 12: column language: unknown language code \"en\"";
    QTest::newRow("text missing") << "texts.csv" << 10 << "<delete>" << "questions.csv line 4: question 10 of category C has no text in language it";
    QTest::newRow("text unknown question") << "texts.csv" << 0 << "11,de,x,a,b,c" << "texts.csv line 12: text for unknown question 11";
    QTest::newRow("list length") << "questionnaires.csv" << 2 << "C,0,1,00010" << "questionnaires.csv line 2: questionnaire 1 of theme 0: the question list has 5 characters, not a multiple of 4";
    QTest::newRow("list not hex") << "questionnaires.csv" << 2 << "C,0,1,00G1" << "questionnaires.csv line 2: questionnaire 1 of theme 0: \"00G1\" at position 1 is not four hexadecimal digits";
    QTest::newRow("list question lacking") << "questionnaires.csv" << 3 << "D,1,1,00010002" << "questionnaires.csv line 3: questionnaire 1 of theme 1: question 2 (\"0002\") does not exist in category D";
    QTest::newRow("duplicate question") << "questions.csv" << 0 << "2,D,4,0,a" << "questions.csv line 5: question 2 is defined twice";
    QTest::newRow("duplicate book") << "books.csv" << 0 << "C,1,Again,7" << "books.csv line 4: book 1 of category C is defined twice (first at books.csv line 2)";
    QTest::newRow("duplicate questionnaire") << "questionnaires.csv" << 0 << "C,4,1,0002" << "questionnaires.csv line 5: questionnaire 1 of theme 4 of category C is defined twice";
    QTest::newRow("page unknown book") << "bookpages.csv" << 0 << "C,9,1,4" << "bookpages.csv line 5: page of unknown book 9 of category C";
    QTest::newRow("page unknown question") << "bookpages.csv" << 0 << "D,1,2,4" << "bookpages.csv line 5: page of unknown question 2 of category D";
    QTest::newRow("theme without name") << "themes.csv" << 13 << "<delete>" << "questions.csv line 4: theme 5 of question 10 has no name in category C1, language it";
    QTest::newRow("question picture") << "questions.csv" << 3 << "2,C,4,13,b" << "questions.csv line 3: question 2: picture 0013 has no file 0013.jpg or 0013.bmp";
    QTest::newRow("cover picture") << "books.csv" << 2 << "C,1,Lastwagen,8" << "books.csv line 2: book 1: cover picture has no file 0008.bmp";
    QTest::newRow("column count") << "questions.csv" << 3 << "2,C,4,12" << "questions.csv line 3: 4 fields, expected 5";
    QTest::newRow("unterminated quote") << "texts.csv" << 10 << "10,it,\"D10,a,b,c" << "texts.csv line 11: quoted field is not terminated";
    QTest::newRow("stray quote") << "texts.csv" << 3 << "1,fr,\"Question 1,A,B,C" << "texts.csv line 8: text after the closing quote of a field (the quoted field opened on line 3)";
    QTest::newRow("header") << "books.csv" << 1 << "category,nr,title,picture" << "books.csv line 1: header must be \"category,book,title,picture\"";
    QTest::newRow("number") << "bookpages.csv" << 2 << "C,one,1,12" << "bookpages.csv line 2: column book: \"one\" is not a whole number";
}

void TestBankTool::badSourceRefused()
{
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    TestSupport::Sandbox sb;
    const QString src = sb.dir.path() + "/src", pics = sb.dir.path() + "/pics", out = sb.programDir + "/bank.mdb";
    WriteSource(src, file, line, text);
    WritePictures(pics);
    {
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("OLD BANK");
    }
    QStringList errors;
    QVERIFY(!BankTool::Build(src, pics, out, errors));
    const QString all = errors.join('\n');
    QVERIFY2(all.contains(expected), qPrintable(all));
    QCOMPARE(ReadAll(out), QByteArray("OLD BANK"));
    QCOMPARE(QDir(sb.programDir).entryList(QDir::Files), QStringList{"bank.mdb"});
}

void TestBankTool::checkFindsProblemsInStoredBank()
{
    TestSupport::Sandbox sb;
    const QString src = sb.dir.path() + "/src", pics = sb.dir.path() + "/pics", out = sb.programDir + "/bank.mdb";
    WriteSource(src);
    WritePictures(pics);
    QStringList errors;
    QVERIFY(BankTool::Build(src, pics, out, errors));

    // A picture removed after the build is found only when pictures are checked.
    QVERIFY(QFile::remove(pics + "/0007.bmp"));
    QVERIFY(BankTool::Check(out, QString(), errors));
    QVERIFY(!BankTool::Check(out, pics, errors));
    QVERIFY(errors.join('\n').contains("table Book row 1: book 1: cover picture has no file 0007.bmp"));

    {
        QSqlDatabase db = Sql::Open(out, false, 1000);
        QSqlQuery q(db);
        QVERIFY(Sql::Run(q, "UPDATE Question SET Answer=? WHERE QuestionNr=? AND CategoryNr=?", {"x", 2, 0}));
        QVERIFY(Sql::Run(q, "DELETE FROM BookPage WHERE rowid=?", {3}));
        q.finish();
        Sql::Close(db);
    }
    errors.clear();
    QVERIFY(!BankTool::Check(out, QString(), errors));
    QCOMPARE(errors, QStringList{"table Question row 3: question 2: answer \"x\" is not a, b or c"});

    {
        QSqlDatabase db = Sql::Open(out, false, 1000);
        QSqlQuery q(db);
        QVERIFY(Sql::Run(q, "UPDATE Question SET Answer=? WHERE rowid=?", {"b", 3}));
        QVERIFY(Sql::Run(q, "PRAGMA user_version = 7"));
        q.finish();
        Sql::Close(db);
    }
    errors.clear();
    QVERIFY(!BankTool::Check(out, QString(), errors));
    QCOMPARE(errors, QStringList{out + ": schema version 7, expected 1"});
    {
        QSqlDatabase db = Sql::Open(out, false, 1000);
        QSqlQuery q(db);
        QVERIFY(Sql::Run(q, "DROP TABLE BookPage"));
        q.finish();
        Sql::Close(db);
    }
    errors.clear();
    QVERIFY(!BankTool::Check(out, QString(), errors));
    QVERIFY2(errors.join('\n').contains("missing table BookPage"), qPrintable(errors.join('\n')));

    QFile text(sb.programDir + "/notes.txt");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("plain text, not a bank\n").repeated(200));
    text.close();
    errors.clear();
    QVERIFY(!BankTool::Check(text.fileName(), QString(), errors));
    QVERIFY(errors.join('\n').contains("is not a question bank"));
}

void TestBankTool::commandLine()
{
    TestSupport::Sandbox sb;
    const QString src = sb.dir.path() + "/src", pics = sb.dir.path() + "/pics", out = sb.dir.path() + "/out.mdb";
    WriteSource(src, "questions.csv", 2, "1,C D,4,0,z");
    WritePictures(pics);

    QProcess p;
    p.start(VELKO_BANK_EXE, {"build", "--source", src, "--pictures", pics, "--output", out});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("questions.csv line 2: question 1: answer \"z\""));
    QVERIFY(!QFile::exists(out));

    WriteSource(src);
    p.start(VELKO_BANK_EXE, {"build", "--source", src, "--pictures", pics, "--output", out});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    p.start(VELKO_BANK_EXE, {"check", out, "--pictures", pics});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains("OK, 5 questions, 15 texts"));
    p.start(VELKO_BANK_EXE, {"check"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
}

QTEST_MAIN(TestBankTool)
#include "tst_banktool.moc"
