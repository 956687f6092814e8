// Which settings file a run reads, and the first start of an installed
// program: the user's settings written, the user database created with the
// administrator's password from standard input or from the dialog.
#include "TestSupport.h"
#include "core/Dialogs.h"
#include "core/IniLocation.h"
#include "shell/FirstStart.h"
#include "shell/formFirstStart.h"
#include "userdb/clsUser.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

class TestFirstStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void iniFileOrder();
    void passwordRules();
    void firstStartFromStandardInput();
    void firstStartDialog();

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
    // The administrator of a user database as "name/password".
    QString admin(const QString &file)
    {
        clsUser u;
        u.setDbPath(QFileInfo(file).absolutePath() + QLatin1Char('/'));
        u.setDbFileName(QFileInfo(file).fileName());
        u.DbOpen();
        u.UserNameSeek(QStringLiteral("_Vestr"));
        return u.UserName + QLatin1Char('/') + u.Password;
    }

    std::unique_ptr<TestSupport::Sandbox> m_sb;
    QString m_share;
};

void TestFirstStart::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_share = m_sb->dir.path() + QStringLiteral("/usr/share/velko/");
    SetSystemIniFile(m_sb->dir.path() + QStringLiteral("/etc/velko/velko.ini"));
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

void TestFirstStart::cleanup()
{
    IniFileUse(QString());
    SetSystemIniFile(QStringLiteral("/etc/velko/velko.ini"));
    m_sb.reset();
}

void TestFirstStart::iniFileOrder()
{
    const auto choice = [](const QString &given = {}) {
        const IniChoice c = IniFileChoose(given);
        return QStringLiteral("%1|%2").arg(int(c.source)).arg(c.file);
    };
    const auto is = [](IniSource source, const QString &file) { return QStringLiteral("%1|%2").arg(int(source)).arg(file); };
    // Nothing at all: the file beside the program, defaults only.
    QCOMPARE(choice(), is(IniSource::None, m_sb->programDir + QStringLiteral("/velko.ini")));
    install();
    const QString beside = m_sb->dir.path() + QStringLiteral("/usr/bin/velko.ini");
    QCOMPARE(choice(), is(IniSource::FirstStart, UserIniFile()));
    touch(UserIniFile());
    QCOMPARE(choice(), is(IniSource::User, UserIniFile()));
    touch(SystemIniFile());
    QCOMPARE(choice(), is(IniSource::System, SystemIniFile()));
    touch(beside);
    QCOMPARE(choice(), is(IniSource::BesideProgram, beside));
    QCOMPARE(choice(QStringLiteral("/srv/velko/school.ini")), is(IniSource::CommandLine, QStringLiteral("/srv/velko/school.ini")));

    // The choice is what every reader and writer of the settings uses.
    IniFileUse(SystemIniFile());
    QCOMPARE(INIFileName(), SystemIniFile());
    IniFileUse(QString());
    QCOMPARE(INIFileName(), m_sb->dir.path() + QStringLiteral("/usr/bin/velko.ini"));
}

// Digits only, 1 to 254 of them; a letter and a mismatch are refused in the first starts below.
void TestFirstStart::passwordRules()
{
    QVERIFY(AdminPasswordAcceptable(QStringLiteral("0042"), QStringLiteral("0042")));
    QVERIFY(AdminPasswordAcceptable(QString(254, QLatin1Char('7')), QString(254, QLatin1Char('7'))));
    for (const QString &refused : {QString(), QStringLiteral(" 12"), QString(255, QLatin1Char('7'))})
        QVERIFY2(!AdminPasswordAcceptable(refused, refused), qPrintable(refused));
}

void TestFirstStart::firstStartFromStandardInput()
{
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
    const QString users = UserDataDirectory() + QStringLiteral("Users.sqlite");
    QString written;
    for (const char *key : {"DB_PATH", "PIC_PATH", "MAXQPT", "USERDB_PATH", "USERDB_NAME"})
        written += GetINIvalue(UserIniFile(), QStringLiteral("Config"), QLatin1String(key)) + QLatin1Char('|');
    QCOMPARE(written, m_share + QLatin1Char('|') + m_share + QStringLiteral("pictures/|8;7|") + UserDataDirectory()
                          + QStringLiteral("|Users.sqlite|"));
    QCOMPARE(admin(users), QStringLiteral("_Vestr/2468"));
    // The password never reaches the log.
    QVERIFY(!m_sb->logText().contains(QStringLiteral("2468")));

    // The next start reads the user's settings and asks nothing.
    QByteArray none;
    QTextStream empty(&none);
    QCOMPARE(StartSettingsPrepare({}, &empty, message), StartSettings::Ready);
    QCOMPARE(admin(users), QStringLiteral("_Vestr/2468"));
}

void TestFirstStart::firstStartDialog()
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
    QCOMPARE(admin(UserDataDirectory() + QStringLiteral("Users.sqlite")), QStringLiteral("_Vestr/1357"));
    Dialogs::SetDialogHandler({});
}

QTEST_MAIN(TestFirstStart)
#include "tst_firststart.moc"
