#pragma once
// The practice menu: the hub after sign-in. Starts a lesson, an examination,
// a mixed set or a single question, and leads to the theme questionnaires.
#include <QGroupBox>
#include <QVector>
#include <cstdint>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class PictureViewer;

class framePractice : public QGroupBox
{
    Q_OBJECT
public:
    explicit framePractice(QWidget *parent = nullptr);

    // Number of lesson buttons of the grid (4 rows of 6); lessons use 0..20.
    static constexpr int LessonButtonCount = 24;
    static constexpr int LessonCountMax = 21;

    // Prepares the menu for the user loaded in objUser.
    void framePracticeInit();
    // Start-up: completes the lesson button grid from elements 0, 1 and 2.
    void LessonButtonsLoad();
    // Category label of the title: the localised "category" caption and the
    // name of CurrentCategoryNr (also used after a language change).
    void PracticeTitleCategoryShow();
    // Colours the 21 lesson buttons (hidden ones too) by the signed-in
    // user's best results; CurrentThemeNr stays the category number.
    void framePracticeStatsShow();
    // Tab order row by row, the lesson buttons first.
    void TabOrderUpdate();

public Q_SLOTS:
    void cmdPracticeLesson_Click(int index);
    void cmdPracticeExam_Click();
    void cmdPracticeMix_Click();
    void cmdPracticeQuestion_Click();
    void cmdPracticeQuestionNumber_Click(int index);
    void cmdPracticeQuestionDel_Click();
    void cmdPracticeQuestionClear_Click();
    void cmdPracticeThemes_Click();
    void cmdPracticeHistory_Click();
    void cmdPracticeStatsShow_Click();
    void cmdPracticeStatsPrint_Click();
    void cmdPracticeQuestionStatsPrint_Click();
    void cmdPracticeQuestionStatsShow_Click();
    void cmdPracticeQuit_Click();

private:
    QPushButton *LessonButtonCreate(int index);
    void ExamOrMixStart(uint8_t mode, int16_t questionnaireNr, int32_t titleKind);
    void QuestionSetStart();

    QWidget *framePracticeTitle = nullptr;
    QWidget *framePracticeTitleData = nullptr;
    QLabel *lblPracticeTitleUserName = nullptr;
    QLabel *lblPracticeTitleCategoryName = nullptr;
    QLabel *lblPracticeTitleDate = nullptr;
    QLabel *lblPracticeTitleTime = nullptr;
    PictureViewer *IHimgPracticeTitleImage = nullptr;
    QLabel *lblPracticeQuestionnaires = nullptr;
    QLabel *lblPracticeReadiness = nullptr;
    QVector<QPushButton *> cmdPracticeLesson;
    QWidget *picboxPracticeButtons = nullptr;
    QPushButton *cmdPracticeMix = nullptr;
    QPushButton *cmdPracticeExam = nullptr;
    QPushButton *cmdPracticeThemes = nullptr;
    QPushButton *cmdPracticeHistory = nullptr;
    QPushButton *cmdPracticeStatsShow = nullptr;
    QPushButton *cmdPracticeStatsPrint = nullptr;
    QPushButton *cmdPracticeQuit = nullptr;
    QPushButton *cmdLanguage = nullptr;
    QWidget *framePracticeQuestion = nullptr;
    QLabel *lblPracticeQuestion = nullptr;
    QLineEdit *txtPracticeQuestion = nullptr;
    QVector<QPushButton *> cmdPracticeQuestionNumber;
    QPushButton *cmdPracticeQuestionDel = nullptr;
    QPushButton *cmdPracticeQuestionClear = nullptr;
    QPushButton *cmdPracticeQuestion = nullptr;
    QPushButton *cmdPracticeQuestionStatsShow = nullptr;
    QPushButton *cmdPracticeQuestionStatsPrint = nullptr;
    QProgressBar *pbPractice = nullptr;
};
