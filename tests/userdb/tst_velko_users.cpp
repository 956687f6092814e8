#include "UserDbFixture.h"
#include "tools/velko-users/UsersTool.h"

namespace {

struct ToolRun {
    int code = -1;
    QString out, err;
};

ToolRun Tool(const QStringList &args)
{
    ToolRun r;
    QTextStream out(&r.out), err(&r.err);
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
    void createAndAdd();
    void createRefusesBadInput();
};

void TestVelkoUsers::createAndAdd()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + "/school.db";
    const ToolRun r = Tool({"create", file, "--admin-password", "0815"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.err.isEmpty());
    const QStringList add = {"add", file, "--language", "it", "--category", "D1", "--book", "3"};
    QCOMPARE(Tool(add + QStringList{"--name", "O'Neil", "--password", "0042", "--comment", "evening course"}).code, 0);
    QCOMPARE(Tool(add + QStringList{"--name", "_Vestr", "--password", "2"}).code, 1);   // already there
    QCOMPARE(Tool(add + QStringList{"--name", "Eva", "--password", "12a4"}).code, 2);

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
    QCOMPARE(Tool({"create", file, "--admin-password", "12a4"}).code, 2);
    QCOMPARE(Tool({"create", file}).code, 2);
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
}

QTEST_MAIN(TestVelkoUsers)
#include "tst_velko_users.moc"
