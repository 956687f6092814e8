// The theme questionnaire grid built at start-up and the controls of the
// theme and history screens.
#include "FrameGeometry.h"
#include "stats/frameHistory.h"
#include "stats/frameThemes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

template <class T> QList<T *> elements(QWidget *root, const QString &arrayName)
{
    QList<T *> out;
    for (T *w : root->findChildren<T *>()) {
        const QString n = w->objectName();
        if (n.startsWith(arrayName + "_"))
            out << w;
    }
    return out;
}

// Checks that the named control exists with the given type inside the named container.
template <class T> T *control(QWidget *root, const QString &name, const QString &container)
{
    T *w = root->findChild<T *>(name);
    if (!w)
        return nullptr;
    QWidget *box = root->objectName() == container ? root : root->findChild<QWidget *>(container);
    return box && box->isAncestorOf(w) ? w : nullptr;
}

} // namespace

class TestStatsFrames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void themesGridFromDesignElements();
    void themesGridFollowsMovedDesignElements();
    void themesControls();
    void historyControls();
    void framesGrowWithTheWindow();
};

void TestStatsFrames::themesGridFromDesignElements()
{
    frameThemes frame;
    QCOMPARE(elements<QPushButton>(&frame, "cmdThemesQuestionnaire").size(), 3);
    QCOMPARE(elements<QLabel>(&frame, "lblThemesQuestionnaire").size(), 1);
    const QPoint b0 = frame.cmdThemesQuestionnaire[0]->pos();
    const int stepX = frame.cmdThemesQuestionnaire[1]->x() - b0.x();
    const int stepY = frame.cmdThemesQuestionnaire[2]->y() - b0.y();
    const QPoint l0 = frame.lblThemesQuestionnaire[0]->pos();
    const QSize buttonSize = frame.cmdThemesQuestionnaire[0]->size();
    const QSize labelSize = frame.lblThemesQuestionnaire[0]->size();
    QVERIFY(stepX >= buttonSize.width());
    QVERIFY(stepY >= buttonSize.height());
    QCOMPARE(frame.cmdThemesQuestionnaire[1]->y(), b0.y());
    QCOMPARE(frame.cmdThemesQuestionnaire[2]->x(), b0.x());

    frame.ThemesGridLoad();
    frame.ThemesGridLoad();   // a second load rebuilds nothing

    QCOMPARE(frame.cmdThemesQuestionnaire.size(), 66);
    QCOMPARE(frame.lblThemesQuestionnaire.size(), 11);
    QCOMPARE(elements<QPushButton>(&frame, "cmdThemesQuestionnaire").size(), 66);
    QCOMPARE(elements<QLabel>(&frame, "lblThemesQuestionnaire").size(), 11);
    for (int index = 0; index < 66; ++index) {
        const int row = index / 6, column = index % 6;
        QPushButton *b = frame.cmdThemesQuestionnaire[index];
        QCOMPARE(b->objectName(), QString("cmdThemesQuestionnaire_%1").arg(index));
        QCOMPARE(b->parentWidget(), &frame);
        QCOMPARE(b->text(), QString::number(column + 1));
        QCOMPARE(b->pos(), QPoint(b0.x() + column * stepX, b0.y() + row * stepY));
        QCOMPARE(b->size(), buttonSize);
        QVERIFY(!b->isHidden());
    }
    for (int row = 0; row < 11; ++row) {
        QLabel *l = frame.lblThemesQuestionnaire[row];
        QCOMPARE(l->objectName(), QString("lblThemesQuestionnaire_%1").arg(row));
        QCOMPARE(l->parentWidget(), &frame);
        QCOMPARE(l->pos(), QPoint(l0.x(), l0.y() + row * stepY));
        QCOMPARE(l->size(), labelSize);
        QVERIFY(!l->isHidden());
    }
    // The whole grid fits on the screen, left of the button panel.
    FrameGeometry::checkContainment(&frame);
    QVERIFY(frame.cmdThemesQuestionnaire[65]->geometry().right() < frame.picboxThemesButtons->x());
}

