#include "userdb/clsUser.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/RuntimeError.h"
#include "core/Seams.h"
#include "core/SqlSupport.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "userdb/UserDbDialect.h"
#include "userdb/UserDbSchema.h"
#include "userdb/clsUserImpl.h"

#include <QSqlDriver>
#include <QSqlRecord>
#include <sqlite3.h>

clsUser *objUser = nullptr;

namespace {

const QString Module = QStringLiteral("clsUser");

const QString ConnectionLostText = QStringLiteral("The connection to the user database was lost.");

const QString UserColumns = QStringLiteral(
    "SELECT UserID, UserName, Password, LanguageNr, CategoryNr, BookNr, UserStatus, UserComment FROM \"User\" ");

void Log(const QString &text)
{
    if (objDebug)
        objDebug->LogPrint(text);
}

} // namespace

// --- private helpers --------------------------------------------------------------

QSqlError clsUser::Impl::fault(const QString &operation) const
{
    return faultHook ? faultHook(operation) : QSqlError();
}

QSqlError clsUser::Impl::run(const QString &operation, const QString &sql, std::initializer_list<QVariant> values,
                             QSqlQuery **result)
{
    QSqlError e = ready(operation);
    if (failed(e))
        return e;
    e = runPrepared(sql, values, result);
    if (failed(e) && reconnectAfter(e))
        e = runPrepared(sql, values, result);
    return e;
}

QSqlError clsUser::Impl::runPrepared(const QString &sql, std::initializer_list<QVariant> values, QSqlQuery **result)
{
    QSqlError e;
    auto it = prepared.find(sql);
    if (it == prepared.end()) {
        it = prepared.emplace(sql, QSqlQuery(db)).first;
        it->second.setForwardOnly(true);
        if (!it->second.prepare(sql)) {
            e = executionError(it->second);
            prepared.erase(it);
            return e;
        }
    }
    QSqlQuery &q = it->second;
    int i = 0;
    for (const QVariant &v : values)
        q.bindValue(i++, v);
    if (!q.exec()) {
        e = executionError(q);
        q.finish();
        return e;
    }
    if (result)
        *result = &q;
    else
        q.finish();
    return QSqlError();
}

QSqlError clsUser::Impl::control(const QString &operation, const QString &sql)
{
    QSqlError e = ready(operation);
    if (failed(e))
        return e;
    QSqlQuery q(db);
    if (!q.exec(sql))
        e = executionError(q);
    if (failed(e) && reconnectAfter(e)) {
        QSqlQuery again(db);
        e = again.exec(sql) ? QSqlError() : executionError(again);
    }
    return e;
}

QSqlError clsUser::Impl::ready(const QString &operation)
{
    const QSqlError e = fault(operation);
    if (failed(e))
        return e;
    return dbOpen ? connected() : notOpen();
}

QSqlError clsUser::Impl::connected()
{
    // The driver closes a server connection it found broken.
    if (db.isOpen())
        return QSqlError();
    const QSqlError lost = error(3001, ConnectionLostText);
    if (inGrading)
        return lost;
    dropStatements();
    if (db.open())
        return QSqlError();
    return error(Sql::ErrorNumber(db.lastError()), Sql::ErrorMessage(lost) + QLatin1Char(' ')
                                                       + Sql::ErrorMessage(db.lastError()));
}

QSqlError clsUser::Impl::executionError(const QSqlQuery &q) const
{
    // A statement refused on a closed connection leaves no error of its own.
    if (failed(q.lastError()))
        return q.lastError();
    return error(3001, ConnectionLostText);
}

bool clsUser::Impl::reconnectAfter(const QSqlError &e)
{
    // Inside a grading the transaction is lost with the connection: the
    // grading fails as a whole, and the next one connects again.
    if (inGrading || !dialect.isConnectionLost(e))
        return false;
    dropStatements();
    db.close();
    return db.open();
}

QSqlError clsUser::Impl::newKey(QSqlQuery *q, int32_t &key)
{
    // The INSERT ends with RETURNING: its one row is the new key.
    if (!q->next())
        return error(3001, QStringLiteral("The new row's key was not returned."));
    key = static_cast<int32_t>(q->value(0).toLongLong());
    q->finish();
    return QSqlError();
}

void clsUser::Impl::dropStatements()
{
    prepared.clear();
    // Before the connection closes: it cannot close with a statement open.
    sqlite3_finalize(userWalk);
    userWalk = nullptr;
    userRows.clear();
}

