// The rules of the statistics and the history without a main window: shown
// best result, colours, tool tips and printed comments; the version rule of
// reopening; the answers, marks and right-answer count of a reopened
// questionnaire; the per-question statistics and their dialog.
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "stats/HistoryLoad.h"
#include "stats/HistoryRows.h"
#include "stats/StatsRules.h"
#include "stats/dialogQuestionStats.h"
#include "training/QuestionSet.h"
#include "userdb/clsUser.h"

#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QtTest>

class TestStatsRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { LocalisedTextsFill(0); }
    void bestResultTextColourAndToolTip_data();
    void bestResultTextColourAndToolTip();
    void versionsComparedByTheirNumbers_data();
    void versionsComparedByTheirNumbers();
    void storedAnswersAndRightCount();
    void historyTexts();
    void questionStatisticsOrderAndEmptyDialog();
};

void TestStatsRules::bestResultTextColourAndToolTip_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("best");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("comment");
    const int plain = int(BestResultColour::Plain), green = int(BestResultColour::Green),
              orange = int(BestResultColour::Orange), red = int(BestResultColour::Red);
    // The colour takes the unformatted best result, the comment the shown one.
    QTest::newRow("89.96 shows 90 but is orange") << 3 << 89.96f << "90" << orange << "OK !";
    QTest::newRow("90 exactly") << 1 << 90.0f << "90" << green << "OK !";
    QTest::newRow("85") << 3 << 85.0f << "85" << orange << "Fast OK ...";
    QTest::newRow("79.99 shows 80 but is red") << 2 << 79.99f << "80" << red << "Fast OK ...";
    QTest::newRow("0 done once") << 1 << 0.0f << "0" << red << "Ungenügend ...";
    QTest::newRow("never done") << 0 << 0.0f << "" << plain << "-";
    const QString half = QLocale::system().toString(85.5, 'f', 1);
    QTest::newRow("85.5 keeps its decimal") << 1 << 85.5f << half << orange << "Fast OK ...";
}

void TestStatsRules::bestResultTextColourAndToolTip()
{
    QFETCH(int, count);
    QFETCH(float, best);
    QFETCH(QString, tag);
    QFETCH(int, colour);
    QFETCH(QString, comment);
    const BestResultFace face = BestResultFaceOf(count, best);
    QCOMPARE(face.tag, tag);
    QCOMPARE(int(face.colour), colour);
    QCOMPARE(BestResultComment(face.tag), comment);
    QCOMPARE(face.toolTip, count ? QString::number(count) + " mal gemacht, bestes Resultat: " + tag + "%"
                                 : QString("Nie gemacht !"));
    LocalisedTextsFill(2);
    QCOMPARE(BestResultFaceOf(count, best).toolTip,
             count ? "Fatto " + QString::number(count) + " volte, risultato migliore: " + tag + "%"
                   : QString("Non fatto mai !"));
    QCOMPARE(BestResultColourValue(BestResultColour::Orange), QColor(255, 128, 0));
    QCOMPARE(BestResultColourValue(BestResultColour::Green), QColor(0, 255, 0));
    QCOMPARE(BestResultColourValue(BestResultColour::Red), QColor(255, 0, 0));
}

void TestStatsRules::versionsComparedByTheirNumbers_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("reopenable");
    QTest::newRow("1.3.15") << "Velko 1.3.15" << false;
    QTest::newRow("1.3.16") << "Velko 1.3.16" << true;
    QTest::newRow("1.10.0") << "Velko 1.10.0" << true;
    QTest::newRow("1.3.9") << "Velko 1.3.9" << false;
    QTest::newRow("1.3") << "Velko 1.3" << false;
    QTest::newRow("1.3.16.1") << "Velko 1.3.16.1" << true;
    QTest::newRow("2.0.0") << "Velko 2.0.0" << true;
    // Texts that do not parse keep the character comparison.
    QTest::newRow("empty") << "" << false;
    QTest::newRow("other name") << "Welko 1.0" << true;
    QTest::newRow("no number") << "Velko beta" << true;
}

void TestStatsRules::versionsComparedByTheirNumbers()
{
    QFETCH(QString, version);
    QFETCH(bool, reopenable);
    QCOMPARE(HistoryRecordReopenable(-1, version), reopenable);
    QCOMPARE(ProgramVersionBefore(version, "Velko 1.3.16"), !reopenable);
    // Lessons and theme questionnaires are rebuilt from the bank, whatever
    // version stored them.
    QVERIFY(HistoryRecordReopenable(0, version) && HistoryRecordReopenable(4, version));
}

