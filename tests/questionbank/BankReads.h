#pragma once
// What the bank object finds for the program's current numbers.
#include "core/AppState.h"
#include "questionbank/clsQuestion.h"

// The row of a question seek as "category/number/picture/theme/answer".
inline QString Seek(clsQuestion &q, int category, int nr)
{
    CurrentCategoryNr = int16_t(category);
    CurrentQuestionNr = nr;
    q.QuestionNrSeek();
    return QString("%1/%2/%3/%4/%5").arg(q.CategoryNr).arg(q.QuestionNr).arg(q.PictureNr).arg(q.ThemeNr).arg(q.Answer);
}

// A question's texts as "question|a|b|c".
inline QString TextsOf(clsQuestion &q, int category, int language, int nr)
{
    CurrentCategoryNr = int16_t(category);
    CurrentLanguageNr = int16_t(language);
    CurrentQuestionNr = nr;
    q.QuestionTextGet();
    return QStringList{q.QuestionText, q.AnsweraText, q.AnswerbText, q.AnswercText}.join('|');
}

// A questionnaire as "number:questions" (number 0 when none is found).
inline QString QuestionnaireOf(clsQuestion &q, int category, int theme, int nr)
{
    CurrentCategoryNr = int16_t(category);
    CurrentThemeNr = int16_t(theme);
    CurrentQuestionnaireNr = int16_t(nr);
    q.QuestionnaireGet();
    return QString::number(q.QuestionnaireNr) + ":" + q.QuestionnaireQuestions;
}