QSqlError clsUser::Impl::readAllUsers(const QString &operation)
{
    const QVariant handle = dbOpen && db.isOpen() ? db.driver()->handle() : QVariant();
    sqlite3 *engine = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                          ? *static_cast<sqlite3 *const *>(handle.constData())
                          : nullptr;
    if (!engine)
        return readAllUsersGeneric(operation);
    QSqlError e = fault(operation);
    if (failed(e))
        return e;
    auto engineError = [engine] {
        return QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(engine)), QSqlError::StatementError,
                         QString::number(sqlite3_extended_errcode(engine)));
    };
    if (!userWalk) {
        const QByteArray sql = (UserColumns + QStringLiteral("ORDER BY UserID")).toUtf8();
        if (sqlite3_prepare_v3(engine, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &userWalk, nullptr)
            != SQLITE_OK) {
            e = engineError();
            sqlite3_finalize(userWalk);
            userWalk = nullptr;
            return e;
        }
    }
    auto text = [this](int column) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(userWalk, column)),
                                 sqlite3_column_bytes(userWalk, column));
    };
    userRows.clear();
    int rc;
    while ((rc = sqlite3_step(userWalk)) == SQLITE_ROW) {
        UserRow r;
        r.id = sqlite3_column_int(userWalk, 0);
        r.name = text(1);
        r.password = text(2);
        r.language = static_cast<int16_t>(sqlite3_column_int(userWalk, 3));
        r.category = static_cast<int16_t>(sqlite3_column_int(userWalk, 4));
        r.book = static_cast<int16_t>(sqlite3_column_int(userWalk, 5));
        r.status = sqlite3_column_int(userWalk, 6);
        r.comment = text(7);
        if (r.comment == QLatin1String(" "))
            r.comment.clear();
        userRows.push_back(std::move(r));
    }
    if (rc != SQLITE_DONE) {
        e = engineError();
        userRows.clear();
    }
    sqlite3_reset(userWalk);   // lets go of the read lock
    return e;
}

// The same through the driver, for an engine without such a handle.
QSqlError clsUser::Impl::readAllUsersGeneric(const QString &operation)
{
    QSqlQuery *q = nullptr;
    const QSqlError e = run(operation, UserColumns + QStringLiteral("ORDER BY UserID"), {}, &q);
    userRows.clear();
    if (failed(e))
        return e;
    while (q->next()) {
        UserRow r;
        r.id = q->value(0).toInt();
        r.name = q->value(1).toString();
        r.password = q->value(2).toString();
        r.language = static_cast<int16_t>(q->value(3).toInt());
        r.category = static_cast<int16_t>(q->value(4).toInt());
        r.book = static_cast<int16_t>(q->value(5).toInt());
        r.status = q->value(6).toInt();
        r.comment = blankOut(q->value(7));
        userRows.push_back(std::move(r));
    }
    q->finish();
    return QSqlError();
}

std::vector<QVariantList> clsUser::Impl::fetchAll(QSqlQuery &q)
{
    std::vector<QVariantList> rows;
    const int n = q.record().count();
    while (q.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.append(q.value(i));
        rows.push_back(std::move(row));
    }
    q.finish();
    return rows;
}

QVariantList clsUser::Impl::fetchOne(QSqlQuery &q, bool &found)
{
    QVariantList row;
    found = q.next();
    if (found) {
        const int n = q.record().count();
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.append(q.value(i));
    }
    q.finish();
    return row;
}

QSqlError clsUser::Impl::move(Cursor &c, const QString &operation, const QString &select,
                               const QString &keyColumn, bool first, const QVariantList *&row)
{
    row = nullptr;
    if (!c.open)
        return notOpen();
    if (!c.tableMode) {
        const QSqlError e = fault(operation);
        if (failed(e))
            return e;
        if (first)
            c.pos = 0;
        else if (c.pos < c.rows.size())
            ++c.pos;
        row = current(c);
        return QSqlError();
    }
    if (!first && c.atEnd)
        return fault(operation);
    QSqlQuery *q = nullptr;
    const QSqlError e = run(operation,
                            select + QStringLiteral("WHERE ") + keyColumn + QStringLiteral(" > ? ORDER BY ")
                                + keyColumn + QStringLiteral(" LIMIT 1"),
                            {first ? qint64(0) : c.key}, &q);
    if (failed(e))
        return e;
    bool found = false;
    c.rows.clear();
    c.rows.push_back(fetchOne(*q, found));
    c.atEnd = !found;
    c.key = found ? c.rows[0][0].toLongLong() : 0;
    c.pos = found ? 0 : 1;
    row = found ? &c.rows[0] : nullptr;
    return QSqlError();
}

