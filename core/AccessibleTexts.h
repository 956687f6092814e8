#pragma once
// Names and descriptions that assistive technology reads for controls whose
// caption alone does not say what they are, in German, French and Italian.
#include <QString>

enum class AccessibleTextId {
    Answered,          // ", beantwortet" of a question of the strip
    Current,           // ", aktuell"
    PreviousQuestion,
    NextQuestion,
    Delete,            // one digit back
    ClearAll,
    Users,
    Password,
    Picture,
    BookChange,
    Questionnaire,     // "Fragebogen", before its number
    RevealShown,       // help mark 1
    RevealChanged,     // help mark 2
    QuestionNumber,    // the box of the single question's number
    QuestionStatsShow,
    QuestionStatsPrint,
};

// The text in language 0..2; other languages give the German text.
QString AccessibleText(AccessibleTextId id, int languageNr);
// The text in the current language.
QString AccessibleText(AccessibleTextId id);
