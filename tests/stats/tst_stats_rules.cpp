// The rules of the statistics and the history without a main window: shown
// best result, colours, tool tips and printed comments; the version rule of
// reopening; the answers, marks and right-answer count of a reopened
// questionnaire; the per-question statistics and their dialog. The theme
// questionnaire grid built at start-up and the controls of the theme and
// history screens in their boxes.
#include "FrameGeometry.h"
#include "core/LocalisedTexts.h"
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
        {"Velko 1.3", false}, {"Velko 1.3.16.1", true}, {"", false}, {"Welko 1.0", true}, {"Velko beta", true}};
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

QTEST_MAIN(TestStatsRules)
#include "tst_stats_rules.moc"