bool clsUser::Impl::succeeded(const QString &operation, const QSqlError &e)
{
    if (!failed(e))
        return true;
    report(operation, e);
    return false;
}

void clsUser::Impl::openTable(Cursor &c, const QString &operation, bool canWrite)
{
    if (succeeded(operation, dbOpen ? fault(operation) : notOpen()))
        c.openAs(true, canWrite);
}

bool clsUser::Impl::moveReported(Cursor &c, const QString &operation, const QString &select,
                                 const QString &keyColumn, bool first, const QVariantList *&row)
{
    return succeeded(operation, move(c, operation, select, keyColumn, first, row));
}

QSqlError clsUser::Impl::addCheck(const Cursor &c, const QString &operation) const
{
    return !c.open ? notOpen() : !c.writable ? readOnly() : fault(operation);
}

QSqlError clsUser::Impl::updateCheck(const Cursor &c, int32_t currentId)
{
    if (!c.open)
        return notOpen();
    if (!c.writable)
        return readOnly();
    return !c.pendingNew && currentId == 0 ? noCurrentRow() : QSqlError();
}

QSqlError clsUser::Impl::openSelection(Cursor &c, const QString &operation, const QString &sql,
                                       std::initializer_list<QVariant> values, bool canWrite)
{
    c.close();
    QSqlQuery *q = nullptr;
    const QSqlError e = run(operation, sql, values, &q);
    if (failed(e))
        return e;
    c.openAs(false, canWrite);
    c.rows = fetchAll(*q);
    return QSqlError();
}

QSqlError clsUser::Impl::scalar(const QString &operation, const QString &sql, std::initializer_list<QVariant> values,
                                QVariantList &row)
{
    QSqlQuery *q = nullptr;
    const QSqlError e = run(operation, sql, values, &q);
    if (failed(e))
        return e;
    bool found = false;
    row = fetchOne(*q, found);
    return found ? QSqlError() : noCurrentRow();
}

QSqlError clsUser::Impl::attempt(const std::function<QSqlError()> &step)
{
    constexpr int MaxRetries = 60;
    for (int n = 0;; ++n) {
        const QSqlError e = step();
        if (!failed(e) || n >= MaxRetries || !dialect.isBusy(e)
            || (inGrading && !dialect.retriesInsideTransaction()))
            return e;
        ResultsLogAppend(QStringLiteral("  erreur: ") + QString::number(Sql::ErrorNumber(e)) + QStringLiteral(" - ")
                         + Sql::ErrorMessage(e) + NewLine);
        if (n + 1 < MaxRetries)
            ResultsLogAppend(QStringLiteral("  nouvel essai dans une seconde (tentative ") + QString::number(n + 2)
                             + QStringLiteral(")") + NewLine);
        else
            ResultsLogAppend(QStringLiteral("  abandon après ") + QString::number(MaxRetries)
                             + QStringLiteral(" essais !") + NewLine);
        Seams::WaitOneSecond();
    }
}

bool clsUser::Impl::retry(const QString &procedure, const std::function<QSqlError()> &step)
{
    return succeeded(procedure, attempt(step));
}

void clsUser::Impl::report(const QString &procedure, const QSqlError &e)
{
    RuntimeErrorReport(Module, procedure, Sql::ErrorNumber(e), Sql::ErrorMessage(e));
}

QSqlError clsUser::Impl::error(int number, const QString &message)
{
    return QSqlError(QString(), message, QSqlError::UnknownError, QString::number(number));
}

QSqlError clsUser::Impl::notOpen()
{
    return error(3704, QStringLiteral("Operation is not allowed when the object is closed."));
}

QSqlError clsUser::Impl::readOnly()
{
    return error(3251, QStringLiteral("Current Recordset does not support updating. This may be a limitation of "
                                      "the provider, or of the selected locktype."));
}

QSqlError clsUser::Impl::noCurrentRow()
{
    return error(3021, QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                      "Requested operation requires a current record."));
}

QDateTime clsUser::Impl::dateOut(const QVariant &v)
{
    if (v.isNull())
        return clsUser::ZeroDate();
    // The rows of one grading share their date-time: the text is converted
    // (a local-time lookup) once for all of them.
    thread_local QString lastText;
    thread_local QDateTime lastMoment;
    const QString text = v.toString();
    if (text.isEmpty() || text != lastText) {
        const QDateTime dt = Sql::DateTimeFromText(text);
        lastText = text;
        lastMoment = dt.isValid() ? dt : clsUser::ZeroDate();
    }
    return lastMoment;
}

