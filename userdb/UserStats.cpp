// Question and questionnaire statistics of clsUser, and the grading
// transaction that writes one grading as a whole.
#include "core/AppState.h"
#include "core/SqlSupport.h"
#include "core/modMain.h"
#include "userdb/DateKey.h"
#include "userdb/clsUserImpl.h"

namespace {

const QString QuestionStatColumns = QStringLiteral(
    "SELECT StatId, QuestionThemeNr, QuestionNr, QuestionDateTime, QuestionAnswer, QuestionDuration, "
    "ProgramVersion FROM QuestionStat ");
const QString QuestionnaireStatColumns = QStringLiteral(
    "SELECT StatId, QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, QuestionnaireResultPercent, "
    "QuestionnaireAnswers, QuestionnaireDuration, ProgramVersion FROM QuestionnaireStat ");
const QString StatId = QStringLiteral("StatId");

} // namespace

// --- question statistics ------------------------------------------------------------

void clsUser::questionStatDataRead(const QVariantList *row)
{
    if (!row) {
        m_questionStatId = 0;
        QuestionThemeNr = 0;
        QuestionNr = 0;
        QuestionDateTime = ZeroDate();
        QuestionAnswer = false;
        QuestionDuration = 0;
        m_questionProgramVersion.clear();
        return;
    }
    const QVariantList &r = *row;
    m_questionStatId = r[0].toInt();
    QuestionThemeNr = static_cast<int16_t>(r[1].toInt());
    QuestionNr = r[2].toInt();
    QuestionDateTime = Impl::dateOut(r[3]);
    QuestionAnswer = r[4].toInt() != 0;
    QuestionDuration = r[5].toInt();
    m_questionProgramVersion = r[6].toString();
}

void clsUser::QuestionStatOpen()
{
    QuestionStatClose();
    d->openTable(d->questionStat, QStringLiteral("QuestionStatOpen"), m_lockType != 1);
}

void clsUser::QuestionStatUserDateOpen(const QString &dateTime)
{
    const QString proc = QStringLiteral("QuestionStatUserDateOpen");
    QuestionStatClose();
    QDateTime moment;
    if (!DateKey::Moment(dateTime, moment)) {
        // Nothing can match: the recordset opens empty.
        Impl::report(proc, Impl::error(3001, QStringLiteral("Invalid date-time text '") + dateTime
                                                 + QStringLiteral("'")));
        d->questionStat.openAs(false, m_lockType != 1);
    } else {
        const QSqlError e = d->openSelection(
            d->questionStat, proc,
            QuestionStatColumns
                + QStringLiteral("WHERE UserID = ? AND QuestionDateTime = ? ORDER BY StatId"),
            {m_userId, Sql::DateTimeToText(moment)}, m_lockType != 1);
        if (!Impl::succeeded(proc, e))
            return;
    }
    QuestionStatFirst();
}

void clsUser::QuestionStatFirst()
{
    const QVariantList *row = nullptr;
    if (d->moveReported(d->questionStat, QStringLiteral("QuestionStatFirst"), QuestionStatColumns, StatId, true, row))
        questionStatDataRead(row);
}

void clsUser::QuestionStatNext()
{
    const QVariantList *row = nullptr;
    if (d->moveReported(d->questionStat, QStringLiteral("QuestionStatNext"), QuestionStatColumns, StatId, false, row))
        questionStatDataRead(row);
}

void clsUser::QuestionStatAdd()
{
    const QString proc = QStringLiteral("QuestionStatAdd");
    Impl::Cursor &c = d->questionStat;
    if (d->gradingLost())
        return;
    if (!d->retry(proc, [&] { return d->addCheck(c, proc); })) {
        d->writeFailed();
        return;
    }
    // The new row is saved, and gets its StatId, by QuestionStatUpdate.
    c.pendingNew = true;
    questionStatDataRead(nullptr);
}

