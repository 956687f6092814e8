#pragma once
// The question screen: one question of the running set at a time, its
// answers, picture and book page, the question strip and the navigation.
#include <QGroupBox>
#include <QString>
#include <QVector>
#include <cstdint>

class QAbstractButton;
class QKeyEvent;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class PictureViewer;

class frameQA : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameQA(QWidget *parent = nullptr);

    // Shows the question at SetRecord.CurrentIndex with the buttons of the mode.
    void frameQAQuestion_Display();
    // Fills the screen from the question bank for CurrentQuestionNr.
    void frameQAUpdate();
    // Start-up: creates the 40 buttons of the question strip.
    void QuestionButtonsLoad();
    // Prepares the strip for a set of n questions.
    void QuestionButtonsInit(int n);
    void QuestionTextDisplay();
    void QuestionThemeDisplay();
    void BookDisplay();
    void BookPageDisplay();

    // Event handlers.
    void cmdQANext_Click();
    void cmdQAPrev_Click();
    void chkQuestion_GotFocus(int index);
    void lblAnswer_Click(int index);
    void frameAnswer_Click(int index);
    void picboxAnswerLabel_Click(int index);
    void chkAnswer_GotFocus(int index);
    void cmdQARevealAnswer_Click();
    void cmdQAQuit_Click();
    void cmdQAGrade_Click();
    void BookNext();
    void IHImgQAPicture_Click();

    // Strip button index of the question shown; 40 or more: none.
    int16_t StripButtonShown = 40;

    // Design left of the strip frame in pixels: the anchor of the right-aligned strip.
    static constexpr int StripDesignLeft = 757;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Keys of the screen: a, b, c and 1, 2, 3 answer; PgUp/PgDn and
    // Alt+Left/Right move; Escape in review goes back to the result.
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool KeyHandle(QKeyEvent *event);
    // Names and descriptions for assistive technology: the strip's questions
    // with their state, the options with their text, the picture and book.
    void AccessibleTextsUpdate();
    void TabOrderUpdate();
    void AnswerChoose(int index);
    void AnswerOptionsSet(int index);
    void AnswerOptionsShow();
    void AnswerHighlight(const QString &letter);
    void QuestionButtonMarkAnswered();
    void PictureAreaPlace(bool textShown);
    void StripButtonWire(QToolButton *b, int index);
    int StripAnchor() const;

    QLabel *m_lblQAQuestionNr = nullptr;
    QLabel *m_lblQAQRefTheme = nullptr;
    QGroupBox *m_frameQuestion = nullptr;
    QLabel *m_lblQuestion = nullptr;
    QFrame *m_picboxQuestionAnswers = nullptr;
    QFrame *m_frameAnswer[3] = {};
    QLabel *m_picboxAnswerLabel[3] = {};
    QRadioButton *m_chkAnswer[3] = {};
    QLabel *m_lblAnswer[3] = {};
    QButtonGroup *m_answerGroup = nullptr;
    PictureViewer *m_IHImgQAPicture = nullptr;
    QFrame *m_picboxQABook = nullptr;
    PictureViewer *m_imgQABookPicture = nullptr;
    QLabel *m_lblQABookTitle = nullptr;
    QLabel *m_lblQABookPage = nullptr;
    QFrame *m_frameChkQuestion = nullptr;
    QVector<QToolButton *> m_chkQuestion;
    QLabel *m_chkPicture = nullptr;
    QFrame *m_picboxQAButtons = nullptr;
    QPushButton *m_cmdQAQuit = nullptr;
    QPushButton *m_cmdQAPrev = nullptr;
    QPushButton *m_cmdQANext = nullptr;
    QPushButton *m_cmdQARevealAnswer = nullptr;
    QPushButton *m_cmdQAGrade = nullptr;
    QPushButton *m_cmdLanguage = nullptr;

    void QuestionSelect();

    int32_t m_questionNr = 0;        // question shown
    QString m_questionAnswer;        // its right answer
    int16_t m_questionThemeNr = 0;   // its theme
};

// Shows the set record from its first question on the question screen (strip,
// question, answers); the caller brings the screen in front.
void QuestionSetShow();