// --- life cycle ---------------------------------------------------------------------

clsUser::clsUser() : d(std::make_unique<Impl>())
{
    m_location = UserDbLocation::FromIni(INIFileName());
}

clsUser::~clsUser()
{
    EventsClose();
    QuestionnaireStatClose();
    QuestionStatClose();
    UserClose();
    DbClose();
    if (objUser == this)
        objUser = nullptr;
}

QDateTime clsUser::ZeroDate()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0, 0));
}

void clsUser::setDbPath(const QString &v)
{
    m_location.path = v.isEmpty() ? v : PathAddBackslash(v);
}

bool clsUser::IsOpen() const
{
    return d->dbOpen;
}

void clsUser::setFaultHook(std::function<QSqlError(const QString &)> hook)
{
    d->faultHook = std::move(hook);
}

// --- connection ------------------------------------------------------------------------

void clsUser::DbOpen()
{
    const QString proc = QStringLiteral("DbOpen");
    const QString where = m_location.isServer() ? m_location.describe() : m_location.file();
    if (!m_location.problem.isEmpty() || (!m_location.isServer() && !FileExists(where))) {
        const QString problem = m_location.problem.isEmpty() ? QStringLiteral("Database not Found !")
                                                             : QStringLiteral("User database settings : ")
                                                                   + m_location.problem;
        Log(QStringLiteral("User DB Path : ") + where);
        Dialogs::MsgBox(QMessageBox::Warning, QStringLiteral("Fatal Error"),
                        problem + NewLine + NewLine + QStringLiteral("'") + where + QStringLiteral("'"));
        Log(QStringLiteral("Fatal Error : ") + problem);
        Seams::ProgramEnd();
        return;
    }
    Log((m_location.isServer() ? QStringLiteral("User DB Server : ") : QStringLiteral("User DB Path : ")) + where);
    DbClose();

    d->dialect = UserDbDialect(m_location.engine);
    d->db = UserDbDialect::Open(m_location);
    if (!d->db.isOpen()) {
        QSqlError e = d->db.lastError();
        if (m_location.isServer())
            e = Impl::error(Sql::ErrorNumber(e), QStringLiteral("The user database ") + where
                                                      + QStringLiteral(" cannot be reached: ") + Sql::ErrorMessage(e));
        Impl::report(proc, e);
        Sql::Close(d->db);
        return;
    }
    d->dbOpen = true;
    // Reading the catalogue tells a user database from any other file. The
    // read transaction keeps the shared lock while the tables are checked; a
    // lock held by another workstation is waited for like a write's.
    QString missing;
    QString tooNew;
    bool userDb = true;
    const QSqlError e = d->attempt([&]() -> QSqlError {
        QSqlError step = d->control(proc, QStringLiteral("BEGIN"));
        if (Impl::failed(step))
            return step;
        step = d->run(proc, d->dialect.catalogueProbe(), {});
        if (!Impl::failed(step)) {
            userDb = UserDbSchema::Verify(d->db, d->dialect, missing);
            if (userDb)
                tooNew = UserDbSchema::VersionProblem(d->db, d->dialect);
        }
        d->control(proc, QStringLiteral("ROLLBACK"));
        return step;
    });
    const QString named = QStringLiteral("'") + where + QStringLiteral("' ");
    QSqlError wrong;
    if (Impl::failed(e) && !d->dialect.isBusy(e))
        wrong = Impl::error(Sql::ErrorNumber(e),
                            named + QStringLiteral("is not a user database: ") + Sql::ErrorMessage(e));
    else if (Impl::failed(e))
        wrong = e;   // still locked after every retry
    else if (!userDb)
        wrong = Impl::error(3265, named + QStringLiteral("is not a user database (missing ") + missing
                                      + QStringLiteral(")"));
    else if (!tooNew.isEmpty())
        wrong = Impl::error(3265, named + QStringLiteral("cannot be used: ") + tooNew);
    if (Impl::failed(wrong)) {
        Impl::report(proc, wrong);
        DbClose();
        return;
    }

    for (const QString &statement : d->dialect.sessionSetup())
        d->control(proc, statement);

    UserOpen();
    userDataRead(nullptr);
}

bool clsUser::DbCreate(QString &error)
{
    return UserDbSchema::Create(m_location, error);
}

