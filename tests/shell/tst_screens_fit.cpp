// Every caption of every screen fits its control at the design size, in the
// three languages. With VELKO_SCREENSHOTS=DIR set, each screen is also saved
// there as a PNG per language for a look by eye.
#include "CaptionFit.h"
#include "ShellFixture.h"
#include "core/LocalisedTexts.h"
#include "core/Screens.h"
#include "shell/formMain.h"
#include "shell/frameLanguage.h"
#include "training/QuestionSet.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const struct { Screen screen; const char *name; } kScreens[] = {
    {Screen::Login, "login"},   {Screen::Practice, "practice"}, {Screen::Themes, "themes"},
    {Screen::QA, "question"},   {Screen::Grade, "grade"},       {Screen::History, "history"},
    {Screen::Admin, "admin"},   {Screen::Language, "language"}, {Screen::ResultsLog, "resultslog"}};

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
    formMain w;
    w.Form_Load();
    Frame_OnTop(Screen::PictureBig, false);
    w.resize(800, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString shots = qEnvironmentVariable("VELKO_SCREENSHOTS");

    // Sign in as Anna (category C) to fill the practice menu, then show
    // every screen in each language with a graded set of three questions.
    auto *list = ShellFixture::child<QListWidget>(&w, QStringLiteral("listLoginUsers"));
    list->setCurrentItem(list->findItems(QStringLiteral("Anna Keller"), Qt::MatchExactly).value(0));
    for (const QChar d : QStringLiteral("4711"))
        ShellFixture::click(&w, QStringLiteral("cmdLoginNumber_%1").arg(d));
    ShellFixture::click(&w, QStringLiteral("cmdLoginOK"));
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
            QWidget *frame = ScreenFrame(s.screen);
            Frame_OnTop(frame, true);
            QCoreApplication::processEvents();
            for (QWidget *c : frame->findChildren<QWidget *>())
                if (c->isVisible())
                    if (const QString o = CaptionFit::Overflow(c); !o.isEmpty())
                        problems << QStringLiteral("%1 (language %2): %3").arg(QLatin1String(s.name)).arg(language).arg(o);
            if (!shots.isEmpty())
                w.grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, QLatin1String(s.name)).arg(language));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestScreensFit)
#include "tst_screens_fit.moc"
