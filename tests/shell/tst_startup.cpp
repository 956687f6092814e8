// Start-up: which settings file a run reads; the first start of an installed
// program (the user's settings written, the user database created with the
// administrator's password from standard input or from the dialog); then the
// real main window, headless: picture warning, start state, the start picture
// and its timer, and the closing of the window. (A missing user database ends
// the program in the user database's own test; the log header is the log's.)
#include "ShellFixture.h"
#include "core/IniLocation.h"
#include "core/PictureViewer.h"
#include "shell/FirstStart.h"
#include "shell/formFirstStart.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_db = std::make_unique<ShellFixture::Databases>(1);
    }
    void init();
    void cleanup();
    void iniFileOrder();
    void firstStartFromStandardInput();
    void firstStartDialog();
    void logHeaderWarningStateAndClose();
    void startPictureBitmapAndTimer_data();
    void startPictureBitmapAndTimer();

private:
    void touch(const QString &file, const QByteArray &text = "[Config]\n")
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        TestSupport::WriteFile(file, text);
    }
    // An installation: <root>/bin/velko and <root>/share/velko with a bank.
    void install()
    {
        SetProgramLocation(m_sb->dir.path() + QStringLiteral("/usr/bin"), QStringLiteral("velko"));
        touch(m_share + QStringLiteral("Velko.sqlite"), "bank");
        touch(m_share + QStringLiteral("velko.ini"), "[Config]\nQDBVER=2026.1\nMAXQPT=8;7\n");
    }
    // The administrator of the user database written by the first start.
    static QStringList admin()
    {
        return ShellFixture::query(UserDataDirectory() + "Users.sqlite",
                                   "SELECT UserName || '/' || Password FROM \"User\" WHERE UserName = '_Vestr'");
    }
    std::unique_ptr<ShellFixture::Databases> m_db;
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    QString m_share;
};

void TestStartup::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_share = m_sb->dir.path() + QStringLiteral("/usr/share/velko/");
    SetSystemIniFile(m_sb->dir.path() + QStringLiteral("/etc/velko/velko.ini"));
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    Seams::SetClock({});
    Seams::SetMonotonicClock({});
}

void TestStartup::cleanup()
{
    IniFileUse(QString());
    SetSystemIniFile(QStringLiteral("/etc/velko/velko.ini"));
    m_sb.reset();
}

void TestStartup::iniFileOrder()
{
    const auto choice = [](const QString &given = {}) {
        const IniChoice c = IniFileChoose(given);
        return QStringLiteral("%1|%2").arg(int(c.source)).arg(c.file);
    };
    const auto is = [](IniSource s, const QString &file) { return QStringLiteral("%1|%2").arg(int(s)).arg(file); };
    // Nothing at all: the file beside the program, defaults only.
    QCOMPARE(choice(), is(IniSource::None, m_sb->programDir + QStringLiteral("/velko.ini")));
    install();
    const QString beside = m_sb->dir.path() + QStringLiteral("/usr/bin/velko.ini");
    QCOMPARE(choice(), is(IniSource::FirstStart, UserIniFile()));
    for (const auto &[source, file] : {std::pair{IniSource::User, UserIniFile()}, {IniSource::System, SystemIniFile()},
                                       {IniSource::BesideProgram, beside}}) {
        touch(file);
        QCOMPARE(choice(), is(source, file));
    }
    QCOMPARE(choice("/srv/velko/school.ini"), is(IniSource::CommandLine, "/srv/velko/school.ini"));
    // Without a choice (the first start below makes one) every reader and
    // writer of the settings takes the file beside the program.
    IniFileUse(QString());
    QCOMPARE(INIFileName(), beside);
}

void TestStartup::firstStartFromStandardInput()
{
    // The administrator's password: digits only, 1 to 254 of them; a letter
    // is refused below, a mismatch in the dialog's test.
    QVERIFY(AdminPasswordAcceptable(QStringLiteral("0042"), QStringLiteral("0042")));
    QVERIFY(AdminPasswordAcceptable(QString(254, QLatin1Char('7')), QString(254, QLatin1Char('7'))));
    for (const QString &refused : {QString(), QStringLiteral(" 12"), QString(255, QLatin1Char('7'))})
        QVERIFY2(!AdminPasswordAcceptable(refused, refused), qPrintable(refused));
    install();
    QByteArray wrong("12x4\n");
    QTextStream bad(&wrong);
    QString message;
    QCOMPARE(StartSettingsPrepare({}, &bad, message), StartSettings::Cancelled);
    QVERIFY(!QFileInfo::exists(UserIniFile()));   // nothing half-made

    QByteArray input("2468\n");
    QTextStream in(&input);
    QCOMPARE(StartSettingsPrepare({}, &in, message), StartSettings::Ready);
    QCOMPARE(INIFileName(), UserIniFile());
    QString written;
    for (const char *key : {"DB_PATH", "PIC_PATH", "MAXQPT", "USERDB_PATH", "USERDB_NAME"})
        written += GetINIvalue(UserIniFile(), QStringLiteral("Config"), QLatin1String(key)) + QLatin1Char('|');
    QCOMPARE(written, m_share + QLatin1Char('|') + m_share + QStringLiteral("pictures/|8;7|") + UserDataDirectory()
                          + QStringLiteral("|Users.sqlite|"));
    QCOMPARE(admin(), QStringList{"_Vestr/2468"});
    // The password never reaches the log.
    QVERIFY(!m_sb->logText().contains(QStringLiteral("2468")));

    // The next start reads the user's settings and asks nothing.
    QByteArray none;
    QTextStream empty(&none);
    QCOMPARE(StartSettingsPrepare({}, &empty, message), StartSettings::Ready);
    QCOMPARE(admin(), QStringList{"_Vestr/2468"});
}

