// The character grid and the layouts of the prints, recorded without a
// printer: positions in twips, which text lands in which column and line,
// fonts, rules and page breaks.
#include "core/LocalisedTexts.h"
#include "print/EZP.h"
#include "print/PrintLayouts.h"
#include "stats/QuestionStatsRows.h"
#include "stats/StatsRules.h"

#include <QtTest>

namespace {

// A grid printing device that records what a print draws.
struct PrintEvent {
    enum Kind { Text, Rule, Page, End } kind = Text;
    int32_t x = 0, y = 0, x2 = 0, y2 = 0;
    QString text;
    QString font;      // "Arial 16 bold", "Courier 9"
    int16_t page = 1;
    int16_t line = 0;  // grid line of a text
    int16_t column = 0;
};

class RecordingDevice : public GridDevice
{
public:
    RecordingDevice() { PrinterDeviceSet(this); }
    ~RecordingDevice() override { PrinterDeviceSet(nullptr); }

    void OrientationSet(int16_t orientation) override { orientations.append(orientation); }
    void FontSet(const QString &name, int16_t size, bool bold) override
    {
        m_font = name + QLatin1Char(' ') + QString::number(size) + (bold ? QStringLiteral(" bold") : QString());
    }
    void TextDraw(int32_t x, int32_t y, const QString &text) override
    {
        PrintEvent e{PrintEvent::Text, x, y, 0, 0, text, m_font, m_page};
        e.line = static_cast<int16_t>(GridLineHeight ? y / GridLineHeight : 0);
        e.column = static_cast<int16_t>(GridColumnWidth ? x / GridColumnWidth : 0);
        events.append(e);
    }
    void RuleDraw(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        events.append({PrintEvent::Rule, x1, y1, x2, y2, {}, {}, m_page});
    }
    void PageNew() override
    {
        events.append({PrintEvent::Page, 0, 0, 0, 0, {}, {}, m_page});
        ++m_page;
    }
    int16_t PageNumber() const override { return m_page; }
    bool DocEnd() override
    {
        events.append({PrintEvent::End, 0, 0, 0, 0, {}, {}, m_page});
        return true;
    }

    // The first text event with this text, or an empty event.
    PrintEvent find(const QString &text) const
    {
        for (const PrintEvent &e : events)
            if (e.kind == PrintEvent::Text && e.text == text)
                return e;
        return {};
    }
    // The texts printed on one grid line of a page, as "column:text".
    QStringList line(int16_t page, int16_t line) const
    {
        QStringList l;
        for (const PrintEvent &e : events)
            if (e.kind == PrintEvent::Text && e.page == page && e.line == line && !e.text.isEmpty())
                l << QString::number(e.column) + QLatin1Char(':') + e.text;
        return l;
    }
    int count(PrintEvent::Kind kind) const
    {
        int n = 0;
        for (const PrintEvent &e : events)
            n += e.kind == kind;
        return n;
    }

