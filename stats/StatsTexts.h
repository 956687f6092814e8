#pragma once
// Texts of the statistics screens that are not captions of the main window:
// the per-question statistics and the refusals of the theme and history
// screens, in German, French and Italian.
#include <QString>
#include <array>

enum class StatsTextId {
    QuestionStatsTitle,
    QuestionStatsEmpty,
    QuestionStatsClose,
    NoticeEmptyQuestionnaire,
    NoticeNotReopenable,
    MistakesPractise,      // button of the question statistics
    MistakesNone,          // why it is disabled
    ReadinessReady,        // exams passed %1 of %2, ready
    ReadinessNeeded,       // exams passed %1 of %2, %3 more to pass
};

// The text in language 0..2; other languages give the German text.
QString StatsText(StatsTextId id, int languageNr);
// Titles of the per-question statistics columns: question, theme, asked,
// right, last answered, last result.
std::array<QString, 6> QuestionStatsColumnTitles(int languageNr);
