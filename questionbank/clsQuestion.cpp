#include "questionbank/clsQuestion.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/RuntimeError.h"
#include "core/Seams.h"
#include "core/SqlSupport.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "questionbank/QuestionBankSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QVariant>
#include <algorithm>
#include <functional>

clsQuestion *objQuestion = nullptr;

namespace {

const QString Module = QStringLiteral("clsQuestion");
constexpr int BusyTimeoutMs = 5000;

// Conditions the object detects itself carry the numbers the old database
// engine used for them, so reports read the same as before.
constexpr int ErrSubscript = 9;
constexpr int ErrNoCurrentRecord = 3021;
constexpr int ErrNotABank = 3265;
constexpr int ErrNotUpdatable = 3251;
constexpr int ErrRecordsetClosed = 3704;
constexpr int ErrNotOpen = 3709;

enum TableId { TQuestion, TText, TTheme, TQuestionnaire, TBook, TBookPage, TableCount };

const char *const TableName[TableCount] = {"Question", "QuestionText", "Theme", "Questionnaire", "Book",
                                           "BookPage"};

// Columns written by the update operations of each table, in writing order.
const QStringList &WriteColumns(TableId t)
{
    static const QStringList cols[TableCount] = {
        {"QuestionNr", "PictureNr", "Answer", "ThemeNr", "CategoryNr"},
        {"QuestionNr", "LanguageNr", "QuestionText", "AnsweraText", "AnswerbText", "AnswercText", "CategoryNr"},
        {"CategoryNr", "ThemeNr", "LanguageNr", "Name"},
        {"QuestionnaireNr", "Questions", "ThemeNr", "CategoryNr"},
        {"BookNr", "BookTitle", "BookPictureNr", "CategoryNr"},
        {"QuestionNr", "CategoryNr", "BookNr", "BookPageNr"},
    };
    return cols[t];
}

QString TextOf(const QVariant &v) { return v.isNull() ? QString() : v.toString(); }

// Removes leading and trailing blanks (spaces), nothing else.
QString TrimBlanks(const QString &s)
{
    int b = 0;
    int e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

void Report(const char *proc, int number, const QString &message)
{
    RuntimeErrorReport(Module, QString::fromLatin1(proc), number, message);
}

void ReportSql(const char *proc, const QSqlError &error)
{
    Report(proc, Sql::ErrorNumber(error), Sql::ErrorMessage(error));
}

struct Recordset {
    bool open = false;
    bool pendingNew = false;   // Add was called, Update has not saved yet
    qint64 rowId = -1;         // row saved by the last Update
};

} // namespace

struct clsQuestion::Impl {
    QSqlDatabase db;
    bool valid = false;      // connection open and the file has every table
    bool writable = false;
    Recordset rs[TableCount];

    // Statements of the frequent selections, prepared once per connection.
    std::unique_ptr<QSqlQuery> qSeek, qText, qTextAny, qQuestionnaire, qBook, qBookMax, qBookPage;
    std::unique_ptr<QSqlQuery> qInsert[TableCount];

    // Returns the statement prepared for this connection, or nullptr after
    // reporting why it could not be prepared.
    QSqlQuery *Prepared(std::unique_ptr<QSqlQuery> &slot, const QString &sql, const char *proc)
    {
        if (!slot) {
            auto q = std::make_unique<QSqlQuery>(db);
            q->setForwardOnly(true);
            if (!q->prepare(sql)) {
                ReportSql(proc, q->lastError());
                return nullptr;
            }
            slot = std::move(q);
        }
        return slot.get();
    }

    // Runs a prepared selection with the keys bound in order; reports a failure.
    static bool Exec(QSqlQuery *q, std::initializer_list<QVariant> keys, const char *proc)
    {
        int i = 0;
        for (const QVariant &k : keys)
            q->bindValue(i++, k);
        if (!q->exec()) {
            ReportSql(proc, q->lastError());
            q->finish();
            return false;
        }
        return true;
    }

