#include "stats/ThemeRows.h"

#include "core/AppState.h"
#include "questionbank/clsQuestion.h"

QVector<ThemeRow> ThemeRowsBuild(clsQuestion &bank, int16_t categoryNr, int16_t languageNr)
{
    QVector<ThemeRow> rows;
    const int themeNrMax = bank.ThemeNameNrMax();
    for (int themeNr = 4; themeNr <= themeNrMax && rows.size() < ThemeRowMax; ++themeNr) {
        ThemeRow row{static_cast<int16_t>(themeNr), bank.ThemeNames(themeNr, categoryNr, languageNr), {}};
        if (row.name.isEmpty())
            continue;
        CurrentThemeNr = row.themeNr;
        for (int j = 0; j < ThemeColumnMax; ++j) {
            CurrentQuestionnaireNr = static_cast<int16_t>(j + 1);
            bank.QuestionnaireGet();
            row.stored[j] = !bank.QuestionnaireQuestions.isEmpty();
        }
        rows.append(row);
    }
    return rows;
}
