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
    void themesGridFollowsMovedDesignElements();
    void controlsInTheirFrames();
};

void TestStatsFrames::themesGridFromDesignElements()
{
    frameThemes frame;
    const auto &cmd = frame.cmdThemesQuestionnaire;
    const QPoint b0 = cmd[0]->pos(), l0 = frame.lblThemesQuestionnaire[0]->pos();
    const int stepX = cmd[1]->x() - b0.x(), stepY = cmd[2]->y() - b0.y();
    const QSize buttonSize = cmd[0]->size(), labelSize = frame.lblThemesQuestionnaire[0]->size();
    QVERIFY(stepX >= buttonSize.width() && stepY >= buttonSize.height());

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
        QCOMPARE(b->geometry(), QRect(QPoint(b0.x() + column * stepX, b0.y() + row * stepY), buttonSize));
        QVERIFY(!b->isHidden());
    }
    for (int row = 0; row < 11; ++row) {
        QLabel *l = frame.lblThemesQuestionnaire[row];
        QCOMPARE(l->objectName(), QString("lblThemesQuestionnaire_%1").arg(row));
        QCOMPARE(l->parentWidget(), &frame);
        QCOMPARE(l->geometry(), QRect(QPoint(l0.x(), l0.y() + row * stepY), labelSize));
        QVERIFY(!l->isHidden());
    }
    // The whole grid fits on the screen, left of the button panel.
    QVERIFY(frame.cmdThemesQuestionnaire[65]->geometry().right() < frame.picboxThemesButtons->x());
    QVERIFY(frame.cmdThemesQuestionnaire[65]->geometry().bottom() < frame.height());
}

void TestStatsFrames::themesGridFollowsMovedDesignElements()
{
    frameThemes frame;
    frame.lblThemesQuestionnaire[0]->move(6, 40);
    frame.cmdThemesQuestionnaire[0]->setGeometry(200, 42, 40, 30);
    frame.cmdThemesQuestionnaire[1]->move(245, 42);
    frame.cmdThemesQuestionnaire[2]->move(200, 80);
    frame.ThemesGridLoad();
    QCOMPARE(frame.cmdThemesQuestionnaire[7]->geometry(), QRect(245, 80, 40, 30));
    QCOMPARE(frame.cmdThemesQuestionnaire[65]->geometry(), QRect(200 + 5 * 45, 42 + 10 * 38, 40, 30));
    QCOMPARE(frame.lblThemesQuestionnaire[10]->pos(), QPoint(6, 40 + 10 * 38));
}

void TestStatsFrames::controlsInTheirFrames()
{
    frameThemes themes;
    FrameGeometry::checkPlacements(
        &themes, {{"picboxThemesButtons", {"cmdThemesStatsShow", "cmdThemesStatsPrint", "cmdThemesQuit", "cmdLanguage_5"}}});
    // Printing is offered only once a printer has been found.
    QVERIFY(!themes.cmdThemesStatsPrint->isEnabled());

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