void TestStartup::firstStartDialog()
{
    install();
    QString message;
    // Cancelled: nothing is written.
    Dialogs::SetDialogHandler([](QDialog *) { return int(QDialog::Rejected); });
    QCOMPARE(StartSettingsPrepare({}, nullptr, message), StartSettings::Cancelled);
    QVERIFY(!QFileInfo::exists(UserIniFile()));

    // Two different passwords are refused in the dialog, the same ones accepted.
    QString problem;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        auto *dialog = qobject_cast<formFirstStart *>(d);
        dialog->txtPassword->setText(QStringLiteral("1357"));
        dialog->txtPasswordAgain->setText(QStringLiteral("1358"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        problem = dialog->lblProblem->isVisible() ? dialog->lblProblem->text() : QString();
        if (dialog->result() == QDialog::Accepted)
            return int(QDialog::Accepted);
        dialog->txtPassword->setText(QStringLiteral("1357"));
        dialog->txtPasswordAgain->setText(QStringLiteral("1357"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        return dialog->result();
    });
    QCOMPARE(StartSettingsPrepare({}, nullptr, message), StartSettings::Ready);
    QCOMPARE(Seams::BeepCount(), 1);
    QVERIFY(!problem.isEmpty());
    QCOMPARE(admin(), QStringList{"_Vestr/1357"});
}

void TestStartup::logHeaderWarningStateAndClose()
{
    m_db->install(*m_sb);
    formMain w;
    w.Form_Load();

    // No picture in the picture directory: German warning box and log line.
    const QString log = m_sb->logText();
    QVERIFY(log.contains(QStringLiteral("Picture Path : ") + ShellFixture::picDir(*m_sb) + NewLine));
    QVERIFY(log.contains(QStringLiteral("Warning : Incorrect Picture Path !")));
    QCOMPARE(Dialogs::Shown().size(), 1);
    QCOMPARE(TestSupport::Message(0), "Warning|Achtung :|Setzen Sie bitte den Bilderverzeichnis Pfad korrekt !");
    QVERIFY(RuntimeErrorLines().isEmpty());

    QCOMPARE(CurrentLanguageNr, int16_t(1));   // the administrator's language

    QCOMPARE(Seams::ProgramEndRequests(), 0);
    w.close();
    QCOMPARE(Seams::ProgramEndRequests(), 1);
}

// The start picture leaves after five seconds of running time, whatever the
// time of day does meanwhile: passing midnight or set back.
void TestStartup::startPictureBitmapAndTimer_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("clockStep");   // change of the time of day per 3 s that pass
    QTest::newRow("morning") << QTime(10, 0, 0) << 3;
    QTest::newRow("three seconds before midnight") << QTime(23, 59, 57) << 3;
    QTest::newRow("clock set back an hour") << QTime(10, 0, 0) << -3600 + 3;
}

void TestStartup::startPictureBitmapAndTimer()
{
    QFETCH(QTime, start);
    QFETCH(int, clockStep);
    m_db->install(*m_sb);
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(ShellFixture::picDir(*m_sb) + "3000.bmp"));
    QVERIFY(img.save(ShellFixture::picDir(*m_sb) + "0001.jpg"));   // the directory holds pictures

    QDateTime now(QDate(2026, 12, 6), start);
    Seams::SetClock([&now] { return now; });
    qint64 running = 123456789;
    Seams::SetMonotonicClock([&running] { return running; });
    formMain w;
    w.Form_Load();
    QVERIFY(Dialogs::Shown().isEmpty());
    auto *big = w.findChild<PictureViewer *>("IHImgPictureBig");
    QCOMPARE(big->FileName(), ShellFixture::picDir(*m_sb) + "3000.bmp");
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

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
