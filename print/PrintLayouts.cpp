#include "print/PrintLayouts.h"

#include "core/Fonts.h"
#include "core/LocalisedTexts.h"
#include "print/EZP.h"
#include "stats/QuestionStatsRows.h"
#include "stats/StatsRules.h"

#include <QFontMetricsF>
#include <QLocale>
#include <functional>

namespace {

const QString Arial = QStringLiteral("Arial");
const QString Courier = QStringLiteral("Courier");
const QString Wingdings = QStringLiteral("Wingdings");

// Courier advances 0.6 em: 12 twips per point of size.
int CourierCharTwips(int16_t size) { return 12 * size; }

// The right end of the rules: the centre of column 92.
int32_t RuleEndTwips() { return static_cast<int32_t>(92.5 * GridColumnWidth); }

// How many Courier characters fit from a column to a right edge in twips.
int CourierCharsFitting(int16_t column, int32_t rightTwips, int16_t size)
{
    const int room = rightTwips - int32_t(column) * GridColumnWidth;
    return room > 0 ? room / CourierCharTwips(size) : 0;
}

// The first column after a Courier text printed at a column, with one blank
// between.
int16_t ColumnAfter(int16_t column, const QString &text, int16_t size)
{
    if (GridColumnWidth <= 0)
        return column;
    const int32_t end = int32_t(column) * GridColumnWidth + (text.size() + 1) * CourierCharTwips(size);
    return static_cast<int16_t>((end + GridColumnWidth - 1) / GridColumnWidth);
}

// The head of every print: program, user, category and date between rules.
void HeadPrint(const PrintHead &head)
{
    PrinterFontSet(Arial, 16, true);
    PrinterLineSet(5);
    PrinterTextPrint(10, head.programVersion);
    PrinterLinesSkip(2);
    PrinterRuleLine();
    PrinterLinesSkip(2);
    PrinterFontSet(Arial, 14, true);
    PrinterTextPrint(10, head.userName);
    PrinterLinesSkip(2);
    PrinterTextPrint(10, head.categoryName);
    PrinterLinesSkip(2);
    PrinterTextPrint(10, head.dateText);
    PrinterLinesSkip(3);
    PrinterRuleLine();
    PrinterLinesSkip(2);
}

// The head of a statistics print, down to the rule under its heading.
void StatsHeadPrint(const PrintHead &head, const QString &heading)
{
    HeadPrint(head);
    PrinterFontSet(Arial, 14, true);
    PrinterTextPrint(10, StatsTitle);
    PrinterLinesSkip(2);
    PrinterFontSet(Arial, 12, true);
    PrinterTextPrint(10, heading);
    PrinterLinesSkip(2);
    PrinterRuleLine();
}

// The last line a table row may use: the closing blank line and rule fit
// below it.
int TableLineLast() { return GridLineMax - 2; }

// A new page for a table that goes on: line 5, a rule, the titles again.
void TablePageNew(const std::function<void()> &titlesPrint)
{
    PrinterPageNew();
    PrinterLineSet(5);
    PrinterRuleLine();
    PrinterLinesSkip(2);
    titlesPrint();
}

// The three column titles of the lesson and theme statistics.
void StatsTitlesPrint()
{
    PrinterFontSet(Arial, 11, false);
    PrinterTextPrint(10, StatsColumnQuestionnaire);
    PrinterTextPrint(25, StatsColumnResult);
    PrinterTextPrint(60, StatsColumnComment);
    PrinterLinesSkip(2);
}

void StatsRowPrint(const StatsPrintRow &row)
{
    PrinterFontSet(Courier, 9, false);
    PrinterTextPrint(14, TextRightAligned(row.number, 3));
    PrinterTextPrint(25, row.toolTip);
    // A long statistics text pushes the comment to the right rather than
    // under it.
    PrinterTextPrint(std::max<int16_t>(60, ColumnAfter(25, row.toolTip, 9)), BestResultComment(row.tag));
    PrinterLineNext();
}

void DocumentRun(const std::function<void()> &pages)
{
    PrinterOrientationSet(1);
    PrinterGridSet(10);
    pages();
    PrinterDocEnd();
}

const int16_t ResultTitleColumns[8] = {10, 18, 26, 34, 41, 46, 51, 70};

// The words of a text in lines no wider than a width in twips, in a
// proportional design font.
QStringList TextLinesFitting(const QString &text, const QString &fontName, int16_t size, int32_t widthTwips)
{
    QFont font = DesignFont(fontName, size);
    font.setPixelSize(size * 20);   // one pixel per twip
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > widthTwips) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines;
}