void clsUser::QuestionStatUpdate()
{
    const QString proc = QStringLiteral("QuestionStatUpdate");
    Impl::Cursor &c = d->questionStat;
    if (d->gradingLost())
        return;
    int32_t newId = 0;
    const bool ok = d->retry(proc, [&]() -> QSqlError {
        if (!c.open)
            return Impl::notOpen();
        if (!c.writable)
            return Impl::readOnly();
        const QString when = Sql::DateTimeToText(QuestionDateTime);
        const int answer = QuestionAnswer ? 1 : 0;
        if (c.pendingNew) {
            QSqlQuery *q = nullptr;
            const QSqlError e = d->run(
                proc,
                QStringLiteral("INSERT INTO QuestionStat (UserID, CategoryNr, ProgramVersion, QuestionThemeNr, "
                               "QuestionNr, QuestionDateTime, QuestionAnswer, QuestionDuration) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?) RETURNING StatId"),
                {m_userId, CategoryNr, ProgramVersion, QuestionThemeNr, QuestionNr, when, answer, QuestionDuration},
                &q);
            return Impl::failed(e) ? e : d->newKey(q, newId);
        }
        if (m_questionStatId == 0)
            return Impl::noCurrentRow();
        return d->run(proc,
                      QStringLiteral("UPDATE QuestionStat SET UserID = ?, CategoryNr = ?, ProgramVersion = ?, "
                                     "QuestionThemeNr = ?, QuestionNr = ?, QuestionDateTime = ?, "
                                     "QuestionAnswer = ?, QuestionDuration = ? WHERE StatId = ?"),
                      {m_userId, CategoryNr, ProgramVersion, QuestionThemeNr, QuestionNr, when, answer,
                       QuestionDuration, m_questionStatId});
    });
    if (!ok) {
        d->writeFailed();
        return;
    }
    if (c.pendingNew) {
        c.pendingNew = false;
        m_questionStatId = newId;
    }
    m_questionProgramVersion = ProgramVersion;
}

void clsUser::QuestionStatNrSeek()
{
    // The first row of the current category with the current question number.
    const QString proc = QStringLiteral("QuestionStatNrSeek");
    QuestionStatClose();
    const QSqlError e = d->openSelection(
        d->questionStat, proc,
        QuestionStatColumns + QStringLiteral("WHERE CategoryNr = ? AND QuestionNr = ? ORDER BY StatId"),
        {CurrentCategoryNr, CurrentQuestionNr}, m_lockType != 1);
    if (!Impl::succeeded(proc, e))
        return;
    questionStatDataRead(Impl::current(d->questionStat));
}

int32_t clsUser::QuestionStatRecordCount()
{
    const QString proc = QStringLiteral("QuestionStatRecordCount");
    const Impl::Cursor &c = d->questionStat;
    if (!c.open) {
        Impl::report(proc, Impl::notOpen());
        return 0;
    }
    if (!c.tableMode)
        return static_cast<int32_t>(c.rows.size());
    QVariantList row;
    const QSqlError e = d->scalar(proc, QStringLiteral("SELECT COUNT(*) FROM QuestionStat"), {}, row);
    if (!Impl::succeeded(proc, e))
        return 0;
    return row[0].toInt();
}

void clsUser::QuestionStatClose()
{
    if (d->questionStat.open)
        d->questionStat.close();
}

// --- questionnaire statistics ------------------------------------------------------------

void clsUser::questionnaireStatDataRead(const QVariantList *row)
{
    if (!row) {
        m_questionnaireStatId = 0;
        QuestionnaireThemeNr = 0;
        QuestionnaireNr = 0;
        QuestionnaireDateTime = ZeroDate();
        QuestionnaireResultPercent = 0;
        QuestionnaireAnswers.clear();
        QuestionnaireDuration = 0;
        m_questionnaireProgramVersion.clear();
        return;
    }
    const QVariantList &r = *row;
    m_questionnaireStatId = r[0].toInt();
    QuestionnaireThemeNr = static_cast<int16_t>(r[1].toInt());
    QuestionnaireNr = static_cast<int16_t>(r[2].toInt());
    QuestionnaireDateTime = Impl::dateOut(r[3]);
    QuestionnaireResultPercent = r[4].toFloat();
    QuestionnaireAnswers = Impl::blankOut(r[5]);
    QuestionnaireDuration = r[6].toInt();
    m_questionnaireProgramVersion = r[7].toString();
}

