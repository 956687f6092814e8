// Layout of the main window: controls follow the window's size differences
// and always return to their design places. Every caption of every screen in
// the three languages: each row of the caption tables reaches its control, and
// each caption fits its control at the design size; with VELKO_SCREENSHOTS=DIR
// set, each screen is also saved there as a PNG per language for a look by eye.
// Then the window's title and a language without captions.
#include "CaptionFit.h"
#include "ShellFixture.h"
#include "shell/Layout.h"
#include "shell/captions/CaptionTables.h"
#include "shell/frameLanguage.h"
#include "training/QuestionSet.h"

#include <QTabWidget>
#include <array>
#include <limits>

namespace {

// How a control follows the window's size differences W and H (twips).
enum class Rule {
    FrameHeight, // 8535 + H
    FrameWidth,  // 11775 + W
    PlusW,       // design value + W
    PlusH,
    HalfW,       // design value + W / 2, the fraction dropped toward zero
    HalfH,
    ClampW,      // design value + W, at least 0 (below 1 gives 0)
    ClampH,
    Fixed,       // stays at its design value
    Strip,       // design left + W - current strip width + width of the first question button
    QAPicture,   // H + 4455 with the question text shown, else H + 5295, at least 0
};

struct LayoutRule {
    const char *control;
    DesignProperty property;
    Rule rule;
    const char *designOf = nullptr;   // the control whose design value counts, if another
};

using P = DesignProperty;

// Every rule of the resize, screen by screen.
QList<LayoutRule> LayoutRules()
{
    QList<LayoutRule> rules;
    const auto each = [&rules](std::initializer_list<const char *> controls, P property, Rule rule) {
        for (const char *c : controls)
            rules.append({c, property, rule});
    };
    // The frame of every screen: 8535 + H high, 11775 + W wide.
    const std::initializer_list<const char *> frames = {
        "framePractice", "frameThemes",  "frameQA",      "framePictureBig", "frameGrade",
        "frameLogin",    "frameAdmin",   "frameHistory", "frameLanguage",   "frameResultsLog"};
    each(frames, P::Height, Rule::FrameHeight);
    each(frames, P::Width, Rule::FrameWidth);
    // Button columns and titles at the right edge move with it.
    each({"picboxPracticeButtons", "picboxThemesButtons", "picboxQAButtons", "picboxGradeLabels",
          "picboxGradeButtons", "picboxLoginPasswordTitle", "picboxLoginButtons", "picboxAdminButtons",
          "txtVelkoSupportURL", "picboxUserAdminButtons", "picboxUserShowTitle", "picboxPathSettingsButtons",
          "picboxHistoryLabels", "picboxHistoryButtons", "cmdResultsLogAbort", "cmdResultsLogContinue"},
         P::Left, Rule::PlusW);
    // Lists, grids and pictures grow in both directions, never below 0.
    const std::initializer_list<const char *> growing = {
        "IHImgPictureBig", "gridGrade", "listLoginUsers", "tabAdmin", "frametabAdmin_0", "listAdminUsers",
        "picboxPathSettingsTitle", "gridHistory"};
    each(growing, P::Height, Rule::ClampH);
    each(growing, P::Width, Rule::ClampW);
    each({"framePracticeTitle", "framePracticeTitleData", "IHImgQAPicture", "framePathSettings",
          "txtQuestionDBPath", "txtUserDBPath", "txtPicPath"},
         P::Width, Rule::ClampW);
    // Centred ones keep the middle.
    each({"lblPracticeTitleUserName", "lblPracticeTitleCategoryName", "lblPracticeTitleDate",
          "lblPracticeTitleTime", "lblPracticeReadiness", "framePracticeQuestion", "picboxQuestionAnswers",
          "picboxLanguageButtons"},
         P::Left, Rule::HalfW);
    each({"picboxLanguageButtons"}, P::Top, Rule::HalfH);
    // The hidden settings pages take the size of the first page.
    for (const char *page : {"frametabAdmin_1", "frametabAdmin_2"})
        rules << LayoutRule{page, P::Height, Rule::ClampH, "frametabAdmin_0"}
              << LayoutRule{page, P::Width, Rule::ClampW, "frametabAdmin_0"};
    rules << LayoutRule{"frameChkQuestion", P::Left, Rule::Strip} << LayoutRule{"IHImgQAPicture", P::Height, Rule::QAPicture}
          << LayoutRule{"picboxQuestionAnswers", P::Top, Rule::PlusH} << LayoutRule{"cmdResultsLogAbort", P::Top, Rule::Fixed}
          << LayoutRule{"cmdResultsLogContinue", P::Top, Rule::PlusH};
    each({"txtResultsLog", "picboxResultsLog"}, P::Width, Rule::PlusW);
    each({"txtResultsLog", "picboxResultsLog"}, P::Height, Rule::PlusH);
    return rules;
}

const char *PropertyName(P p) { return std::array{"height", "width", "left", "top"}[int(p)]; }

// A geometry value in twips, read from the widget itself.
int TwipsOf(const QWidget *w, P p) { return std::array{w->height(), w->width(), w->x(), w->y()}[int(p)] * 15; }

// The administration once with each of its pages.
const struct { Screen screen; const char *name; int adminPage = 0; } kScreens[] = {
    {Screen::Login, "login"},   {Screen::Practice, "practice"}, {Screen::Themes, "themes"},
    {Screen::QA, "question"},   {Screen::Grade, "grade"},       {Screen::History, "history"},
    {Screen::Admin, "admin"},   {Screen::Admin, "admin-settings", 1}, {Screen::Language, "language"},
    {Screen::ResultsLog, "resultslog"}};

QString lines(const QStringList &parts) { return parts.join(NewLine); }

// What the user sees of the control: title, text, tag, tool tip or tab.
QString shown(QWidget *root, const QString &name, CaptionProperty property = CaptionProperty::Caption, int tab = 0)
{
    QWidget *w = root->findChild<QWidget *>(name);
    auto *group = qobject_cast<QGroupBox *>(w);
    return !w                                     ? QStringLiteral("<missing>")
           : property == CaptionProperty::Tag     ? w->property("Tag").toString()
           : property == CaptionProperty::ToolTip ? w->toolTip()
           : property == CaptionProperty::Tab     ? qobject_cast<QTabWidget *>(w)->tabText(tab - 1)
           : group                                ? group->title()
                                                  : w->property("text").toString();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resizeRules_data();
    void resizeRules();
    void clampPositive();
    void captionsInEveryLanguage();

private:
    static int px(int twips) { return qRound(twips / 15.0); }
    static QWidget *child(formMain &w, const char *name) { return ShellFixture::child(&w, QLatin1String(name)); }
    static void resizeTo(formMain &w, int width, int height)
    {
        w.resize(width, height);
        QCoreApplication::processEvents();
        QTRY_COMPARE(w.size(), QSize(width, height));
    }
};

// Odd differences, so that halving drops a fraction: W / 2 must be taken
// toward zero (1025 px: W = 3375, half 1687; 399 px: W = -6015, half -3007).
void TestLayout::resizeRules_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1025 x 769, larger") << QSize(1025, 769);
    QTest::newRow("399 x 299, smaller") << QSize(399, 299);
}

