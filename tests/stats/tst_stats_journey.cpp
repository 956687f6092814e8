// The statistics, the history and the prints on the real main window: lesson
// colours after a grading, the theme screen, the history with and without
// records, reopening stored questionnaires, language changes on these screens,
// and the print buttons, whose PDFs are read back.
#include "StatsFixture.h"
#include "stats/HistoryRows.h"
#include "stats/frameHistory.h"
#include "stats/frameThemes.h"
#include "training/QAState.h"
#include "training/QuestionSet.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The text of a PDF as pdftotext lays it out, a form feed after each page.
QString PdfText(const QString &file)
{
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

class TestStatsJourney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<StatsFixture::Databases>(); }
    void init();
    void cleanup();
    void themesHistoryReopeningAndLanguages();
    void printsAndMistakesPractised();

private:
    template <class T = QPushButton> T *find(const QString &name) { return ShellFixture::child<T>(m_w.get(), name); }
    void click(const QString &name)
    {
        QPushButton *b = find(name);
        QVERIFY2(b->isEnabled() && b->isVisible(), qPrintable(name));
        b->click();
    }
    void signIn(const QString &name, const QString &password, Screen to = Screen::Practice)
    {
        ShellFixture::signIn(m_w.get(), name, password);
        QCOMPARE(ScreenOnTop(), ScreenFrame(to));
    }
    void go(const QString &name, Screen to)
    {
        click(name);
        QCOMPARE(ScreenOnTop(), ScreenFrame(to));
    }
    void language(int caller, int choice, Screen back)
    {
        click(QStringLiteral("cmdLanguage_%1").arg(caller));
        go(QStringLiteral("cmdLanguageChoice_%1").arg(choice), back);
    }
    frameHistory *history() { return m_w->m_frameHistory; }
    frameThemes *themes() { return m_w->m_frameThemes; }
    QString cell(int row, int column)
    {
        HistoryModel *m = history()->Model();
        return m->data(m->index(row, column)).toString();
    }
    void reviewRow(int row, Screen to = Screen::Grade)
    {
        history()->CurrentRowSet(row);
        go("cmdHistoryReview", to);
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

void TestStatsJourney::init()
{
    m_sb = std::make_unique<TestSupport::Sandbox>();
    m_db->install(*m_sb);
    SetPrinterNamesOverride([] { return QStringList(); });
    m_w = ShellFixture::startMainWindow();
}

void TestStatsJourney::cleanup()
{
    m_w.reset();
    SetRecord = QuestionSet();
    SetPrinterNamesOverride({});
    Seams::SetClock({});
    m_sb.reset();
}

void TestStatsJourney::themesHistoryReopeningAndLanguages()
{
    signIn("Eva Leer", "2222");
    // No record yet: an empty history, nothing to reopen.
    go("cmdPracticeHistory", Screen::History);
    QCOMPARE(history()->Model()->rowCount(), 1);
    QCOMPARE(cell(0, 0), QString());
    QVERIFY(!history()->gridHistory->isEnabled());
    QVERIFY(history()->gridHistory->isColumnHidden(HistoryModel::StatIdColumn));
    go("cmdHistoryReview", Screen::History);   // nothing to reopen
    go("cmdHistoryQuit", Screen::Practice);
    QPushButton *lesson = find("cmdPracticeLesson_0");
    QCOMPARE(lesson->toolTip(), QString("Nie gemacht !"));
    QCOMPARE(QAState::BackColor(lesson), QAState::ButtonFace());

    // Lesson 1: 9 of 10 right gives 90 %.
    go("cmdPracticeLesson_0", Screen::QA);
    QCOMPARE(SetRecord.QuestionCount, 10);
    for (int i = 1; i <= 10; ++i)
        SetRecord.UserAnswers[i] = i == 4 ? "a" : "b";
    go("cmdQAGrade", Screen::Grade);
    go("cmdGradeQuit", Screen::Practice);
    QCOMPARE(QAState::BackColor(lesson), QColor(0, 255, 0));
    QCOMPARE(lesson->toolTip(), QString("1 mal gemacht, bestes Resultat: 90%"));

    // Lesson 2 abandoned: the colours are current, nothing stored.
    click("cmdPracticeLesson_1");
    go("cmdQAQuit", Screen::Practice);
    QCOMPARE(find("cmdPracticeLesson_1")->toolTip(), QString("Nie gemacht !"));

    // Anna's themes and history.
    click("cmdPracticeQuit");
    signIn("Anna Keller", "4711");
    go("cmdPracticeThemes", Screen::Themes);
    // 13 named themes: the first 11 by number, theme 6 has no name.
    QStringList labels;
    for (QLabel *l : themes()->lblThemesQuestionnaire)
        if (l->isVisible())
            labels << l->text() + "=" + l->property("Tag").toString();
    QCOMPARE(labels, QStringList({"Thema 4=4", "Thema 5=5", "Thema 7=7", "Thema 8=8", "Thema 9=9", "Thema 10=10",
                                  "Thema 11=11", "Thema 12=12", "Thema 13=13", "Thema 14=14", "Thema 15=15"}));
    // Theme 4 of C: questionnaires 1, 2 and 4; theme 5: 1; theme 7: none.
    QList<int> shown;
    for (int i = 0; i < 18; ++i)
        if (themes()->cmdThemesQuestionnaire[i]->isVisible())
            shown << i;
    QCOMPARE(shown, QList<int>({0, 1, 3, 6}));
    QPushButton *done = themes()->cmdThemesQuestionnaire[1];
    QCOMPARE(done->toolTip(), QString("1 mal gemacht, bestes Resultat: 89%"));
    QCOMPARE(QAState::BackColor(done), QColor(255, 128, 0));
    // The record of category D (theme 4, questionnaire 1, 100 %) does not count.
    QCOMPARE(QAState::BackColor(themes()->cmdThemesQuestionnaire[0]), QAState::ButtonFace());

    // A click starts C's questionnaire 1 of theme 4 (D's is stored first).
    QTest::mouseClick(themes()->cmdThemesQuestionnaire[0], Qt::LeftButton);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::QA));
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({15, 16}));
    go("cmdQAQuit", Screen::Practice);

    go("cmdPracticeHistory", Screen::History);
    QCOMPARE(SetRecord.QuestionMode, QuestionModeHistory);
    HistoryModel *m = history()->Model();
    QCOMPARE(m->rowCount(), 5);
    QStringList rows;
    for (int r = 0; r < 5; ++r)
        rows << QStringList{cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 3), cell(r, 4)}.join('|');
    const auto date = [](const char *stored) { return HistoryDateText(QString::fromLatin1(stored)); };
    QCOMPARE(rows, QStringList({date("2026-03-11 09:00:00") + "||89 %|2|Thema 4",
                                date("2026-03-10 09:00:00") + "||75 %|PRÜFUNG|",
                                date("2026-03-09 09:00:00") + "||95 %|PRÜFUNG|",
                                date("2026-03-08 09:00:00") + "||83 %|MIX|",
                                date("2026-03-07 09:00:00") + "||90 %|1|"}));
    QCOMPARE(m->data(m->index(0, 2), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(m->data(m->index(4, 2), Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));

    // Review without a selected row: the first one (theme 4, questionnaire 2).
    go("cmdHistoryReview", Screen::Grade);
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({17}));
    QCOMPARE(SetRecord.UserAnswers.mid(1), QVector<QString>({"a"}));
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(1));
    go("cmdGradeQuit", Screen::History);

    // The examination of "Velko 1.10.0": 40 questions, answers and marks as
    // given, 75 % of 40 is 30 right.
    reviewRow(2, Screen::Grade);
    QCOMPARE(SetRecord.QuestionCount, 40);
    QCOMPARE(SetRecord.QList[40], 40);
    QCOMPARE(SetRecord.UserAnswers[30], QString("b"));
    QCOMPARE(SetRecord.UserAnswers[31], QString("c"));
    QCOMPARE(SetRecord.RevealState.mid(1, 3), QVector<uint8_t>({1, 2, 0}));
    QCOMPARE(SetRecord.ResultPercent, int16_t(75));
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(30));
    // Each question can be looked at again; the grade button comes back.
    go("cmdGradeReview", Screen::QA);
    go("cmdQAGrade", Screen::Grade);
    go("cmdGradeQuit", Screen::History);

    // The examination of "Velko 1.3.15" cannot be rebuilt.
    SetRecord.QuestionCount = 0;
    reviewRow(3, Screen::History);
    QCOMPARE(SetRecord.QuestionCount, 0);

    // The mixed set: the 30 questions answered with it.
    reviewRow(4, Screen::Grade);
    QCOMPARE(SetRecord.QuestionCount, 30);
    QCOMPARE(SetRecord.QList[1], 21);
    click("cmdGradeQuit");

    // The lesson, by a double click: the bank's list and the stored answers.
    history()->CurrentRowSet(5);
    QTest::keyClick(history()->gridHistory, Qt::Key_Return);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(9));
    QCOMPARE(CurrentThemeNr, int16_t(0));
    go("cmdGradeQuit", Screen::History);
    go("cmdHistoryQuit", Screen::Practice);

    // A language change refreshes the theme, history and grade screens.
    click("cmdPracticeThemes");
    language(5, 1, Screen::Themes);
    QCOMPARE(themes()->lblThemesQuestionnaire[0]->text(), QString("Thème 4"));
    QCOMPARE(themes()->cmdThemesQuestionnaire[1]->toolTip(), QString("Fait 1 x, meilleur score: 89%"));
    click("cmdThemesQuit");

    click("cmdPracticeHistory");
    language(6, 2, Screen::History);
    QCOMPARE(history()->Model()->headerData(2, Qt::Horizontal).toString(), QString("Risultato"));
    QCOMPARE(find<QLineEdit>("txtHistoryCategoryNr")->text(), QString("C - Autocarri"));
    QCOMPARE(cell(1, 3), QString("ESAMI"));
    QCOMPARE(cell(0, 4), QString("Tema 4"));

    reviewRow(2);
    language(4, 0, Screen::Grade);
    QCOMPARE(find<QLabel>("lblGradeQName")->text(), QString("Fragebogen : PRÜFUNG"));
    QCOMPARE(history()->CurrentRow(), 2);
    QCOMPARE(SetRecord.RightAnswerCount, int16_t(30));
    go("cmdGradeQuit", Screen::History);
    QCOMPARE(cell(1, 3), QString("PRÜFUNG"));

    // Bruno (D) gets D's rows and D's questionnaire.
    go("cmdHistoryQuit", Screen::Practice);
    click("cmdPracticeQuit");
    signIn("Bruno Meier", "1111");
    click("cmdPracticeThemes");
    QCOMPARE(themes()->ThemeRowCount(), 2);
    QVERIFY(themes()->cmdThemesQuestionnaire[0]->isVisible() && !themes()->cmdThemesQuestionnaire[1]->isVisible());
    QTest::mouseClick(themes()->cmdThemesQuestionnaire[0], Qt::LeftButton);
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({32}));
}