void clsUser::DbClose()
{
    if (d->inGrading && d->dbOpen)
        GradingRollback();
    d->user.close();
    d->questionStat.close();
    d->questionnaireStat.close();
    d->events.close();
    d->dropStatements();
    d->dbOpen = false;
    d->inGrading = false;
    d->gradingFailed = false;
    if (d->db.isValid())
        Sql::Close(d->db);
}

// --- user table -----------------------------------------------------------------------------

void clsUser::UserOpen()
{
    UserClose();
    d->openTable(d->user, QStringLiteral("UserOpen"), m_lockType != 1);
}

void clsUser::UserClose()
{
    if (d->user.open)
        d->user.close();
}

namespace {
// Column order of UserColumns.
enum { UId, UName, UPassword, ULanguage, UCategory, UBook, UStatus, UComment };
} // namespace

// Copies a fetched user row into the properties, or clears them at the end.
void clsUser::userDataRead(const QVariantList *row)
{
    if (!row) {
        m_userId = 0;
        UserName.clear();
        Password.clear();
        LanguageNr = 0;
        CategoryNr = 0;
        BookNr = 0;
        UserStatus = 0;
        UserComment.clear();
        return;
    }
    const auto &r = *row;
    m_userId = r[UId].toInt();
    UserName = r[UName].toString();
    Password = r[UPassword].toString();
    LanguageNr = static_cast<int16_t>(r[ULanguage].toInt());
    CategoryNr = static_cast<int16_t>(r[UCategory].toInt());
    BookNr = static_cast<int16_t>(r[UBook].toInt());
    UserStatus = r[UStatus].toInt();
    UserComment = Impl::blankOut(r[UComment]);
}

// Makes a user row current (nullptr: the end of the table) and reads it.
void clsUser::userMoveTo(const QVariantList *row)
{
    Impl::Cursor &c = d->user;
    c.pendingNew = false;   // a new row not yet saved is dropped by a move
    c.key = row ? (*row)[UId].toLongLong() : 0;
    c.atEnd = !row;
    userDataRead(row);
}

// Runs a user selection that yields at most one row and makes it current.
void clsUser::userSelect(const QString &procedure, const QString &where, std::initializer_list<QVariant> values)
{
    if (!d->user.open) {
        Impl::report(procedure, Impl::notOpen());
        return;
    }
    QSqlQuery *q = nullptr;
    const QSqlError e = d->run(procedure, UserColumns + where, values, &q);
    if (!Impl::succeeded(procedure, e))
        return;
    bool found = false;
    const QVariantList row = Impl::fetchOne(*q, found);
    d->user.walking = false;
    d->userRows.clear();
    userMoveTo(found ? &row : nullptr);
}

// The lists walk the whole table: FirstUser reads it with one ordered query
// (read afresh each time, so changes made since are seen) and NextUser steps
// through those rows. After a seek or a write NextUser goes on from the
// current row's key instead.
void clsUser::FirstUser()
{
    const QString proc = QStringLiteral("FirstUser");
    Impl::Cursor &c = d->user;
    if (!c.open) {
        Impl::report(proc, Impl::notOpen());
        return;
    }
    if (!Impl::succeeded(proc, d->readAllUsers(proc)))
        return;
    c.pos = 0;
    c.walking = true;
    userWalkRead();
}

void clsUser::NextUser()
{
    const QString proc = QStringLiteral("NextUser");
    Impl::Cursor &c = d->user;
    if (c.open && c.walking) {
        if (!Impl::succeeded(proc, d->fault(proc)))
            return;
        if (c.pos < d->userRows.size())
            ++c.pos;
        userWalkRead();
        return;
    }
    if (c.open && c.atEnd) {
        userMoveTo(nullptr);
        return;
    }
    userSelect(proc, QStringLiteral("WHERE UserID > ? ORDER BY UserID LIMIT 1"), {c.key});
}

// Makes the walk's row at the cursor's position current, or the end.
void clsUser::userWalkRead()
{
    Impl::Cursor &c = d->user;
    if (c.pos >= d->userRows.size()) {
        userMoveTo(nullptr);
        return;
    }
    const Impl::UserRow &r = d->userRows[c.pos];
    c.pendingNew = false;
    c.key = r.id;
    c.atEnd = false;
    m_userId = r.id;
    UserName = r.name;
    Password = r.password;
    LanguageNr = r.language;
    CategoryNr = r.category;
    BookNr = r.book;
    UserStatus = r.status;
    UserComment = r.comment;
}