    // A selection of at most one row: read gets the row when there is one.
    // Returns whether a row was read.
    bool SelectOne(std::unique_ptr<QSqlQuery> &slot, const QString &sql, std::initializer_list<QVariant> keys,
                   const char *proc, const std::function<void(const QSqlQuery &)> &read)
    {
        if (!valid)
            return false;
        bool found = false;
        QSqlQuery *q = Prepared(slot, sql, proc);
        if (q && Exec(q, keys, proc) && q->next()) {
            read(*q);
            found = true;
        }
        if (q)
            q->finish();
        return found;
    }

    void Release()
    {
        qSeek.reset();
        qText.reset();
        qTextAny.reset();
        qQuestionnaire.reset();
        qBook.reset();
        qBookMax.reset();
        qBookPage.reset();
        for (auto &q : qInsert)
            q.reset();
        for (auto &r : rs)
            r = Recordset();
        valid = false;
        writable = false;
        if (db.isValid())
            Sql::Close(db);
    }

    // Common checks of every writing step; reports under the caller's name.
    bool CanWrite(TableId t, const char *proc, bool needOpenRecordset)
    {
        if (!valid) {
            Report(proc, ErrNotOpen, QStringLiteral("The question bank is not open."));
            return false;
        }
        if (needOpenRecordset && !rs[t].open) {
            Report(proc, ErrRecordsetClosed, QStringLiteral("Operation is not allowed when the object is closed."));
            return false;
        }
        if (!writable) {
            Report(proc, ErrNotUpdatable,
                   QStringLiteral("The question bank is opened read-only: table %1 cannot be changed.")
                       .arg(QLatin1String(TableName[t])));
            return false;
        }
        return true;
    }

    void Open(TableId t, const char *proc)
    {
        rs[t] = Recordset();
        if (!valid) {
            Report(proc, ErrNotOpen, QStringLiteral("The question bank is not open."));
            return;
        }
        rs[t].open = true;
    }

    void Close(TableId t) { rs[t] = Recordset(); }

    void AddNew(TableId t, const char *proc)
    {
        if (!CanWrite(t, proc, true))
            return;
        rs[t].pendingNew = true;
        rs[t].rowId = -1;
    }

    // Saves the values into the pending new row or the row saved last.
    void Save(TableId t, const char *proc, const QVariantList &values)
    {
        if (!CanWrite(t, proc, true))
            return;
        const QStringList &cols = WriteColumns(t);
        Recordset &r = rs[t];
        if (r.pendingNew) {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i)
                marks << QStringLiteral("?");
            QSqlQuery *q = Prepared(qInsert[t],
                                    QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                        .arg(QLatin1String(TableName[t]), cols.join(QLatin1Char(',')),
                                             marks.join(QLatin1Char(','))),
                                    proc);
            if (!q)
                return;
            for (int i = 0; i < values.size(); ++i)
                q->bindValue(i, values.at(i));
            if (!q->exec()) {
                ReportSql(proc, q->lastError());
                return;
            }
            r.pendingNew = false;
            r.rowId = q->lastInsertId().toLongLong();
            return;
        }
        if (r.rowId < 0) {
            Report(proc, ErrNoCurrentRecord, QStringLiteral("No current record."));
            return;
        }
        QStringList sets;
        for (const QString &c : cols)
            sets << c + QStringLiteral("=?");
        QSqlQuery q(db);
        if (!q.prepare(QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid=?")
                           .arg(QLatin1String(TableName[t]), sets.join(QLatin1Char(','))))) {
            ReportSql(proc, q.lastError());
            return;
        }
        for (const QVariant &v : values)
            q.addBindValue(v);
        q.addBindValue(r.rowId);
        if (!q.exec())
            ReportSql(proc, q.lastError());
    }

    void DeleteAll(TableId t, const char *proc)
    {
        Close(t);
        if (!CanWrite(t, proc, false))
            return;
        QSqlQuery q(db);
        if (!Sql::Run(q, QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(TableName[t]))))
            ReportSql(proc, q.lastError());
    }
};

// --- creation and connection ---------------------------------------------------

