// The statistics listings of clsUser: the history's questionnaires and the
// per-question summary, read row by row into plain rows.
#include "userdb/clsUserImpl.h"

#include <QSet>

QuestionnaireStatList clsUser::QuestionnaireStatUserList()
{
    const QString proc = QStringLiteral("QuestionnaireStatUserList");
    QuestionnaireStatList list;
    QSqlQuery *q = nullptr;
    const QSqlError e = d->run(proc,
                               QStringLiteral("SELECT StatId, QuestionnaireThemeNr, QuestionnaireNr, "
                                              "QuestionnaireDateTime, QuestionnaireResultPercent, "
                                              "QuestionnaireDuration FROM QuestionnaireStat "
                                              "WHERE UserID = ? AND CategoryNr = ? "
                                              "ORDER BY QuestionnaireDateTime DESC, StatId DESC"),
                               {m_userId, CategoryNr}, &q);
    if (!Impl::succeeded(proc, e))
        return list;
    while (q->next()) {
        QuestionnaireStatListRow r;
        r.StatId = q->value(0).toInt();
        r.ThemeNr = static_cast<int16_t>(q->value(1).toInt());
        r.QuestionnaireNr = static_cast<int16_t>(q->value(2).toInt());
        r.DateTimeText = q->value(3).toString();
        r.ResultPercent = q->value(4).toFloat();
        r.Duration = q->value(5).toInt();
        list.push_back(std::move(r));
    }
    q->finish();
    return list;
}

QuestionStatSummary clsUser::QuestionStatUserSummary()
{
    const QString proc = QStringLiteral("QuestionStatUserSummary");
    QuestionStatSummary list;
    QSqlQuery *q = nullptr;
    const QSqlError e = d->run(proc, d->dialect.questionSummary(), {m_userId, CategoryNr}, &q);
    if (!Impl::succeeded(proc, e))
        return list;
    while (q->next()) {
        QuestionStatSummaryRow r;
        r.QuestionNr = q->value(0).toInt();
        r.LastDateTimeText = q->value(1).toString().chopped(10);
        r.ThemeNr = static_cast<int16_t>(q->value(2).toInt());
        r.LastRight = q->value(3).toInt() != 0;
        r.Asked = q->value(4).toInt();
        r.Right = q->value(5).toInt();
        list.push_back(std::move(r));
    }
    q->finish();
    return list;
}

QVariantList clsUser::Impl::firstColumn(const QString &operation, const QString &sql,
                                        std::initializer_list<QVariant> values)
{
    QVariantList column;
    QSqlQuery *q = nullptr;
    if (!succeeded(operation, run(operation, sql, values, &q)))
        return column;
    while (q->next())
        column.append(q->value(0));
    q->finish();
    return column;
}

QVector<int32_t> clsUser::QuestionStatWrongLastList(int32_t limit)
{
    const QString proc = QStringLiteral("QuestionStatWrongLastList");
    QVector<int32_t> list;
    QSqlQuery *q = nullptr;
    // Newest answers first (the same order as the summary's last answer): the
    // first answer met of a question is its last one. The walk stops as soon
    // as the list is full.
    const QSqlError e = d->run(proc,
                               QStringLiteral("SELECT QuestionNr, QuestionAnswer FROM QuestionStat "
                                              "WHERE UserID = ? AND CategoryNr = ? "
                                              "ORDER BY QuestionDateTime DESC, StatId DESC"),
                               {m_userId, CategoryNr}, &q);
    if (!Impl::succeeded(proc, e))
        return list;
    QSet<int32_t> met;
    while (list.size() < limit && q->next()) {
        const int32_t nr = q->value(0).toInt();
        if (met.contains(nr))
            continue;
        met.insert(nr);
        if (q->value(1).toInt() == 0)
            list.append(nr);
    }
    q->finish();
    return list;
}

QVector<float> clsUser::ExamResultsLast(int32_t limit)
{
    QVector<float> list;
    for (const QVariant &percent : d->firstColumn(QStringLiteral("ExamResultsLast"),
                                                  QStringLiteral("SELECT QuestionnaireResultPercent FROM QuestionnaireStat "
                                                                 "WHERE UserID = ? AND CategoryNr = ? "
                                                                 "AND QuestionnaireThemeNr = -1 AND QuestionnaireNr = 1 "
                                                                 "ORDER BY QuestionnaireDateTime DESC, StatId DESC LIMIT ?"),
                                                  {m_userId, CategoryNr, limit}))
        list.append(percent.toFloat());
    return list;
}
