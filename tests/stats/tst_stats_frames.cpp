// The theme questionnaire grid built at start-up and the controls of the
// theme and history screens.
#include "FrameGeometry.h"
#include "stats/frameHistory.h"
#include "stats/frameThemes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

class TestStatsFrames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void themesGridFromDesignElements();
    void controlsInTheirFrames();
};

// The grid is laid out from its three design buttons and its first label,
// wherever they were put.
void TestStatsFrames::themesGridFromDesignElements()
{
    frameThemes design;
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
    QCOMPARE(frame.cmdThemesQuestionnaire.size(), 66);
    QCOMPARE(frame.lblThemesQuestionnaire.size(), 11);
    QCOMPARE(frame.findChildren<QPushButton *>(QRegularExpression("^cmdThemesQuestionnaire_")).size(), 66);
    QCOMPARE(frame.findChildren<QLabel *>(QRegularExpression("^lblThemesQuestionnaire_")).size(), 11);
    for (int index = 0; index < 66; ++index) {
        const int row = index / 6, column = index % 6;
        QPushButton *b = frame.cmdThemesQuestionnaire[index];
        QCOMPARE(b->objectName(), QString("cmdThemesQuestionnaire_%1").arg(index));
        QCOMPARE(b->parentWidget(), &frame);
        QCOMPARE(b->text(), QString::number(column + 1));
        QCOMPARE(b->geometry(), QRect(200 + column * 45, 42 + row * 38, 40, 30));
        QVERIFY(!b->isHidden());
    }
    for (int row = 0; row < 11; ++row) {
        QLabel *l = frame.lblThemesQuestionnaire[row];
        QCOMPARE(l->objectName(), QString("lblThemesQuestionnaire_%1").arg(row));
        QCOMPARE(l->parentWidget(), &frame);
        QCOMPARE(l->geometry(), QRect(QPoint(6, 40 + row * 38), labelSize));
        QVERIFY(!l->isHidden());
    }
}

void TestStatsFrames::controlsInTheirFrames()
{
    frameThemes themes;
    FrameGeometry::checkPlacements(
        &themes, {{"picboxThemesButtons", {"cmdThemesStatsShow", "cmdThemesStatsPrint", "cmdThemesQuit", "cmdLanguage_5"}}});

    frameHistory history;
    FrameGeometry::checkPlacements(
        &history, {{"frameHistory", {"gridHistory"}},
                   {"picboxHistoryLabels", {"lblHistoryName", "txtHistoryName", "lblHistoryCategoryNr", "txtHistoryCategoryNr"}},
                   {"picboxHistoryButtons", {"cmdHistoryReview", "cmdHistoryQuit", "cmdLanguage_6"}}});
    QVERIFY(history.txtHistoryName->isReadOnly() && history.txtHistoryCategoryNr->isReadOnly());
    QCOMPARE(history.gridHistory->editTriggers(), QAbstractItemView::NoEditTriggers);
}

QTEST_MAIN(TestStatsFrames)
#include "tst_stats_frames.moc"
