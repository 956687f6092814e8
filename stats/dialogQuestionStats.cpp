#include "stats/dialogQuestionStats.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/LocalisedTexts.h"
#include "stats/StatsTexts.h"
#include "userdb/clsUser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QTableWidgetItem *Cell(const QVariant &value, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

dialogQuestionStats::dialogQuestionStats(const QVector<QuestionStatsRow> &rows, int languageNr, QWidget *parent)
    : QDialog(parent), m_rows(rows)
{
    setObjectName(QStringLiteral("dialogQuestionStats"));
    setWindowTitle(StatsText(StatsTextId::QuestionStatsTitle, languageNr));
    setModal(true);
    resize(720, 480);

    auto *layout = new QVBoxLayout(this);
    lblQuestionStatsEmpty = new QLabel(StatsText(StatsTextId::QuestionStatsEmpty, languageNr), this);
    lblQuestionStatsEmpty->setObjectName(QStringLiteral("lblQuestionStatsEmpty"));
    lblQuestionStatsEmpty->setVisible(rows.isEmpty());
    layout->addWidget(lblQuestionStatsEmpty);

    gridQuestionStats = new QTableWidget(static_cast<int>(rows.size()), 6, this);
    gridQuestionStats->setObjectName(QStringLiteral("gridQuestionStats"));
    QStringList titles;
    for (const QString &t : QuestionStatsColumnTitles(languageNr))
        titles << t;
    gridQuestionStats->setHorizontalHeaderLabels(titles);
    gridQuestionStats->verticalHeader()->hide();
    gridQuestionStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridQuestionStats->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridQuestionStats->setSelectionMode(QAbstractItemView::SingleSelection);
    const Qt::Alignment centre = Qt::AlignCenter, left = Qt::AlignLeft | Qt::AlignVCenter;
    for (int r = 0; r < rows.size(); ++r) {
        const QuestionStatsRow &row = rows[r];
        gridQuestionStats->setItem(r, 0, Cell(row.questionNr, centre));
        gridQuestionStats->setItem(r, 1, Cell(row.themeName, left));
        gridQuestionStats->setItem(r, 2, Cell(row.asked, centre));
        gridQuestionStats->setItem(r, 3, Cell(row.right, centre));
        gridQuestionStats->setItem(r, 4, Cell(row.lastDateText, centre));
        QTableWidgetItem *last = Cell(row.lastRight ? GradeRightText : GradeWrongText, centre);
        last->setBackground(row.lastRight ? QColor(0, 255, 0) : QColor(255, 0, 0));
        gridQuestionStats->setItem(r, 5, last);
    }
    gridQuestionStats->resizeColumnsToContents();
    gridQuestionStats->horizontalHeader()->setStretchLastSection(true);
    // Sorted by a click on a column title; shown in the rows' order first.
    gridQuestionStats->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    gridQuestionStats->setSortingEnabled(true);
    layout->addWidget(gridQuestionStats);

    // The questions last answered wrong can be practised as a set.
    auto *buttons = new QHBoxLayout;
    cmdQuestionStatsMistakes = new QPushButton(StatsText(StatsTextId::MistakesPractise, languageNr), this);
    cmdQuestionStatsMistakes->setObjectName(QStringLiteral("cmdQuestionStatsMistakes"));
    const bool anyWrong = std::any_of(rows.begin(), rows.end(), [](const QuestionStatsRow &r) { return !r.lastRight; });
    cmdQuestionStatsMistakes->setEnabled(anyWrong);
    lblQuestionStatsNoMistakes = new QLabel(StatsText(StatsTextId::MistakesNone, languageNr), this);
    lblQuestionStatsNoMistakes->setObjectName(QStringLiteral("lblQuestionStatsNoMistakes"));
    lblQuestionStatsNoMistakes->setVisible(!anyWrong);
    cmdQuestionStatsMistakes->setToolTip(anyWrong ? QString() : lblQuestionStatsNoMistakes->text());
    cmdQuestionStatsMistakes->setAccessibleDescription(cmdQuestionStatsMistakes->toolTip());
    buttons->addWidget(cmdQuestionStatsMistakes);
    buttons->addWidget(lblQuestionStatsNoMistakes);
    buttons->addStretch(1);
    cmdQuestionStatsClose = new QPushButton(StatsText(StatsTextId::QuestionStatsClose, languageNr), this);
    cmdQuestionStatsClose->setObjectName(QStringLiteral("cmdQuestionStatsClose"));
    buttons->addWidget(cmdQuestionStatsClose);
    layout->addLayout(buttons);
    connect(cmdQuestionStatsClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdQuestionStatsMistakes, &QPushButton::clicked, this, [this] { done(MistakesChosen); });
}

bool QuestionStatsShow(QWidget *parent)
{
    dialogQuestionStats dialog(QuestionStatsRowsBuild(objUser), CurrentLanguageNr, parent);
    return Dialogs::ExecModal(&dialog) == dialogQuestionStats::MistakesChosen;
}
