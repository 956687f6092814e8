#pragma once
// A user database in the test's sandbox, opened for writing, and small
// helpers that add users and results and read the stored rows directly.
// The free helpers are shared with the training and statistics fixtures.
//
// The user-database tests run once per engine: USERDB_TEST_MAIN runs the
// test class on a SQLite file, or with "--engine postgresql" on a fresh
// database of the test server that scripts/pg-test-server.sh started (its
// connection is read from the file named by VELKO_TEST_PG_STATE).
#include "GradingWrite.h"
#include "TestSupport.h"
#include "core/SqlSupport.h"
#include "userdb/UserDbDialect.h"
#include "userdb/clsUser.h"

#include <QApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace UserDbTest {

inline UserDbLocation::Engine EngineUnderTest = UserDbLocation::Engine::SQLite;

inline bool OnServer() { return EngineUnderTest == UserDbLocation::Engine::PostgreSQL; }

// The test server: socket directory, port and role, from the state file.
// Empty database name and a problem text when there is none.
inline UserDbLocation TestServer(QString &problem)
{
    UserDbLocation loc;
    loc.engine = UserDbLocation::Engine::PostgreSQL;
    const QString state = qEnvironmentVariable("VELKO_TEST_PG_STATE");
    const QStringList lines = QString::fromUtf8(TestSupport::ReadFile(state)).split(QLatin1Char('\n'));
    if (state.isEmpty() || lines.size() < 3 || lines[0].isEmpty()) {
        problem = QStringLiteral("no PostgreSQL test server: VELKO_TEST_PG_STATE ('%1') names no state file "
                                 "written by scripts/pg-test-server.sh start")
                      .arg(state);
        return loc;
    }
    loc.host = lines[0];
    loc.port = lines[1].toInt();
    loc.user = lines[2];
    loc.database = QStringLiteral("postgres");
    return loc;
}

// One statement on the test server's maintenance database.
inline bool ServerExec(const QString &sql, QString &problem)
{
    const UserDbLocation admin = TestServer(problem);
    if (!problem.isEmpty())
        return false;
    QSqlDatabase db = UserDbDialect::Open(admin);
    bool ok = false;
    {
        QSqlQuery q(db);
        ok = db.isOpen() && q.exec(sql);
        if (!ok)
            problem = sql + QStringLiteral(": ") + Sql::ErrorMessage(db.isOpen() ? q.lastError() : db.lastError());
    }
    Sql::Close(db);
    return ok;
}

