#pragma once
// The rows of the grade grid, built from the set record and the question bank
// without any window: one title row and one row per question of the set.
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

enum class GradeResult { None, Right, Wrong };

struct GradeRow {
    std::array<QString, 8> cells;   // position, answer, result word, right answer,
                                    // reveal mark, question "0000", book page, theme
    GradeResult result = GradeResult::None;
    uint8_t revealState = 0;
};

struct GradeTable {
    std::array<QString, 8> titles;   // column titles; column 6 is the current book's title
    bool answersStored = true;       // false: result and help columns are hidden
    QVector<GradeRow> rows;          // rows[k] is position k + 1
};

// answersStored: the questionnaire record holds its answers text.
// pageWord: the localised word for "page" (Tag of lblQABookPage).
// The current question selector is left as it was.
GradeTable GradeTableBuild(bool answersStored, const QString &pageWord);

// The stored reveal mark of a state ("", "J", "L") and the face shown for it.
QString RevealMarkStored(uint8_t revealState);
QString RevealMarkShown(uint8_t revealState);
