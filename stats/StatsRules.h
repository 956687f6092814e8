#pragma once
// The best-result rules shared by the lesson and theme questionnaire buttons
// and the statistics prints: the shown best result, the colour, the tool tip
// and the printed comment. Plain functions, no window.
#include <QColor>
#include <QString>
#include <QVector>
#include <cstdint>

enum class BestResultColour { Plain, Green, Orange, Red };

// The best result as shown: one decimal, or none when that decimal is 0
// (85.0 shows "85", 85.5 "85.5", 89.96 "90"), with the system's decimal
// separator.
QString BestResultText(float best);
// Colour by the unformatted best result: 90 or more green, 80 or more
// orange, below red; never done (count 0) plain.
BestResultColour BestResultColourOf(int32_t count, float best);
// The colour values: green (0, 255, 0), orange (255, 128, 0), red
// (255, 0, 0); plain is the button face of the application palette.
QColor BestResultColourValue(BestResultColour colour);

// What a lesson or theme questionnaire button shows for count attempts with
// the given best result, in the current language's texts.
struct BestResultFace {
    BestResultColour colour = BestResultColour::Plain;
    QString toolTip;   // StatsNeverDone, or prefix, count, middle, best text, percent sign
    QString tag;       // the best text, empty when never done
};
BestResultFace BestResultFaceOf(int32_t count, float best);

// Readiness for the examination from the results of the last examinations
// (newest first, at most five are read): how many reached the pass mark of
// 90 %, and how many more passes in a row are needed until the last three
// all passed (0: ready).
struct ExamReadiness {
    int examined = 0;
    int passed = 0;
    int needed = 3;
};
ExamReadiness ExamReadinessOf(const QVector<float> &lastResults);
// "Prüfungen : 2 von 4 bestanden – noch 1 zu bestehen" in the language.
QString ExamReadinessText(const ExamReadiness &readiness, int languageNr);

// The printed comment of a button's Tag: StatsNoResult when empty, else by
// the shown value: 90 or more StatsOk, 80 or more StatsAlmostOk, else
// StatsInsufficient.
QString BestResultComment(const QString &tag);
