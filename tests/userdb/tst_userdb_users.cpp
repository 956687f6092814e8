#include "UserDbFixture.h"

using UserDbTest::Fixture;

class TestUserDbUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingOrOtherFileNotOpened();
    void seeksPasswordsAndStoredTexts();
    void storedOnlyByUpdateWalkedFreshDeletedToTheLast();
};

void TestUserDbUsers::missingOrOtherFileNotOpened()
{
    if (!UserDbTest::OnServer()) {
        Fixture f(false);
        f.user.DbOpen();
        QCOMPARE(Dialogs::Shown().size(), 1);
        QCOMPARE(TestSupport::Message(0), "Warning|Fatal Error|Database not Found !" + NewLine + NewLine + "'"
                                              + f.sb.programDir + "/Users.mdb'");
        QCOMPARE(Seams::ProgramEndRequests(), 1);
        QVERIFY(!f.user.IsOpen());
    } else {
        // A database the server does not have: reported, the program goes on.
        Fixture f(false);
        UserDbLocation absent = f.location();
        absent.database = "velko_absent";
        f.user.setLocation(absent);
        f.user.DbOpen();
        QVERIFY(!f.user.IsOpen());
        QCOMPARE(Seams::ProgramEndRequests(), 0);
        QCOMPARE(RuntimeErrorLines().size(), 1);
        QVERIFY2(RuntimeErrorLines()[0].contains("The user database PostgreSQL " + absent.user + "@" + absent.host)
                     && RuntimeErrorLines()[0].contains("velko_absent cannot be reached"),
                 qPrintable(RuntimeErrorLines()[0]));
    }
    {
        // Made by a newer program: refused before anything is read or written.
        Fixture f;
        f.addUser("Anna", "1");
        f.user.DbClose();
        QVERIFY(UserDbTest::ExecElsewhere(f.location(), UserDbTest::OnServer()
                                                            ? "UPDATE SchemaVersion SET Version = 2"
                                                            : "PRAGMA user_version = 2"));
        f.user.DbOpen();
        QVERIFY(!f.user.IsOpen());
        QVERIFY2(RuntimeErrorLines().last().contains("cannot be used: it was made by a newer program (schema "
                                                     "version 2, this program knows 1)"),
                 qPrintable(RuntimeErrorLines().last()));
    }
    // Another database in its place: reported, not opened, the program goes on.
    Fixture f(false);
    QVERIFY(UserDbTest::ExecElsewhere(f.location(), "CREATE TABLE Question (QuestionNr INTEGER)"));
    f.user.DbOpen();
    QVERIFY(!f.user.IsOpen());
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].contains("missing table") && RuntimeErrorLines()[0].contains("User"));
    f.user.FirstUser();   // reported instead of crashing
    QCOMPARE(f.user.UserID(), 0);
    QVERIFY(RuntimeErrorLines().last().endsWith("(clsUser -> FirstUser)"));

    // Settings that name no usable engine: said plainly, nothing opened.
    f.sb.writeIni("[Config]\nUSERDB_ENGINE=oracle\n");
    clsUser other;
    other.DbOpen();
    QVERIFY(!other.IsOpen());
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QVERIFY2(TestSupport::Message(0).startsWith("Warning|Fatal Error|User database settings : USERDB_ENGINE=oracle "
                                                "is not known"),
             qPrintable(TestSupport::Message(0)));
}

