#pragma once
// One grading as the program writes it: a questionnaire row and its 40
// question rows in one transaction. Shared by the sharing test, its helper
// program and the concurrency benchmark.
#include "userdb/clsUser.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

namespace UserDbTest {

// Writes the grading of the object's current user; afterRow (if set) runs
// after each question row. True when the whole grading was stored.
inline bool GradingWrite(clsUser &u, const QDateTime &when, int firstQuestionNr,
                         const std::function<void(int row)> &afterRow)
{
    if (!u.GradingBegin())
        return false;
    u.QuestionnaireStatOpen();
    u.QuestionnaireStatAdd();
    u.QuestionnaireThemeNr = -1, u.QuestionnaireNr = 1, u.QuestionnaireDateTime = when;
    u.QuestionnaireResultPercent = 92.5f, u.QuestionnaireAnswers = QStringLiteral("abc");
    u.QuestionnaireStatUpdate();
    u.QuestionnaireStatClose();
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
