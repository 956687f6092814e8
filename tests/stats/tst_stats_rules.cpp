// The rules of the statistics and the history without a main window: shown
// best result, colours, tool tips and printed comments; the version rule of
// reopening; the answers, marks and right-answer count of a reopened
// questionnaire; the per-question statistics and their dialog. The theme
// questionnaire grid built at start-up and the controls of the theme and
// history screens in their boxes. The character grid and the layouts of
// the prints, recorded without a printer: positions in twips, which text lands
// in which column and line, fonts, rules and page breaks.
#include "FrameGeometry.h"
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "print/EZP.h"
#include "print/PrintLayouts.h"
#include "stats/HistoryLoad.h"
#include "stats/HistoryRows.h"
#include "stats/QuestionStatsRows.h"
#include "stats/StatsRules.h"
#include "stats/dialogQuestionStats.h"
#include "stats/frameHistory.h"
#include "stats/frameThemes.h"
#include "training/QuestionSet.h"
#include "userdb/UserDbFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
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

class TestStatsRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { LocalisedTextsFill(0); }
    void bestResultAndExamReadiness();
    void reopeningVersionsAnswersAndRightCount();
    void historyTexts();
    void questionStatisticsOrderAndEmptyDialog();
    void themesGridFromDesignElements();
    void gridArithmetic();
    void resultPrint();
    void resultPrintPagesAndWrapping();
    void themesStatsPageBreaks();
    void lessonAndQuestionStats();
};

// The colour takes the unformatted best result, the comment the shown one.
void TestStatsRules::bestResultAndExamReadiness()
{
    using C = BestResultColour;
    const QString half = QLocale::system().toString(85.5, 'f', 1), low = QLocale::system().toString(79.5, 'f', 1);
    const struct { int count; float best; QString tag; C colour; const char *comment; } cases[] = {
        {3, 89.96f, "90", C::Orange, "OK !"}, {1, 90.0f, "90", C::Green, "OK !"},
        {3, 85.0f, "85", C::Orange, "Fast OK ..."}, {2, 79.99f, "80", C::Red, "Fast OK ..."},
        {1, 79.5f, low, C::Red, "Ungenügend ..."}, {1, 0.0f, "0", C::Red, "Ungenügend ..."},
        {0, 0.0f, "", C::Plain, "-"}, {1, 85.5f, half, C::Orange, "Fast OK ..."}};
    for (const auto &c : cases) {
        const BestResultFace face = BestResultFaceOf(c.count, c.best);
        QCOMPARE(face.tag, c.tag);
        QVERIFY2(face.colour == c.colour, qPrintable(c.tag));
        QCOMPARE(BestResultComment(face.tag), QString::fromUtf8(c.comment));
        QCOMPARE(face.toolTip, c.count ? QString::number(c.count) + " mal gemacht, bestes Resultat: " + c.tag + "%"
                                       : QString("Nie gemacht !"));
    }
    // Orange and green are seen on the buttons of the journey; red only here.
    QCOMPARE(BestResultColourValue(BestResultColour::Red), QColor(255, 0, 0));

    // Of the last five examinations (newest first): how many passed, and
    // ready when the last three did.
    const struct { QVector<float> results; int language; const char *text; } exams[] = {
        {{}, 0, "Prüfungen : 0 von 0 bestanden – noch 3 zu bestehen"},
        {{95, 90, 99}, 1, "Examens : 3 sur 3 réussis – prêt"},
        {{90, 89.9f, 95}, 2, "Esami : 2 su 3 superati – ancora 2 da superare"},
        {{92, 91, 95, 50, 60, 100}, 0, "Prüfungen : 3 von 5 bestanden – bereit"},
        {{80, 95, 96, 97, 98}, 1, "Examens : 4 sur 5 réussis – encore 3 à réussir"},
    };
    for (const auto &e : exams)
        QCOMPARE(ExamReadinessText(ExamReadinessOf(e.results), e.language), QString::fromUtf8(e.text));
}

