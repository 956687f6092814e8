#pragma once
// The questionnaire history: every graded questionnaire of one user, newest
// first, with the name and category of that user beside the grid.
#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

class frameHistory : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameHistory(QWidget *parent = nullptr);

    QTableWidget *gridHistory = nullptr;

    QWidget *picboxHistoryLabels = nullptr;
    QLabel *lblHistoryName = nullptr;
    QLineEdit *txtHistoryName = nullptr;
    QLabel *lblHistoryCategoryNr = nullptr;
    QLineEdit *txtHistoryCategoryNr = nullptr;

    QWidget *picboxHistoryButtons = nullptr;
    QPushButton *cmdHistoryReview = nullptr;
    QPushButton *cmdHistoryQuit = nullptr;
    QPushButton *cmdLanguage = nullptr;   // cmdLanguage_6
};
