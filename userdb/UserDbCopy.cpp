#include "userdb/UserDbCopy.h"

#include "core/SqlSupport.h"
#include "userdb/UserDbCreate.h"
#include "userdb/UserDbDialect.h"
#include "userdb/UserDbSchema.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

using UserDbSchema::Table;
using UserDbSchema::Tables;

QString Name(const Table &t) { return QString::fromLatin1(t.name); }
QString Key(const Table &t) { return QString::fromLatin1(t.key); }

// "User" is a reserved word on the server and always written quoted.
QString InSql(const Table &t)
{
    return Name(t) == QLatin1String("User") ? QStringLiteral("\"User\"") : Name(t);
}

QString Rows(qint64 n)
{
    return n == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(n);
}

bool SameDatabase(const UserDbLocation &a, const UserDbLocation &b)
{
    if (a.engine != b.engine)
        return false;
    if (a.isServer())
        return a.serverText() == b.serverText();
    const QString canonical = QFileInfo(a.file()).canonicalFilePath();
    return QFileInfo(a.file()).absoluteFilePath() == QFileInfo(b.file()).absoluteFilePath()
           || (!canonical.isEmpty() && canonical == QFileInfo(b.file()).canonicalFilePath());
}

// One side of the copy: where it is, its connection and its SQL.
struct Side {
    UserDbLocation location;
    UserDbDialect dialect;
    QSqlDatabase db;
    bool inTransaction = false;

    explicit Side(const UserDbLocation &loc) : location(loc), dialect(loc.engine) {}
    ~Side() { close(); }

    QString named() const { return location.describe(); }

    bool open(QString &error)
    {
        db = UserDbDialect::Open(location);
        if (db.isOpen())
            return true;
        error = location.isServer() ? named() + QStringLiteral(" cannot be reached: ")
                                          + Sql::ErrorMessage(db.lastError())
                                    : QStringLiteral("no user database at ") + location.file();
        return false;
    }

    bool exec(const QString &sql, QString &error)
    {
        QSqlQuery q(db);
        if (q.exec(sql))
            return true;
        error = named() + QStringLiteral(": ") + Sql::ErrorMessage(q.lastError());
        return false;
    }

    bool begin(const QString &sql, QString &error)
    {
        inTransaction = exec(sql, error);
        return inTransaction;
    }

    // Ends an open transaction: COMMIT when asked, else ROLLBACK.
    bool end(bool commit, QString &error)
    {
        if (!inTransaction)
            return true;
        inTransaction = false;
        if (commit && exec(QStringLiteral("COMMIT"), error))
            return true;
        QString ignored;
        exec(QStringLiteral("ROLLBACK"), ignored);
        return !commit;
    }

    void close()
    {
        QString ignored;
        end(false, ignored);
        Sql::Close(db);
    }

    // Whether the open database is a user database this program can use,
    // as the access object checks it when opening.
    bool isUserDb(QString &error)
    {
        QString missing;
        QSqlQuery probe(db);
        if (!probe.exec(dialect.catalogueProbe())) {
            error = named() + QStringLiteral(" is not a user database: ") + Sql::ErrorMessage(probe.lastError());
            return false;
        }
        if (!UserDbSchema::Verify(db, dialect, missing)) {
            error = named() + QStringLiteral(" is not a user database (missing ") + missing + QLatin1Char(')');
            return false;
        }
        const QString problem = UserDbSchema::VersionProblem(db, dialect);
        if (!problem.isEmpty()) {
            error = named() + QStringLiteral(" cannot be used: ") + problem;
            return false;
        }
        return true;
    }

    bool count(const Table &t, qint64 &n, QString &error)
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + InSql(t)) || !q.next()) {
            error = named() + QStringLiteral(", table ") + Name(t) + QStringLiteral(": ")
                    + Sql::ErrorMessage(q.lastError());
            return false;
        }
        n = q.value(0).toLongLong();
        return true;
    }

    // The table's columns as the catalogue names them.
    QStringList columns(const Table &t)
    {
        QStringList names;
        const QSqlRecord rec = db.record(dialect.catalogueName(db, Name(t)));
        for (int i = 0; i < rec.count(); ++i)
            names << rec.fieldName(i);
        return names;
    }
};

class Copy
{
public:
    Copy(const UserDbLocation &from, const UserDbLocation &to, bool replace, QStringList &report)
        : m_source(from), m_target(to), m_replace(replace), m_report(report)
    {
    }

    bool run(QString &error)
    {
        return openSource(error) && openTarget(error) && write(error) && compare(error);
    }

    // After a failure: the target's transaction is rolled back, and a target
    // made by the copy is removed again.
    void undo()
    {
        m_source.close();
        m_target.close();
        if (m_targetMade)
            UserDbRemoveCreated(m_target.location);
    }

private:
    // The source is read in one read transaction: every table as of one moment.
    bool openSource(QString &error)
    {
        return m_source.open(error) && m_source.begin(m_source.dialect.beginConsistentRead(), error)
               && m_source.isUserDb(error);
    }

    bool openTarget(QString &error)
    {
        const UserDbLocation &to = m_target.location;
        if (!to.isServer() && !QFileInfo::exists(to.file())) {
            if (!UserDbSchema::Create(to, error))
                return false;
            m_targetMade = true;
        }
        if (!m_target.open(error))
            return false;
        if (to.isServer() && m_target.dialect.hasNoTables(m_target.db)) {
            if (!UserDbSchema::Create(to, error))
                return false;
            m_targetMade = true;
        }
        return m_target.isUserDb(error);
    }