clsQuestion::clsQuestion() : d(std::make_unique<Impl>())
{
    const QString ini = INIFileName();
    const QString path = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("DB_PATH"));
    setDbPath(path == QLatin1String("NotFound") ? ProgramDirectory() : path);
    const QString name = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("DB_NAME"));
    m_dbFileName = name == QLatin1String("NotFound") ? ProgramBaseName() + QStringLiteral(".mdb") : name;
    m_cursorType = 3;
    m_lockType = 1;
}

clsQuestion::~clsQuestion()
{
    d->Release();
}

void clsQuestion::setDbPath(const QString &v)
{
    m_dbPath = PathAddBackslash(v);
}

bool clsQuestion::IsOpen() const
{
    return d->valid;
}

void clsQuestion::DbOpen()
{
    const QString full = m_dbPath + m_dbFileName;
    if (objDebug)
        objDebug->LogPrint(QStringLiteral("DB Path : ") + full);

    // A name with wildcards may match other files: only the file itself counts.
    if (!FileExists(full) || !QFileInfo(full).isFile()) {
        Dialogs::MsgBox(QMessageBox::Warning, QStringLiteral("Fatal Error"),
                        QStringLiteral("Database not Found !") + NewLine + NewLine + QStringLiteral("'") + full
                            + QStringLiteral("'") + NewLine + NewLine
                            + QStringLiteral("Please check the DB_PATH and DB_NAME settings in ")
                            + ProgramBaseName() + QStringLiteral(".ini"));
        if (objDebug)
            objDebug->LogPrint(QStringLiteral("Fatal Error : ") + QStringLiteral("Database not Found !"));
        Seams::ProgramEnd();
        return;
    }

    d->Release();
    d->writable = m_lockType >= 2 && m_lockType <= 4;   // pessimistic, optimistic, batch
    d->db = Sql::Open(full, !d->writable, BusyTimeoutMs);
    if (!d->db.isOpen()) {
        ReportSql("DbOpen", d->db.lastError());
    } else {
        QSqlQuery probe(d->db);
        if (!Sql::Run(probe, QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))) {
            Report("DbOpen", Sql::ErrorNumber(probe.lastError()),
                   QStringLiteral("'%1' is not a question bank: %2").arg(full, Sql::ErrorMessage(probe.lastError())));
        } else {
            probe.finish();
            const QStringList missing = QuestionBankSchema::Missing(d->db);
            if (!missing.isEmpty())
                Report("DbOpen", ErrNotABank,
                       QStringLiteral("'%1' is not a question bank: missing %2")
                           .arg(full, missing.join(QStringLiteral("; "))));
            else
                d->valid = true;
        }
        // The bank may be copied over in place on its share while the program
        // runs. Every read therefore takes the shared lock anew, which lets
        // SQLite see a changed file and drop its cached pages, and the file is
        // never memory-mapped: a mapped page of a file truncated underneath
        // faults (SIGBUS) instead of giving an error. Pages are read with
        // plain reads, so a shortened or foreign file ends in a reported error.
        if (d->valid) {
            QSqlQuery mode(d->db);
            if (!Sql::Run(mode, QStringLiteral("PRAGMA mmap_size = 0")))
                ReportSql("DbOpen", mode.lastError());
        }
    }

    CategoryNr = 0;
    QuestionNr = 0;
    PictureNr = 0;
    ThemeNr = 0;
    Answer.clear();
    QuestionText.clear();
    LanguageNr = 0;
    AnsweraText.clear();
    AnswerbText.clear();
    AnswercText.clear();
    QuestionNrGetMax();
    ThemeNameGetAll();
}

void clsQuestion::DbClose()
{
    d->Release();
}

