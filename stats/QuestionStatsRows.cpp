#include "stats/QuestionStatsRows.h"

#include "core/AppState.h"
#include "questionbank/clsQuestion.h"
#include "stats/HistoryRows.h"
#include "userdb/clsUser.h"

#include <algorithm>

QVector<QuestionStatsRow> QuestionStatsRowsBuild(clsUser *user)
{
    QVector<QuestionStatsRow> rows;
    if (!user)
        return rows;
    user->setRSCursorType(QStringLiteral("3"));
    user->setRSLockType(QStringLiteral("1"));
    const QuestionStatSummary summary = user->QuestionStatUserSummary();
    rows.reserve(static_cast<qsizetype>(summary.size()));
    for (const QuestionStatSummaryRow &s : summary) {
        QuestionStatsRow r;
        r.questionNr = s.QuestionNr;
        r.themeName = objQuestion ? objQuestion->ThemeNames(s.ThemeNr, user->CategoryNr, CurrentLanguageNr)
                                  : QString();
        r.asked = s.Asked;
        r.right = s.Right;
        r.lastDateText = HistoryDateText(s.LastDateTimeText);
        r.lastRight = s.LastRight;
        rows.append(r);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const QuestionStatsRow &a, const QuestionStatsRow &b) {
        if (a.Wrong() != b.Wrong())
            return a.Wrong() > b.Wrong();
        if (a.asked != b.asked)
            return a.asked > b.asked;
        return a.questionNr < b.questionNr;
    });
    return rows;
}
