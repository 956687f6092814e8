#include "stats/frameHistory.h"

#include "core/ControlCreate.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

frameHistory::frameHistory(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameHistory"));
    setTitle(QStringLiteral("History"));
    setGeometry(4, 0, 785, 569);

    gridHistory = ControlCreate<QTableWidget>(this, QStringLiteral("gridHistory"), 12, 28, 620, 530);
    gridHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridHistory->setSelectionMode(QAbstractItemView::SingleSelection);

    // Name and category of the user, right of the grid.
    picboxHistoryLabels = ControlCreate<QWidget>(this, QStringLiteral("picboxHistoryLabels"), 640, 28, 137, 120);
    lblHistoryName = LabelCreate(picboxHistoryLabels, QStringLiteral("lblHistoryName"), QStringLiteral("Name"), 4,
                                 0, 129, 20);
    txtHistoryName = DisplayBoxCreate(picboxHistoryLabels, QStringLiteral("txtHistoryName"), 4, 22, 129, 26);
    lblHistoryCategoryNr = LabelCreate(picboxHistoryLabels, QStringLiteral("lblHistoryCategoryNr"),
                                       QStringLiteral("Category"), 4, 58, 129, 20);
    txtHistoryCategoryNr = DisplayBoxCreate(picboxHistoryLabels, QStringLiteral("txtHistoryCategoryNr"), 4, 80, 129,
                                            26);

    // Button panel at the right edge.
    picboxHistoryButtons = ControlCreate<QWidget>(this, QStringLiteral("picboxHistoryButtons"), 640, 358, 137, 204);
    const int bw = 129, bh = 60, step = 66;
    cmdHistoryReview = ButtonCreate(picboxHistoryButtons, QStringLiteral("cmdHistoryReview"),
                                    QStringLiteral("Review"), 4, 4, bw, bh);
    cmdLanguage = ButtonCreate(picboxHistoryButtons, QStringLiteral("cmdLanguage_6"), QStringLiteral("Language"), 4,
                               4 + step, bw, bh);
    cmdHistoryQuit = ButtonCreate(picboxHistoryButtons, QStringLiteral("cmdHistoryQuit"), QStringLiteral("Done"), 4,
                                  4 + 2 * step, bw, bh);
    // The history cannot be reviewed or left yet.
    cmdHistoryReview->setEnabled(false);
    cmdHistoryQuit->setEnabled(false);
}
