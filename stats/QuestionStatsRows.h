#pragma once
// The per-question statistics of the signed-in candidate in the current
// category: one row per question asked, the questions answered wrong most
// often first. Plain rows, read by the screen and by a print alike.
#include <QString>
#include <QVector>
#include <cstdint>

class clsUser;

struct QuestionStatsRow {
    int32_t questionNr = 0;
    QString themeName;         // theme of the last answer, current language
    int32_t asked = 0;
    int32_t right = 0;
    QString lastDateText;      // the platform's default date-and-time text
    bool lastRight = false;
    int32_t Wrong() const { return asked - right; }
};

// Reads the user's question statistics of the user's category (an empty
// list without a user) and orders them: most wrong answers first, then most
// asked, then by question number.
QVector<QuestionStatsRow> QuestionStatsRowsBuild(clsUser *user);
