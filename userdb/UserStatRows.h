#pragma once
// Light rows of the statistics listings: read straight from the statistics
// tables for the screens that show many of them at once, with the stored
// date-time text kept as stored ("yyyy-MM-dd HH:mm:ss"), so that no row pays
// for a local-time conversion it may never show.
#include <QString>
#include <cstdint>
#include <vector>

// One graded questionnaire of the user's history.
struct QuestionnaireStatListRow {
    int32_t StatId = 0;
    int16_t ThemeNr = 0;
    int16_t QuestionnaireNr = 0;
    QString DateTimeText;
    float ResultPercent = 0;
    int32_t Duration = 0;
};

// One question as the user answered it over all gradings of the category.
struct QuestionStatSummaryRow {
    int32_t QuestionNr = 0;
    int16_t ThemeNr = 0;          // theme stored with the last answer
    int32_t Asked = 0;
    int32_t Right = 0;
    QString LastDateTimeText;     // stored text of the last answer
    bool LastRight = false;
};

using QuestionnaireStatList = std::vector<QuestionnaireStatListRow>;
using QuestionStatSummary = std::vector<QuestionStatSummaryRow>;
