#pragma once
// The per-question statistics dialog of the practice menu: a sortable table
// of the questions the candidate has been asked, or a line saying that there
// are none yet.
#include "stats/QuestionStatsRows.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class dialogQuestionStats : public QDialog
{
    Q_OBJECT
public:
    // Shows the rows with captions in the language (0..2).
    dialogQuestionStats(const QVector<QuestionStatsRow> &rows, int languageNr, QWidget *parent = nullptr);

    const QVector<QuestionStatsRow> &Rows() const { return m_rows; }

    QTableWidget *gridQuestionStats = nullptr;
    QLabel *lblQuestionStatsEmpty = nullptr;
    QPushButton *cmdQuestionStatsClose = nullptr;
    QPushButton *cmdQuestionStatsMistakes = nullptr;
    QLabel *lblQuestionStatsNoMistakes = nullptr;
    // Result of the dialog when the questions last answered wrong are to be
    // practised.
    static constexpr int MistakesChosen = 2;

private:
    QVector<QuestionStatsRow> m_rows;
};

// Opens the dialog for the signed-in candidate (objUser) in the current
// language and waits until it is closed. True when the candidate chose to
// practise the questions last answered wrong.
bool QuestionStatsShow(QWidget *parent);
