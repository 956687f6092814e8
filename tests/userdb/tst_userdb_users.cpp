#include "UserDbFixture.h"

#include <QFile>

using UserDbTest::Fixture;

class TestUserDbUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void settingsComeFromTheIniFile();
    void missingFileIsFatal();
    void otherFilesAreReportedNotOpened();
    void missingUserAndAdministrator();
    void commentsAndSingleBlank();
    void walkNewDeleteInTableOrder();
    void deactivatedAndApostropheNames();
    void readOnlySettingsRefuseWrites();
    void failuresAreReportedAndSteppedOver();
};

void TestUserDbUsers::settingsComeFromTheIniFile()
{
    {
        Fixture f(false);
        QCOMPARE(f.user.DbPath(), f.sb.programDir + QStringLiteral("/"));
        QCOMPARE(f.user.DbFileName(), QStringLiteral("Users.mdb"));
        QCOMPARE(f.user.RSCursorType(), QStringLiteral("3"));
        QCOMPARE(f.user.RSLockType(), QStringLiteral("1"));
    }
    TestSupport::Sandbox sb;
    sb.writeIni(QStringLiteral("[Config]\nUSERDB_PATH=/srv/school\nUSERDB_NAME=Schueler.db\n"));
    clsUser u;
    QCOMPARE(u.DbPath(), QStringLiteral("/srv/school/"));
    QCOMPARE(u.DbFileName(), QStringLiteral("Schueler.db"));
}

void TestUserDbUsers::missingFileIsFatal()
{
    Fixture f(false);
    f.user.DbOpen();
    const QString file = f.sb.programDir + QStringLiteral("/Users.mdb");
    QCOMPARE(Dialogs::Shown().size(), 1);
    const Dialogs::MessageRecord &m = Dialogs::Shown().first();
    QCOMPARE(m.icon, QMessageBox::Warning);
    QCOMPARE(m.title, QStringLiteral("Fatal Error"));
    QCOMPARE(m.text, QStringLiteral("Database not Found !") + NewLine + NewLine + "'" + file + "'");
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY(!f.user.IsOpen());
    const QString log = f.sb.logText();
    const int pathLine = log.indexOf(QStringLiteral("User DB Path : ") + file);
    QVERIFY(pathLine >= 0);
    QVERIFY(log.indexOf(QStringLiteral("Fatal Error : Database not Found !")) > pathLine);
}

void TestUserDbUsers::otherFilesAreReportedNotOpened()
{
    Fixture f(false);
    QFile junk(f.file());
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    f.user.DbOpen();
    QVERIFY(!f.user.IsOpen());
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].contains(QStringLiteral("is not a user database")));
    QVERIFY(RuntimeErrorLines()[0].endsWith(QStringLiteral("(clsUser -> DbOpen)")));

    // A database of another kind: the missing table is named.
    QFile::remove(f.file());
    QSqlDatabase db = Sql::Open(f.file(), false, 1000);
    QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Question (QuestionNr INTEGER)"));
    Sql::Close(db);
    f.user.DbOpen();
    QVERIFY(!f.user.IsOpen());
    QCOMPARE(RuntimeErrorLines().size(), 2);
    QVERIFY(RuntimeErrorLines()[1].contains(QStringLiteral("missing table User")));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    // Later operations report instead of crashing.
    f.user.FirstUser();
    QCOMPARE(f.user.UserID(), 0);
    QVERIFY(RuntimeErrorLines().last().endsWith(QStringLiteral("(clsUser -> FirstUser)")));
}

