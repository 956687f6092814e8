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

// Every stored user of <dir>/school.db as "name/PIN/language/category/book/status/comment".
QStringList Stored(const QString &dir)
{
    clsUser u;
    u.setDbPath(dir), u.setDbFileName("school.db");
    u.DbOpen();
    QStringList users;
    for (u.FirstUser(); u.UserID() != 0; u.NextUser())
        users << QStringList{u.UserName, u.Password, QString::number(u.LanguageNr), QString::number(u.CategoryNr),
                             QString::number(u.BookNr), QString::number(u.UserStatus), u.UserComment}.join('/');
    return users;
}

} // namespace

class TestVelkoUsers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createAndAddRefusingBadInput();
    void pinFromStandardInput();
};

void TestVelkoUsers::createAndAddRefusingBadInput()
{
    TestSupport::Sandbox sb;
    const QString file = sb.dir.path() + "/school.db";
    // Refused: no file made.
    QCOMPARE(Tool({"create", file, "--password-stdin"}, "12a4\n").code, 2);
    QCOMPARE(Tool({"create", file}).code, 2);
    QCOMPARE(Tool({"create", file, "--password-stdin"}).code, 2);   // nothing on standard input
    QCOMPARE(Tool({"create", file, "--password-stdin"}, "\n").code, 2);
    QCOMPARE(Tool({"create", file, "--password-stdin", "--admin-password", "1"}, "1\n").code, 2);
    QVERIFY(!QFile::exists(file));

    const ToolRun r = Tool({"create", file, "--password-stdin"}, "0815\n");
    QVERIFY(r.code == 0 && r.err.isEmpty());
    const QStringList add = {"add", file, "--language", "it", "--category", "D1", "--book", "3", "--password-stdin"};
    const ToolRun a = Tool(add + QStringList{"--name", "O'Neil", "--comment", "evening course"}, "0042\r\n9\n");
    QVERIFY(a.code == 0 && a.err.isEmpty());
    QCOMPARE(Tool(add + QStringList{"--name", "_Vestr"}, "2\n").code, 1);   // already there
    QCOMPARE(Tool(add + QStringList{"--name", "Eva"}, "12a4\n").code, 2);

    QCOMPARE(Stored(sb.dir.path()), QStringList({"_Vestr/0815/0/0/1/0/", "O'Neil/0042/2/3/3/0/evening course"}));
    QVERIFY(RuntimeErrorLines().isEmpty());

    // Another file in the place: kept.
    const QString other = sb.dir.path() + "/other.db";
    TestSupport::WriteFile(other, "keep me");
    const ToolRun kept = Tool({"create", other, "--admin-password", "1"});
    QCOMPARE(kept.code, 1);
    QVERIFY(kept.err.contains("already exists"));
    QCOMPARE(TestSupport::ReadFile(other), QByteArray("keep me"));

    const ToolRun help = Tool({"--help"});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains("create <file> --password-stdin") && help.out.contains("warning"));
}

// The PIN comes from standard input; the old options that show it in the
// process list still work but warn. Either way the stored PIN is the given one.
void TestVelkoUsers::pinFromStandardInput()
{
    const QStringList stdinPin = {"--password-stdin"};
    const struct { QStringList create, add; QString input; QStringList pins; bool warned; } cases[] = {
        {stdinPin, stdinPin, "4711\n", {"4711", "4711"}, false},
        {stdinPin, stdinPin, "0007", {"0007", "0007"}, false},   // last line without line end
        {{"--admin-password", "0815"}, {"--password", "0042"}, "99\n", {"0815", "0042"}, true}};
    for (const auto &c : cases) {
        TestSupport::Sandbox sb;
        const QString file = sb.dir.path() + "/school.db";
        const ToolRun created = Tool(QStringList{"create", file} + c.create, c.input);
        const ToolRun added = Tool(QStringList{"add", file, "--name", "Eva", "--language", "de", "--category", "C",
                                               "--book", "1"} + c.add, c.input);
        QVERIFY(created.code == 0 && added.code == 0);
        for (const ToolRun &r : {created, added})
            QVERIFY2(r.err.contains("warning:") == c.warned && r.err.contains("--password-stdin") == c.warned,
                     qPrintable(r.err));
        QCOMPARE(Stored(sb.dir.path()), QStringList({"_Vestr/" + c.pins[0] + "/0/0/1/0/", "Eva/" + c.pins[1] + "/0/0/1/0/"}));
    }
}

QTEST_MAIN(TestVelkoUsers)
#include "tst_velko_users.moc"
