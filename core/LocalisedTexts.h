#pragma once
// Localised texts held in variables, replaced on every language change.
// The data tables live in LocalisedTexts.cpp, one row per text, German,
// French and Italian side by side.
#include <QString>
#include <array>

extern std::array<QString, 4> CategoryNames;
extern std::array<QString, 3> LanguageNames;
extern std::array<QString, 5> TitleTexts;
extern QString MistakesTitleText;   // title of a set of the questions last answered wrong
extern std::array<QString, 8> GradeGridHeaders;
extern std::array<QString, 5> HistoryColumnTitles;
extern QString GradeRightText, GradeWrongText;
extern QString AnswerAllMessage, ResultsBlockedTitle;
extern QString AskExplanationText1, AskExplanationText2;
extern QString StatsTitle, StatsColumnQuestionnaire, StatsColumnResult, StatsColumnComment;
extern QString StatsNeverDone, StatsDonePrefix, StatsDoneMiddle, StatsPercentSign;
extern QString StatsNoResult, StatsInsufficient, StatsAlmostOk, StatsOk, StatsThemeLabel;
extern QString UserDeleteTitle, UserDeleteTextStart, UserDeleteTextEnd;
extern QString RestartWarningTitle, RestartWarningText;
extern QString SettingsReadOnlyStart, SettingsReadOnlyEnd;
// Shown for a few seconds when a request is refused (besides the beep).
extern QString NoticeWrongPassword, NoticeUnknownQuestion, NoticeEmptyCategory, NoticeEmptyLesson;
extern QString NoticeUserNameMissing, NoticeUserNameTaken, NoticePasswordDigits, NoticeAdminNotDeletable;
// Asked before a database directory without the database file is kept:
// start text, the missing file's full path, end text.
extern QString DirectoryFileMissingStart, DirectoryFileMissingEnd;
// Tool tip of the user database's setting when it lies on a server.
extern QString UserDbServerNoteText;

// Fills every text above in language 0 (German), 1 (French) or 2 (Italian);
// any other value leaves them as they are.
void LocalisedTextsFill(int languageNr);

// "Frage " / "Question " / "Domanda ": tool tip prefix of the question strip.
QString QuestionStripToolTipPrefix(int languageNr);
