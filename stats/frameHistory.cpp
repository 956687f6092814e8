#include "stats/frameHistory.h"

#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/Keyboard.h"
#include "core/Fonts.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "core/Screens.h"
#include "stats/HistoryCaller.h"
#include "stats/HistoryLoad.h"
#include "stats/HistoryRows.h"
#include "stats/StatsTexts.h"
#include "training/QAState.h"
#include "training/QuestionSet.h"
#include "training/QuestionnaireTitle.h"
#include "training/frameGrade.h"
#include "training/frameQA.h"
#include "userdb/clsUser.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
// Column widths in twips (the StatId column is hidden).
constexpr int ColumnTwips[HistoryModel::ColumnCount] = {1700, 700, 800, 1100, 4500, 0};
} // namespace

frameHistory::frameHistory(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameHistory"));
    setTitle(QStringLiteral("History"));
    setGeometry(4, 0, 785, 569);

    m_model = new HistoryModel(this);
    gridHistory = ControlCreate<QTableView>(this, QStringLiteral("gridHistory"), 12, 28, 620, 530);
    gridHistory->setModel(m_model);
    gridHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    gridHistory->setWordWrap(false);
    gridHistory->verticalHeader()->hide();
    gridHistory->verticalHeader()->setDefaultSectionSize(18);
    gridHistory->horizontalHeader()->setHighlightSections(false);
    // A row is reopened by a double click or the Enter key.
    connect(gridHistory, &QTableView::doubleClicked, this, [this](const QModelIndex &) { gridHistory_RowActivate(); });
    gridHistory->installEventFilter(this);

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
    lblHistoryName->setBuddy(txtHistoryName);
    lblHistoryCategoryNr->setBuddy(txtHistoryCategoryNr);
    // Tab leaves the grid; the arrow keys move in it.
    gridHistory->setTabKeyNavigation(false);
    EscapeButtonSet(this, cmdHistoryQuit);
    TabOrderSet({gridHistory, txtHistoryName, txtHistoryCategoryNr, cmdHistoryReview, cmdLanguage, cmdHistoryQuit});
    connect(cmdHistoryReview, &QPushButton::clicked, this, &frameHistory::cmdHistoryReview_Click);
    connect(cmdHistoryQuit, &QPushButton::clicked, this, &frameHistory::cmdHistoryQuit_Click);
}

int frameHistory::CurrentRow() const
{
    const QModelIndex current = gridHistory->currentIndex();
    return current.isValid() && !m_model->IsEmpty() ? current.row() + 1 : 0;
}

void frameHistory::CurrentRowSet(int row)
{
    if (row >= 1 && row <= m_model->RecordCount())
        gridHistory->setCurrentIndex(m_model->index(row - 1, 0));
}

void frameHistory::frameHistoryInit()
{
    SetRecord.QuestionMode = QuestionModeHistory;
    // Opened from the practice menu or the administration: that screen is
    // the one the quit button goes back to. A refresh (language change)
    // leaves the caller as it was.
    QWidget *top = ScreenOnTop();
    if (top && top == ScreenFrame(Screen::Practice))
        HistoryCaller = Screen::Practice;
    else if (top && top == ScreenFrame(Screen::Admin))
        HistoryCaller = Screen::Admin;
    // The history of the loaded user is shown in that user's category (for
    // the administrator too): theme names, and the lessons and theme
    // questionnaires reopened from it, belong to it.
    const int previousRow = CurrentRow();
    const int previousCount = m_model->RecordCount();
    QuestionnaireStatList rows;
    if (objUser) {
        if (objUser->CategoryNr >= 0 && objUser->CategoryNr <= 3)
            CurrentCategoryNr = objUser->CategoryNr;
        txtHistoryName->setText(objUser->UserName);
        objUser->setRSCursorType(QStringLiteral("3"));
        objUser->setRSLockType(QStringLiteral("1"));
        rows = objUser->QuestionnaireStatUserList();
    } else {
        txtHistoryName->clear();
    }
    txtHistoryCategoryNr->setText(CurrentCategoryNr >= 0 && CurrentCategoryNr <= 3 ? CategoryNames[CurrentCategoryNr]
                                                                                    : QString());

    gridHistory->setAccessibleName(title());
    const QStringList titles(HistoryColumnTitles.begin(), HistoryColumnTitles.end());
    gridHistory->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 8));
    m_model->RowsSet(std::move(rows), titles, CurrentCategoryNr, CurrentLanguageNr);
    for (int c = 0; c < HistoryModel::ColumnCount; ++c)
        gridHistory->setColumnWidth(c, ColumnTwips[c] / 15);
    gridHistory->setColumnHidden(HistoryModel::StatIdColumn, true);
    gridHistory->setEnabled(!m_model->IsEmpty());
    // The same list again (a language change): the selected row stays.
    if (previousRow >= 1 && m_model->RecordCount() == previousCount)
        CurrentRowSet(previousRow);
}

void frameHistory::frameHistoryReview()
{
    const QuestionnaireStatListRow *record = m_model->Record(CurrentRow() - 1);
    if (!objUser || !record)
        return;
    switch (HistoryRecordReopen(*objUser, record->StatId)) {
    case HistoryReopen::Gone:
        return;   // deleted meanwhile
    case HistoryReopen::NotReopenable:
        NoticeShow(this, StatsText(StatsTextId::NoticeNotReopenable, CurrentLanguageNr));
        return;
    case HistoryReopen::Empty:
        NoticeShow(this, StatsText(StatsTextId::NoticeEmptyQuestionnaire, CurrentLanguageNr));
        return;
    case HistoryReopen::Loaded:
        break;
    }
    QuestionSetShow();
    QuestionnaireTitleSet();
    if (auto *grade = ScreenAs<frameGrade>(Screen::Grade))
        grade->GradeGridFill();
    Frame_OnTop(Screen::Grade, true);
}

void frameHistory::cmdHistoryReview_Click()
{
    if (CurrentRow() < 1)
        CurrentRowSet(1);
    if (gridHistory->isEnabled())
        frameHistoryReview();
}

void frameHistory::gridHistory_RowActivate()
{
    if (CurrentRow() >= 1 && gridHistory->isEnabled())
        frameHistoryReview();
}

void frameHistory::cmdHistoryQuit_Click()
{
    QAState::ScratchFilesKill();
    Frame_OnTop(this, false);
    Frame_OnTop(HistoryCaller, true);
}

bool frameHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == gridHistory && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            gridHistory_RowActivate();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