void TestStatsFrames::themesGridFollowsMovedDesignElements()
{
    frameThemes frame;
    frame.lblThemesQuestionnaire[0]->move(6, 40);
    frame.cmdThemesQuestionnaire[0]->setGeometry(200, 42, 40, 30);
    frame.cmdThemesQuestionnaire[1]->move(245, 42);
    frame.cmdThemesQuestionnaire[2]->move(200, 80);
    frame.ThemesGridLoad();
    QCOMPARE(frame.cmdThemesQuestionnaire[2]->pos(), QPoint(200 + 2 * 45, 42));
    QCOMPARE(frame.cmdThemesQuestionnaire[7]->pos(), QPoint(245, 80));
    QCOMPARE(frame.cmdThemesQuestionnaire[65]->pos(), QPoint(200 + 5 * 45, 42 + 10 * 38));
    QCOMPARE(frame.cmdThemesQuestionnaire[65]->size(), QSize(40, 30));
    QCOMPARE(frame.lblThemesQuestionnaire[10]->pos(), QPoint(6, 40 + 10 * 38));
    QCOMPARE(frame.cmdThemesQuestionnaire[64]->text(), QString("5"));
}

void TestStatsFrames::themesControls()
{
    frameThemes frame;
    QCOMPARE(frame.objectName(), QString("frameThemes"));
    QCOMPARE(frame.size(), QSize(785, 569));
    QVERIFY(!frame.title().isEmpty());
    for (const char *name : {"cmdThemesStatsShow", "cmdThemesStatsPrint", "cmdThemesQuit", "cmdLanguage_5"})
        QVERIFY2(control<QPushButton>(&frame, name, "picboxThemesButtons"), name);
    QCOMPARE(frame.cmdLanguage->objectName(), QString("cmdLanguage_5"));
    // Printing is offered only once a printer has been found.
    QVERIFY(!frame.cmdThemesStatsPrint->isEnabled());
    FrameGeometry::checkContainment(&frame);
}

void TestStatsFrames::historyControls()
{
    frameHistory frame;
    QCOMPARE(frame.objectName(), QString("frameHistory"));
    QCOMPARE(frame.size(), QSize(785, 569));
    QVERIFY(control<QTableWidget>(&frame, "gridHistory", "frameHistory"));
    for (const char *name : {"lblHistoryName", "lblHistoryCategoryNr"})
        QVERIFY2(control<QLabel>(&frame, name, "picboxHistoryLabels"), name);
    for (const char *name : {"txtHistoryName", "txtHistoryCategoryNr"}) {
        auto *box = control<QLineEdit>(&frame, name, "picboxHistoryLabels");
        QVERIFY2(box, name);
        QVERIFY2(box->isReadOnly(), name);
    }
    for (const char *name : {"cmdHistoryReview", "cmdHistoryQuit", "cmdLanguage_6"})
        QVERIFY2(control<QPushButton>(&frame, name, "picboxHistoryButtons"), name);
    QCOMPARE(frame.gridHistory->editTriggers(), QAbstractItemView::NoEditTriggers);
    FrameGeometry::checkContainment(&frame);
}

void TestStatsFrames::framesGrowWithTheWindow()
{
    using FrameGeometry::Rule;
    frameThemes themes;
    themes.ThemesGridLoad();
    const int rightMargin = themes.width() - themes.picboxThemesButtons->geometry().right();
    FrameGeometry::applyGrowth(&themes, {{"picboxThemesButtons", Rule::MoveRight}}, 224, 168);
    FrameGeometry::checkContainment(&themes);
    QCOMPARE(themes.width() - themes.picboxThemesButtons->geometry().right(), rightMargin);

    frameHistory history;
    FrameGeometry::applyGrowth(&history,
                               {{"gridHistory", Rule::GrowBoth},
                                {"picboxHistoryLabels", Rule::MoveRight},
                                {"picboxHistoryButtons", Rule::MoveRight}},
                               224, 168);
    FrameGeometry::checkContainment(&history);
}

QTEST_MAIN(TestStatsFrames)
#include "tst_stats_frames.moc"
