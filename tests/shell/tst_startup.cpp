// Start-up of the real main window, headless: the log header, the picture
// warning, the start picture and its timer, and the ways the program ends.
#include "ShellFixture.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"
#include "shell/formMain.h"

#include <QImage>
#include <QPushButton>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void logHeaderAndPictureWarning();
    void startPictureBitmapAndTimer();
    void missingUserDatabaseEndsTheProgram();
    void closingTheWindowEndsTheProgram();
    void startupStateAndGrids();

private:
    void prepare(TestSupport::Sandbox &sb, const QString &extraIni = QString());
};

void TestStartup::init()
{
    Seams::SetClock({});
}

void TestStartup::prepare(TestSupport::Sandbox &sb, const QString &extraIni)
{
    ShellFixture::writeIni(sb, extraIni);
    ShellFixture::createBank(ShellFixture::dataDir(sb));
    ShellFixture::createUsers(ShellFixture::dataDir(sb),
                              {{QStringLiteral("_Vestr"), QStringLiteral("1234"), 1, 0, 0},
                               {QStringLiteral("Anna Keller"), QStringLiteral("11"), 0, 0, 0}});
}

void TestStartup::logHeaderAndPictureWarning()
{
    TestSupport::Sandbox sb;
    prepare(sb, QStringLiteral("QDBVER=2026.1\n"));
    formMain w;
    w.Form_Load();

    const QString log = sb.logText();
    const QStringList lines = log.split(NewLine);
    const int start = lines.indexOf(QString(80, QLatin1Char('=')));
    QVERIFY(start >= 0);
    const QStringList labels = {
        "Program Name & Ver. : ", "Program File & Path : ", "Program Date & Time : ",
        "Program Config Path : ", "Velko.ini - QDBVER  : ", "Velko.ini - MAXQPT  : ",
        "Start Date & Time   : ", "Windows Version     : ", "PC Name             : ",
        "User Name           : "};
    for (int i = 0; i < labels.size(); ++i)
        QVERIFY2(lines.value(start + 1 + i).startsWith(labels[i]), qPrintable(lines.value(start + 1 + i)));
    QCOMPARE(lines.value(start + 11), QString(80, QLatin1Char('=')));
    QCOMPARE(lines.value(start + 1), QStringLiteral("Program Name & Ver. : Velko 2.0.0"));
    QCOMPARE(lines.value(start + 4), QStringLiteral("Program Config Path : ") + sb.iniPath());
    QCOMPARE(lines.value(start + 5), QStringLiteral("Velko.ini - QDBVER  : 2026.1"));
    QCOMPARE(lines.value(start + 6), QStringLiteral("Velko.ini - MAXQPT  : NotFound"));
    QCOMPARE(lines.value(start + 3), QStringLiteral("Program Date & Time : file not found ..."));

    // No picture in the picture directory: German warning box and log line.
    QVERIFY(log.contains(QStringLiteral("Picture Path : ") + ShellFixture::picDir(sb) + NewLine));
    QVERIFY(log.contains(QStringLiteral("Warning : Incorrect Picture Path !")));
    bool warned = false;
    for (const auto &m : Dialogs::Shown())
        warned |= m.title == QStringLiteral("Achtung :")
                  && m.text == QStringLiteral("Setzen Sie bitte den Bilderverzeichnis Pfad korrekt !");
    QVERIFY(warned);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.0.0 - Database Version 2026.1"));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestStartup::startPictureBitmapAndTimer()
{
    TestSupport::Sandbox sb;
    prepare(sb);
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(ShellFixture::picDir(sb) + "3000.bmp"));
    QVERIFY(img.save(ShellFixture::picDir(sb) + "0001.jpg"));   // the directory holds pictures

    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0));
    Seams::SetClock([&now] { return now; });
    formMain w;
    w.Form_Load();
    bool warned = false;
    for (const auto &m : Dialogs::Shown())
        warned |= m.title == QStringLiteral("Achtung :");
    QVERIFY(!warned);

    auto *big = w.findChild<PictureViewer *>("IHImgPictureBig");
    QVERIFY(big);
    QCOMPARE(big->FileName(), ShellFixture::picDir(sb) + "3000.bmp");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::PictureBig));

    // Within the five seconds the picture stays; afterwards it goes behind.
    now = now.addSecs(3);
    w.tmrSplash_Timer();
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::PictureBig));
    QVERIFY(w.tmrSplash->isActive());
    QCOMPARE(w.tmrSplash->interval(), 1000);
    now = now.addSecs(3);
    w.tmrSplash_Timer();
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QVERIFY(!big->HasPicture());
    QVERIFY(!w.tmrSplash->isActive());
    Seams::SetClock({});
}

void TestStartup::missingUserDatabaseEndsTheProgram()
{
    TestSupport::Sandbox sb;
    ShellFixture::writeIni(sb);
    ShellFixture::createBank(ShellFixture::dataDir(sb));
    formMain w;
    w.Form_Load();
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY(!Dialogs::Shown().isEmpty());
    QCOMPARE(Dialogs::Shown().last().title, QStringLiteral("Fatal Error"));
    QVERIFY(sb.logText().contains(QStringLiteral("Fatal Error : Database not Found !")));
}

void TestStartup::closingTheWindowEndsTheProgram()
{
    TestSupport::Sandbox sb;
    prepare(sb);
    formMain w;
    w.Form_Load();
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    w.close();
    QCOMPARE(Seams::ProgramEndRequests(), 1);
}

void TestStartup::startupStateAndGrids()
{
    TestSupport::Sandbox sb;
    prepare(sb);
    formMain w;
    w.Form_Load();
    QCOMPARE(ProgramVersionText, QStringLiteral("Velko 2.0.0"));
    QCOMPARE(CurrentQuestionNr, 1);
    QCOMPARE(ExamQuestionCount, (std::array<int16_t, 4>{40, 40, 30, 30}));
    QCOMPARE(AnswerLetters[2], QStringLiteral("c"));
    // The administrator's language (French here) is the first language.
    QCOMPARE(CurrentLanguageNr, int16_t(1));
    QVERIFY(QuestionDbVersionText.isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.0.0"));
    // Lesson buttons 1..24, strip buttons 1..40.
    QCOMPARE(w.findChildren<QPushButton *>(QRegularExpression("^cmdPracticeLesson_\\d+$")).size(), 24);
    auto *lesson = w.findChild<QPushButton *>("cmdPracticeLesson_23");
    QVERIFY(lesson);
    QCOMPARE(lesson->text(), QStringLiteral("24"));
    QCOMPARE(w.findChildren<QWidget *>(QRegularExpression("^chkQuestion_\\d+$")).size(), 40);
    QCOMPARE(w.findChildren<QWidget *>(QRegularExpression("^cmdThemesQuestionnaire_\\d+$")).size(), 66);
    QVERIFY(objQuestion && objQuestion->IsOpen());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
