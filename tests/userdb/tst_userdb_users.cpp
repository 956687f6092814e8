#include "UserDbFixture.h"

#include <QFile>

using UserDbTest::Fixture;

class TestUserDbUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingFileIsFatal();
    void otherFilesAreReportedNotOpened();
    void missingUserAndAdministrator();
    void commentsAndSingleBlank();
    void deleteToTheLastUser();
    void deactivatedAndApostropheNames();
};

void TestUserDbUsers::missingFileIsFatal()
{
    Fixture f(false);
    f.user.DbOpen();
    const QString file = f.sb.programDir + "/Users.mdb";
    QCOMPARE(Dialogs::Shown().size(), 1);
    const Dialogs::MessageRecord &m = Dialogs::Shown().first();
    QCOMPARE(m.icon, QMessageBox::Warning);
    QCOMPARE(m.title, QStringLiteral("Fatal Error"));
    QCOMPARE(m.text, "Database not Found !" + NewLine + NewLine + "'" + file + "'");
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY(!f.user.IsOpen());
    const QString log = f.sb.logText();
    const int pathLine = log.indexOf("User DB Path : " + file);
    QVERIFY(pathLine >= 0);
    QVERIFY(log.indexOf("Fatal Error : Database not Found !") > pathLine);
}

void TestUserDbUsers::otherFilesAreReportedNotOpened()
{
    Fixture f(false);
    QSqlDatabase db = Sql::Open(f.file(), false, 1000);
    QSqlQuery(db).exec("CREATE TABLE Question (QuestionNr INTEGER)");
    Sql::Close(db);
    f.user.DbOpen();
    QVERIFY(!f.user.IsOpen());
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].contains("missing table User"));
    f.user.FirstUser();   // reported instead of crashing
    QCOMPARE(f.user.UserID(), 0);
    QVERIFY(RuntimeErrorLines().last().endsWith("(clsUser -> FirstUser)"));
}

void TestUserDbUsers::missingUserAndAdministrator()
{
    Fixture f;
    f.addUser("_Vestr", "999");
    f.addUser("_vestr", "111", 2);
    f.user.UserNameSeek("_Vestr");
    QVERIFY(f.user.IsAdmin());
    QVERIFY(f.user.IsPasswordValid("999"));
    QVERIFY(!f.user.IsPasswordValid("9990"));
    f.user.UserNameSeek("_vestr");
    QCOMPARE(f.user.CategoryNr, int16_t(2));
    QVERIFY(!f.user.IsAdmin());

    f.user.UserNameSeek("Nobody");
    QCOMPARE(f.user.UserID(), 0);
    QCOMPARE(f.user.UserName + f.user.Password, QString());
    QCOMPARE(f.user.LanguageNr + f.user.CategoryNr + f.user.BookNr + f.user.UserStatus, 0);
    QVERIFY(!f.user.IsPasswordValid("999"));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbUsers::commentsAndSingleBlank()
{
    Fixture f;
    const int32_t empty = f.addUser("Anna", "1", 0, 0, QString());
    f.addUser("Ben", "2", 0, 0, " ");
    f.addUser("Cleo", "3", 0, 0, " late ");
    QCOMPARE(f.raw(QString("SELECT UserComment FROM \"User\" WHERE UserID = %1").arg(empty)).toString(), " ");
    for (const char *name : {"Anna", "Ben"}) {
        f.user.UserNameSeek(name);
        QCOMPARE(f.user.UserName, QString(name));
        QCOMPARE(f.user.UserComment, QString());
    }
    f.user.UserNameSeek("Cleo");
    QCOMPARE(f.user.UserComment, QStringLiteral(" late "));
}

void TestUserDbUsers::deleteToTheLastUser()
{
    Fixture f;
    const int32_t first = f.addUser("Zora", "4");
    f.addUser("Adam", "5");
    f.user.DelUser();
    QCOMPARE(f.user.UserID(), first);   // first remaining user is current
    f.user.DelUser();   // the last one
    QCOMPARE(f.user.UserID(), 0);
    QCOMPARE(f.user.UserName, QString());
    f.user.UpdateUser();   // no current row: nothing written, nothing reported
    QCOMPARE(f.raw("SELECT COUNT(*) FROM \"User\"").toInt(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbUsers::deactivatedAndApostropheNames()
{
    Fixture f;
    f.addUser("Inactive", "31", 3, 1);
    const int32_t obrien = f.addUser("O'Brien", "0042");
    f.addUser("O'Brien", "77");   // duplicate name: the first one wins

    f.user.UserNameSeek("Inactive");
    QCOMPARE(f.user.UserStatus, 1);
    QCOMPARE(f.user.CategoryNr, int16_t(3));
    QCOMPARE(f.raw(QString("SELECT UserName FROM \"User\" WHERE UserID = %1").arg(obrien)).toString(), "O'Brien");
    f.user.UserNameSeek("O'Brien");
    QCOMPARE(f.user.UserID(), obrien);
    QVERIFY(f.user.IsPasswordValid("0042"));
    QVERIFY(!f.user.IsPasswordValid("42"));
    f.user.UserNameSeek("O' OR '1'='1");
    QCOMPARE(f.user.UserID(), 0);
    f.user.PasswordSeek("0042");
    QCOMPARE(f.user.UserName, QStringLiteral("O'Brien"));
    QVERIFY(RuntimeErrorLines().isEmpty());
}

QTEST_MAIN(TestUserDbUsers)
#include "tst_userdb_users.moc"