void TestLayout::resizeRules()
{
    QFETCH(QSize, size);
    TestSupport::Sandbox sb;
    formMain w;
    const QList<LayoutRule> rules = LayoutRules();
    QCOMPARE(rules.size(), 81);
    // The design values, read from the controls before any resize.
    QHash<QString, int> design;
    for (const LayoutRule &r : rules) {
        const char *of = r.designOf ? r.designOf : r.control;
        QWidget *c = w.findChild<QWidget *>(QLatin1String(of));
        QVERIFY2(c, of);
        design.insert(QString::fromLatin1(of) + PropertyName(r.property), TwipsOf(c, r.property));
    }
    w.show();
    QWidget *text = child(w, "frameQuestion");
    QWidget *picture = child(w, "IHImgQAPicture");
    text->show();

    // Every rule at the size, then back at the design size.
    const auto clamp = [](int v) { return v >= 1 ? v : 0; };
    for (const QSize at : {size, QSize(800, 600)}) {
        resizeTo(w, at.width(), at.height());
        const int W = at.width() * 15 - 12000;
        const int H = at.height() * 15 - 9000;
        QStringList wrong;
        for (const LayoutRule &r : rules) {
            QWidget *c = child(w, r.control);
            const int d = design.value(QString::fromLatin1(r.designOf ? r.designOf : r.control)
                                       + PropertyName(r.property));
            int expected = 0;
            switch (r.rule) {
            case Rule::FrameHeight: expected = 8535 + H; break;
            case Rule::FrameWidth: expected = 11775 + W; break;
            case Rule::PlusW: expected = d + W; break;
            case Rule::PlusH: expected = d + H; break;
            case Rule::HalfW: expected = d + W / 2; break;
            case Rule::HalfH: expected = d + H / 2; break;
            case Rule::ClampW: expected = clamp(d + W); break;
            case Rule::ClampH: expected = clamp(d + H); break;
            case Rule::Fixed: expected = d; break;
            case Rule::Strip: expected = d + W - c->width() * 15 + child(w, "chkQuestion_0")->width() * 15; break;
            case Rule::QAPicture: expected = clamp(H + 4455); break;
            }
            int expectedPx = px(expected);
            if (r.property == P::Height || r.property == P::Width)
                expectedPx = qMax(0, expectedPx);   // a widget is never less than 0 in size
            const int actualPx = TwipsOf(c, r.property) / 15;
            if (actualPx != expectedPx)
                wrong << QStringLiteral("%1 %2: %3 px, expected %4 px (%5 twips)")
                             .arg(r.control, PropertyName(r.property)).arg(actualPx).arg(expectedPx).arg(expected);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
    }

    // Without the text frame the picture is 840 twips taller.
    text->hide();
    resizeTo(w, size.width(), size.height());
    QCOMPARE(picture->height(), qMax(0, px(clamp(size.height() * 15 - 9000 + 5295))));
}

// A widget never takes a size below 0, so the clamping of the sizes shows
// only here: the value when it is at least 1, otherwise 0.
void TestLayout::clampPositive()
{
    const QList<QPair<int32_t, int32_t>> cases = {{12000, 12000}, {1, 1}, {0, 0}, {-1, 0}, {-4515, 0},
                                                  {std::numeric_limits<int32_t>::min(), 0}};
    for (const auto &c : cases)
        QCOMPARE(ClampPositive(c.first), c.second);
}

void TestLayout::captionsInEveryLanguage()
{
    TestSupport::Sandbox sb;
    ShellFixture::Databases().install(sb);
    const auto w = ShellFixture::startMainWindow();
    w->resize(800, 600);
    // Sign in as Anna (category C) to fill the practice menu, then show
    // every screen in each language with a graded set of three questions.
    ShellFixture::signIn(w.get(), QStringLiteral("Anna Keller"), QStringLiteral("4711"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));

    QStringList problems;
    for (const int16_t language : {1, 2, 0}) {   // each choice changes every text
        LanguageCaller = 2;
        cmdLanguageChoice_Click(language);
        int rows = 0;
        for (const CaptionTable *table : CaptionTables())
            for (std::size_t i = 0; i < table->count; ++i, ++rows) {
                const CaptionRow &row = table->rows[i];
                const QString expected = CaptionRowText(row, language);
                QVERIFY2(!expected.isEmpty(), row.control);
                QCOMPARE(shown(w.get(), QString::fromLatin1(row.control), row.property, row.tab), expected);
            }
        QCOMPARE(rows, 69);   // 68 screen rows and the language screen's title
        // Known texts, the multi-line captions among them.
        using P = CaptionProperty;
        const struct { int language; const char *control; P property; int tab; QString text; } spots[] = {
            {0, "cmdPracticeHistory", P::Caption, 0, lines({"FRAGE-", "BÖGEN", "ARCHIV"})},
            {0, "lblQAQuestionNr", P::Tag, 0, "Frage"},
            {0, "tabAdmin", P::Tab, 1, "Benützer Verwaltung"},
            {2, "IHImgQAPicture", P::ToolTip, 0, "Clic = immagine grande"}};
        for (const auto &c : spots)
            if (c.language == language)
                QCOMPARE(shown(w.get(), QString::fromLatin1(c.control), c.property, c.tab), c.text);
        // The language buttons keep their three-line caption; the strip's tool tips follow.
        for (int i = 0; i < 7; ++i)
            QCOMPARE(shown(w.get(), QStringLiteral("cmdLanguage_%1").arg(i)), lines({"SPRACHE", "LANGUE", "LINGUA"}));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(shown(w.get(), QStringLiteral("chkQuestion_%1").arg(i), CaptionProperty::ToolTip),
                     QStringList({"Frage ", "Question ", "Domanda "})[language] + QString::number(i + 1));

        SetRecord.QuestionMode = QuestionModeGraded;
        SetRecord.Redim(3);
        for (int i = 1; i <= 3; ++i)
            SetRecord.QList[i] = i, SetRecord.UserAnswers[i] = i == 2 ? QString() : QStringLiteral("b");
        MainProcs::Call(MainProcs::GradeGridFill);
        for (const auto &s : kScreens) {
            ShellFixture::child<QTabWidget>(w.get(), QStringLiteral("tabAdmin"))->setCurrentIndex(s.adminPage);
            Frame_OnTop(ScreenFrame(s.screen), true);
            problems << CaptionFit::Problems(ScreenFrame(s.screen),
                                             QStringLiteral("%1-%2").arg(QLatin1String(s.name)).arg(language), w.get());
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

    // The window's title names the bank's version when the settings give one.
    // A language without captions (a user stored with language 3) changes that
    // title and nothing else.
    QCOMPARE(w->windowTitle(), ProgramVersionText);
    QuestionDbVersionText = QStringLiteral("2026-03");
    cmdLanguageChoice_Click(3);
    QCOMPARE(w->windowTitle(), ProgramVersionText + " - Database Version 2026-03");
    QCOMPARE(shown(w.get(), "framePractice"), "Lernen");
    QCOMPARE(shown(w.get(), "chkQuestion_3", CaptionProperty::ToolTip), "Frage 4");
}

QTEST_MAIN(TestLayout)
#include "tst_screens_fit.moc"
