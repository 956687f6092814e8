// The print buttons on the real main window: disabled without a printer and
// without a PDF directory; with one, every print writes a PDF whose text is
// read back.
#include "../stats/StatsFixture.h"
#include "core/Screens.h"
#include "core/modMain.h"
#include "shell/formMain.h"
#include "stats/frameHistory.h"
#include "training/framePractice.h"
#include "training/QuestionSet.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

QString Run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF as pdftotext lays it out, and its page count.
QString PdfText(const QString &file) { return Run("pdftotext", {"-layout", file, "-"}); }
int PdfPages(const QString &file)
{
    const QString info = Run("pdfinfo", {file});
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(info).captured(1).toInt();
}

} // namespace

class TestPrintScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<StatsFixture::Databases>(); }
    void init();
    void cleanup();
    void printButtonsNeedAPrinterOrAPdfDirectory();
    void everyPrintWritesAPdf();

private:
    QPushButton *button(const char *name) { return ShellFixture::child<QPushButton>(m_w.get(), name); }
    void click(const char *name)
    {
        QVERIFY2(button(name)->isEnabled(), name);
        button(name)->click();
    }
    // The one PDF written since the last call.
    QString newPdf()
    {
        const QStringList files = QDir(m_pdfDir).entryList({"*.pdf"}, QDir::Files, QDir::Time);
        QStringList fresh;
        for (const QString &f : files)
            if (!m_seen.contains(f))
                fresh << f;
        m_seen += fresh;
        return fresh.size() == 1 ? m_pdfDir + QLatin1Char('/') + fresh.first() : QString();
    }

    std::unique_ptr<StatsFixture::Databases> m_db;
    std::unique_ptr<TestSupport::Sandbox> m_sb;
    std::unique_ptr<formMain> m_w;
    QString m_pdfDir;
    QStringList m_seen;
};

void TestPrintScreens::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_db->install(*m_sb);
    SetPrinterNamesOverride([] { return QStringList(); });
    m_pdfDir = m_sb->dir.path() + QStringLiteral("/prints");
    m_seen.clear();
    Seams::SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30)); });
    m_w = ShellFixture::startMainWindow();
    ShellFixture::signIn(m_w.get(), "Anna Keller", "4711");
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));
}

void TestPrintScreens::cleanup()
{
    m_w.reset();
    SetPrinterNamesOverride({});
    Seams::SetClock({});
    SetRecord = QuestionSet();
    m_sb.reset();
}

void TestPrintScreens::printButtonsNeedAPrinterOrAPdfDirectory()
{
    const auto showAll = [this] {
        click("cmdPracticeStatsShow");
        click("cmdPracticeQuestionStatsShow");
        click("cmdPracticeThemes");
        click("cmdThemesStatsShow");
        click("cmdThemesQuit");
        click("cmdPracticeHistory");
        m_w->m_frameHistory->CurrentRowSet(2);
        click("cmdHistoryReview");
        QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    };
    const char *prints[] = {"cmdPracticeStatsPrint", "cmdPracticeQuestionStatsPrint", "cmdThemesStatsPrint",
                            "cmdGradePrint"};
    showAll();
    for (const char *name : prints)
        QVERIFY2(!button(name)->isEnabled(), name);
    // A click that reaches a disabled print writes nothing.
    m_w->m_framePractice->cmdPracticeStatsPrint_Click();
    QVERIFY(!QDir(m_pdfDir).exists());

    // A printer enables them; a PDF directory does too (everyPrintWritesAPdf).
    SetPrinterNamesOverride([] { return QStringList{"Laser"}; });
    click("cmdGradeQuit");
    showAll();
    for (const char *name : prints)
        QVERIFY2(button(name)->isEnabled(), name);
}

void TestPrintScreens::everyPrintWritesAPdf()
{
    SetINIvalue(m_sb->iniPath(), "Config", "PRINT_PDF_DIR", m_pdfDir);

    // Lesson statistics: all lessons on one page.
    click("cmdPracticeStatsShow");
    click("cmdPracticeStatsPrint");
    QString pdf = newPdf();
    QCOMPARE(QFileInfo(pdf).fileName(), QString("Anna_Keller_lesson-statistics_2026-12-07_101530.pdf"));
    QString text = PdfText(pdf);
    QVERIFY2(text.contains("Anna Keller") && text.contains("C - Lastwagen"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("1 +1 mal gemacht, bestes Resultat: 90% +OK !")));
    QVERIFY(text.contains(QRegularExpression("21 +Nie gemacht ! +-")));
    QCOMPARE(PdfPages(pdf), 1);
    QVERIFY(m_sb->logText().contains("Print : PDF written : " + pdf));
    // The same print again in the same second keeps the first file.
    click("cmdPracticeStatsPrint");
    QCOMPARE(QFileInfo(newPdf()).fileName(), QString("Anna_Keller_lesson-statistics_2026-12-07_101530-2.pdf"));

    // Per-question statistics.
    click("cmdPracticeQuestionStatsShow");
    click("cmdPracticeQuestionStatsPrint");
    pdf = newPdf();
    text = PdfText(pdf);
    QVERIFY2(text.contains("Statistik der Fragen") && text.contains("Zuletzt beantwortet"), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("0004 +Thema 8 +2 +0 +.+ falsch")), qPrintable(text));

    // Theme statistics: eleven themes over three pages.
    click("cmdPracticeThemes");
    click("cmdThemesStatsShow");
    click("cmdThemesStatsPrint");
    pdf = newPdf();
    text = PdfText(pdf);
    QVERIFY2(text.contains("Thema : Thema 4") && text.contains("Thema : Thema 15"), qPrintable(text));
    QVERIFY(!text.contains("Thema : Thema 16") && !text.contains("Thema : Thema 6"));
    QVERIFY(text.contains(QRegularExpression("2 +1 mal gemacht, bestes Resultat: 89% +Fast OK ...")));
    QCOMPARE(PdfPages(pdf), 2);
    click("cmdThemesQuit");

    // The result of a stored examination: 40 questions on one page.
    click("cmdPracticeHistory");
    m_w->m_frameHistory->CurrentRowSet(2);
    click("cmdHistoryReview");
    click("cmdGradePrint");
    pdf = newPdf();
    QVERIFY(QFileInfo(pdf).fileName().startsWith("Anna_Keller_result_"));
    text = PdfText(pdf);
    QVERIFY2(text.contains("PRÜFUNG") && text.contains("Anzahl Fragen :"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("40 +c +falsch +b +0040")));
    QCOMPARE(PdfPages(pdf), 1);

    // A PDF directory that cannot be made is reported, not passed over.
    SetINIvalue(m_sb->iniPath(), "Config", "PRINT_PDF_DIR", "/proc/velko-prints");
    Dialogs::ClearShown();
    click("cmdGradePrint");
    QCOMPARE(Dialogs::Shown().size(), 1);
    QVERIFY(Dialogs::Shown().first().text.contains("/proc/velko-prints"));
}

QTEST_MAIN(TestPrintScreens)
#include "tst_print_screens.moc"
