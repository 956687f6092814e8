#pragma once
// Building a question set: the stored question list of a predefined
// questionnaire, the per-theme quotas of the INI key MAXQPT, the random draw
// of an examination or mixed set, and the title of the running set.
#include "training/QuestionnaireTitle.h"

#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>

// Draws counted over a whole set after which the quotas are switched off.
inline constexpr int32_t MaxDrawAttempts = 1000;
// Draws counted over a whole set after which the category is listed once and
// the remaining questions are drawn from that list, so that a category with
// few (or no) questions cannot keep the draw going for ever.
inline constexpr int32_t DrawScanAttempts = 2 * MaxDrawAttempts;

// Leading number of a text the way the classic Val function reads it: blanks,
// tabs and line feeds are ignored, the number stops at the first character
// that cannot continue it; a text without a leading number gives 0.
double TextLeadingNumber(const QString &text);
// Nearest integer, halves to even, clamped to the range of the type.
int16_t RoundToInt16(double value);
int32_t RoundToInt32(double value);

// Number of questions of a stored list: its length / 4, halves to even.
int32_t QuestionListCount(const QString &questions);
// The question numbers of a stored list (four hexadecimal digits each), in
// stored order; element 0 is the first question. A group cut short at the end
// of the text is read from the digits it has; a group starting with a
// character that is not a hexadecimal digit reads 0. Values of 8000 hex and
// above are read as positive numbers.
QVector<int32_t> QuestionListParse(const QString &questions);

// Quotas of a MAXQPT value: index = theme number 0..themeNameNrMax. Every
// theme starts unlimited (= unlimitedValue); the parts of the value, separated
// by ";", set the quotas of theme 4 upwards; parts beyond themeNameNrMax are
// ignored.
QVector<int16_t> MaxqptParse(const QString &value, int16_t themeNameNrMax, int16_t unlimitedValue);

// Draws the examination or mixed set of CurrentCategoryNr into SetRecord:
// QuestionCount = ExamQuestionCount(CurrentCategoryNr), distinct questions of
// the category in drawing order, quotas from MAXQPT. progress(i) is called with
// the position being drawn, once per draw. When the category holds fewer
// questions than needed, the set takes all of them (QuestionCount shrinks) and
// the log says so. Returns QuestionCount; 0 means no set could be drawn (empty
// category, no bank, invalid category): a beep, and the set record is empty.
int32_t QuestionSetDraw(const std::function<void(int32_t)> &progress = {});

// Examination (mode 1, questionnaire 1, title kind 4) or mixed set (mode 0,
// questionnaire 0, title kind 3) of CurrentCategoryNr: theme -1, the title,
// then the draw. Returns QuestionCount (0: no set).
int32_t ExamOrMixSetBuild(uint8_t questionMode, int16_t questionnaireNr, int32_t titleKind,
                          const std::function<void(int32_t)> &progress = {});

// A set drawn at run time is stored under theme -1 with questionnaire 0
// (mixed set), 1 (examination) or 2 (the questions last answered wrong); its
// questions are rebuilt from the question records written with it.
inline constexpr int16_t DrawnSetThemeNr = -1;
inline constexpr int16_t MistakesQuestionnaireNr = 2;
inline constexpr int32_t MistakesQuestionMax = 40;

// The questions of CurrentCategoryNr that the signed-in user (objUser)
// answered wrong the last time, the most recent first, at most
// MistakesQuestionMax: a practice set (mode 0) titled MistakesTitleText.
// Returns QuestionCount (0: no such question; the set record is empty).
int32_t MistakesSetBuild();

// Single question whose number leads the text: when the question exists in
// CurrentCategoryNr the set becomes that one question (mode 3, titled) and
// true is returned; otherwise the set record stays as it was and false is
// returned.
bool SingleQuestionSetBuild(const QString &numberText);

// Lesson set (questionnaire index + 1 of CurrentCategoryNr) into SetRecord:
// mode 0, title, stored question list. Returns QuestionCount (0 when the
// lesson is not stored).
int32_t LessonSetBuild(int index);

// Theme questionnaire set (questionnaire questionnaireNr of theme themeNr in
// CurrentCategoryNr) into SetRecord: mode 0, title "questionnaire n, theme :
// name", stored question list. Returns QuestionCount (0 when not stored).
int32_t ThemeQuestionnaireSetBuild(int16_t themeNr, int16_t questionnaireNr);
