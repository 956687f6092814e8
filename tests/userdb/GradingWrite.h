#pragma once
// A questionnaire result, and one grading as the program writes it: a
// questionnaire row and its 40 question rows in one transaction. Shared by
// the user-database fixture, the sharing test's helper program and the
// concurrency benchmark.
#include "userdb/clsUser.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

namespace UserDbTest {

// One questionnaire result of the current user.
inline void QuestionnaireAdd(clsUser &user, int16_t theme, int16_t nr, float percent, const QDateTime &when,
                             const QString &answers = QStringLiteral("abcJ  "))
{
    user.QuestionnaireStatOpen();
    user.QuestionnaireStatAdd();
    user.QuestionnaireThemeNr = theme, user.QuestionnaireNr = nr, user.QuestionnaireDateTime = when;
    user.QuestionnaireResultPercent = percent, user.QuestionnaireAnswers = answers;
    user.QuestionnaireStatUpdate();
    user.QuestionnaireStatClose();
}

// Writes the grading of the object's current user; afterRow (if set) runs
// after each question row. True when the whole grading was stored.
inline bool GradingWrite(clsUser &u, const QDateTime &when, int firstQuestionNr,
                         const std::function<void(int row)> &afterRow)
{
    if (!u.GradingBegin())
        return false;
    QuestionnaireAdd(u, -1, 1, 92.5f, when, QStringLiteral("abc"));
    u.QuestionStatOpen();
    for (int i = 1; i <= 40; ++i) {
        u.QuestionStatAdd();
        u.QuestionNr = firstQuestionNr + i, u.QuestionDateTime = when, u.QuestionAnswer = i % 3 != 0;
        u.QuestionStatUpdate();
        if (afterRow)
            afterRow(i);
    }
    u.QuestionStatClose();
    return u.GradingCommit();
}

// Writes count gradings one after the other, a second apart; slowestMs is
// the longest of them from the start of its transaction to its commit.
inline bool GradingsWrite(clsUser &u, int count, qint64 &slowestMs)
{
    slowestMs = 0;
    for (int n = 0; n < count; ++n) {
        QElapsedTimer t;
        t.start();
        const QDateTime when = QDateTime(QDate(2026, 5, 4), QTime(10, 0, 0)).addSecs(n);
        if (!GradingWrite(u, when, 100 * (n + 1), {}))
            return false;
        slowestMs = std::max(slowestMs, t.elapsed());
    }
    return true;
}

} // namespace UserDbTest