// Without a printer and without a PDF directory the print buttons stay
// disabled, also once there is something to print; with either they are
// enabled, and every print writes a PDF whose text is read back. Then the
// set of the questions last answered wrong, stored and reopened.
void TestStatsJourney::printsAndMistakesPractised()
{
    const char *prints[] = {"cmdPracticeStatsPrint", "cmdPracticeQuestionStatsPrint", "cmdThemesStatsPrint",
                            "cmdGradePrint"};
    for (const char *name : prints)
        QVERIFY2(!find(QString::fromLatin1(name))->isEnabled(), name);
    // Question 48, last answered wrong, is answered right later; a wrong
    // answer of another category does not count.
    const QString users = ShellFixture::dataDir(*m_sb) + "Users.sqlite";
    for (const auto &[category, nr, right] : {std::tuple{0, 48, 1}, std::tuple{1, 7, 0}})
        StatsFixture::SqlExec(users, "INSERT INTO QuestionStat (UserID, CategoryNr, ProgramVersion, QuestionThemeNr, "
                                     "QuestionNr, QuestionDateTime, QuestionAnswer, QuestionDuration) "
                                     "VALUES (2, ?, 'Velko 2.0.0', 4, ?, '2026-03-11 10:00:00', ?, 0)",
                              {category, nr, right});
    m_pdfDir = m_sb->dir.path() + QStringLiteral("/prints");
    m_seen.clear();
    Seams::SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30)); });
    signIn("Anna Keller", "4711");
    // Examinations: 75 % (newest) and 95 %.
    QCOMPARE(find<QLabel>("lblPracticeReadiness")->text(), QString("Prüfungen : 1 von 2 bestanden – noch 3 zu bestehen"));
    QStringList faces;
    for (QPushButton *b : {find("cmdPracticeLesson_0"), find("cmdThemesQuestionnaire_1")})
        faces << b->toolTip() << b->property("Tag").toString();

    const auto showAll = [this] {
        click("cmdPracticeStatsShow");
        click("cmdPracticeQuestionStatsShow");
        click("cmdPracticeThemes");
        click("cmdThemesStatsShow");
        click("cmdThemesQuit");
        click("cmdPracticeHistory");
        reviewRow(2);
        go("cmdGradeQuit", Screen::History);
        go("cmdHistoryQuit", Screen::Practice);
    };
    showAll();
    for (const char *name : prints)
        QVERIFY2(!find(QString::fromLatin1(name))->isEnabled(), name);

    // A printer enables them; a PDF directory does too (click checks it below).
    SetPrinterNamesOverride([] { return QStringList{"Laser"}; });
    showAll();
    for (const char *name : prints)
        QVERIFY2(find(QString::fromLatin1(name))->isEnabled(), name);
    SetPrinterNamesOverride([] { return QStringList(); });
    SetINIvalue(m_sb->iniPath(), "Config", "PRINT_PDF_DIR", m_pdfDir);

    // Lesson statistics: all lessons on one page.
    click("cmdPracticeStatsShow");
    click("cmdPracticeStatsPrint");
    const QString pdf = newPdf();
    QCOMPARE(QFileInfo(pdf).fileName(), QString("Anna_Keller_lesson-statistics_2026-12-07_101530.pdf"));
    QString text = PdfText(pdf);
    QVERIFY2(text.contains("Anna Keller") && text.contains("C - Lastwagen"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("1 +1 mal gemacht, bestes Resultat: 90% +OK !")));
    QCOMPARE(text.count(QLatin1Char('\f')), 1);
    QVERIFY(m_sb->logText().contains("Print : PDF written : " + pdf));
    // The same print again in the same second keeps the first file.
    click("cmdPracticeStatsPrint");
    QCOMPARE(QFileInfo(newPdf()).fileName(), QString("Anna_Keller_lesson-statistics_2026-12-07_101530-2.pdf"));

    // Per-question statistics.
    click("cmdPracticeQuestionStatsShow");
    click("cmdPracticeQuestionStatsPrint");
    text = PdfText(newPdf());
    QVERIFY2(text.contains(QRegularExpression("0004 +Thema 8 +2 +0 +.+ falsch")), qPrintable(text));

    // Theme statistics: eleven themes over two pages.
    click("cmdPracticeThemes");
    click("cmdThemesStatsShow");
    click("cmdThemesStatsPrint");
    text = PdfText(newPdf());
    QVERIFY2(text.contains("Thema : Thema 4") && text.contains("Thema : Thema 15"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("2 +1 mal gemacht, bestes Resultat: 89% +Fast OK ...")));
    QCOMPARE(text.count(QLatin1Char('\f')), 2);
    click("cmdThemesQuit");

    // The result of a stored examination: 40 questions on one page.
    click("cmdPracticeHistory");
    reviewRow(2);
    click("cmdGradePrint");
    text = PdfText(newPdf());
    QVERIFY2(text.contains("PRÜFUNG") && text.contains("Anzahl Fragen :"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("40 +c +falsch +b +0040")));
    QCOMPARE(text.count(QLatin1Char('\f')), 1);

    // A PDF directory that cannot be made is reported, not passed over.
    SetINIvalue(m_sb->iniPath(), "Config", "PRINT_PDF_DIR", "/proc/velko-prints");
    Dialogs::ClearShown();
    click("cmdGradePrint");
    QCOMPARE(Dialogs::Shown().size(), 1);
    QVERIFY(Dialogs::Shown().first().text.contains("/proc/velko-prints"));
    go("cmdGradeQuit", Screen::History);
    go("cmdHistoryQuit", Screen::Practice);

    // The question statistics start the set of the questions last answered wrong.
    Dialogs::SetDialogHandler([](QDialog *d) {
        ShellFixture::child<QPushButton>(d, "cmdQuestionStatsMistakes")->click();
        return d->result();
    });
    go("cmdPracticeQuestionStatsShow", Screen::QA);
    Dialogs::SetDialogHandler({});
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({40, 36, 32, 28, 24, 20, 16, 12, 8, 4, 44}));
    go("cmdQAGrade", Screen::Grade);
    go("cmdGradeQuit", Screen::Practice);
    // Stored as its own kind: the lessons' and themes' colours stay.
    QStringList after;
    for (QPushButton *b : {find("cmdPracticeLesson_0"), find("cmdThemesQuestionnaire_1")})
        after << b->toolTip() << b->property("Tag").toString();
    QCOMPARE(after, faces);
    QCOMPARE(ShellFixture::query(users, "SELECT QuestionnaireThemeNr || '/' || QuestionnaireNr FROM QuestionnaireStat "
                                        "ORDER BY StatId DESC LIMIT 1"),
             QStringList{"-1/2"});

    // The history shows it under its title and rebuilds it.
    go("cmdPracticeHistory", Screen::History);
    QCOMPARE(cell(0, 3), QString("FEHLER"));
    reviewRow(1, Screen::Grade);
    QCOMPARE(SetRecord.QList.mid(1), QVector<int32_t>({40, 36, 32, 28, 24, 20, 16, 12, 8, 4, 44}));
    QCOMPARE(SetRecord.QuestionnaireTitle, QString("Fragebogen : FEHLER"));
}

QTEST_MAIN(TestStatsJourney)
#include "tst_stats_journey.moc"