bool clsQuestion::DbCreate(QString &error)
{
    const QString full = m_dbPath + m_dbFileName;
    if (QFileInfo::exists(full)) {
        error = QStringLiteral("'%1' already exists").arg(full);
        return false;
    }
    bool ok = true;
    {
        QSqlDatabase db = Sql::Open(full, false, BusyTimeoutMs);
        if (!db.isOpen()) {
            error = Sql::ErrorMessage(db.lastError());
            ok = false;
        } else {
            db.transaction();
            for (const QString &sql : QuestionBankSchema::CreateStatements()) {
                QSqlQuery q(db);
                if (!Sql::Run(q, sql)) {
                    error = QStringLiteral("%1: %2").arg(sql, Sql::ErrorMessage(q.lastError()));
                    ok = false;
                    break;
                }
            }
            if (ok && !db.commit()) {
                error = Sql::ErrorMessage(db.lastError());
                ok = false;
            }
        }
        Sql::Close(db);
    }
    if (!ok)
        QFile::remove(full);
    return ok;
}

void clsQuestion::DbTransactionBegin()
{
    if (!d->valid)
        Report("DbTransactionBegin", ErrNotOpen, QStringLiteral("The question bank is not open."));
    else if (!d->db.transaction())
        ReportSql("DbTransactionBegin", d->db.lastError());
}

void clsQuestion::DbTransactionCommit()
{
    if (!d->valid)
        Report("DbTransactionCommit", ErrNotOpen, QStringLiteral("The question bank is not open."));
    else if (!d->db.commit())
        ReportSql("DbTransactionCommit", d->db.lastError());
}

void clsQuestion::DbTransactionRollback()
{
    if (d->valid && !d->db.rollback())
        ReportSql("DbTransactionRollback", d->db.lastError());
}

// --- questions ---------------------------------------------------------------------

void clsQuestion::QuestionNrGetMax()
{
    QuestionTextClose();
    QuestionClose();
    m_questionNrMax = 0;
    if (!d->valid)
        return;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    if (!Sql::Run(q, QStringLiteral("SELECT MAX(QuestionNr) AS QuestionNrMax FROM \"Question\""))) {
        ReportSql("QuestionNrGetMax", q.lastError());
        return;
    }
    if (q.next() && !q.value(0).isNull())
        m_questionNrMax = static_cast<int32_t>(q.value(0).toLongLong());
}

void clsQuestion::QuestionOpen() { d->Open(TQuestion, "QuestionOpen"); }
void clsQuestion::QuestionClose() { d->Close(TQuestion); }

void clsQuestion::QuestionAdd()
{
    d->AddNew(TQuestion, "QuestionAdd");
    QuestionNr = 0;
    PictureNr = 0;
    Answer.clear();
    ThemeNr = 0;
    CategoryNr = 0;
}

void clsQuestion::QuestionUpdate()
{
    d->Save(TQuestion, "QuestionUpdate", {QuestionNr, PictureNr, Answer, ThemeNr, CategoryNr});
}

void clsQuestion::QuestionDeleteAll() { d->DeleteAll(TQuestion, "QuestionDeleteAll"); }

void clsQuestion::QuestionNrSeek()
{
    QuestionClose();
    const bool found = d->SelectOne(d->qSeek,
                                    QStringLiteral("SELECT CategoryNr, QuestionNr, PictureNr, ThemeNr, Answer "
                                                   "FROM \"Question\" WHERE CategoryNr=? AND QuestionNr=? "
                                                   "ORDER BY rowid LIMIT 1"),
                                    {CurrentCategoryNr, CurrentQuestionNr}, "QuestionNrSeek",
                                    [this](const QSqlQuery &q) {
                                        CategoryNr = static_cast<int16_t>(q.value(0).toInt());
                                        QuestionNr = static_cast<int32_t>(q.value(1).toLongLong());
                                        PictureNr = static_cast<int32_t>(q.value(2).toLongLong());
                                        ThemeNr = static_cast<int16_t>(q.value(3).toInt());
                                        Answer = TextOf(q.value(4));
                                    });
    if (!found) {
        CategoryNr = 0;
        QuestionNr = 0;
        PictureNr = 0;
        ThemeNr = 0;
        Answer.clear();
    }
}

// --- question texts -------------------------------------------------------------------

void clsQuestion::QuestionTextOpen() { d->Open(TText, "QuestionTextOpen"); }
void clsQuestion::QuestionTextClose() { d->Close(TText); }