void TestUserDbUsers::seeksPasswordsAndStoredTexts()
{
    Fixture f;
    f.addUser("_Vestr", "999");
    f.addUser("_vestr", "111", 2);
    f.addUser("Inactive", "31", 3, 1);
    const int32_t obrien = f.addUser("O'Brien", "0042");
    f.addUser("O'Brien", "77");   // duplicate name: the first one wins
    // Comments: empty stored as a single blank, read back empty; others as given.
    const int32_t empty = f.addUser("Anna", "1", 0, 0, QString());
    f.addUser("Cleo", "3", 0, 0, " late ");
    QCOMPARE(f.raw(QString("SELECT UserComment FROM \"User\" WHERE UserID = %1").arg(empty)).toString(), " ");
    QCOMPARE(f.raw(QString("SELECT UserName FROM \"User\" WHERE UserID = %1").arg(obrien)).toString(), "O'Brien");
    const struct { const char *name, *comment; int category, status; } read[] = {
        {"_vestr", "", 2, 0}, {"Inactive", "", 3, 1}, {"Anna", "", 0, 0}, {"Cleo", " late ", 0, 0}};
    for (const auto &r : read) {
        f.user.UserNameSeek(r.name);
        QCOMPARE(QStringList({f.user.UserName, f.user.UserComment}), QStringList({r.name, r.comment}));
        QCOMPARE(QList<int>({f.user.CategoryNr, f.user.UserStatus}), QList<int>({r.category, r.status}));
        QVERIFY(!f.user.IsAdmin());
    }
    // Passwords match whole: no prefix, no extension, never an empty one.
    f.user.UserNameSeek("_Vestr");
    QVERIFY(f.user.IsAdmin());
    QVERIFY(f.user.IsPasswordValid("999"));
    for (const char *wrong : {"9990", "99", ""})
        QVERIFY2(!f.user.IsPasswordValid(wrong), wrong);
    f.user.UserNameSeek("O'Brien");
    QCOMPARE(f.user.UserID(), obrien);
    QVERIFY(f.user.IsPasswordValid("0042") && !f.user.IsPasswordValid("42"));
    f.user.PasswordSeek("0042");
    QCOMPARE(f.user.UserName, QStringLiteral("O'Brien"));

    // Nobody found: cleared properties, and nobody signs in.
    for (const char *name : {"Nobody", "O' OR '1'='1"}) {
        f.user.UserNameSeek(name);
        QCOMPARE(f.user.UserID(), 0);
        QCOMPARE(f.user.UserName + f.user.Password, QString());
        QCOMPARE(f.user.LanguageNr + f.user.CategoryNr + f.user.BookNr + f.user.UserStatus, 0);
        QVERIFY(!f.user.IsPasswordValid("999") && !f.user.IsPasswordValid(""));
    }
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestUserDbUsers::storedOnlyByUpdateWalkedFreshDeletedToTheLast()
{
    Fixture f;
    // Another workstation's change, through a connection of its own.
    auto elsewhere = [&f](const QString &sql) { QVERIFY(UserDbTest::ExecElsewhere(f.location(), sql)); };
    auto walk = [&f] {
        QStringList names;
        for (f.user.FirstUser(); f.user.UserID() != 0; f.user.NextUser())
            names << f.user.UserName + ":" + f.user.Password;
        return names;
    };
    const int32_t anna = f.addUser("Anna", "1");
    f.user.NewUser();
    QCOMPARE(f.user.UserID(), 0);
    QCOMPARE(f.count("\"User\""), 1);

    // The save fails: nothing is left behind that a seek or a sign-in could find.
    const QSqlError diskFull(QString(), "disk full", QSqlError::StatementError, "13");
    f.user.setFaultHook([&](const QString &op) { return op == QLatin1String("DataWrite") ? diskFull : QSqlError(); });
    f.user.UserName = "Ben";
    f.user.UpdateUser();
    f.user.setFaultHook({});
    QCOMPARE(RuntimeErrorLines().size(), 1);
    QVERIFY(RuntimeErrorLines()[0].endsWith("(clsUser -> DataWrite)"));
    QCOMPARE(f.count("\"User\""), 1);
    f.user.UserNameSeek("");
    QCOMPARE(f.user.UserID(), 0);
    QVERIFY(!f.user.IsPasswordValid(""));

    // Saved: the new identifier is readable at once and names the stored row.
    const int32_t ben = f.addUser("Ben", "35", 2, 0, "new");
    QVERIFY(ben > anna);
    QCOMPARE(f.raw(QString("SELECT UserName || '/' || Password || '/' || CategoryNr || '/' || UserComment "
                           "FROM \"User\" WHERE UserID = %1").arg(ben)).toString(),
             QStringLiteral("Ben/35/2/new"));

    // A nameless row, as an interrupted creation of an older version left it.
    elsewhere("INSERT INTO \"User\" (UserName, Password, UserStatus) VALUES ('', '', 0)");
    f.addUser("Cleo", "3", 0, 1);
    QCOMPARE(walk(), QStringList({"Anna:1", "Ben:35", ":", "Cleo:3"}));
    f.user.NextUser();   // past the end it stays at the end
    QCOMPARE(f.user.UserID(), 0);

    // A change written elsewhere shows in the next walk; so do deleted and added users.
    elsewhere("UPDATE \"User\" SET Password = '33' WHERE UserName = 'Cleo'");
    QCOMPARE(walk(), QStringList({"Anna:1", "Ben:35", ":", "Cleo:33"}));
    f.user.UserNameSeek("Anna");
    f.user.DelUser();
    QCOMPARE(f.user.UserID(), ben);   // the first remaining one is current
    f.addUser("Dora", "4");
    elsewhere("INSERT INTO \"User\" (UserName, Password, UserStatus) VALUES ('Emil', '5', 0)");
    QCOMPARE(walk(), QStringList({"Ben:35", ":", "Cleo:33", "Dora:4", "Emil:5"}));

    // Deleted to the last user: then none is current.
    f.user.FirstUser();
    for (int left = 5; left > 0; --left)
        f.user.DelUser();
    QCOMPARE(f.user.UserID(), 0);
    QCOMPARE(f.user.UserName, QString());
    f.user.UpdateUser();   // no current row: nothing written, nothing reported
    QCOMPARE(f.count("\"User\""), 0);
    QCOMPARE(RuntimeErrorLines().size(), 1);
}

USERDB_TEST_MAIN(TestUserDbUsers)
#include "tst_userdb_users.moc"