    bool write(QString &error)
    {
        if (!m_target.begin(m_target.dialect.beginWrite(), error))
            return false;
        QStringList held;
        for (const Table &t : Tables) {
            qint64 n = 0;
            if (!m_target.count(t, n, error))
                return false;
            if (n > 0)
                held << Name(t) + QStringLiteral(": ") + Rows(n);
        }
        if (!held.isEmpty() && !m_replace) {
            error = m_target.named() + QStringLiteral(" already holds user data (") + held.join(QStringLiteral(", "))
                    + QStringLiteral("); it is only replaced when asked to (--replace)");
            return false;
        }
        if (!held.isEmpty()) {
            for (const Table &t : Tables)
                if (!m_target.exec(QStringLiteral("DELETE FROM ") + InSql(t), error))
                    return false;
            m_replaced = QStringLiteral("replaced the former rows of ") + m_target.named() + QStringLiteral(" (")
                         + held.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        for (const Table &t : Tables)
            if (!copyTable(t, error))
                return false;
        return m_target.end(true, error);
    }

    // Every row with all its columns, keys included, through one prepared
    // statement; then the target numbers new rows past the copied keys.
    bool copyTable(const Table &t, QString &error)
    {
        // A failure rolls the target back at once: the server lets the
        // prepared statement go only outside a failed transaction.
        const auto fail = [&](const QString &message) {
            error = message;
            QString ignored;
            m_target.end(false, ignored);
            return false;
        };
        const QString where = QStringLiteral(", table ") + Name(t) + QStringLiteral(": ");
        const QStringList columns = m_target.columns(t);
        QStringList lower = columns, sourceColumns = m_source.columns(t);
        for (QString &c : lower)
            c = c.toLower();
        for (QString &c : sourceColumns)
            c = c.toLower();
        QStringList sorted = lower;
        sorted.sort();
        sourceColumns.sort();
        if (columns.isEmpty() || sorted != sourceColumns)
            return fail(QStringLiteral("the columns of table ") + Name(t) + QStringLiteral(" differ between ")
                        + m_source.named() + QStringLiteral(" and ") + m_target.named());
        const QString list = columns.join(QStringLiteral(", "));
        QSqlQuery read(m_source.db);
        read.setForwardOnly(true);
        if (!read.exec(QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + InSql(t)
                       + QStringLiteral(" ORDER BY ") + Key(t)))
            return fail(m_source.named() + where + Sql::ErrorMessage(read.lastError()));
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        QSqlQuery insert(m_target.db);
        if (!insert.prepare(QStringLiteral("INSERT INTO ") + InSql(t) + QStringLiteral(" (") + list
                            + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')')))
            return fail(m_target.named() + where + Sql::ErrorMessage(insert.lastError()));
        const int keyColumn = lower.indexOf(Key(t).toLower());
        while (read.next()) {
            for (int i = 0; i < columns.size(); ++i)
                insert.bindValue(i, read.value(i));
            // Only the first line of the message: the server's detail lines
            // quote the whole row, PIN included.
            if (!insert.exec())
                return fail(m_target.named() + QStringLiteral(", table ") + Name(t) + QStringLiteral(", row ")
                            + Key(t) + QLatin1Char('=') + read.value(keyColumn).toString() + QStringLiteral(": ")
                            + Sql::ErrorMessage(insert.lastError()).section(QLatin1Char('\n'), 0, 0));
        }
        if (read.lastError().isValid())
            return fail(m_source.named() + where + Sql::ErrorMessage(read.lastError()));
        const QString restart = m_target.dialect.identityRestart(Name(t), Key(t));
        QString failure;
        if (!restart.isEmpty() && !m_target.exec(restart, failure))
            return fail(failure);
        return true;
    }

    // The committed target against the source, still read in its transaction.
    bool compare(QString &error)
    {
        for (const Table &t : Tables) {
            qint64 source = 0, target = 0;
            if (!m_source.count(t, source, error) || !m_target.count(t, target, error))
                return false;
            if (source != target) {
                error = QStringLiteral("table ") + Name(t) + QStringLiteral(": ") + m_source.named()
                        + QStringLiteral(" holds ") + Rows(source) + QStringLiteral(", the copy in ")
                        + m_target.named() + QStringLiteral(" ") + Rows(target);
                return false;
            }
            m_report << Name(t) + QStringLiteral(": ") + Rows(target);
        }
        m_source.end(false, error);
        if (!m_replaced.isEmpty())
            m_report << m_replaced;
        m_report << QStringLiteral("copied ") + m_source.named() + QStringLiteral(" to ") + m_target.named();
        return true;
    }

    Side m_source;
    Side m_target;
    bool m_replace;
    bool m_targetMade = false;
    QString m_replaced;
    QStringList &m_report;
};

} // namespace

bool UserDbCopy(const UserDbLocation &from, const UserDbLocation &to, bool replace, QStringList &report,
                QString &error)
{
    for (const UserDbLocation *loc : {&from, &to}) {
        if (!loc->problem.isEmpty()) {
            error = loc->problem;
            return false;
        }
    }
    if (SameDatabase(from, to)) {
        error = QStringLiteral("the source and the target are the same database: ") + from.describe();
        return false;
    }
    Copy copy(from, to, replace, report);
    if (copy.run(error))
        return true;
    copy.undo();
    return false;
}