// Texts that do not parse keep the character comparison. Lessons and theme
// questionnaires are rebuilt from the bank, whatever version stored them.
void TestStatsRules::reopeningVersionsAnswersAndRightCount()
{
    const struct { const char *version; bool reopenable; } cases[] = {
        {"Velko 1.3.15", false}, {"Velko 1.3.16", true}, {"Velko 1.10.0", true}, {"Velko 1.3.9", false},
        {"Velko 1.3", false}, {"Velko 1.3.16.1", true}, {"Velko 2.0.0", true}, {"", false}, {"Welko 1.0", true},
        {"Velko beta", true}};
    for (const auto &c : cases) {
        QVERIFY2(HistoryRecordReopenable(-1, c.version) == c.reopenable, c.version);
        QVERIFY2(ProgramVersionBefore(c.version, "Velko 1.3.16") == !c.reopenable, c.version);
        QVERIFY(HistoryRecordReopenable(0, c.version) && HistoryRecordReopenable(4, c.version));
    }

    // The stored answers and marks of a reopened questionnaire.
    SetRecord.Redim(4);
    StoredAnswersApply("ab cJ LX");
    QCOMPARE(SetRecord.UserAnswers.mid(1), (QVector<QString>{"a", "b", "", "c"}));
    QCOMPARE(SetRecord.RevealState.mid(1), (QVector<uint8_t>{1, 0, 2, 0}));
    // A text cut short: the missing answers stay empty, their marks 0.
    SetRecord.Redim(3);
    StoredAnswersApply("abcJ");
    QCOMPARE(SetRecord.UserAnswers.mid(1), (QVector<QString>{"a", "b", "c"}));
    QCOMPARE(SetRecord.RevealState.mid(1), (QVector<uint8_t>{1, 0, 0}));
    SetRecord.Redim(0);
    StoredAnswersApply("ab");

    // 83 % of 30 is 24.9: rounded, not cut.
    QCOMPARE(RightAnswerCountRebuild(83, 30), int16_t(25));
    QCOMPARE(RightAnswerCountRebuild(90, 0), int16_t(0));
}