void clsUser::QuestionnaireStatOpen()
{
    QuestionnaireStatClose();
    d->openTable(d->questionnaireStat, QStringLiteral("QuestionnaireStatOpen"), m_lockType != 1);
}

void clsUser::QuestionnaireStatUserOpen()
{
    const QString proc = QStringLiteral("QuestionnaireStatUserOpen");
    QuestionnaireStatClose();
    const QSqlError e = d->openSelection(
        d->questionnaireStat, proc,
        QuestionnaireStatColumns
            + QStringLiteral("WHERE UserID = ? AND CategoryNr = ? ORDER BY QuestionnaireDateTime DESC, StatId DESC"),
        {m_userId, CategoryNr}, m_lockType != 1);
    if (!Impl::succeeded(proc, e))
        return;
    QuestionnaireStatFirst();
}

void clsUser::QuestionnaireStatFirst()
{
    const QVariantList *row = nullptr;
    if (d->moveReported(d->questionnaireStat, QStringLiteral("QuestionnaireStatFirst"), QuestionnaireStatColumns,
                        StatId, true, row))
        questionnaireStatDataRead(row);
}

void clsUser::QuestionnaireStatNext()
{
    const QVariantList *row = nullptr;
    if (d->moveReported(d->questionnaireStat, QStringLiteral("QuestionnaireStatNext"), QuestionnaireStatColumns,
                        StatId, false, row))
        questionnaireStatDataRead(row);
}

void clsUser::QuestionnaireStatSeek(int32_t statId)
{
    const QString proc = QStringLiteral("QuestionnaireStatSeek");
    Impl::Cursor &c = d->questionnaireStat;
    if (!c.open) {
        Impl::report(proc, Impl::notOpen());
        return;
    }
    if (!c.tableMode) {
        const QSqlError e = d->fault(proc);
        if (!Impl::succeeded(proc, e))
            return;
        c.pos = 0;
        while (c.pos < c.rows.size() && c.rows[c.pos][0].toInt() != statId)
            ++c.pos;
        questionnaireStatDataRead(Impl::current(c));
        return;
    }
    QSqlQuery *q = nullptr;
    const QSqlError e = d->run(proc, QuestionnaireStatColumns + QStringLiteral("WHERE StatId = ?"), {statId}, &q);
    if (!Impl::succeeded(proc, e))
        return;
    bool found = false;
    c.rows.clear();
    c.rows.push_back(Impl::fetchOne(*q, found));
    c.key = found ? statId : 0;
    c.atEnd = !found;
    c.pos = found ? 0 : 1;
    questionnaireStatDataRead(found ? &c.rows[0] : nullptr);
}

void clsUser::QuestionnaireStatAdd()
{
    const QString proc = QStringLiteral("QuestionnaireStatAdd");
    Impl::Cursor &c = d->questionnaireStat;
    if (d->gradingLost())
        return;
    if (!Impl::succeeded(proc, d->addCheck(c, proc))) {
        d->writeFailed();
        return;
    }
    // The new row is saved, and gets its StatId, by QuestionnaireStatUpdate.
    c.pendingNew = true;
    questionnaireStatDataRead(nullptr);
}

