#pragma once
// Program-wide state shared by every screen: filled during start-up and by
// the login and language screens, read everywhere else.
#include <QString>
#include <array>
#include <cstdint>

class clsDebug;

extern QString ProgramVersionText;      // "Velko 2.0.0"
extern QString QuestionDbVersionText;   // INI QDBVER, "" when absent
extern QString WindowsVersionText;      // "major.minor.build"
extern QString PCNameText;              // "?" when unknown
extern QString WindowsUserText;         // "?" when unknown
extern int16_t SplashSeconds;
extern float SplashEndTime;             // seconds since midnight
extern clsDebug *objDebug;
extern QString PicturePath;             // always ends with the separator
extern QString PictureFileName;

// Current selectors: the question bank reads them as its keys.
extern int16_t CurrentLanguageNr;
extern int16_t CurrentCategoryNr;
extern int16_t CurrentThemeNr;
extern int32_t CurrentQuestionNr;
extern int16_t CurrentQuestionnaireNr;
extern int16_t CurrentBookNr;
extern int16_t CurrentBookNrMax;

extern std::array<QString, 3> AnswerLetters;          // "a", "b", "c"
extern std::array<int16_t, 4> ExamQuestionCount;      // 40, 40, 30, 30

// Program version text built from the title and the version kept in CMake.
QString ProgramVersionBuild();

// Puts every value above back to its start-of-run state (tests use it).
void AppStateReset();