void clsQuestion::QuestionTextAdd()
{
    d->AddNew(TText, "QuestionTextAdd");
    LanguageNr = 0;
    QuestionText.clear();
    AnsweraText.clear();
    AnswerbText.clear();
    AnswercText.clear();
}

void clsQuestion::QuestionTextUpdate()
{
    d->Save(TText, "QuestionTextUpdate",
            {QuestionNr, LanguageNr, QuestionText, AnsweraText, AnswerbText, AnswercText, CategoryNr});
}

void clsQuestion::QuestionTextDeleteAll() { d->DeleteAll(TText, "QuestionTextDeleteAll"); }

void clsQuestion::QuestionTextGet()
{
    QuestionTextClose();
    bool found = false;
    if (d->valid) {
        QSqlQuery *q = d->Prepared(d->qText,
                                   QStringLiteral("SELECT LanguageNr, QuestionText, AnsweraText, AnswerbText, "
                                                  "AnswercText FROM \"QuestionText\" WHERE CategoryNr=? AND "
                                                  "LanguageNr=? AND QuestionNr=? ORDER BY rowid LIMIT 1"),
                                   "QuestionTextGet");
        bool ran = false;
        if (q && Impl::Exec(q, {CurrentCategoryNr, CurrentLanguageNr, CurrentQuestionNr}, "QuestionTextGet")) {
            ran = true;
            if (q->next()) {
                LanguageNr = static_cast<int16_t>(q->value(0).toInt());
                QuestionText = TextOf(q->value(1));
                AnsweraText = TextOf(q->value(2));
                AnswerbText = TextOf(q->value(3));
                AnswercText = TextOf(q->value(4));
                found = true;
            }
            q->finish();
        }
        // With no text at all for the category and language there is no first
        // row to move to: that is reported, a single missing number is not.
        if (ran && !found) {
            QSqlQuery *any = d->Prepared(d->qTextAny,
                                         QStringLiteral("SELECT 1 FROM \"QuestionText\" WHERE CategoryNr=? AND "
                                                        "LanguageNr=? LIMIT 1"),
                                         "QuestionTextGet");
            if (any && Impl::Exec(any, {CurrentCategoryNr, CurrentLanguageNr}, "QuestionTextGet")) {
                const bool hasRows = any->next();
                any->finish();
                if (!hasRows)
                    Report("QuestionTextGet", ErrNoCurrentRecord, QStringLiteral("No current record."));
            }
        }
    }
    if (!found) {
        LanguageNr = 0;
        QuestionText.clear();
        AnsweraText.clear();
        AnswerbText.clear();
        AnswercText.clear();
    }
}

// --- themes ------------------------------------------------------------------------------

void clsQuestion::ThemeNameOpen() { d->Open(TTheme, "ThemeNameOpen"); }
void clsQuestion::ThemeNameClose() { d->Close(TTheme); }

void clsQuestion::ThemeNameAdd()
{
    d->AddNew(TTheme, "ThemeNameAdd");
    ThemeName.clear();
}

void clsQuestion::ThemeNameUpdate()
{
    d->Save(TTheme, "ThemeNameUpdate", {CategoryNr, ThemeNr, LanguageNr, ThemeName});
}

void clsQuestion::ThemeNameDeleteAll() { d->DeleteAll(TTheme, "ThemeNameDeleteAll"); }

void clsQuestion::ThemeNameAddDefault()
{
    ThemeNameClose();
    d->Open(TTheme, "ThemeNameAddDefault");
    for (int c = 0; c <= 3; ++c) {
        for (int l = 0; l <= 2; ++l) {
            d->AddNew(TTheme, "ThemeNameAddDefault");
            d->Save(TTheme, "ThemeNameAddDefault",
                    {static_cast<int16_t>(c), static_cast<int16_t>(c), static_cast<int16_t>(l), QStringLiteral("")});
        }
    }
    ThemeNameClose();
}