void clsUser::QuestionnaireStatUpdate()
{
    const QString proc = QStringLiteral("QuestionnaireStatUpdate");
    Impl::Cursor &c = d->questionnaireStat;
    if (d->gradingLost())
        return;
    QSqlError e = Impl::updateCheck(c, m_questionnaireStatId);
    if (!Impl::succeeded(proc, e)) {
        d->writeFailed();
        return;
    }
    const QString when = Sql::DateTimeToText(QuestionnaireDateTime);
    const double percent = QuestionnaireResultPercent;
    QSqlQuery *q = nullptr;
    if (c.pendingNew)
        e = d->run(proc,
                   QStringLiteral("INSERT INTO QuestionnaireStat (UserID, CategoryNr, ProgramVersion, "
                                  "QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, "
                                  "QuestionnaireResultPercent, QuestionnaireAnswers, QuestionnaireDuration) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING StatId"),
                   {m_userId, CategoryNr, ProgramVersion, QuestionnaireThemeNr, QuestionnaireNr, when, percent,
                    Impl::blankIn(QuestionnaireAnswers), QuestionnaireDuration},
                   &q);
    else
        e = d->run(proc,
                   QStringLiteral("UPDATE QuestionnaireStat SET UserID = ?, CategoryNr = ?, ProgramVersion = ?, "
                                  "QuestionnaireThemeNr = ?, QuestionnaireNr = ?, QuestionnaireDateTime = ?, "
                                  "QuestionnaireResultPercent = ?, QuestionnaireAnswers = ?, "
                                  "QuestionnaireDuration = ? WHERE StatId = ?"),
                   {m_userId, CategoryNr, ProgramVersion, QuestionnaireThemeNr, QuestionnaireNr, when, percent,
                    Impl::blankIn(QuestionnaireAnswers), QuestionnaireDuration, m_questionnaireStatId});
    if (!Impl::failed(e) && c.pendingNew)
        e = d->newKey(q, m_questionnaireStatId);
    if (!Impl::succeeded(proc, e)) {
        d->writeFailed();
        return;
    }
    c.pendingNew = false;
    m_questionnaireProgramVersion = ProgramVersion;
}

void clsUser::QuestionnaireStatCompute(int16_t themeNr, int16_t questionnaireNr)
{
    const QString proc = QStringLiteral("QuestionnaireStatCompute");
    QuestionnaireStatClose();
    m_questionnaireRecordCount = 0;
    m_questionnaireResultPercentMax = 0;
    QVariantList row;
    const QSqlError e = d->scalar(proc,
                                  QStringLiteral("SELECT MAX(QuestionnaireResultPercent), COUNT(*) "
                                                 "FROM QuestionnaireStat WHERE UserID = ? AND CategoryNr = ? "
                                                 "AND QuestionnaireThemeNr = ? AND QuestionnaireNr = ?"),
                                  {m_userId, CategoryNr, themeNr, questionnaireNr}, row);
    if (!Impl::succeeded(proc, e))
        return;
    m_questionnaireRecordCount = row[1].toInt();
    if (m_questionnaireRecordCount != 0)
        m_questionnaireResultPercentMax = row[0].toFloat();
}

void clsUser::QuestionnaireStatClose()
{
    if (d->questionnaireStat.open)
        d->questionnaireStat.close();
}

// --- one grading as one transaction -------------------------------------------------------

bool clsUser::GradingBegin()
{
    const QString proc = QStringLiteral("GradingBegin");
    if (!d->dbOpen || d->inGrading) {
        Impl::report(proc, !d->dbOpen ? Impl::notOpen()
                                      : Impl::error(3001, QStringLiteral("A grading is already in progress.")));
        return false;
    }
    if (!d->retry(proc, [&] { return d->control(proc, d->dialect.beginWrite()); }))
        return false;
    d->inGrading = true;
    d->gradingFailed = false;
    return true;
}

bool clsUser::GradingCommit()
{
    const QString proc = QStringLiteral("GradingCommit");
    if (!d->dbOpen || !d->inGrading) {
        Impl::report(proc, !d->dbOpen ? Impl::notOpen()
                                      : Impl::error(3001, QStringLiteral("No grading is in progress.")));
        return false;
    }
    if (d->gradingFailed) {
        // Half a grading is never stored.
        Impl::report(proc, Impl::error(3001, QStringLiteral("A write of the grading failed: it is undone.")));
        GradingRollback();
        return false;
    }
    const bool ok = d->retry(proc, [&] { return d->control(proc, QStringLiteral("COMMIT")); });
    if (!ok)
        GradingRollback();
    d->inGrading = false;
    return ok;
}

void clsUser::GradingRollback()
{
    const QString proc = QStringLiteral("GradingRollback");
    if (!d->dbOpen || !d->inGrading)
        return;
    d->inGrading = false;
    const QSqlError e = d->control(proc, QStringLiteral("ROLLBACK"));
    // A failed statement may already have ended the transaction, or taken
    // the server connection (and the transaction) with it.
    if (Impl::failed(e) && !Sql::ErrorMessage(e).contains(QLatin1String("no transaction"))
        && !d->dialect.isConnectionLost(e))
        Impl::report(proc, e);
}
