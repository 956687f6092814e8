#pragma once
// Private state of clsUser shared by its source files: the connection, the
// prepared statements and the four "recordsets".
//
// A recordset opened on a whole table walks it by key (a live view that sees
// the rows of other workstations); a recordset opened on a selection holds a
// snapshot of the selected rows, so no read lock stays on the file while a
// screen shows them.
#include "userdb/UserDbDialect.h"
#include "userdb/clsUser.h"

#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

struct sqlite3_stmt;

struct clsUser::Impl
{
    struct Cursor {
        bool open = false;
        bool writable = false;    // lock type other than read-only
        bool tableMode = false;   // opened on the whole table
        bool pendingNew = false;  // a new row waits for its Update
        std::vector<QVariantList> rows;   // snapshot of a selection
        size_t pos = 0;           // snapshot position; rows.size() = end
        qint64 key = 0;           // table mode: key of the current row, 0 = none
        bool atEnd = false;       // table mode: walked past the last row
        bool walking = false;     // user table: userRows hold the whole table in key order (FirstUser)

        void openAs(bool table, bool canWrite)
        {
            *this = Cursor();
            open = true;
            tableMode = table;
            writable = canWrite;
        }
        void close() { *this = Cursor(); }
    };

    QSqlDatabase db;
    UserDbDialect dialect;
    bool dbOpen = false;
    bool inGrading = false;
    bool gradingFailed = false;   // a write of the grading failed: it can only be rolled back
    std::function<QSqlError(const QString &)> faultHook;
    std::map<QString, QSqlQuery> prepared;

    Cursor user, questionStat, questionnaireStat, events;

    // The user table as FirstUser read it, for NextUser to step through.
    // The lists walk every user each time a screen opens, so the rows come
    // from one statement read straight through the engine's own interface
    // (the connection's handle), without a value object per column.
    struct UserRow {
        int32_t id = 0;
        QString name, password;
        int16_t language = 0, category = 0, book = 0;
        int32_t status = 0;
        QString comment;   // a single blank already read as empty
    };
    std::vector<UserRow> userRows;
    sqlite3_stmt *userWalk = nullptr;
    QSqlError readAllUsers(const QString &operation);
    QSqlError readAllUsersGeneric(const QString &operation);

    // One statement, prepared once per connection, run with bound values.
    // Checks the fault hook first under the operation's name. Returns an
    // error without type NoError on failure. The query stays readable until
    // the next call with the same text; finish() it after reading.
    QSqlError run(const QString &operation, const QString &sql, std::initializer_list<QVariant> values,
                  QSqlQuery **result = nullptr);
    QSqlError fault(const QString &operation) const;
    // A transaction or session statement (no values), run as it stands.
    QSqlError control(const QString &operation, const QString &sql);
    // After a lost server connection outside a grading: connects again (the
    // prepared statements went with the old connection). True when the
    // statement is worth running once more.
    bool reconnectAfter(const QSqlError &e);
    // No error while the connection is open; a closed server connection is
    // opened again, except inside a grading, which it has already lost.
    QSqlError connected();
    // Why a statement cannot run now (the fault hook, a closed object, a
    // connection that cannot be opened again); no error when it can.
    QSqlError ready(const QString &operation);
    QSqlError executionError(const QSqlQuery &q) const;
    // The key of the row an INSERT ... RETURNING just wrote.
    QSqlError newKey(QSqlQuery *q, int32_t &key);
    // The first column of every row of a statement run as above; empty
    // after a failure, which is reported.
    QVariantList firstColumn(const QString &operation, const QString &sql, std::initializer_list<QVariant> values);
    void dropStatements();
    QSqlError runPrepared(const QString &sql, std::initializer_list<QVariant> values, QSqlQuery **result);

    // Reads every row of a query into a snapshot.
    static std::vector<QVariantList> fetchAll(QSqlQuery &q);
    static QVariantList fetchOne(QSqlQuery &q, bool &found);
    // Current snapshot row, or nullptr at the end.
    static const QVariantList *current(const Cursor &c) { return c.pos < c.rows.size() ? &c.rows[c.pos] : nullptr; }

    // Runs a step until it succeeds, with the retry lines in the results log:
    // up to 60 retries one second apart, then a report. Only a lock held
    // elsewhere is worth waiting for; any other error is reported at once.
    bool retry(const QString &procedure, const std::function<QSqlError()> &step);
    // The same without the report: the last error, or no error on success.
    QSqlError attempt(const std::function<QSqlError()> &step);
    // A statistics write inside a grading after an earlier one failed: the
    // grading is lost anyway, and after a disk or I/O error the engine may
    // already have ended its transaction, so nothing more may be written.
    bool gradingLost() const { return inGrading && gradingFailed; }
    void writeFailed() { gradingFailed = gradingFailed || inGrading; }

    // Moves a recordset to its first or next row. In table mode the rows are
    // walked in key order; select is the column list with "FROM table ".
    // row is set to the current row, or nullptr at the end.
    QSqlError move(Cursor &c, const QString &operation, const QString &select, const QString &keyColumn,
                   bool first, const QVariantList *&row);
    // Reports a failure under the operation's name; true when the step succeeded.
    static bool succeeded(const QString &operation, const QSqlError &e);
    // Opens a recordset on its whole table, or reports why it cannot.
    void openTable(Cursor &c, const QString &operation, bool canWrite);
    // move() that reports a failure; true when row may be read.
    bool moveReported(Cursor &c, const QString &operation, const QString &select, const QString &keyColumn,
                      bool first, const QVariantList *&row);
    // Why a new row cannot be added to a recordset (no error when it can).
    QSqlError addCheck(const Cursor &c, const QString &operation) const;
    // Why the current or new row of a recordset cannot be written (no error when it can).
    static QSqlError updateCheck(const Cursor &c, int32_t currentId);
    // Opens a recordset on a selection (snapshot) with the given settings.
    QSqlError openSelection(Cursor &c, const QString &operation, const QString &sql,
                            std::initializer_list<QVariant> values, bool canWrite);
    // The value of a one-row selection (for example a count).
    QSqlError scalar(const QString &operation, const QString &sql, std::initializer_list<QVariant> values,
                     QVariantList &row);

    static void report(const QString &procedure, const QSqlError &error);
    static QSqlError error(int number, const QString &message);
    static QSqlError notOpen();
    static QSqlError readOnly();
    static QSqlError noCurrentRow();
    static bool failed(const QSqlError &e) { return e.type() != QSqlError::NoError; }

    // Single blank stands for an empty text in some columns.
    static QString blankIn(const QString &s) { return s.isEmpty() ? QStringLiteral(" ") : s; }
    static QString blankOut(const QVariant &v)
    {
        const QString s = v.toString();
        return s == QLatin1String(" ") ? QString() : s;
    }
    static QDateTime dateOut(const QVariant &v);
};