void clsQuestion::ThemeNameGetAll()
{
    ThemeNameClose();
    m_themeNameNrMax = 0;
    if (!d->valid)
        return;
    QSqlQuery q(d->db);
    q.setForwardOnly(true);
    if (!Sql::Run(q, QStringLiteral("SELECT MAX(ThemeNr) AS ThemeNrMax FROM \"Theme\""))) {
        ReportSql("ThemeNameGetAll", q.lastError());
        return;
    }
    if (!q.next() || q.value(0).isNull())
        return;   // empty table: the names stay as they were
    // Theme numbers are 16-bit; the table never grows beyond that.
    const qint64 max = q.value(0).toLongLong();
    q.finish();
    if (max < 0 || max > 32767)
        Report("ThemeNameGetAll", ErrSubscript,
               QStringLiteral("Subscript out of range: theme number %1").arg(max));
    m_themeNameNrMax = static_cast<int32_t>(std::clamp<qint64>(max, 0, 32767));
    m_themeNames = QVector<QString>((m_themeNameNrMax + 1) * 12);

    if (!Sql::Run(q, QStringLiteral("SELECT ThemeNr, CategoryNr, LanguageNr, Name FROM \"Theme\" ORDER BY rowid"))) {
        ReportSql("ThemeNameGetAll", q.lastError());
        return;
    }
    while (q.next()) {
        const qint64 t = q.value(0).toLongLong();
        const qint64 c = q.value(1).toLongLong();
        const qint64 l = q.value(2).toLongLong();
        if (t < 0 || t > m_themeNameNrMax || c < 0 || c > 3 || l < 0 || l > 2) {
            Report("ThemeNameGetAll", ErrSubscript,
                   QStringLiteral("Subscript out of range: theme %1, category %2, language %3").arg(t).arg(c).arg(l));
            continue;
        }
        m_themeNames[(t * 4 + c) * 3 + l] = TrimBlanks(TextOf(q.value(3)));
    }
}

QString clsQuestion::ThemeNames(int themeNr, int categoryNr, int languageNr) const
{
    if (themeNr < 0 || categoryNr < 0 || categoryNr > 3 || languageNr < 0 || languageNr > 2)
        return QString();
    const qsizetype i = (static_cast<qsizetype>(themeNr) * 4 + categoryNr) * 3 + languageNr;
    return i < m_themeNames.size() ? m_themeNames.at(i) : QString();
}

int16_t clsQuestion::ThemeNameNr(const QString &themeName, int16_t categoryNr, int16_t languageNr)
{
    if (m_themeNameNrMax == 0)
        return 0;
    if (categoryNr < 0 || categoryNr > 3 || languageNr < 0 || languageNr > 2) {
        Report("ThemeNameNr", ErrSubscript, QStringLiteral("Subscript out of range"));
        return 0;
    }
    const QString wanted = TrimBlanks(themeName);
    for (int t = m_themeNameNrMax; t != 0; --t)
        if (ThemeNames(t, categoryNr, languageNr) == wanted)
            return static_cast<int16_t>(t);
    return 0;
}

// --- questionnaires ------------------------------------------------------------------

void clsQuestion::QuestionnaireOpen() { d->Open(TQuestionnaire, "QuestionnaireOpen"); }
void clsQuestion::QuestionnaireClose() { d->Close(TQuestionnaire); }

void clsQuestion::QuestionnaireAdd()
{
    d->AddNew(TQuestionnaire, "QuestionnaireAdd");
    QuestionnaireNr = 0;
    QuestionnaireQuestions.clear();
}

void clsQuestion::QuestionnaireUpdate()
{
    d->Save(TQuestionnaire, "QuestionnaireUpdate", {QuestionnaireNr, QuestionnaireQuestions, ThemeNr, CategoryNr});
}

void clsQuestion::QuestionnaireDeleteAll() { d->DeleteAll(TQuestionnaire, "QuestionnaireDeleteAll"); }

