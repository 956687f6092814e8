// Every caption of every screen fits its control at the design size, in the
// three languages. With VELKO_SCREENSHOTS=DIR set, each screen is also saved
// there as a PNG per language for a look by eye.
#include "CaptionFit.h"
#include "ShellFixture.h"
#include "shell/frameLanguage.h"
#include "training/QuestionSet.h"

#include <QTabWidget>

namespace {

// The administration once with each of its pages.
const struct { Screen screen; const char *name; int adminPage = 0; } kScreens[] = {
    {Screen::Login, "login"},   {Screen::Practice, "practice"}, {Screen::Themes, "themes"},
    {Screen::QA, "question"},   {Screen::Grade, "grade"},       {Screen::History, "history"},
    {Screen::Admin, "admin"},   {Screen::Admin, "admin-settings", 1}, {Screen::Language, "language"},
    {Screen::ResultsLog, "resultslog"}};

} // namespace

class TestScreensFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void captionsFitInEveryLanguage();

private:
    std::unique_ptr<ShellFixture::Databases> m_db;
};

void TestScreensFit::captionsFitInEveryLanguage()
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
    for (int16_t language = 0; language <= 2; ++language) {
        LanguageCaller = 2;
        cmdLanguageChoice_Click(language);
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

QTEST_MAIN(TestScreensFit)
#include "tst_screens_fit.moc"
