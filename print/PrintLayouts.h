#pragma once
// The layouts of the program's prints on the character grid: which text goes
// to which column and line, in which font. Plain functions over the grid
// printing procedures; the data comes from the screens or from a report.
#include "training/GradeRows.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

struct QuestionStatsRow;

// The head every print starts with.
struct PrintHead {
    QString programVersion;   // "Velko 2.0.0"
    QString userName;
    QString categoryName;
    QString dateText;
};

// The date of a statistics print: the date, " - ", hours and minutes.
QString PrintStatsDateText(const QDateTime &when);
// The date of a result print: the questionnaire's date and time.
QString PrintResultDateText(const QDateTime &when);

// --- the result of a questionnaire ---------------------------------------------
struct ResultPrintData {
    PrintHead head;
    QString gradeCaption;                    // caption of the grade screen
    QString questionnaireTitle;
    std::array<QString, 3> valueLabels;      // number of questions, right answers, percent right
    int32_t questionCount = 0;
    int32_t rightCount = 0;
    QString percentText;                     // "85%"
    GradeTable table;
};
// From line 5 of a page to the closing rule; breaks the page when the table
// runs past the last grid line and repeats the column titles there.
void ResultPrintPages(const ResultPrintData &data);
// The whole document: portrait, grid of size 10, the pages, end of the job.
void ResultPrint(const ResultPrintData &data);
// The blanks before the right/wrong word: the smaller of 2 and
// 4 - (length div 2).
int ResultWordIndent(const QString &word);

// --- lesson and theme statistics ------------------------------------------------
struct StatsPrintRow {
    int16_t number = 0;    // questionnaire number
    QString toolTip;       // as on the button
    QString tag;           // best result as shown, "" when never done
};
struct ThemePrintRow {
    QString caption;                     // theme name
    QVector<StatsPrintRow> questionnaires;   // the visible ones only
};
void ThemesStatsPrintPages(const PrintHead &head, const QString &themesCaption, const QVector<ThemePrintRow> &themes);
void ThemesStatsPrint(const PrintHead &head, const QString &themesCaption, const QVector<ThemePrintRow> &themes);
void LessonStatsPrintPages(const PrintHead &head, const QString &lessonsCaption, const QVector<StatsPrintRow> &lessons);
void LessonStatsPrint(const PrintHead &head, const QString &lessonsCaption, const QVector<StatsPrintRow> &lessons);

// --- per-question statistics -------------------------------------------------------
// Same page as the lesson statistics, with the six columns of the question
// statistics table; breaks pages as the result print does.
void QuestionStatsPrintPages(const PrintHead &head, const QString &heading, const std::array<QString, 6> &titles,
                             const QVector<QuestionStatsRow> &rows);
void QuestionStatsPrint(const PrintHead &head, const QString &heading, const std::array<QString, 6> &titles,
                        const QVector<QuestionStatsRow> &rows);

// Breaks a text into lines of at most maxChars characters, at blanks where
// possible. An empty text gives one empty line.
QStringList TextLinesWrap(const QString &text, int maxChars);
