#pragma once
// The rows of the theme questionnaires screen, without any window: the named
// themes of a category (theme 4 upwards, in number order) and which of their
// questionnaires the bank holds.
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

class clsQuestion;

inline constexpr int ThemeRowMax = 11;      // rows of the screen
inline constexpr int ThemeColumnMax = 6;    // questionnaires per row

struct ThemeRow {
    int16_t themeNr = 0;
    QString name;
    std::array<bool, ThemeColumnMax> stored{};   // questionnaire j + 1 has questions
};

// The first ThemeRowMax themes with a name in the category and language.
// Reading the questionnaires moves the bank's selectors CurrentThemeNr and
// CurrentQuestionnaireNr.
QVector<ThemeRow> ThemeRowsBuild(clsQuestion &bank, int16_t categoryNr, int16_t languageNr);
