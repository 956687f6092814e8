#include "UserDbFixture.h"
#include "tools/velko-users/UsersTool.h"

namespace {

struct ToolRun {
    int code = -1;
    QString out, err;
};

// Runs the tool with `input` as its standard input.
ToolRun Tool(const QStringList &args, QString input = QString())
{
    ToolRun r;
    QTextStream out(&r.out), err(&r.err), in(&input);
    r.code = UsersToolRun(args, out, err, &in);
    out.flush();
    err.flush();
    return r;
}

} // namespace

class TestVelkoUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createAndAdd();
    void createRefusesBadInput();
    void pinFromStandardInput_data();
    void pinFromStandardInput();
};

void TestVelkoUsers::createAndAdd()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + "/school.db";
    const ToolRun r = Tool({"create", file, "--password-stdin"}, "0815\n");
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList add = {"add", file, "--language", "it", "--category", "D1", "--book", "3", "--password-stdin"};
    const ToolRun a = Tool(add + QStringList{"--name", "O'Neil", "--comment", "evening course"}, "0042\r\n9\n");
    QCOMPARE(a.code, 0);
    QVERIFY(a.err.isEmpty());
    QCOMPARE(Tool(add + QStringList{"--name", "_Vestr"}, "2\n").code, 1);   // already there
    QCOMPARE(Tool(add + QStringList{"--name", "Eva"}, "12a4\n").code, 2);

    clsUser u;
    u.setDbPath(sb.dir.path());
    u.setDbFileName("school.db");
    u.DbOpen();
    u.FirstUser();
    QVERIFY(u.IsAdmin());
    QCOMPARE(u.Password, QStringLiteral("0815"));
    QCOMPARE(QList<int>({u.LanguageNr, u.CategoryNr, u.BookNr, u.UserStatus}), QList<int>({0, 0, 1, 0}));
    u.NextUser();
    QCOMPARE(QStringList({u.UserName, u.Password, u.UserComment}), QStringList({"O'Neil", "0042", "evening course"}));
    QCOMPARE(QList<int>({u.LanguageNr, u.CategoryNr, u.BookNr, u.UserStatus}), QList<int>({2, 3, 3, 0}));
    u.NextUser();
    QCOMPARE(u.UserID(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestVelkoUsers::createRefusesBadInput()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + "/school.db";
    QCOMPARE(Tool({"create", file, "--password-stdin"}, "12a4\n").code, 2);
    QCOMPARE(Tool({"create", file}).code, 2);
    QCOMPARE(Tool({"create", file, "--password-stdin"}).code, 2);   // nothing on standard input
    QCOMPARE(Tool({"create", file, "--password-stdin"}, "\n").code, 2);
    QCOMPARE(Tool({"create", file, "--password-stdin", "--admin-password", "1"}, "1\n").code, 2);
    QVERIFY(!QFile::exists(file));

    QFile existing(file);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    const ToolRun r = Tool({"create", file, "--admin-password", "1"});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains("already exists"));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep me"));

    const ToolRun help = Tool({"--help"});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains("create <file> --password-stdin") && help.out.contains("warning"));
}

// The PIN comes from standard input; the old options that show it in the
// process list still work but warn. Either way the stored PIN is the given one.
void TestVelkoUsers::pinFromStandardInput_data()
{
    QTest::addColumn<QStringList>("create");
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QString>("input");       // standard input of each run
    QTest::addColumn<QStringList>("pins");    // stored: administrator, user
    QTest::addColumn<bool>("warned");
    QTest::newRow("standard input") << QStringList{"--password-stdin"} << QStringList{"--password-stdin"}
                                    << "4711\n" << QStringList{"4711", "4711"} << false;
    QTest::newRow("last line without line end") << QStringList{"--password-stdin"}
                                                << QStringList{"--password-stdin"} << "0007"
                                                << QStringList{"0007", "0007"} << false;
    QTest::newRow("command line, warned") << QStringList{"--admin-password", "0815"}
                                          << QStringList{"--password", "0042"} << "99\n"
                                          << QStringList{"0815", "0042"} << true;
}

void TestVelkoUsers::pinFromStandardInput()
{
    QFETCH(QStringList, create);
    QFETCH(QStringList, add);
    QFETCH(QString, input);
    QFETCH(QStringList, pins);
    QFETCH(bool, warned);
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + "/school.db";
    const ToolRun c = Tool(QStringList{"create", file} + create, input);
    const ToolRun a = Tool(QStringList{"add", file, "--name", "Eva", "--language", "de", "--category", "C", "--book",
                                       "1"} + add, input);
    QCOMPARE(c.code, 0);
    QCOMPARE(a.code, 0);
    for (const ToolRun &r : {c, a}) {
        QCOMPARE(r.err.contains("warning:"), warned);
        QCOMPARE(r.err.contains("--password-stdin"), warned);
    }
    clsUser u;
    u.setDbPath(sb.dir.path());
    u.setDbFileName("school.db");
    u.DbOpen();
    u.FirstUser();
    const QString admin = u.Password;
    u.NextUser();
    QCOMPARE(QStringList({admin, u.Password}), pins);
}

QTEST_MAIN(TestVelkoUsers)
#include "tst_velko_users.moc"