void ResultTitlesPrint(const GradeTable &table)
{
    PrinterFontSet(Arial, 10, false);
    // A long book title goes on below itself rather than into the theme's title.
    const int32_t room = (ResultTitleColumns[7] - ResultTitleColumns[6] - 1) * GridColumnWidth;
    const QStringList book = TextLinesFitting(table.titles[6], Arial, 10, room);
    for (int c = 0; c < 8; ++c)
        if (table.answersStored || (c != 2 && c != 4))
            PrinterTextPrint(ResultTitleColumns[c], c == 6 ? book.first() : table.titles[c]);
    for (int l = 1; l < book.size(); ++l) {
        PrinterLineNext();
        PrinterTextPrint(ResultTitleColumns[6], book[l]);
    }
    PrinterLinesSkip(2);
}

const int16_t QuestionStatsColumns[6] = {10, 16, 42, 50, 57, 77};

} // namespace

QString PrintStatsDateText(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral(" - ")
           + when.time().toString(QStringLiteral("HH:mm:ss")).left(5);
}

QString PrintResultDateText(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + when.time().toString(QStringLiteral("HH:mm:ss"));
}

int ResultWordIndent(const QString &word)
{
    return std::max(0, std::min<int>(2, 4 - static_cast<int>(word.size()) / 2));
}

QStringList TextLinesWrap(const QString &text, int maxChars)
{
    QStringList lines;
    QString rest = text.trimmed();
    if (maxChars < 1 || rest.size() <= maxChars)
        return {rest};
    while (rest.size() > maxChars) {
        int cut = rest.lastIndexOf(QLatin1Char(' '), maxChars);
        if (cut <= 0)
            cut = maxChars;
        lines.append(rest.left(cut).trimmed());
        rest = rest.mid(cut).trimmed();
    }
    if (!rest.isEmpty())
        lines.append(rest);
    return lines;
}

void ResultPrintPages(const ResultPrintData &data)
{
    HeadPrint(data.head);
    PrinterFontSet(Arial, 14, true);
    PrinterTextPrint(10, data.gradeCaption);
    PrinterLinesSkip(2);
    PrinterFontSet(Arial, 12, true);
    PrinterTextPrint(10, data.questionnaireTitle);
    PrinterLinesSkip(3);

    PrinterFontSet(Arial, 11, true);
    const QString values[3] = {QString::number(data.questionCount), QString::number(data.rightCount),
                               data.percentText};
    for (int k = 0; k < 3; ++k) {
        PrinterTextPrint(10, data.valueLabels[k]);
        PrinterTextPrint(35, values[k]);
        PrinterLinesSkip(2);
    }
    PrinterRuleLine();
    PrinterLinesSkip(2);

    const GradeTable &table = data.table;
    ResultTitlesPrint(table);
    // The theme runs on below itself rather than off the page.
    const int themeChars = CourierCharsFitting(70, RuleEndTwips(), 8);
    for (int k = 0; k < table.rows.size(); ++k) {
        const GradeRow &row = table.rows[k];
        const QStringList themeLines = TextLinesWrap(row.cells[7].left(52), themeChars);
        if (GridLine + themeLines.size() - 1 > TableLineLast())
            TablePageNew([&table] { ResultTitlesPrint(table); });
        PrinterFontSet(Courier, 9, false);
        PrinterTextPrint(11, TextRightAligned(k + 1, 3));
        PrinterTextPrint(21, row.cells[1]);
        if (table.answersStored) {
            const QString &word = row.cells[2];
            PrinterTextPrint(25, QString(ResultWordIndent(word), QLatin1Char(' ')) + word);
        }
        PrinterTextPrint(36, row.cells[3]);
        if (table.answersStored && row.revealState == 1) {
            PrinterFontSet(Wingdings, 8, false);
            PrinterTextPrint(42, QStringLiteral("J"));
        } else if (table.answersStored && row.revealState == 2) {
            PrinterFontSet(Wingdings, 9, true);
            PrinterTextPrint(42, QStringLiteral("L"));
        }
        PrinterFontSet(Courier, 9, false);
        PrinterTextPrint(46, row.cells[5]);
        if (!row.cells[6].isEmpty()) {
            PrinterFontSet(Courier, 8, false);
            PrinterTextPrint(51, row.cells[6]);
        }
        PrinterFontSet(Courier, 8, false);
        for (int l = 0; l < themeLines.size(); ++l) {
            if (l > 0)
                PrinterLineNext();
            PrinterTextPrint(70, themeLines[l]);
        }
        PrinterLineNext();
    }
    PrinterLineNext();
    PrinterRuleLine();
}