// The new row is written, and gets its UserID, by UpdateUser; until then
// nothing is stored, and a move drops it.
void clsUser::NewUser()
{
    const QString proc = QStringLiteral("NewUser");
    Impl::Cursor &c = d->user;
    if (!Impl::succeeded(proc, d->addCheck(c, proc)))
        return;
    c.walking = false;
    d->userRows.clear();
    userDataRead(nullptr);
    c.pendingNew = true;
}

void clsUser::UpdateUser()
{
    const QString proc = QStringLiteral("DataWrite");
    Impl::Cursor &c = d->user;
    if (!c.open) {
        Impl::report(QStringLiteral("UpdateUser"), Impl::notOpen());
        return;
    }
    if (m_userId == 0 && !c.pendingNew)
        return;   // at the end of the table nothing is written
    if (!c.writable) {
        Impl::report(proc, Impl::readOnly());
        return;
    }
    QSqlQuery *q = nullptr;
    if (c.pendingNew) {
        const QSqlError e = d->run(proc,
                                   QStringLiteral("INSERT INTO \"User\" (UserName, Password, LanguageNr, CategoryNr, "
                                                  "BookNr, UserStatus, UserComment) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                                  "RETURNING UserID"),
                                   {UserName, Password, LanguageNr, CategoryNr, BookNr, UserStatus,
                                    Impl::blankIn(UserComment)},
                                   &q);
        if (!Impl::succeeded(proc, e) || !Impl::succeeded(proc, d->newKey(q, m_userId)))
            return;   // still a new row: UpdateUser may be tried again
        c.pendingNew = false;
        c.key = m_userId;
        c.atEnd = false;
        return;
    }
    const QSqlError e = d->run(proc,
                               QStringLiteral("UPDATE \"User\" SET UserName = ?, Password = ?, LanguageNr = ?, "
                                              "CategoryNr = ?, BookNr = ?, UserStatus = ?, UserComment = ? "
                                              "WHERE UserID = ?"),
                               {UserName, Password, LanguageNr, CategoryNr, BookNr, UserStatus,
                                Impl::blankIn(UserComment), m_userId},
                               &q);
    if (!Impl::succeeded(proc, e))
        return;
    const int changed = q->numRowsAffected();
    q->finish();
    if (changed == 0)
        Impl::report(proc, Impl::noCurrentRow());   // deleted meanwhile by another workstation
}

void clsUser::DelUser()
{
    const QString proc = QStringLiteral("DelUser");
    if (!d->user.open || !d->user.writable || m_userId == 0) {
        Impl::report(proc, !d->user.open       ? Impl::notOpen()
                           : !d->user.writable ? Impl::readOnly()
                                               : Impl::noCurrentRow());
    } else {
        const QSqlError e = d->run(proc, QStringLiteral("DELETE FROM \"User\" WHERE UserID = ?"), {m_userId});
        if (Impl::failed(e))
            Impl::report(proc, e);
    }
    FirstUser();
}

void clsUser::UserNameSeek(const QString &name)
{
    userSelect(QStringLiteral("UserNameSeek"),
               QStringLiteral("WHERE UserName = ? ORDER BY UserID LIMIT 1"), {name});
}

void clsUser::PasswordSeek(const QString &password)
{
    userSelect(QStringLiteral("PasswordSeek"),
               QStringLiteral("WHERE Password = ? ORDER BY UserID LIMIT 1"), {password});
}

int32_t clsUser::UserNameIdGet(const QString &name)
{
    const QString proc = QStringLiteral("UserNameIdGet");
    if (!d->user.open) {
        Impl::report(proc, Impl::notOpen());
        return 0;
    }
    QVariantList row;
    const QSqlError e = d->scalar(proc, QStringLiteral("SELECT UserID FROM \"User\" WHERE UserName = ? "
                                                       "ORDER BY UserID LIMIT 1"),
                                  {name}, row);
    if (Impl::failed(e)) {
        if (Sql::ErrorNumber(e) != Sql::ErrorNumber(Impl::noCurrentRow()))
            Impl::report(proc, e);
        return 0;
    }
    return row.isEmpty() ? 0 : row[0].toInt();
}

bool clsUser::IsAdmin() const
{
    return UserName == QLatin1String("_Vestr");
}

// An empty password signs nobody in, not even a user stored without one.
bool clsUser::IsPasswordValid(const QString &password) const
{
    return !password.isEmpty() && Password == password;
}
