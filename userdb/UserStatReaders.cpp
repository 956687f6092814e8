// The statistics listings of clsUser: the history's questionnaires and the
// per-question summary, read row by row into plain rows.
#include "userdb/clsUserImpl.h"

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
    // With a single MAX() the other plain columns of a group come from the
    // row holding that maximum: the theme and answer of the last answer.
    // Among answers of the same second the later row counts.
    const QSqlError e = d->run(proc,
                               QStringLiteral("SELECT QuestionNr, MAX(QuestionDateTime || printf('%010d', StatId)), "
                                              "QuestionThemeNr, QuestionAnswer, COUNT(*), "
                                              "SUM(QuestionAnswer <> 0) FROM QuestionStat "
                                              "WHERE UserID = ? AND CategoryNr = ? "
                                              "GROUP BY QuestionNr ORDER BY QuestionNr"),
                               {m_userId, CategoryNr}, &q);
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
    // The last answer of every question as in the summary; of those, the
    // wrong ones.
    QVector<int32_t> list;
    for (const QVariant &nr : d->firstColumn(QStringLiteral("QuestionStatWrongLastList"),
                                             QStringLiteral("SELECT QuestionNr FROM (SELECT QuestionNr, QuestionAnswer, "
                                                            "MAX(QuestionDateTime || printf('%010d', StatId)) "
                                                            "AS LastAnswer FROM QuestionStat WHERE UserID = ? "
                                                            "AND CategoryNr = ? GROUP BY QuestionNr) "
                                                            "WHERE QuestionAnswer = 0 ORDER BY LastAnswer DESC LIMIT ?"),
                                             {m_userId, CategoryNr, limit}))
        list.append(nr.toInt());
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
