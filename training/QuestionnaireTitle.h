#pragma once
// The title of the running set, composed from its TitleInfo in the current
// language.
#include <QString>
#include <cstdint>

// Composes SetRecord.QuestionnaireTitle from SetRecord.TitleInfo and writes it
// as the caption of the question screen and of the grade screen's
// "lblGradeQName" label when those exist.
void QuestionnaireTitleSet();
// The title text alone, from the given parts (no side effects):
// TitleTexts(titleIndex) + " : " and, by kind, 2: number + ", " + theme word
// + " : " + theme name; 3 or 4: TitleTexts(kind); 5: number; 6:
// MistakesTitleText.
// Title kind of a set of the questions last answered wrong.
inline constexpr int32_t TitleKindMistakes = 6;
QString QuestionnaireTitleCompose(int32_t titleIndex, int32_t number, int32_t kind, int32_t themeNr);
