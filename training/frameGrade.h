#pragma once
// The grade screen: the result of a graded or reopened questionnaire with one
// grid row per question.
#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTableWidget;
class QFrame;

class frameGrade : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameGrade(QWidget *parent = nullptr);

    // Fills the grid and the result boxes from the set record.
    void GradeGridFill();

    // Event handlers.
    void gridGrade_RowActivate();
    void cmdGradeReview_Click();
    void cmdGradePrint_Click();
    void cmdGradeQuit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void QuestionReopen(int position);

    QLabel *m_lblGradeQName = nullptr;
    QTableWidget *m_gridGrade = nullptr;
    QFrame *m_picboxGradeLabels = nullptr;
    QLineEdit *m_txtGradeQNr = nullptr;
    QLineEdit *m_txtGradeQRight = nullptr;
    QLineEdit *m_txtGradePercentRight = nullptr;
    QLabel *m_lblGradePercentRight = nullptr;
    QSlider *m_sliderGrade = nullptr;
    QFrame *m_picboxGradeButtons = nullptr;
    QPushButton *m_cmdGradeReview = nullptr;
    QPushButton *m_cmdGradePrint = nullptr;
    QPushButton *m_cmdGradeQuit = nullptr;
};