void TestUserDbUsers::missingUserAndAdministrator()
{
    Fixture f;
    f.addUser(QStringLiteral("_Vestr"), QStringLiteral("999"));
    f.addUser(QStringLiteral("_vestr"), QStringLiteral("111"), 2);
    f.user.UserNameSeek(QStringLiteral("_Vestr"));
    QVERIFY(f.user.IsAdmin());
    QVERIFY(f.user.IsPasswordValid(QStringLiteral("999")));
    QVERIFY(!f.user.IsPasswordValid(QStringLiteral("9990")));
    f.user.UserNameSeek(QStringLiteral("_vestr"));
    QCOMPARE(f.user.CategoryNr, int16_t(2));
    QVERIFY(!f.user.IsAdmin());

    f.user.UserNameSeek(QStringLiteral("Nobody"));
    QCOMPARE(f.user.UserID(), 0);
    QCOMPARE(f.user.UserName, QString());
    QCOMPARE(f.user.Password, QString());
    QCOMPARE(f.user.LanguageNr + f.user.CategoryNr + f.user.BookNr + f.user.UserStatus, 0);
    QVERIFY(f.user.IsPasswordValid(QString()));
    QVERIFY(!f.user.IsPasswordValid(QStringLiteral("999")));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbUsers::commentsAndSingleBlank()
{
    Fixture f;
    const int32_t empty = f.addUser(QStringLiteral("Anna"), QStringLiteral("1"), 0, 0, QString());
    const int32_t blank = f.addUser(QStringLiteral("Ben"), QStringLiteral("2"), 0, 0, QStringLiteral(" "));
    const int32_t text = f.addUser(QStringLiteral("Cleo"), QStringLiteral("3"), 0, 0, QStringLiteral(" late "));
    QCOMPARE(f.raw(QStringLiteral("SELECT UserComment FROM \"User\" WHERE UserID = %1").arg(empty)).toString(),
             QStringLiteral(" "));
    f.user.UserNameSeek(QStringLiteral("Anna"));
    QCOMPARE(f.user.UserComment, QString());
    f.user.UserNameSeek(QStringLiteral("Ben"));
    QCOMPARE(f.user.UserID(), blank);
    QCOMPARE(f.user.UserComment, QString());
    f.user.UserNameSeek(QStringLiteral("Cleo"));
    QCOMPARE(f.user.UserID(), text);
    QCOMPARE(f.user.UserComment, QStringLiteral(" late "));
}

void TestUserDbUsers::walkNewDeleteInTableOrder()
{
    Fixture f;
    f.user.FirstUser();
    QCOMPARE(f.user.UserID(), 0);   // empty table, no report
    f.user.NewUser();
    const int32_t first = f.user.UserID();
    QVERIFY(first > 0);   // readable before UpdateUser
    QCOMPARE(f.user.UserName, QString());
    f.user.UserName = QStringLiteral("Zora");
    f.user.UpdateUser();
    const int32_t second = f.addUser(QStringLiteral("Adam"), QStringLiteral("5"));
    const int32_t third = f.addUser(QStringLiteral("Mia"), QStringLiteral("6"));
    QVERIFY(first < second && second < third);

    QStringList names;
    for (f.user.FirstUser(); f.user.UserID() != 0; f.user.NextUser())
        names << f.user.UserName;
    QCOMPARE(names, QStringList({"Zora", "Adam", "Mia"}));
    f.user.NextUser();   // stays at the end
    QCOMPARE(f.user.UserID(), 0);

    f.user.UserNameSeek(QStringLiteral("Adam"));
    f.user.DelUser();
    QCOMPARE(f.user.UserID(), first);   // first remaining user is current
    f.user.DelUser();
    QCOMPARE(f.user.UserName, QStringLiteral("Mia"));
    f.user.DelUser();
    QCOMPARE(f.user.UserID(), 0);
    QCOMPARE(f.user.UserName, QString());
    QCOMPARE(f.raw(QStringLiteral("SELECT COUNT(*) FROM \"User\"")).toInt(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
    f.user.UpdateUser();   // no current row: nothing written, nothing reported
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbUsers::deactivatedAndApostropheNames()
{
    Fixture f;
    f.addUser(QStringLiteral("Inactive"), QStringLiteral("31"), 3, 1);
    const int32_t obrien = f.addUser(QStringLiteral("O'Brien"), QStringLiteral("0042"));
    f.addUser(QStringLiteral("O'Brien"), QStringLiteral("77"));   // duplicate name: the first one wins

    f.user.UserNameSeek(QStringLiteral("Inactive"));
    QCOMPARE(f.user.UserStatus, 1);
    QCOMPARE(f.user.CategoryNr, int16_t(3));

    f.user.UserNameSeek(QStringLiteral("O'Brien"));
    QCOMPARE(f.user.UserID(), obrien);
    QVERIFY(f.user.IsPasswordValid(QStringLiteral("0042")));
    QVERIFY(!f.user.IsPasswordValid(QStringLiteral("42")));
    f.user.UserNameSeek(QStringLiteral("O' OR '1'='1"));
    QCOMPARE(f.user.UserID(), 0);

    f.user.PasswordSeek(QStringLiteral("0042"));
    QCOMPARE(f.user.UserName, QStringLiteral("O'Brien"));
    f.user.PasswordSeek(QStringLiteral("4"));
    QCOMPARE(f.user.UserID(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbUsers::readOnlySettingsRefuseWrites()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    f.user.DbClose();
    f.user.setRSCursorType(QStringLiteral("3"));
    f.user.setRSLockType(QStringLiteral("1"));
    f.user.DbOpen();
    QVERIFY(f.user.IsOpen());
    f.user.NewUser();
    f.user.UserNameSeek(QStringLiteral("Anna"));
    f.user.UserName = QStringLiteral("Changed");
    f.user.UpdateUser();
    f.user.DelUser();
    QCOMPARE(RuntimeErrorLines().size(), 3);
    QVERIFY(RuntimeErrorLines()[0].startsWith(QStringLiteral("Error 3251 : ")));
    QVERIFY(RuntimeErrorLines()[0].endsWith(QStringLiteral("(clsUser -> NewUser)")));
    QVERIFY(RuntimeErrorLines()[1].endsWith(QStringLiteral("(clsUser -> DataWrite)")));
    QVERIFY(RuntimeErrorLines()[2].endsWith(QStringLiteral("(clsUser -> DelUser)")));
    QCOMPARE(f.raw(QStringLiteral("SELECT group_concat(UserName) FROM \"User\"")).toString(), QStringLiteral("Anna"));
}

void TestUserDbUsers::failuresAreReportedAndSteppedOver()
{
    Fixture f;
    f.addUser(QStringLiteral("Anna"), QStringLiteral("1"));
    f.user.setFaultHook([](const QString &op) {
        return op == QLatin1String("UserNameSeek")
                   ? QSqlError(QString(), QStringLiteral("disk I/O error"), QSqlError::StatementError,
                               QStringLiteral("10"))
                   : QSqlError();
    });
    f.user.UserNameSeek(QStringLiteral("Anna"));
    QCOMPARE(RuntimeErrorLines(), QStringList({"Error 10 : disk I/O error (clsUser -> UserNameSeek)"}));
    QVERIFY(f.sb.logText().contains(QStringLiteral("  Function Name :UserNameSeek")));
    f.user.PasswordSeek(QStringLiteral("1"));   // the next operation carries on
    QCOMPARE(f.user.UserName, QStringLiteral("Anna"));
}

QTEST_MAIN(TestUserDbUsers)
#include "tst_userdb_users.moc"
