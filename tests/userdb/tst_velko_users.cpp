#include "UserDbFixture.h"
#include "tools/velko-users/UsersTool.h"

namespace {

struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

ToolRun Tool(const QStringList &args)
{
    ToolRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = UsersToolRun(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace

class TestVelkoUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createWritesTheAdministrator();
    void createRefusesBadInput();
    void addAndList();
    void addRefusesBadInput();
};

void TestVelkoUsers::createWritesTheAdministrator()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + QStringLiteral("/school.db");
    const ToolRun r = Tool({"create", file, "--admin-password", "0815"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());

    clsUser u;
    u.setDbPath(sb.dir.path());
    u.setDbFileName(QStringLiteral("school.db"));
    u.DbOpen();
    u.FirstUser();
    QVERIFY(u.IsAdmin());
    QCOMPARE(u.Password, QStringLiteral("0815"));
    QCOMPARE(u.LanguageNr, int16_t(0));
    QCOMPARE(u.CategoryNr, int16_t(0));
    QCOMPARE(u.BookNr, int16_t(1));
    QCOMPARE(u.UserStatus, 0);
    u.NextUser();
    QCOMPARE(u.UserID(), 0);
    QVERIFY(RuntimeErrorLines().isEmpty());
}

void TestVelkoUsers::createRefusesBadInput()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + QStringLiteral("/school.db");
    QCOMPARE(Tool({"create", file, "--admin-password", "12a4"}).code, 2);
    QCOMPARE(Tool({"create", file, "--admin-password", ""}).code, 2);
    QCOMPARE(Tool({"create", file}).code, 2);
    QVERIFY(!QFile::exists(file));

    QFile existing(file);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    const ToolRun r = Tool({"create", file, "--admin-password", "1"});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("already exists")));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep me"));

    const ToolRun none = Tool({"frobnicate"});
    QCOMPARE(none.code, 2);
    QVERIFY(none.err.contains(QStringLiteral("usage:")));
}

void TestVelkoUsers::addAndList()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + QStringLiteral("/school.db");
    QCOMPARE(Tool({"create", file, "--admin-password", "1"}).code, 0);
    QCOMPARE(Tool({"add", file, "--name", "O'Neil", "--password", "0042", "--language", "it", "--category", "D1",
                   "--book", "3", "--comment", "evening course"})
                 .code,
             0);
    QCOMPARE(Tool({"add", file, "--name", "Bea", "--password", "7", "--language", "fr", "--category", "C1",
                   "--book", "2", "--inactive"})
                 .code,
             0);
    const ToolRun list = Tool({"list", file});
    QCOMPARE(list.code, 0);
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[2], QStringLiteral("2\tO'Neil\tit\tD1\t3\tactive\tevening course"));
    QCOMPARE(lines[3], QStringLiteral("3\tBea\tfr\tC1\t2\tinactive\t"));
}

void TestVelkoUsers::addRefusesBadInput()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + QStringLiteral("/school.db");
    QCOMPARE(Tool({"create", file, "--admin-password", "1"}).code, 0);
    const QStringList base = {"add", file, "--language", "de", "--category", "C", "--book", "1"};
    const ToolRun twice = Tool(base + QStringList{"--name", "_Vestr", "--password", "2"});
    QCOMPARE(twice.code, 1);
    QVERIFY(twice.err.contains(QStringLiteral("already exists")));
    QCOMPARE(Tool(base + QStringList{"--name", "Eva", "--password", "12a4"}).code, 2);
    QCOMPARE(Tool(base + QStringList{"--name", "Eva"}).code, 2);
    QCOMPARE(Tool({"add", file, "--name", "Eva", "--password", "1", "--language", "en", "--category", "C",
                   "--book", "1"})
                 .code,
             2);
    QCOMPARE(Tool({"add", file, "--name", "Eva", "--password", "1", "--language", "de", "--category", "B",
                   "--book", "1"})
                 .code,
             2);
    QCOMPARE(Tool({"add", file, "--name", "Eva", "--password", "1", "--language", "de", "--category", "C",
                   "--book", "x"})
                 .code,
             2);
    const ToolRun missing = Tool({"add", file + "x", "--name", "Eva", "--password", "1", "--language", "de",
                                  "--category", "C", "--book", "1"});
    QCOMPARE(missing.code, 1);
    QVERIFY(Dialogs::Shown().isEmpty());   // no fatal message box from the tool
    QCOMPARE(Tool({"list", file}).out.count('\n'), 2);   // header and the administrator only
}

QTEST_MAIN(TestVelkoUsers)
#include "tst_velko_users.moc"