    QList<PrintEvent> events;
    QList<int16_t> orientations;

private:
    QString m_font;
    int16_t m_page = 1;
};

PrintHead Head() { return {"Velko 2.0.0", "Anna Keller", "C - Lastwagen", "07.12.26 - 10:15"}; }

GradeRow Row(int nr, const char *answer, GradeResult result, const char *right, uint8_t reveal, const char *page,
             const QString &theme)
{
    GradeRow r;
    r.cells = {QString::number(nr), answer, result == GradeResult::Right ? GradeRightText
                                            : result == GradeResult::Wrong ? GradeWrongText : QString(),
               right, QString(), QStringLiteral("%1").arg(nr, 4, 10, QLatin1Char('0')), page, theme};
    r.result = result;
    r.revealState = reveal;
    return r;
}

ResultPrintData Result(int rows)
{
    ResultPrintData d;
    d.head = Head();
    d.gradeCaption = "Resultat";
    d.questionnaireTitle = "Lektion 1";
    d.valueLabels = {"Anzahl Fragen :", "Richtige Antworte :", "Prozent richtige :"};
    d.questionCount = rows;
    d.rightCount = 1;
    d.percentText = "33%";
    d.table.answersStored = true;
    for (int c = 0; c < 8; ++c)
        d.table.titles[c] = GradeGridHeaders[c];
    d.table.titles[6] = "Handbuch";
    for (int i = 1; i <= rows; ++i)
        d.table.rows.append(Row(i, "b", GradeResult::Right, "b", 0, "", "Thema 4"));
    return d;
}

QStringList Columns(const QStringList &line)
{
    QStringList c;
    for (const QString &t : line)
        c << t.section(':', 0, 0);
    return c;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { LocalisedTextsFill(0); }
    void gridArithmetic();
    void resultPrint();
    void resultPrintPagesAndWrapping();
    void themesStatsPageBreaks();
    void lessonAndQuestionStats();
};

void TestPrint::gridArithmetic()
{
    RecordingDevice dev;
    PrinterOrientationSet(1);
    PrinterGridSet(10);
    QCOMPARE(dev.orientations, QList<int16_t>{1});
    QCOMPARE(GridColumnWidth, int16_t(120));
    QCOMPARE(GridLineHeight, int16_t(200));
    QCOMPARE(GridColumnMax, int16_t(90));
    QCOMPARE(GridLineMax, int16_t(76));
    PrinterLineSet(5);
    PrinterFontSet("Courier", 9, false);
    PrinterTextPrint(10, "x");
    PrinterRuleDraw(9, 5, 92, 5);
    const PrintEvent text = dev.events.at(0), rule = dev.events.at(1);
    QCOMPARE(QList<int32_t>({text.x, text.y}), QList<int32_t>({1200, 1000}));
    QCOMPARE(QList<int32_t>({rule.x, rule.y, rule.x2, rule.y2}), QList<int32_t>({1140, 1100, 11100, 1100}));
    // A new page resets the line cursor and reads the page number.
    PrinterPageNew();
    QCOMPARE(GridLine, int16_t(0));
    QCOMPARE(GridPage, int16_t(2));
}

void TestPrint::resultPrint()
{
    ResultPrintData d = Result(0);
    d.table.rows = {Row(1, "b", GradeResult::Right, "b", 1, "Seite 12", "Thema 4"),
                    Row(2, "", GradeResult::Wrong, "b", 0, "Erklärung verlangen", "Thema 4"),
                    // A question the bank no longer holds.
                    Row(3, "a", GradeResult::Wrong, "", 2, "", "")};
    {
        RecordingDevice dev;
        ResultPrint(d);
        const struct { int16_t line; QStringList texts; } head[] = {
            {5, {"10:Velko 2.0.0"}}, {9, {"10:Anna Keller"}}, {13, {"10:07.12.26 - 10:15"}}, {18, {"10:Resultat"}},
            {20, {"10:Lektion 1"}}, {23, {"10:Anzahl Fragen :", "35:0"}}, {27, {"10:Prozent richtige :", "35:33%"}}};
        for (const auto &h : head)
            QCOMPARE(dev.line(1, h.line), h.texts);
        QCOMPARE(dev.line(1, 31), QStringList({"10:Frage", "18:Antwort", "26:Resultat", "34:Richtig", "41:Hilfe",
                                               "46:Q.#", "51:Handbuch", "70:Thema"}));
        QCOMPARE(dev.line(1, 33), QStringList({"11:  1", "21:b", "25: richtig", "36:b", "42:J", "46:0001",
                                               "51:Seite 12", "70:Thema 4"}));
        QCOMPARE(dev.line(1, 34), QStringList({"11:  2", "25: falsch", "36:b", "46:0002",
                                               "51:Erklärung verlangen", "70:Thema 4"}));
        QCOMPARE(dev.line(1, 35), QStringList({"11:  3", "21:a", "25: falsch", "42:L", "46:0003"}));
        QCOMPARE(dev.find("J").font, QString("Wingdings 8"));
        QCOMPARE(dev.find("L").font, QString("Wingdings 9 bold"));
        QCOMPARE(dev.find("Seite 12").font, QString("Courier 8"));
        // Rules under the head, the date, the values and the table.
        QList<int32_t> rules;
        for (const PrintEvent &e : dev.events)
            if (e.kind == PrintEvent::Rule)
                rules << e.y / 200;
        QCOMPARE(rules, QList<int32_t>({7, 16, 29, 37}));
        QCOMPARE(dev.count(PrintEvent::Page), 0);
        QCOMPARE(dev.events.last().kind, PrintEvent::End);
    }
    // The word's blanks ("richtig" one, as printed above): "juste" two.
    QCOMPARE(ResultWordIndent("juste"), 2);

    // Without stored answers neither the result nor the help column is printed.
    d.table.answersStored = false;
    RecordingDevice dev;
    ResultPrint(d);
    QCOMPARE(Columns(dev.line(1, 31)), QStringList({"10", "18", "34", "46", "51", "70"}));
    QCOMPARE(Columns(dev.line(1, 33)), QStringList({"11", "21", "36", "46", "51", "70"}));
}

void TestPrint::resultPrintPagesAndWrapping()
{
    // A long book title runs on below itself, clear of the theme's title.
    {
        ResultPrintData d = Result(1);
        d.table.titles[6] = "Theoriebuch Lastwagen – Kategorie C";
        RecordingDevice dev;
        ResultPrint(d);
        const QStringList first = dev.line(1, 31), second = dev.line(1, 32);
        QCOMPARE(first.last(), QString("70:Thema"));
        QVERIFY(first.value(6).startsWith("51:Theoriebuch") && second.size() == 1 && second[0].startsWith("51:"));
        QCOMPARE(first[6].mid(3) + " " + second[0].mid(3), d.table.titles[6]);
        QCOMPARE(dev.line(1, 34).value(0), QString("11:  1"));
    }
    // 42 rows fit on the first page (so an examination of 40 does); a longer
    // set goes on with the titles again below a rule at line 5.
    ResultPrintData d = Result(45);
    d.table.rows[43].cells[7] = "Verhalten gegenüber anderen Verkehrsteilnehmern und Tieren am Weg";
    RecordingDevice dev;
    ResultPrint(d);
    QCOMPARE(dev.count(PrintEvent::Page), 1);
    const QList<PrintEvent> &ev = dev.events;
    const qsizetype page = std::find_if(ev.begin(), ev.end(), [](const PrintEvent &e) {
                               return e.kind == PrintEvent::Page;
                           }) - ev.begin();
    QCOMPARE(ev.at(page + 1).kind, PrintEvent::Rule);
    QCOMPARE(ev.at(page + 1).y, 1100);
    QCOMPARE(Columns(dev.line(2, 7)), QStringList({"10", "18", "26", "34", "41", "46", "51", "70"}));
    QCOMPARE(dev.line(1, 74).value(0), QString("11: 42"));
    QCOMPARE(dev.line(2, 9).value(0), QString("11: 43"));
    // A theme too long for the page runs on below itself, within the rule's end.
    QCOMPARE(dev.line(2, 10).last(), QString("70:Verhalten gegenüber anderen"));
    QCOMPARE(dev.line(2, 11), QStringList{"70:Verkehrsteilnehmern und"});
    QCOMPARE(dev.line(2, 12).value(0), QString("11: 45"));
    for (const PrintEvent &e : dev.events)
        if (e.font.startsWith("Courier 8"))
            QVERIFY2(e.x + e.text.size() * 96 <= 11100, qPrintable(e.text));
}

void TestPrint::themesStatsPageBreaks()
{
    QVector<ThemePrintRow> themes;
    for (int t = 0; t < 11; ++t) {
        ThemePrintRow row{QStringLiteral("Thema %1").arg(t + 4), {}};
        for (int16_t j = 1; j <= 6; ++j)
            // The first theme has no questionnaire 3, the ninth five, the third,
            // fourth and tenth one: the fifth theme starts at line 63 of page 1
            // and the eleventh at line 64 of page 2.
            if ((t != 0 || j != 3) && (t != 8 || j <= 5) && ((t != 2 && t != 3 && t != 9) || j == 1))
                row.questionnaires.append({j, StatsNeverDone, QString()});
        themes.append(row);
    }
    const BestResultFace almost = BestResultFaceOf(3, 89.96f);
    themes[0].questionnaires[0] = {1, almost.toolTip, almost.tag};

    RecordingDevice dev;
    ThemesStatsPrint(Head(), "Themen", themes);
    QCOMPARE(dev.line(1, 18), QStringList{"10:Statistiken"});
    QCOMPARE(dev.line(1, 20), QStringList{"10:Themen"});
    QCOMPARE(dev.line(1, 26), QStringList({"10:Fragebogen", "25:Ergebnis", "60:Kommentar"}));
    // 89.96 shows as 90 and prints OK !, although the button is orange.
    QCOMPARE(dev.line(1, 28), QStringList({"14:  1", "25:3 mal gemacht, bestes Resultat: 90%", "60:OK !"}));
    QCOMPARE(dev.line(1, 30), QStringList({"14:  4", "25:Nie gemacht !", "60:-"}));

    // A theme starts on a new page when fewer than 13 lines remain (at line
    // 64, not at 63); each new page starts at line 5 with a rule.
    QStringList labels;
    for (const PrintEvent &e : dev.events)
        if (e.text.startsWith("Thema : "))
            labels << QStringLiteral("%1/%2").arg(e.page).arg(e.line);
    QCOMPARE(labels, QStringList({"1/24", "1/36", "1/49", "1/57", "1/65", "2/7", "2/20", "2/33", "2/46", "2/58",
                                  "3/7"}));
    for (qsizetype i = 0; i < dev.events.size(); ++i)
        if (dev.events[i].kind == PrintEvent::Page)
            QCOMPARE(dev.events.at(i + 1).y, 1100);
    QCOMPARE(dev.count(PrintEvent::Page), 2);
}

void TestPrint::lessonAndQuestionStats()
{
    QVector<StatsPrintRow> lessons;
    for (int16_t i = 1; i <= 21; ++i)
        lessons.append({i, StatsNeverDone, QString()});
    // A long statistics text pushes its comment to the right.
    lessons[1] = {2, "Fatto 10 volte, risultato migliore: 100%", "100"};
    {
        RecordingDevice dev;
        LessonStatsPrint(Head(), "Fragebogen", lessons);
        QCOMPARE(dev.line(1, 26), QStringList({"14:  1", "25:Nie gemacht !", "60:-"}));
        QCOMPARE(dev.line(1, 27), QStringList({"14:  2", "25:Fatto 10 volte, risultato migliore: 100%", "62:OK !"}));
        QCOMPARE(dev.line(1, 46).value(0), QString("14: 21"));
        QCOMPARE(dev.count(PrintEvent::Page), 0);
    }

    QVector<QuestionStatsRow> rows;
    for (int n = 1; n <= 60; ++n)
        rows.append({n, n == 1 ? QString("Verhalten gegenüber anderen Verkehrsteilnehmern") : QString("Thema"), 3, 1,
                     "07.12.26 10:15", n % 2 == 0});
    const std::array<QString, 6> titles = {"Frage", "Thema", "Gestellt", "Richtig", "Zuletzt beantwortet",
                                           "Letztes Resultat"};
    RecordingDevice dev;
    QuestionStatsPrint(Head(), "Statistik der Fragen", titles, rows);
    QCOMPARE(dev.line(1, 24), QStringList({"10:Frage", "16:Thema", "42:Gestellt", "50:Richtig",
                                           "57:Zuletzt beantwortet", "77:Letztes Resultat"}));
    QCOMPARE(dev.line(1, 26), QStringList({"10:0001", "42:   3", "50:   1", "57:07.12.26 10:15", "77:falsch",
                                           "16:Verhalten gegenüber anderen"}));
    QCOMPARE(dev.line(1, 27), QStringList{"16:Verkehrsteilnehmern"});
    QCOMPARE(dev.line(1, 28).value(0), QString("10:0002"));
    // The rows go on over a second page under the titles again.
    QCOMPARE(dev.count(PrintEvent::Page), 1);
    QCOMPARE(Columns(dev.line(2, 7)), QStringList({"10", "16", "42", "50", "57", "77"}));
    QCOMPARE(dev.line(2, 9).value(0), QString("10:0049"));
}
QTEST_MAIN(TestPrint)
#include "tst_print.moc"