void ResultPrint(const ResultPrintData &data)
{
    DocumentRun([&data] { ResultPrintPages(data); });
}

void ThemesStatsPrintPages(const PrintHead &head, const QString &themesCaption, const QVector<ThemePrintRow> &themes)
{
    StatsHeadPrint(head, themesCaption);
    for (const ThemePrintRow &theme : themes) {
        if (GridLine + 13 > GridLineMax) {
            PrinterPageNew();
            PrinterLineSet(5);
            PrinterRuleLine();
        }
        PrinterLinesSkip(2);
        PrinterFontSet(Arial, 11, true);
        PrinterTextPrint(10, StatsThemeLabel + QLatin1Char(' ') + theme.caption);
        PrinterLinesSkip(2);
        StatsTitlesPrint();
        for (const StatsPrintRow &row : theme.questionnaires)
            StatsRowPrint(row);
        PrinterLineNext();
        PrinterRuleLine();
    }
}

void ThemesStatsPrint(const PrintHead &head, const QString &themesCaption, const QVector<ThemePrintRow> &themes)
{
    DocumentRun([&] { ThemesStatsPrintPages(head, themesCaption, themes); });
}

void LessonStatsPrintPages(const PrintHead &head, const QString &lessonsCaption, const QVector<StatsPrintRow> &lessons)
{
    StatsHeadPrint(head, lessonsCaption);
    PrinterLinesSkip(2);
    StatsTitlesPrint();
    for (const StatsPrintRow &row : lessons)
        StatsRowPrint(row);
    PrinterLineNext();
    PrinterRuleLine();
}

void LessonStatsPrint(const PrintHead &head, const QString &lessonsCaption, const QVector<StatsPrintRow> &lessons)
{
    DocumentRun([&] { LessonStatsPrintPages(head, lessonsCaption, lessons); });
}

void QuestionStatsPrintPages(const PrintHead &head, const QString &heading, const std::array<QString, 6> &titles,
                             const QVector<QuestionStatsRow> &rows)
{
    const auto titlesPrint = [&titles] {
        PrinterFontSet(Arial, 11, false);
        for (int c = 0; c < 6; ++c)
            PrinterTextPrint(QuestionStatsColumns[c], titles[c]);
        PrinterLinesSkip(2);
    };
    StatsHeadPrint(head, heading);
    PrinterLinesSkip(2);
    titlesPrint();
    const int themeChars = CourierCharsFitting(QuestionStatsColumns[1], QuestionStatsColumns[2] * GridColumnWidth
                                                   - CourierCharTwips(9), 9);
    for (const QuestionStatsRow &row : rows) {
        const QStringList themeLines = TextLinesWrap(row.themeName, themeChars);
        if (GridLine + themeLines.size() - 1 > TableLineLast())
            TablePageNew(titlesPrint);
        PrinterFontSet(Courier, 9, false);
        PrinterTextPrint(QuestionStatsColumns[0], QStringLiteral("%1").arg(row.questionNr, 4, 10, QLatin1Char('0')));
        PrinterTextPrint(QuestionStatsColumns[2], TextRightAligned(row.asked, 4));
        PrinterTextPrint(QuestionStatsColumns[3], TextRightAligned(row.right, 4));
        PrinterTextPrint(QuestionStatsColumns[4], row.lastDateText);
        PrinterTextPrint(QuestionStatsColumns[5], row.lastRight ? GradeRightText : GradeWrongText);
        for (int l = 0; l < themeLines.size(); ++l) {
            if (l > 0)
                PrinterLineNext();
            PrinterTextPrint(QuestionStatsColumns[1], themeLines[l]);
        }
        PrinterLineNext();
    }
    PrinterLineNext();
    PrinterRuleLine();
}

void QuestionStatsPrint(const PrintHead &head, const QString &heading, const std::array<QString, 6> &titles,
                        const QVector<QuestionStatsRow> &rows)
{
    DocumentRun([&] { QuestionStatsPrintPages(head, heading, titles, rows); });
}
