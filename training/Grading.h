#pragma once
// Grading of the running set: judging the answers against the question bank,
// the percentage, and storing one questionnaire record and one record per
// question in the user database, with progress lines in the results log.
#include <QDateTime>
#include <QString>
#include <cstdint>

// Counts the right answers of SetRecord (exact, case-sensitive comparison
// with the bank's Answer) into RightAnswerCount and ResultPercent.
void ResultsCompute();
// Percentage of right answers, halves to even (35 of 40 gives 88, 33 of 40 gives 82).
int16_t ResultPercentOf(int32_t right, int32_t count);
// The stored answers text of SetRecord: N answer letters (blank when
// unanswered) followed by N reveal marks (" ", "J", "L").
QString QuestionnaireAnswersText();

class clsUser;

// Writes the questionnaire record / the question records of SetRecord with
// the given timestamp through the user-records object.
void QuestionnaireResultStore(clsUser &user, const QDateTime &timestamp);
void QuestionAnswersStore(clsUser &user, const QDateTime &timestamp);

// The storing steps of the grade button for a practice set or an examination:
// one timestamp (to the second), the results log emptied, the results
// computed, the questionnaire record and the question records written as one
// transaction of the user database, every step reported in the results log.
// Afterwards the results log's continue button is enabled. The caller checks
// the mode and the answers before, and switches to the grade screen after.
// Returns false when the records could not be stored as a whole: the
// transaction could not start, a step was reported as failed or the commit
// failed. Nothing of this grading is then kept.
bool GradingRun();
