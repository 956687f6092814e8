// Every caption of every screen of the real main window in the three
// languages: each row of the caption tables reaches its control, and each
// caption fits its control at the design size. With VELKO_SCREENSHOTS=DIR
// set, each screen is also saved there as a PNG per language for a look by eye.
// Then FormTextUpdate on a window built here: the window title, an unknown
// language and a window without the screens' controls.
#include "CaptionFit.h"
#include "ShellFixture.h"
#include "shell/FormTextUpdate.h"
#include "shell/captions/CaptionTables.h"
#include "shell/frameLanguage.h"
#include "training/QuestionSet.h"

#include <QGroupBox>
#include <QTabWidget>
#include <QToolButton>

namespace {

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

class TestScreensFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void captionsInEveryLanguage();
    void titleUnknownLanguageAndMissingControls();

private:
    std::unique_ptr<ShellFixture::Databases> m_db;
};

void TestScreensFit::captionsInEveryLanguage()
{
    TestSupport::Sandbox sb;
    m_db->install(sb);
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
            {1, "cmdUserHistory", P::Caption, 0, lines({"HISTORIQUE", "QUESTION-", "NAIRES"})},
            {2, "cmdAdminQuit", P::Caption, 0, lines({"USCIRE DAL", "PROGRAMMA"})},
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
}

void TestScreensFit::titleUnknownLanguageAndMissingControls()
{
    TestSupport::Sandbox sb;
    QWidget w;
    auto *practice = new QGroupBox(&w);
    practice->setObjectName(QStringLiteral("framePractice"));
    auto *language = new QPushButton(practice);
    language->setObjectName(QStringLiteral("cmdLanguage_2"));
    auto *strip = new QToolButton(practice);
    strip->setObjectName(QStringLiteral("chkQuestion_3"));
    ProgramVersionText = QStringLiteral("Velko 2.1.7");
    CurrentLanguageNr = 0;
    FormTextUpdate(&w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.1.7"));
    language->setText(QStringLiteral("untouched"));

    // An unknown language changes the title and nothing else.
    QuestionDbVersionText = QStringLiteral("2026-03");
    CurrentLanguageNr = 3;
    FormTextUpdate(&w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
    QCOMPARE(practice->title(), QStringLiteral("Lernen"));
    QCOMPARE(language->text(), QStringLiteral("untouched"));
    QCOMPARE(strip->toolTip(), QStringLiteral("Frage 4"));

    // A window without the screens' controls only gets its title.
    QWidget bare;
    CurrentLanguageNr = 1;
    FormTextUpdate(&bare);
    QCOMPARE(bare.windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
}

QTEST_MAIN(TestScreensFit)
#include "tst_screens_fit.moc"
