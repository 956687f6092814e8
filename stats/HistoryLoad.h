#pragma once
// Rebuilding a stored questionnaire into the running set, without any window:
// its questions (the bank's list of a lesson or theme questionnaire, or the
// question records of an examination or mixed set), the answers and reveal
// marks as given, the title, the percentage and the number of right answers.
#include <QString>
#include <cstdint>

class clsUser;

// Answers and marks of QuestionnaireAnswers into SetRecord: character i is
// the answer to question i (a blank: none), character QuestionCount + i its
// mark (blank 0, "J" 1, "L" 2, anything else 0). A short text leaves the
// missing answers empty and their marks 0.
void StoredAnswersApply(const QString &answers);
// The number of right answers from which percent of count was computed:
// (percent * count + 49) div 100; 0 for no question.
int16_t RightAnswerCountRebuild(int16_t percent, int32_t count);

// frameHistoryQuestionnaireLoad: rebuilds SetRecord (questions, answers,
// marks, title, ResultPercent, RightAnswerCount) and the current theme and
// questionnaire from the questionnaire record current in user, in the
// current category. Returns QuestionCount (below 1: nothing to show).
int32_t HistoryQuestionnaireLoad(clsUser &user);

enum class HistoryReopen { Loaded, Gone, NotReopenable, Empty };
// Reads the questionnaire record statId of the user and, when it can be
// rebuilt, loads it as HistoryQuestionnaireLoad does (QuestionMode history).
// Gone: the record was deleted meanwhile; NotReopenable: an examination or
// mixed set of a version that kept no question records; Empty: no question.
HistoryReopen HistoryRecordReopen(clsUser &user, int32_t statId);