// The result, questionnaire and colour texts of the rows and the empty
// history are checked on the real history screen.
void TestStatsRules::historyTexts()
{
    const QLocale locale = QLocale::system();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove('t');
    QCOMPARE(HistoryDateText("2026-03-05 08:07:09"),
             locale.toString(QDate(2026, 3, 5), QLocale::ShortFormat) + " "
                 + locale.toString(QTime(8, 7, 9), timeFormat.trimmed()));
    QCOMPARE(HistoryDateText("05.03.2026 08:07"), QString("05.03.2026 08:07"));
    QCOMPARE(HistoryDateText("2026-02-30 08:07:09"), QString("2026-02-30 08:07:09"));
    QCOMPARE(HistoryDurationText(125), QString("2:05"));

    // The model: the StatId column, no record outside the rows.
    HistoryModel model;
    model.RowsSet({{17, -1, 1, "2026-03-05 08:07:09", 88, 0}}, {"Datum"}, 0, 0);
    QCOMPARE(model.data(model.index(0, 5)).toString(), QString("17"));
    QVERIFY(!model.Record(1) && !model.Record(-1));
    // The history's controls in their boxes; nothing of it can be typed in.
    frameHistory history;
    FrameGeometry::checkPlacements(
        &history, {{"frameHistory", {"gridHistory"}},
                   {"picboxHistoryLabels", {"lblHistoryName", "txtHistoryName", "lblHistoryCategoryNr", "txtHistoryCategoryNr"}},
                   {"picboxHistoryButtons", {"cmdHistoryReview", "cmdHistoryQuit", "cmdLanguage_6"}}});
    QVERIFY(history.txtHistoryName->isReadOnly() && history.txtHistoryCategoryNr->isReadOnly());
    QCOMPARE(history.gridHistory->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestStatsRules::questionStatisticsOrderAndEmptyDialog()
{
    UserDbTest::Fixture f;
    clsUser &user = f.user;
    f.addUser("Anna", "1", 1);

    // Without records: an empty table and the line that says so.
    QStringList seen;   // what each opening of the dialog showed
    Dialogs::SetDialogHandler([&](QDialog *d) -> int {
        auto *dialog = qobject_cast<dialogQuestionStats *>(d);
        if (!dialog) {
            seen << d->objectName();
            return QDialog::Accepted;
        }
        QTableWidget *grid = dialog->gridQuestionStats;
        seen << QStringLiteral("%1 rows, empty line %2 '%3', first %4 %5, sortable %6, mistakes %7 '%8'")
                    .arg(grid->rowCount()).arg(dialog->lblQuestionStatsEmpty->isVisible())
                    .arg(dialog->lblQuestionStatsEmpty->text())
                    .arg(grid->rowCount() ? grid->item(0, 0)->data(Qt::DisplayRole).toInt() : 0)
                    .arg(grid->rowCount() ? grid->item(0, 5)->text() : QString())
                    .arg(grid->isSortingEnabled())
                    .arg(dialog->cmdQuestionStatsMistakes->isEnabled())
                    .arg(dialog->cmdQuestionStatsMistakes->toolTip());
        return QDialog::Accepted;
    });
    objUser = &user;
    QuestionStatsShow(nullptr);

    // 12: 2 wrong of 3; 5: 1 wrong of 2; 30: 1 wrong of 1; 8: never wrong.
    const struct { int nr; bool right; int day; } answers[] = {{12, false, 1}, {12, true, 2}, {12, false, 3},
        {5, true, 1}, {5, false, 2}, {30, false, 4}, {8, true, 1}, {8, true, 5}};
    user.setRSCursorType("2"), user.setRSLockType("2");
    user.QuestionStatOpen();
    for (const auto &a : answers) {
        user.QuestionStatAdd();
        user.QuestionNr = a.nr, user.QuestionAnswer = a.right, user.QuestionDateTime = QDateTime(QDate(2026, 4, a.day), QTime(9, 0, 0));
        user.QuestionStatUpdate();
    }
    user.QuestionStatClose();
    const QVector<QuestionStatsRow> rows = QuestionStatsRowsBuild(&user);
    QStringList order;
    for (const QuestionStatsRow &r : rows)
        order << QString("%1:%2/%3:%4").arg(r.questionNr).arg(r.right).arg(r.asked).arg(r.lastRight);
    QCOMPARE(order, QStringList({"12:1/3:0", "5:1/2:0", "30:0/1:0", "8:2/2:1"}));
    QCOMPARE(rows[0].lastDateText, HistoryDateText("2026-04-03 09:00:00"));
    QVERIFY(QuestionStatsRowsBuild(nullptr).isEmpty());

    // Another category sees none of them.
    user.CategoryNr = 2;
    QVERIFY(QuestionStatsRowsBuild(&user).isEmpty());
    user.CategoryNr = 1;
    QuestionStatsShow(nullptr);
    // The questions last answered wrong can be practised once there are any.
    QCOMPARE(seen, QStringList({"0 rows, empty line 1 'Sie haben noch keine Fragen beantwortet.', first 0 , sortable 1, "
                                "mistakes 0 'Keine Frage ist zuletzt falsch beantwortet worden.'",
                                "4 rows, empty line 0 'Sie haben noch keine Fragen beantwortet.', first 12 falsch, "
                                "sortable 1, mistakes 1 ''"}));
    objUser = nullptr;
    Dialogs::SetDialogHandler({});
    QVERIFY(RuntimeErrorLines().isEmpty());
}

// The grid is laid out from its three design buttons and its first label,
// wherever they were put.
void TestStatsRules::themesGridFromDesignElements()
{
    frameThemes design;
    FrameGeometry::checkPlacements(
        &design, {{"picboxThemesButtons", {"cmdThemesStatsShow", "cmdThemesStatsPrint", "cmdThemesQuit", "cmdLanguage_5"}}});
    design.ThemesGridLoad();
    // At the design size the whole grid fits, left of the button panel.
    QVERIFY(design.cmdThemesQuestionnaire[65]->geometry().right() < design.picboxThemesButtons->x());
    QVERIFY(design.cmdThemesQuestionnaire[65]->geometry().bottom() < design.height());

    frameThemes frame;
    const QSize labelSize = frame.lblThemesQuestionnaire[0]->size();
    frame.lblThemesQuestionnaire[0]->move(6, 40);
    frame.cmdThemesQuestionnaire[0]->setGeometry(200, 42, 40, 30);
    frame.cmdThemesQuestionnaire[1]->setGeometry(245, 42, 40, 30);
    frame.cmdThemesQuestionnaire[2]->setGeometry(200, 80, 40, 30);
    frame.ThemesGridLoad();
    frame.ThemesGridLoad();   // a second load rebuilds nothing
    QCOMPARE(frame.findChildren<QPushButton *>(QRegularExpression("^cmdThemesQuestionnaire_")).size(), 66);
    QCOMPARE(frame.findChildren<QLabel *>(QRegularExpression("^lblThemesQuestionnaire_")).size(), 11);
    for (int index = 0; index < 66; ++index) {
        const int row = index / 6, column = index % 6;
        QPushButton *b = frame.cmdThemesQuestionnaire[index];
        QCOMPARE(b->objectName(), QString("cmdThemesQuestionnaire_%1").arg(index));
        QCOMPARE(b->text(), QString::number(column + 1));
        QCOMPARE(b->geometry(), QRect(200 + column * 45, 42 + row * 38, 40, 30));
        QVERIFY(!b->isHidden());
    }
    for (int row = 0; row < 11; ++row) {
        QLabel *l = frame.lblThemesQuestionnaire[row];
        QCOMPARE(l->geometry(), QRect(QPoint(6, 40 + row * 38), labelSize));
        QVERIFY(!l->isHidden());
    }
}

void TestStatsRules::gridArithmetic()
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
    QCOMPARE(text.font, QString("Courier 9"));
    QCOMPARE(QList<int32_t>({rule.x, rule.y, rule.x2, rule.y2}), QList<int32_t>({1140, 1100, 11100, 1100}));
    // A new page resets the line cursor and reads the page number.
    PrinterPageNew();
    QCOMPARE(GridLine, int16_t(0));
    QCOMPARE(GridPage, int16_t(2));
}

void TestStatsRules::resultPrint()
{
    ResultPrintData d = Result(0);
    d.table.rows = {Row(1, "b", GradeResult::Right, "b", 1, "Seite 12", "Thema 4"),
                    Row(2, "", GradeResult::Wrong, "b", 0, "Erklärung verlangen", "Thema 4"),
                    // A question the bank no longer holds.
                    Row(3, "a", GradeResult::Wrong, "", 2, "", "")};
    {
        RecordingDevice dev;
        ResultPrint(d);
        QCOMPARE(dev.line(1, 5), QStringList{"10:Velko 2.0.0"});
        QCOMPARE(dev.line(1, 9), QStringList{"10:Anna Keller"});
        QCOMPARE(dev.line(1, 13), QStringList{"10:07.12.26 - 10:15"});
        QCOMPARE(dev.line(1, 18), QStringList{"10:Resultat"});
        QCOMPARE(dev.line(1, 20), QStringList{"10:Lektion 1"});
        QCOMPARE(dev.line(1, 23), QStringList({"10:Anzahl Fragen :", "35:0"}));
        QCOMPARE(dev.line(1, 27), QStringList({"10:Prozent richtige :", "35:33%"}));
        QCOMPARE(dev.line(1, 31), QStringList({"10:Frage", "18:Antwort", "26:Resultat", "34:Richtig", "41:Hilfe",
                                               "46:Q.#", "51:Handbuch", "70:Thema"}));
        QCOMPARE(dev.line(1, 33), QStringList({"11:  1", "21:b", "25: richtig", "36:b", "42:J", "46:0001",
                                               "51:Seite 12", "70:Thema 4"}));
        QCOMPARE(dev.line(1, 34), QStringList({"11:  2", "25: falsch", "36:b", "46:0002",
                                               "51:Erklärung verlangen", "70:Thema 4"}));
        QCOMPARE(dev.line(1, 35), QStringList({"11:  3", "21:a", "25: falsch", "42:L", "46:0003"}));
        QCOMPARE(dev.find("J").font, QString("Wingdings 8"));
        QCOMPARE(dev.find("L").font, QString("Wingdings 9 bold"));
        QCOMPARE(dev.find("0001").font, QString("Courier 9"));
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
    // The word's blanks ("richtig" one, as printed above): "sbagliato" none, "juste" two.
    QCOMPARE(ResultWordIndent("sbagliato"), 0);
    QCOMPARE(ResultWordIndent("juste"), 2);

    // Without stored answers neither the result nor the help column is printed.
    d.table.answersStored = false;
    RecordingDevice dev;
    ResultPrint(d);
    QCOMPARE(Columns(dev.line(1, 31)), QStringList({"10", "18", "34", "46", "51", "70"}));
    QCOMPARE(Columns(dev.line(1, 33)), QStringList({"11", "21", "36", "46", "51", "70"}));
}

void TestStatsRules::resultPrintPagesAndWrapping()
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

void TestStatsRules::themesStatsPageBreaks()
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

void TestStatsRules::lessonAndQuestionStats()
{
    QVector<StatsPrintRow> lessons;
    for (int16_t i = 1; i <= 21; ++i)
        lessons.append({i, StatsNeverDone, QString()});
    // A long statistics text pushes its comment to the right.
    lessons[1] = {2, "Fatto 10 volte, risultato migliore: 100%", "100"};
    {
        RecordingDevice dev;
        LessonStatsPrint(Head(), "Fragebogen", lessons);
        QCOMPARE(Columns(dev.line(1, 24)), QStringList({"10", "25", "60"}));
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

QTEST_MAIN(TestStatsRules)
#include "tst_stats_rules.moc"