void TestStatsRules::storedAnswersAndRightCount()
{
    SetRecord.Redim(4);
    StoredAnswersApply("ab cJ LX");
    QCOMPARE(SetRecord.UserAnswers.mid(1), (QVector<QString>{"a", "b", "", "c"}));
    QCOMPARE(SetRecord.RevealState.mid(1), (QVector<uint8_t>{1, 0, 2, 0}));
    // A text cut short: the missing answers stay empty, their marks 0.
    SetRecord.Redim(3);
    StoredAnswersApply("abcJ");
    QCOMPARE(SetRecord.UserAnswers.mid(1), (QVector<QString>{"a", "b", "c"}));
    QCOMPARE(SetRecord.RevealState.mid(1), (QVector<uint8_t>{1, 0, 0}));
    SetRecord.Redim(2);
    StoredAnswersApply(QString());
    QCOMPARE(SetRecord.UserAnswers.mid(1), (QVector<QString>{"", ""}));
    SetRecord.Redim(0);
    StoredAnswersApply("ab");

    QCOMPARE(RightAnswerCountRebuild(75, 40), int16_t(30));
    QCOMPARE(RightAnswerCountRebuild(88, 40), int16_t(35));
    QCOMPARE(RightAnswerCountRebuild(83, 30), int16_t(25));
    QCOMPARE(RightAnswerCountRebuild(100, 10), int16_t(10));
    QCOMPARE(RightAnswerCountRebuild(0, 40), int16_t(0));
    QCOMPARE(RightAnswerCountRebuild(90, 0), int16_t(0));
}

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
    QCOMPARE(HistoryResultText(89), QString("89 %"));
    QCOMPARE(HistoryResultColour(89), QColor(255, 0, 0));
    QCOMPARE(HistoryResultColour(90), QColor(0, 255, 0));
    QCOMPARE(HistoryQuestionnaireText(-1, 0), QString("MIX"));
    QCOMPARE(HistoryQuestionnaireText(-1, 1), QString("PRÜFUNG"));
    QCOMPARE(HistoryQuestionnaireText(0, 1), QString("1"));
    QCOMPARE(HistoryQuestionnaireText(7, 3), QString("3"));
    QCOMPARE(HistoryDurationText(0), QString());
    QCOMPARE(HistoryDurationText(125), QString("2:05"));

    // The model: one empty row without records; the StatId column.
    HistoryModel model;
    model.RowsSet({}, {"Datum", "Dauer", "Resultat", "Fragebogen", "Thema"}, 0, 0);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QString());
    QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QString("StatId"));
    model.RowsSet({{17, -1, 1, "2026-03-05 08:07:09", 88, 0}}, {"Datum"}, 0, 0);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0, 3)).toString(), QString("PRÜFUNG"));
    QCOMPARE(model.data(model.index(0, 5)).toString(), QString("17"));
    QCOMPARE(model.data(model.index(0, 2), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(model.data(model.index(0, 4), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QVERIFY(!model.Record(1) && !model.Record(-1));
}

void TestStatsRules::questionStatisticsOrderAndEmptyDialog()
{
    TestSupport::Sandbox sb;
    clsUser user;
    QString error;
    QVERIFY2(user.DbCreate(error), qPrintable(error));
    user.setRSCursorType("2"), user.setRSLockType("2");
    user.DbOpen();
    user.NewUser();
    user.UserName = "Anna", user.CategoryNr = 1;
    user.UpdateUser();

    // Without records: an empty table and the line that says so.
    QStringList seen;   // what each opening of the dialog showed
    Dialogs::SetDialogHandler([&](QDialog *d) -> int {
        auto *dialog = qobject_cast<dialogQuestionStats *>(d);
        if (!dialog) {
            seen << d->objectName();
            return QDialog::Accepted;
        }
        QTableWidget *grid = dialog->gridQuestionStats;
        seen << QStringLiteral("%1 rows, empty line %2 '%3', first %4 %5, sortable %6")
                    .arg(grid->rowCount()).arg(dialog->lblQuestionStatsEmpty->isVisible())
                    .arg(dialog->lblQuestionStatsEmpty->text())
                    .arg(grid->rowCount() ? grid->item(0, 0)->data(Qt::DisplayRole).toInt() : 0)
                    .arg(grid->rowCount() ? grid->item(0, 5)->text() : QString())
                    .arg(grid->isSortingEnabled());
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
        user.QuestionNr = a.nr, user.QuestionAnswer = a.right;
        user.QuestionDateTime = QDateTime(QDate(2026, 4, a.day), QTime(9, 0, 0));
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
    QCOMPARE(seen, QStringList({"0 rows, empty line 1 'Sie haben noch keine Fragen beantwortet.', first 0 , sortable 1",
                                "4 rows, empty line 0 'Sie haben noch keine Fragen beantwortet.', first 12 falsch, "
                                "sortable 1"}));
    objUser = nullptr;
    Dialogs::SetDialogHandler({});
    QVERIFY(RuntimeErrorLines().isEmpty());
}

QTEST_MAIN(TestStatsRules)
#include "tst_stats_rules.moc"
