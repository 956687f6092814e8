#pragma once
// The results log: the progress lines of a grading, with the buttons to go
// on or to end the program.
#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;
class QWidget;

class frameResultsLog : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameResultsLog(QWidget *parent = nullptr);

    // Empties the log and disables both buttons.
    void frameResultsLogInit();

public Q_SLOTS:
    void cmdResultsLogContinue_Click();
    void cmdResultsLogAbort_Click();

private:
    QPlainTextEdit *txtResultsLog = nullptr;
    QWidget *picboxResultsLog = nullptr;
    QPushButton *cmdResultsLogAbort = nullptr;
    QPushButton *cmdResultsLogContinue = nullptr;
};