// A new, empty database on the test server, dropped by its destructor.
struct ServerDatabase {
    UserDbLocation location;
    QString problem;
    ServerDatabase()
    {
        static int counter = 0;
        location = TestServer(problem);
        location.database = QStringLiteral("velko_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        ServerExec(QStringLiteral("CREATE DATABASE ") + location.database, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    ~ServerDatabase()
    {
        QString ignored;
        ServerExec(QStringLiteral("DROP DATABASE IF EXISTS ") + location.database + QStringLiteral(" WITH (FORCE)"),
                   ignored);
    }
};

// The lines of the INI file that point a program at the location.
inline QString IniLines(const UserDbLocation &loc)
{
    if (!loc.isServer())
        return QStringLiteral("USERDB_PATH=%1\nUSERDB_NAME=%2\n").arg(loc.path, loc.fileName);
    return QStringLiteral("USERDB_ENGINE=postgresql\nUSERDB_HOST=%1\nUSERDB_PORT=%2\nUSERDB_DATABASE=%3\n"
                          "USERDB_USER=%4\n")
        .arg(loc.host)
        .arg(loc.port)
        .arg(loc.database, loc.user);
}

// One statement with its values, through a connection of its own.
inline void SqlExec(const QString &file, const QString &sql, const QVariantList &values = {})
{
    QSqlDatabase db = Sql::Open(file, false, 5000);
    {
        QSqlQuery q(db);
        QVERIFY2(q.prepare(sql), qPrintable(sql + " " + q.lastError().text()));
        for (const QVariant &v : values)
            q.addBindValue(v);
        QVERIFY2(q.exec(), qPrintable(sql + " " + q.lastError().text()));
    }
    Sql::Close(db);
}

// Rows of a database (an SQLite file or a server's) as "a|b|c" lines, read
// through a connection of their own, closed after.
inline QStringList query(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
{
    QStringList rows;
    {
        QSqlQuery q(db);
        q.prepare(sql);
        for (const QVariant &v : values)
            q.addBindValue(v);
        for (q.exec(); q.next();) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            rows << cells.join(QLatin1Char('|'));
        }
    }
    Sql::Close(db);
    return rows;
}
inline QStringList query(const UserDbLocation &at, const QString &sql, const QVariantList &values = {})
{
    return query(UserDbDialect::Open(at), sql, values);
}
// A missing file is not created.
inline QStringList query(const QString &file, const QString &sql, const QVariantList &values = {})
{
    return query(QFile::exists(file) ? Sql::Open(file, false, 5000) : QSqlDatabase(), sql, values);
}

// A new user database at the user object's path, opened for writing.
inline void UserDbOpen(clsUser &user)
{
    QString error;
    QVERIFY2(user.DbCreate(error), qPrintable(error));
    user.setRSCursorType(QStringLiteral("2")), user.setRSLockType(QStringLiteral("2"));
    user.DbOpen();
}

inline int32_t UserAdd(clsUser &user, const QString &name, const QString &password, int16_t category = 0,
                       int16_t book = 1, int16_t language = 0, int32_t status = 0, const QString &comment = {})
{
    user.NewUser();
    user.UserName = name, user.Password = password, user.UserComment = comment;
    user.LanguageNr = language, user.CategoryNr = category, user.BookNr = book, user.UserStatus = status;
    user.UpdateUser();
    return user.UserID();
}

// Question results of the current user, one per number.
inline void QuestionsAdd(clsUser &user, const QDateTime &when, const QList<int> &numbers)
{
    user.QuestionStatOpen();
    for (int nr : numbers) {
        user.QuestionStatAdd();
        user.QuestionNr = nr, user.QuestionDateTime = when;
        user.QuestionStatUpdate();
    }
    user.QuestionStatClose();
}

struct Fixture {
    TestSupport::Sandbox sb;
    std::unique_ptr<ServerDatabase> server;   // on the engine under test being the server
    clsUser user;   // created after the sandbox: reads the sandbox's INI file

    // open: the schema is created and the database opened for writing.
    explicit Fixture(bool open = true)
    {
        if (OnServer()) {
            server = std::make_unique<ServerDatabase>();
            user.setLocation(server->location);
            // Other access objects of the test read the same settings.
            sb.writeIni(QStringLiteral("[Config]\n") + IniLines(server->location));
        }
        if (!open)
            return;
        user.ProgramVersion = QStringLiteral("Velko 2.0.0");
        user.PCName = QStringLiteral("PC-7"), user.WindowsVersion = QStringLiteral("6.1.7601");
        UserDbOpen(user);
    }
    ~Fixture() { user.DbClose(); }   // before the server database is dropped
    const UserDbLocation &location() const { return user.Location(); }
    // The database as the helper programs and the tools take it.
    QString where() const { return location().toText(); }

    int32_t addUser(const QString &name, const QString &password, int16_t category = 0, int32_t status = 0,
                    const QString &comment = QString())
    {
        return UserAdd(user, name, password, category, 2, 1, status, comment);
    }

    void addQuestions(const QDateTime &when, const QList<int> &numbers) { QuestionsAdd(user, when, numbers); }

    int count(const QString &table) const { return raw("SELECT COUNT(*) FROM " + table).toInt(); }
    // The first row of a query, read through a connection of its own.
    QVariant raw(const QString &sql) const { return query(location(), sql).value(0); }
};

// Another workstation's statement, through a connection of its own.
inline bool ExecElsewhere(const UserDbLocation &loc, const QString &sql)
{
    QSqlDatabase db = UserDbDialect::Open(loc, true);
    const bool ok = QSqlQuery(db).exec(sql);
    Sql::Close(db);
    return ok;
}

// What a tool's run in-process gave: its exit code and its two outputs.
struct ToolRun {
    int code = -1;
    QString out, err;
};
template <class Run> ToolRun RunTool(const Run &run)
{
    ToolRun r;
    QTextStream out(&r.out), err(&r.err);
    r.code = run(out, err);
    out.flush(), err.flush();
    return r;
}

// Runs the test class on the engine named by "--engine sqlite|postgresql"
// (taken out of the arguments), SQLite by default.
inline int RunOnEngine(QObject *test)
{
    QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QLatin1String("--engine"));
    if (at > 0 && at + 1 < args.size()) {
        if (args[at + 1] == QLatin1String("postgresql"))
            EngineUnderTest = UserDbLocation::Engine::PostgreSQL;
        args.remove(at, 2);
    }
    return QTest::qExec(test, args);
}

} // namespace UserDbTest

#define USERDB_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char **argv)                                                                            \
    {                                                                                                          \
        QApplication app(argc, argv);                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                             \
        TestObject tc;                                                                                         \
        return UserDbTest::RunOnEngine(&tc);                                                                   \
    }
