#pragma once
// The questionnaire history: every graded questionnaire of one user, newest
// first, with the name and category of that user beside the grid. A row can
// be reopened on the grade screen with the answers as given.
#include <QGroupBox>

class HistoryModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

class frameHistory : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameHistory(QWidget *parent = nullptr);

    // Fills the screen for the user loaded in objUser, in that user's
    // category (which becomes the current one).
    void frameHistoryInit();
    // Reopens the selected row (the first one when none is selected).
    void frameHistoryReview();

    void cmdHistoryReview_Click();
    void gridHistory_RowActivate();
    void cmdHistoryQuit_Click();

    // Grid row of the current record counted from 1 (the title row is 0),
    // 0 when no record row is current.
    int CurrentRow() const;
    void CurrentRowSet(int row);
    HistoryModel *Model() const { return m_model; }

    QTableView *gridHistory = nullptr;

    QWidget *picboxHistoryLabels = nullptr;
    QLabel *lblHistoryName = nullptr;
    QLineEdit *txtHistoryName = nullptr;
    QLabel *lblHistoryCategoryNr = nullptr;
    QLineEdit *txtHistoryCategoryNr = nullptr;

    QWidget *picboxHistoryButtons = nullptr;
    QPushButton *cmdHistoryReview = nullptr;
    QPushButton *cmdHistoryQuit = nullptr;
    QPushButton *cmdLanguage = nullptr;   // cmdLanguage_6

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HistoryModel *m_model = nullptr;
};
