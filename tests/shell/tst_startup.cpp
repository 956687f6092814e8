// Start-up of the real main window, headless: log header, picture warning,
// start state, the start picture and its timer, and the ways the program ends.
#include "ShellFixture.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"
#include "shell/formMain.h"

#include <QImage>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(1); }
    void init()
    {
        Seams::SetClock({});
        Seams::SetMonotonicClock({});
    }
    void logHeaderWarningStateAndClose();
    void startPictureBitmapAndTimer_data();
    void startPictureBitmapAndTimer();
    void missingUserDatabaseEndsTheProgram();

private:
    static bool warned(const QString &text)
    {
        for (const auto &m : Dialogs::Shown())
            if (m.title == QStringLiteral("Achtung :") && m.text.contains(text))
                return true;
        return false;
    }
    std::unique_ptr<ShellFixture::Databases> m_db;
};

void TestStartup::logHeaderWarningStateAndClose()
{
    TestSupport::Sandbox sb;
    m_db->install(sb, QStringLiteral("QDBVER=2026.1\n"));
    formMain w;
    w.Form_Load();

    // The log header (its lines are the log's own tests) names this run's settings.
    const QString log = sb.logText();
    QVERIFY(log.contains(NewLine + "Program Config Path : " + sb.iniPath() + NewLine + "Velko.ini - QDBVER  : 2026.1"
                         + NewLine + "Velko.ini - MAXQPT  : NotFound" + NewLine));

    // No picture in the picture directory: German warning box and log line.
    QVERIFY(log.contains(QStringLiteral("Picture Path : ") + ShellFixture::picDir(sb) + NewLine));
    QVERIFY(log.contains(QStringLiteral("Warning : Incorrect Picture Path !")));
    QVERIFY(warned(QStringLiteral("Setzen Sie bitte den Bilderverzeichnis Pfad korrekt !")));
    QVERIFY(RuntimeErrorLines().isEmpty());

    QCOMPARE(ProgramVersionText, QStringLiteral("Velko 2.0.0"));
    QCOMPARE(ExamQuestionCount, (std::array<int16_t, 4>{40, 40, 30, 30}));
    QCOMPARE(CurrentLanguageNr, int16_t(1));   // the administrator's language
    QVERIFY(objQuestion && objQuestion->IsOpen());

    QCOMPARE(Seams::ProgramEndRequests(), 0);
    w.close();
    QCOMPARE(Seams::ProgramEndRequests(), 1);
}

// The start picture leaves after five seconds of running time, whatever the
// time of day does meanwhile: passing midnight, set back or forward.
void TestStartup::startPictureBitmapAndTimer_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("clockStep");   // change of the time of day per 3 s that pass
    QTest::newRow("morning") << QTime(10, 0, 0) << 3;
    QTest::newRow("three seconds before midnight") << QTime(23, 59, 57) << 3;
    QTest::newRow("one second before midnight") << QTime(23, 59, 59) << 3;
    QTest::newRow("clock set back an hour") << QTime(10, 0, 0) << -3600 + 3;
    QTest::newRow("clock set forward an hour") << QTime(10, 0, 0) << 3600 + 3;
}

void TestStartup::startPictureBitmapAndTimer()
{
    QFETCH(QTime, start);
    QFETCH(int, clockStep);
    TestSupport::Sandbox sb;
    m_db->install(sb);
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(ShellFixture::picDir(sb) + "3000.bmp"));
    QVERIFY(img.save(ShellFixture::picDir(sb) + "0001.jpg"));   // the directory holds pictures

    QDateTime now(QDate(2026, 12, 6), start);
    Seams::SetClock([&now] { return now; });
    qint64 running = 123456789;
    Seams::SetMonotonicClock([&running] { return running; });
    formMain w;
    w.Form_Load();
    QVERIFY(!warned(QString()));
    auto *big = w.findChild<PictureViewer *>("IHImgPictureBig");
    QCOMPARE(big->FileName(), ShellFixture::picDir(sb) + "3000.bmp");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::PictureBig));

    const auto pass = [&](int ms) {
        running += ms;
        now = now.addMSecs(qint64(clockStep) * ms / 3);
        w.tmrSplash_Timer();
    };
    // The first tick, then every second; at five seconds exactly still on top.
    for (const int ms : {100, 2900, 2000}) {
        pass(ms);
        QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::PictureBig));
        QVERIFY(w.tmrSplash->isActive());
        QCOMPARE(w.tmrSplash->interval(), 1000);
    }
    pass(1000);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Login));
    QVERIFY(!big->HasPicture());
    QVERIFY(!w.tmrSplash->isActive());
}

void TestStartup::missingUserDatabaseEndsTheProgram()
{
    TestSupport::Sandbox sb;
    m_db->install(sb, {}, false);
    formMain w;
    w.Form_Load();
    QCOMPARE(Seams::ProgramEndRequests(), 1);   // the box and the log line are the user database's own tests
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
