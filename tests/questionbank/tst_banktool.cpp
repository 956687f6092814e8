#include "BankReads.h"
#include "tools/velko-bank/BankTool.h"
#include "userdb/UserDbFixture.h"

#include <QProcess>

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
         {"category,theme,questionnaire,questions", "C,0,1,00010002000A", "D,1,1,0001", "C,4,1,00020001",
          "D,4,1,0001"}},
        {"books.csv", {"category,book,title,picture", "C,1,Lastwagen,7", "D,1,Car,"}},
        {"bookpages.csv", {"category,book,question,page", "C,1,1,12", "C,1,2,?", "D,1,1,3"}},
    };
    return files;
}

// A sandbox with the valid source, the pictures and an older bank at out.
struct Source {
    TestSupport::Sandbox sb;
    const QString src = sb.dir.path() + "/src", pics = sb.dir.path() + "/pics", out = sb.programDir + "/bank.mdb";

    // One line of one file replaced (line >= 1), removed (text "<delete>") or appended (line 0).
    explicit Source(const QString &file = {}, int line = 0, const QString &text = {})
    {
        QDir().mkpath(src);
        QDir().mkpath(pics);
        for (auto it = ValidSource().begin(); it != ValidSource().end(); ++it) {
            QStringList lines = it.value();
            if (it.key() == file && line == 0)
                lines << text;
            else if (it.key() == file && text == "<delete>")
                lines.removeAt(line - 1);
            else if (it.key() == file)
                lines[line - 1] = text;
            TestSupport::WriteFile(src + "/" + it.key(), (lines.join("\r\n") + "\r\n").toUtf8());
        }
        TestSupport::WriteFile(pics + "/0012.jpg", "picture");
        TestSupport::WriteFile(pics + "/0007.bmp", "picture");
        TestSupport::WriteFile(out, "OLD BANK");
    }
};

} // namespace

class TestBankTool : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildReadsBackThroughTheBankObject();
    void badSourceRefused_data();
    void badSourceRefused();
    void commandLine();
};

void TestBankTool::buildReadsBackThroughTheBankObject()
{
    Source f;
    QStringList errors;
    QVERIFY2(BankTool::Build(f.src, f.pics, f.out, errors), qPrintable(errors.join('\n')));
    QVERIFY(BankTool::Check(f.out, f.pics, errors));
    QVERIFY(errors.isEmpty());
    QCOMPARE(QDir(f.sb.programDir).entryList(QDir::Files), QStringList{"bank.mdb"});

    clsQuestion qb;
    qb.setDbFileName("bank.mdb");
    qb.DbOpen();
    QCOMPARE(qb.QuestionNrMax(), 10);
    // Question 2 is in C only.
    QCOMPARE(Seek(qb, 2, 10) + " " + Seek(qb, 1, 1) + " " + Seek(qb, 1, 2), QString("2/10/0/5/c 1/1/0/4/a 0/0/0/0/"));
    QCOMPARE(TextsOf(qb, 2, 2, 10) + " " + TextsOf(qb, 0, 0, 10), QString("D10|a|b|c Zwei\nZeilen|a|b|c"));
    QCOMPARE(TextsOf(qb, 0, 0, 1), QString("Frage 1, mit \"Zitat\"|A|B|C"));
    QCOMPARE(qb.ThemeNames(4, 0, 0) + "|" + qb.ThemeNames(5, 2, 1), QString("Verkehr|Technique"));
    // Questionnaire 1 of theme 4 exists in C and in D, each with its own list.
    QCOMPARE(QuestionnaireOf(qb, 0, 0, 1) + " " + QuestionnaireOf(qb, 0, 4, 1) + " " + QuestionnaireOf(qb, 1, 4, 1),
             QString("1:00010002000A 1:00020001 1:0001"));
    CurrentCategoryNr = 0; CurrentBookNr = 1; CurrentQuestionNr = 2;
    qb.BookNrSeek();
    qb.BookPageGet();
    QCOMPARE(qb.BookTitle + "/" + qb.BookPictureNr + "/" + qb.BookPageNr, QString("Lastwagen/7/?"));
    QVERIFY(RuntimeErrorLines().isEmpty());
    qb.DbClose();

    // The check finds what was changed in the stored bank afterwards.
    UserDbTest::SqlExec(f.out, "UPDATE Question SET Answer=? WHERE QuestionNr=? AND CategoryNr=?", {"x", 2, 0});
    QVERIFY(!BankTool::Check(f.out, QString(), errors));
    QCOMPARE(errors, QStringList{"table Question row 3: question 2: answer \"x\" is not a, b or c"});
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
    QTest::newRow("list length") << "questionnaires.csv" << 2 << "C,0,1,00010" << "questionnaires.csv line 2: questionnaire 1 of theme 0: the question list has 5 characters, not a multiple of 4";
    QTest::newRow("list not hex") << "questionnaires.csv" << 2 << "C,0,1,00G1" << "questionnaires.csv line 2: questionnaire 1 of theme 0: \"00G1\" at position 1 is not four hexadecimal digits";
    QTest::newRow("list question lacking") << "questionnaires.csv" << 3 << "D,1,1,00010002" << "questionnaires.csv line 3: questionnaire 1 of theme 1: question 2 (\"0002\") does not exist in category D";
    QTest::newRow("duplicate questionnaire") << "questionnaires.csv" << 0 << "C,4,1,0002" << "questionnaires.csv line 6: questionnaire 1 of theme 4 of category C is defined twice (first at questionnaires.csv line 4)";
    QTest::newRow("duplicate question") << "questions.csv" << 0 << "2,C,4,0,a" << "questions.csv line 5: question 2 is defined twice";
    QTest::newRow("page unknown book") << "bookpages.csv" << 0 << "C,9,1,4" << "bookpages.csv line 5: page of unknown book 9 of category C";
    QTest::newRow("question picture") << "questions.csv" << 3 << "2,C,4,13,b" << "questions.csv line 3: question 2: picture 0013 has no file 0013.jpg or 0013.bmp";
    QTest::newRow("unterminated quote") << "texts.csv" << 10 << "10,it,\"D10,a,b,c" << "texts.csv line 11: quoted field is not terminated";
}

void TestBankTool::badSourceRefused()
{
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    Source f(file, line, text);
    QStringList errors;
    QVERIFY(!BankTool::Build(f.src, f.pics, f.out, errors));
    QVERIFY2(errors.join('\n').contains(expected), qPrintable(errors.join('\n')));
    QCOMPARE(TestSupport::ReadFile(f.out), QByteArray("OLD BANK"));
    QCOMPARE(QDir(f.sb.programDir).entryList(QDir::Files), QStringList{"bank.mdb"});
}

void TestBankTool::commandLine()
{
    Source f("questions.csv", 2, "1,C D,4,0,z");
    const QString out = f.sb.dir.path() + "/out.mdb";
    QProcess p;
    const auto run = [&](const QStringList &args) {
        p.start(VELKO_BANK_EXE, args);
        return p.waitForFinished(60000) ? p.exitCode() : -1;
    };
    QCOMPARE(run({"build", "--source", f.src, "--pictures", f.pics, "--output", out}), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("questions.csv line 2: question 1: answer \"z\""));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(run({"check"}), 2);
}

QTEST_MAIN(TestBankTool)
#include "tst_banktool.moc"