void clsQuestion::QuestionnaireGet()
{
    QuestionnaireClose();
    // The row of the current category. Only a theme whose questionnaires
    // are all stored under other categories is shared by every category:
    // then the first row of that theme and number is used, whatever its
    // category.
    const bool found = d->SelectOne(d->qQuestionnaire,
                                    QStringLiteral("SELECT QuestionnaireNr, Questions FROM \"Questionnaire\" "
                                                   "WHERE ThemeNr=? AND QuestionnaireNr=? AND (CategoryNr=? "
                                                   "OR NOT EXISTS (SELECT 1 FROM \"Questionnaire\" "
                                                   "WHERE ThemeNr=? AND CategoryNr=?)) ORDER BY rowid LIMIT 1"),
                                    {CurrentThemeNr, CurrentQuestionnaireNr, CurrentCategoryNr, CurrentThemeNr,
                                     CurrentCategoryNr},
                                    "QuestionnaireGet",
                                    [this](const QSqlQuery &q) {
                                        QuestionnaireNr = static_cast<int16_t>(q.value(0).toInt());
                                        QuestionnaireQuestions = TextOf(q.value(1));
                                    });
    if (!found) {
        QuestionnaireNr = 0;
        QuestionnaireQuestions.clear();
    }
}

// --- books ------------------------------------------------------------------------------

void clsQuestion::BookOpen() { d->Open(TBook, "BookOpen"); }
void clsQuestion::BookClose() { d->Close(TBook); }

void clsQuestion::BookAdd()
{
    d->AddNew(TBook, "BookAdd");
    BookNr = 0;
    BookTitle.clear();
    BookPictureNr.clear();
}

void clsQuestion::BookUpdate()
{
    // The category is written too: a book row without it could never be found.
    d->Save(TBook, "BookUpdate", {BookNr, BookTitle, BookPictureNr, CategoryNr});
}

void clsQuestion::BookNrSeek()
{
    BookClose();
    const bool found = d->SelectOne(d->qBook,
                                    QStringLiteral("SELECT BookNr, BookTitle, BookPictureNr FROM \"Book\" "
                                                   "WHERE CategoryNr=? AND BookNr=? ORDER BY rowid LIMIT 1"),
                                    {CurrentCategoryNr, CurrentBookNr}, "BookNrSeek", [this](const QSqlQuery &q) {
                                        BookNr = static_cast<int16_t>(q.value(0).toInt());
                                        BookTitle = TextOf(q.value(1));
                                        BookPictureNr = TextOf(q.value(2));
                                    });
    if (!found) {
        BookNr = 0;
        BookTitle = QStringLiteral("-");
        BookPictureNr.clear();
    }
}

void clsQuestion::BookNrGetMax()
{
    BookClose();
    m_bookNrMax = 0;
    d->SelectOne(d->qBookMax, QStringLiteral("SELECT MAX(BookNr) AS BookNrMax FROM \"Book\" WHERE CategoryNr=?"),
                 {CurrentCategoryNr}, "BookNrGetMax", [this](const QSqlQuery &q) {
                     if (!q.value(0).isNull())
                         m_bookNrMax = static_cast<int16_t>(q.value(0).toInt());
                 });
}

// --- book pages ---------------------------------------------------------------------------

void clsQuestion::BookPageOpen() { d->Open(TBookPage, "BookPageOpen"); }
void clsQuestion::BookPageClose() { d->Close(TBookPage); }

void clsQuestion::BookPageAdd()
{
    d->AddNew(TBookPage, "BookPageAdd");
    BookPageNr.clear();
}

void clsQuestion::BookPageUpdate()
{
    d->Save(TBookPage, "BookPageUpdate", {QuestionNr, CategoryNr, BookNr, BookPageNr});
}

void clsQuestion::BookPageGet()
{
    BookPageClose();
    const bool found = d->SelectOne(d->qBookPage,
                                    QStringLiteral("SELECT BookPageNr FROM \"BookPage\" WHERE CategoryNr=? AND "
                                                   "BookNr=? AND QuestionNr=? ORDER BY rowid LIMIT 1"),
                                    {CurrentCategoryNr, CurrentBookNr, CurrentQuestionNr}, "BookPageGet",
                                    [this](const QSqlQuery &q) { BookPageNr = TextOf(q.value(0)); });
    if (!found)
        BookPageNr.clear();
}
