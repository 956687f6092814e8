#include "training/frameQA.h"

#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/Keyboard.h"
#include "core/Dialogs.h"
#include "core/InputBlock.h"
#include "core/LocalisedTexts.h"
#include "core/PictureViewer.h"
#include "core/RuntimeError.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/modMain.h"
#include "questionbank/clsQuestion.h"
#include "training/Grading.h"
#include "training/QAState.h"
#include "training/QuestionSet.h"
#include "training/frameGrade.h"
#include "training/framePictureBig.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

constexpr int StripButtonWidth = 18;
constexpr int StripButtonHeight = 20;
constexpr int StripTop = 16;
constexpr int PictureLeft = 10;
constexpr int PictureTopWithText = 160;
constexpr int PictureWidth = 575;
// The picture takes the room of a missing question text: 840 twips.
constexpr int PictureTextRoom = (5295 - 4455) / 15;
const QColor AnswerRightColor(0, 255, 0);
const QColor AnswerWrongColor(255, 0, 0);

QString Format0000(int32_t n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

// A small tick: the answered mark of the question strip.
QPixmap AnsweredMark()
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 110, 0), 2));
    painter.drawLine(QPointF(1.5, 6.5), QPointF(4.5, 10));
    painter.drawLine(QPointF(4.5, 10), QPointF(10.5, 2));
    return pixmap;
}

int WindowDelta(const QWidget *w, const char *name)
{
    const QWidget *top = w ? w->window() : nullptr;
    return top ? top->property(name).toInt() : 0;
}

} // namespace

frameQA::frameQA(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameQA"));
    // Screens lie on one another: each one covers those behind it.
    setAutoFillBackground(true);
    setGeometry(4, 0, 785, 569);

    // Question number and theme
    m_lblQAQuestionNr = LabelCreate(this, QStringLiteral("lblQAQuestionNr"), QStringLiteral("Frage"), 10, 42, 80, 36);
    m_lblQAQuestionNr->setAlignment(Qt::AlignCenter);
    m_lblQAQuestionNr->setFrameShape(QFrame::Panel);
    m_lblQAQuestionNr->setFrameShadow(QFrame::Sunken);
    QFont bold = m_lblQAQuestionNr->font();
    bold.setBold(true);
    m_lblQAQuestionNr->setFont(bold);
    m_lblQAQuestionNr->setProperty("Tag", QStringLiteral("Frage"));
    m_lblQAQRefTheme = LabelCreate(this, QStringLiteral("lblQAQRefTheme"), QString(), 95, 42, 490, 36);
    m_lblQAQRefTheme->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lblQAQRefTheme->setWordWrap(true);
    m_lblQAQRefTheme->setFont(bold);

    // Question text
    m_frameQuestion = new QGroupBox(QStringLiteral("Frage"), this);
    m_frameQuestion->setObjectName(QStringLiteral("frameQuestion"));
    m_frameQuestion->setGeometry(10, 80, PictureWidth, 76);
    m_lblQuestion = LabelCreate(m_frameQuestion, QStringLiteral("lblQuestion"), QString(), 8, 16, PictureWidth - 16,
                                56);
    m_lblQuestion->setWordWrap(true);
    m_lblQuestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Picture
    m_IHImgQAPicture = ControlCreate<PictureViewer>(this, QStringLiteral("IHImgQAPicture"), PictureLeft,
                                                    PictureTopWithText, PictureWidth, 4455 / 15);
    m_IHImgQAPicture->hide();
    connect(m_IHImgQAPicture, &PictureViewer::clicked, this, &frameQA::IHImgQAPicture_Click);

    // Answers a, b, c
    m_picboxQuestionAnswers = ControlCreate<QFrame>(this, QStringLiteral("picboxQuestionAnswers"), 10, 460,
                                                    PictureWidth, 105);
    m_answerGroup = new QButtonGroup(this);
    m_answerGroup->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        auto *row = ControlCreate<QFrame>(m_picboxQuestionAnswers, QStringLiteral("frameAnswer_%1").arg(i), 0, i * 35,
                                          PictureWidth, 33);
        row->setFrameShape(QFrame::StyledPanel);
        row->installEventFilter(this);
        m_frameAnswer[i] = row;

        auto *letter = LabelCreate(row, QStringLiteral("picboxAnswerLabel_%1").arg(i), QStringLiteral("abc").mid(i, 1),
                                   2, 2, 29, 29);
        letter->setAlignment(Qt::AlignCenter);
        letter->setFrameShape(QFrame::Panel);
        letter->setFrameShadow(QFrame::Raised);
        letter->setFont(bold);
        letter->installEventFilter(this);
        m_picboxAnswerLabel[i] = letter;

        auto *option = ControlCreate<QRadioButton>(row, QStringLiteral("chkAnswer_%1").arg(i), 36, 8, 18, 18);
        option->setFocusPolicy(Qt::StrongFocus);
        option->installEventFilter(this);
        m_answerGroup->addButton(option, i);
        m_chkAnswer[i] = option;

        auto *text = LabelCreate(row, QStringLiteral("lblAnswer_%1").arg(i), QString(), 60, 1, PictureWidth - 64, 31);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        text->installEventFilter(this);
        m_lblAnswer[i] = text;
    }
    // In review a click on an option must not change the answer shown. While
    // answering, a click (or Space) on the option that already has the focus
    // gets no focus event: the click itself chooses the answer then.
    connect(m_answerGroup, &QButtonGroup::idClicked, this, [this](int id) {
        if (SetRecord.QuestionMode == QuestionModeGraded || SetRecord.QuestionMode == QuestionModeHistory)
            AnswerOptionsShow();
        else if (id >= 0 && id < static_cast<int>(AnswerLetters.size()) && SetRecord.CurrentAnswer != AnswerLetters[id])
            AnswerChoose(id);
    });

    // Question strip: element 0 now, the others at start-up (QuestionButtonsLoad).
    m_frameChkQuestion = ControlCreate<QFrame>(this, QStringLiteral("frameChkQuestion"), StripDesignLeft, StripTop,
                                               StripButtonWidth, StripButtonHeight);
    m_chkPicture = ControlCreate<QLabel>(this, QStringLiteral("chkPicture"), 0, 0, StripButtonWidth, StripButtonHeight);
    m_chkPicture->setPixmap(AnsweredMark());
    QAState::BackColorSet(m_chkPicture, QColor(255, 255, 128));
    m_chkPicture->hide();
    auto *first = ControlCreate<QToolButton>(m_frameChkQuestion, QStringLiteral("chkQuestion_0"), 0, 0,
                                             StripButtonWidth, StripButtonHeight);
    StripButtonWire(first, 0);

    // Buttons and the book area on the right
    m_picboxQAButtons = ControlCreate<QFrame>(this, QStringLiteral("picboxQAButtons"), 595, 42, 185, 523);

    m_picboxQABook = ControlCreate<QFrame>(m_picboxQAButtons, QStringLiteral("picboxQABook"), 0, 0, 185, 150);
    m_picboxQABook->setFrameShape(QFrame::StyledPanel);
    m_picboxQABook->setCursor(Qt::PointingHandCursor);
    m_picboxQABook->installEventFilter(this);
    m_imgQABookPicture = ControlCreate<PictureViewer>(m_picboxQABook, QStringLiteral("imgQABookPicture"), 4, 4, 70,
                                                      142);
    m_imgQABookPicture->installEventFilter(this);
    m_lblQABookTitle = LabelCreate(m_picboxQABook, QStringLiteral("lblQABookTitle"), QString(), 78, 4, 103, 80);
    m_lblQABookTitle->setWordWrap(true);
    m_lblQABookTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblQABookTitle->installEventFilter(this);
    m_lblQABookPage = LabelCreate(m_picboxQABook, QStringLiteral("lblQABookPage"), QString(), 78, 88, 103, 58);
    m_lblQABookPage->setWordWrap(true);
    m_lblQABookPage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblQABookPage->setProperty("Tag", QStringLiteral("Seite"));
    m_lblQABookPage->installEventFilter(this);

    m_cmdQAPrev = ButtonCreate(m_picboxQAButtons, QStringLiteral("cmdQAPrev"), QStringLiteral("<<"), 0, 160, 90, 50);
    m_cmdQANext = ButtonCreate(m_picboxQAButtons, QStringLiteral("cmdQANext"), QStringLiteral(">>"), 95, 160, 90, 50);
    m_cmdQARevealAnswer = ButtonCreate(m_picboxQAButtons, QStringLiteral("cmdQARevealAnswer"),
                                       QStringLiteral("ANTWORT"), 0, 220, 185, 50);
    m_cmdQAGrade = ButtonCreate(m_picboxQAButtons, QStringLiteral("cmdQAGrade"), QStringLiteral("ERGEBNIS"), 0, 280,
                                185, 50);
    m_cmdQAQuit = ButtonCreate(m_picboxQAButtons, QStringLiteral("cmdQAQuit"), QStringLiteral("ABBRECHEN"), 0, 390,
                               185, 50);
    m_cmdLanguage = ButtonCreate(m_picboxQAButtons, QStringLiteral("cmdLanguage_1"), QStringLiteral("LANGUE"), 0, 455,
                                 185, 64);

    m_picboxQABook->setFocusPolicy(Qt::TabFocus);
    m_IHImgQAPicture->setFocusPolicy(Qt::TabFocus);
    m_IHImgQAPicture->installEventFilter(this);
    EscapeButtonSet(this, m_cmdQAQuit);
    TabOrderUpdate();

    connect(m_cmdQAPrev, &QPushButton::clicked, this, &frameQA::cmdQAPrev_Click);
    connect(m_cmdQANext, &QPushButton::clicked, this, &frameQA::cmdQANext_Click);
    connect(m_cmdQARevealAnswer, &QPushButton::clicked, this, &frameQA::cmdQARevealAnswer_Click);
    connect(m_cmdQAGrade, &QPushButton::clicked, this, &frameQA::cmdQAGrade_Click);
    connect(m_cmdQAQuit, &QPushButton::clicked, this, &frameQA::cmdQAQuit_Click);
    // cmdLanguage_1 is connected by the main window.
}

// --- question strip -----------------------------------------------------------

void frameQA::QuestionButtonsLoad()
{
    QToolButton *first = m_chkQuestion.value(0);
    if (!first || m_chkQuestion.size() > 1)
        return;
    for (int i = 1; i < 40; ++i) {
        auto *b = ControlCreate<QToolButton>(m_frameChkQuestion, QStringLiteral("chkQuestion_%1").arg(i),
                                             first->x() + i * first->width(), first->y(), first->width(),
                                             first->height());
        b->setToolTip(first->toolTip());
        StripButtonWire(b, i);
        b->setVisible(true);
    }
    m_frameChkQuestion->resize(m_frameChkQuestion->width(), first->height());
    TabOrderUpdate();
}

void frameQA::StripButtonWire(QToolButton *b, int index)
{
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoFillBackground(true);
    b->installEventFilter(this);
    // The focus selects the position; a click on the button that already
    // has the focus selects it too.
    connect(b, &QToolButton::clicked, this, [this, index] {
        if (SetRecord.CurrentIndex != index + 1)
            chkQuestion_GotFocus(index);
    });
    m_chkQuestion.append(b);
}

int frameQA::StripAnchor() const
{
    return qRound((StripDesignLeft * 15 + WindowDelta(this, "WidthDelta")) / 15.0);
}

void frameQA::QuestionButtonsInit(int n)
{
    for (QToolButton *b : std::as_const(m_chkQuestion)) {
        QAState::BackColorSet(b, QAState::ButtonFace());
        b->setIcon(QIcon());
    }
    const int w = m_chkQuestion.isEmpty() ? StripButtonWidth : m_chkQuestion[0]->width();
    const int shown = qBound(0, n, 40);
    // Only the set's questions are in the tab order.
    for (int i = 0; i < m_chkQuestion.size(); ++i)
        m_chkQuestion[i]->setFocusPolicy(i < shown ? Qt::StrongFocus : Qt::NoFocus);
    m_frameChkQuestion->resize(shown * w, m_frameChkQuestion->height());
    m_frameChkQuestion->move(QAState::StripLeft(StripAnchor(), shown, w), m_frameChkQuestion->y());
}

void frameQA::QuestionButtonMarkAnswered()
{
    if (StripButtonShown >= 0 && StripButtonShown < 40 && StripButtonShown < m_chkQuestion.size())
        m_chkQuestion[StripButtonShown]->setIcon(QIcon(m_chkPicture->pixmap()));
}

void frameQA::chkQuestion_GotFocus(int index)
{
    SetRecord.CurrentIndex = index + 1;
    frameQAQuestion_Display();
}

// --- showing a question --------------------------------------------------------

void QuestionSetShow()
{
    frameQA *qa = ScreenAs<frameQA>(Screen::QA);
    if (qa)
        qa->QuestionButtonsInit(SetRecord.QuestionCount);
    SetRecord.CurrentIndex = 1;
    if (qa)
        qa->frameQAQuestion_Display();
}

void frameQA::frameQAQuestion_Display()
{
    AnswerHighlight(QString());
    if (QAState::PositionValid()) {
        CurrentQuestionNr = SetRecord.QList[SetRecord.CurrentIndex];
        QAState::AnswerLoad();
        AnswerOptionsShow();
        frameQAUpdate();
    }
    const bool revealed = QAState::PositionValid() && SetRecord.RevealState[SetRecord.CurrentIndex] != 0;
    bool quit = true, reveal = true, prev = true, next = true, grade = true, strip = true, colours = false;
    switch (SetRecord.QuestionMode) {
    case QuestionModePractice:
        colours = revealed;
        break;
    case QuestionModeExam:
        reveal = false;
        break;
    case QuestionModeGraded:
    case QuestionModeHistory:
        quit = reveal = prev = next = strip = false;
        colours = true;
        break;
    case QuestionModeSingle:
        prev = next = grade = strip = false;
        break;
    default:
        RuntimeErrorReport(QStringLiteral("formMain"), QStringLiteral("frameQAQuestion_Display"), 314,
                           QStringLiteral("Invalid QuestionMode value"));
        Seams::ProgramEnd();
        return;
    }
    m_cmdQAQuit->setVisible(quit);
    m_cmdQARevealAnswer->setVisible(reveal);
    m_cmdQAPrev->setVisible(prev);
    m_cmdQANext->setVisible(next);
    m_cmdQAGrade->setVisible(grade);
    m_frameChkQuestion->setVisible(strip);
    if (colours && QAState::PositionValid())
        AnswerHighlight(m_questionAnswer);
    AccessibleTextsUpdate();
}

void frameQA::PictureAreaPlace(bool textShown)
{
    const int twips = WindowDelta(this, "HeightDelta") + (textShown ? 4455 : 5295);
    const int height = twips > 0 ? qRound(twips / 15.0) : 0;
    const int top = textShown ? PictureTopWithText : PictureTopWithText - PictureTextRoom;
    m_IHImgQAPicture->setGeometry(m_IHImgQAPicture->x(), top, m_IHImgQAPicture->width(), height);
}

void frameQA::frameQAUpdate()
{
    m_questionNr = CurrentQuestionNr;
    m_lblQAQuestionNr->setText(m_lblQAQuestionNr->property("Tag").toString() + NewLine
                               + Format0000(CurrentQuestionNr));
    m_frameQuestion->hide();
    m_IHImgQAPicture->hide();
    update();

    if (StripButtonShown >= 0 && StripButtonShown < 40 && StripButtonShown < m_chkQuestion.size())
        QAState::BackColorSet(m_chkQuestion[StripButtonShown], QAState::ButtonFace());
    const int32_t shown = SetRecord.CurrentIndex - 1;
    StripButtonShown = static_cast<int16_t>(qBound<int32_t>(-1, shown, 40));
    if (StripButtonShown >= 0 && StripButtonShown < 40 && StripButtonShown < m_chkQuestion.size())
        QAState::BackColorSet(m_chkQuestion[StripButtonShown], QAState::BackColor(m_chkPicture));

    m_questionAnswer.clear();
    m_questionThemeNr = 0;
    int32_t pictureNr = 0;
    if (objQuestion) {
        objQuestion->QuestionNrSeek();
        m_questionAnswer = objQuestion->Answer;
        m_questionThemeNr = objQuestion->ThemeNr;
        pictureNr = objQuestion->PictureNr;
    }
    QuestionTextDisplay();
    QuestionThemeDisplay();
    BookPageDisplay();

    const bool textShown = objQuestion && !objQuestion->QuestionText.isEmpty();
    if (textShown)
        m_frameQuestion->show();
    PictureAreaPlace(textShown);
    update();

    if (pictureNr != 0) {
        const QString pictureFile = QAState::PictureFileFind(pictureNr);
        if (!pictureFile.isEmpty()) {
            m_IHImgQAPicture->Clear();
            if (m_IHImgQAPicture->LoadFile(pictureFile)) {
                m_IHImgQAPicture->show();
                if (auto *big = ScreenAs<framePictureBig>(Screen::PictureBig))
                    big->IHImgPictureBig()->LoadFile(pictureFile);
            }
            QAState::ScratchFilesKill();
        }
    }
}

void frameQA::QuestionSelect()
{
    // Other screens seek other questions in between; the texts shown here
    // always belong to the question on the screen.
    if (m_questionNr != 0)
        CurrentQuestionNr = m_questionNr;
}

void frameQA::QuestionTextDisplay()
{
    QuestionSelect();
    m_lblQAQuestionNr->setText(m_lblQAQuestionNr->property("Tag").toString() + NewLine
                               + Format0000(CurrentQuestionNr));
    if (!objQuestion)
        return;
    objQuestion->QuestionTextGet();
    m_lblQuestion->setText(objQuestion->QuestionText);
    m_lblAnswer[0]->setText(objQuestion->AnsweraText);
    m_lblAnswer[1]->setText(objQuestion->AnswerbText);
    m_lblAnswer[2]->setText(objQuestion->AnswercText);
    AccessibleTextsUpdate();
}

void frameQA::QuestionThemeDisplay()
{
    m_lblQAQRefTheme->setText(objQuestion ? objQuestion->ThemeNames(m_questionThemeNr, CurrentCategoryNr,
                                                                     CurrentLanguageNr)
                                          : QString());
}

void frameQA::BookPageDisplay()
{
    QuestionSelect();
    if (!objQuestion)
        return;
    objQuestion->BookPageGet();
    m_lblQABookTitle->setText(objQuestion->BookTitle);
    m_lblQABookPage->setText(QAState::BookPageText(objQuestion->BookPageNr,
                                                   m_lblQABookPage->property("Tag").toString(), NewLine));
}

void frameQA::BookDisplay()
{
    if (!objQuestion)
        return;
    objQuestion->BookNrSeek();
    const QString bookPictureFile = QAState::BookPictureFile(objQuestion->BookPictureNr);
    if (FileExists(bookPictureFile) && m_imgQABookPicture->LoadFile(bookPictureFile))
        return;
    m_imgQABookPicture->Clear();
}

void frameQA::BookNext()
{
    CurrentBookNr = QAState::BookNrNext(CurrentBookNr, CurrentBookNrMax);
    BookDisplay();
    BookPageDisplay();
    m_picboxQABook->update();
    if (SetRecord.QuestionMode == QuestionModeGraded || SetRecord.QuestionMode == QuestionModeHistory) {
        if (auto *grade = ScreenAs<frameGrade>(Screen::Grade))
            grade->GradeGridFill();
    }
}

// --- answering ----------------------------------------------------------------------

void frameQA::AnswerChoose(int index)
{
    if (index < 0 || index > 2)
        return;
    if (SetRecord.QuestionMode == QuestionModeGraded || SetRecord.QuestionMode == QuestionModeHistory) {
        m_cmdQAGrade->setFocus();
        AnswerOptionsShow();
        return;
    }
    const QString letter = AnswerLetters[index];
    AnswerOptionsSet(index);
    QuestionButtonMarkAnswered();
    QAState::RevealStateUpdate(letter, m_questionAnswer);
    QAState::AnswerStore(letter);
    AccessibleTextsUpdate();
}

void frameQA::AnswerOptionsSet(int index)
{
    m_answerGroup->setExclusive(false);
    for (int i = 0; i < 3; ++i)
        m_chkAnswer[i]->setChecked(i == index);
    m_answerGroup->setExclusive(true);
}

void frameQA::AnswerOptionsShow()
{
    AnswerOptionsSet(QAState::AnswerIndexOf(SetRecord.CurrentAnswer));
}

void frameQA::AnswerHighlight(const QString &letter)
{
    const int right = QAState::AnswerIndexOf(letter);
    for (int i = 0; i < 3; ++i) {
        const QColor c = right < 0 ? QAState::ButtonFace() : (i == right ? AnswerRightColor : AnswerWrongColor);
        QAState::BackColorSet(m_frameAnswer[i], c);
        QAState::BackColorSet(m_picboxAnswerLabel[i], c);
        QAState::BackColorSet(m_chkAnswer[i], c);
        // The colours in words.
        m_chkAnswer[i]->setAccessibleDescription(right < 0 ? QString() : i == right ? GradeRightText : GradeWrongText);
    }
}

void frameQA::chkAnswer_GotFocus(int index) { AnswerChoose(index); }
void frameQA::picboxAnswerLabel_Click(int index) { AnswerChoose(index); }

void frameQA::lblAnswer_Click(int index)
{
    if (index < 0 || index >= 3)
        return;
    // An option that the keyboard left the focus on gets no focus event:
    // the click chooses it all the same.
    if (m_chkAnswer[index]->hasFocus())
        chkAnswer_GotFocus(index);
    else
        m_chkAnswer[index]->setFocus(Qt::MouseFocusReason);
}

void frameQA::frameAnswer_Click(int index) { lblAnswer_Click(index); }

void frameQA::cmdQARevealAnswer_Click()
{
    AnswerHighlight(m_questionAnswer);
    QAState::RevealMark();
}

// --- navigation and leaving -------------------------------------------------------

void frameQA::cmdQANext_Click()
{
    SetRecord.CurrentIndex = QAState::NextIndex();
    frameQAQuestion_Display();
}

void frameQA::cmdQAPrev_Click()
{
    SetRecord.CurrentIndex = QAState::PrevIndex();
    frameQAQuestion_Display();
}

void frameQA::cmdQAQuit_Click()
{
    QAState::PracticeMenuReturn();
}

void frameQA::cmdQAGrade_Click()
{
    m_cmdQAGrade->setEnabled(false);
    const uint8_t mode = SetRecord.QuestionMode;
    if (mode == QuestionModeExam && !QAState::AllAnswered()) {
        Dialogs::MsgBox(QMessageBox::Warning, ResultsBlockedTitle, AnswerAllMessage);
        m_cmdQAGrade->setEnabled(true);
        return;
    }
    if (mode == QuestionModePractice || mode == QuestionModeExam) {
        bool stored = false;
        {
            // Storing lets window events run: nothing else may happen meanwhile.
            const InputBlock block(this);
            stored = GradingRun();
        }
        if (!stored) {
            // Nothing was stored: the set stays open and can be graded again.
            m_cmdQAGrade->setEnabled(true);
            return;
        }
        SetRecord.QuestionMode = QuestionModeGraded;
        if (auto *grade = ScreenAs<frameGrade>(Screen::Grade))
            grade->GradeGridFill();
        Frame_OnTop(Screen::Grade, true);
        m_cmdQAGrade->setEnabled(true);
        if (QWidget *log = ScreenFrame(Screen::ResultsLog))
            if (QWidget *next = log->findChild<QWidget *>(QStringLiteral("cmdResultsLogContinue")))
                next->setEnabled(true);
        return;
    }
    if (mode == QuestionModeGraded || mode == QuestionModeHistory) {
        Frame_OnTop(this, false);
        m_cmdQAGrade->setEnabled(true);
        return;
    }
    RuntimeErrorReport(QStringLiteral("formMain"), QStringLiteral("cmdQAGrade_Click"), 316,
                       QStringLiteral("Invalid QuestionMode value"));
    Seams::ProgramEnd();
}

// --- pictures -----------------------------------------------------------------------

void frameQA::IHImgQAPicture_Click()
{
    auto *big = ScreenAs<framePictureBig>(Screen::PictureBig);
    if (!big)
        return;
    // The enlarged view drops its picture when it is closed; it gets the
    // picture of the question again for every opening.
    PictureViewer *viewer = big->IHImgPictureBig();
    if (!viewer->HasPicture() || viewer->FileName() != m_IHImgQAPicture->FileName())
        viewer->LoadFile(m_IHImgQAPicture->FileName());
    Frame_OnTop(big, true);
    big->update();
}

// --- events ---------------------------------------------------------------------------

bool frameQA::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Only a click chooses by the focus: the keyboard passing over an
        // option or a question of the strip (Tab, arrows), getting the window
        // back or a screen change chooses nothing.
        if (reason == Qt::MouseFocusReason) {
            for (int i = 0; i < 3; ++i)
                if (watched == m_chkAnswer[i])
                    chkAnswer_GotFocus(i);
            auto *button = qobject_cast<QToolButton *>(watched);
            const int strip = button ? static_cast<int>(m_chkQuestion.indexOf(button)) : -1;
            if (strip >= 0)
                chkQuestion_GotFocus(strip);
        }
        return false;
    }
    if (type == QEvent::KeyPress && (watched == m_picboxQABook || watched == m_IHImgQAPicture)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (watched == m_picboxQABook)
            BookNext();
        else
            IHImgQAPicture_Click();
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    const bool click = type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && widget
        && widget->rect().contains(mouse->position().toPoint());

    if (watched == m_picboxQABook || watched == m_imgQABookPicture || watched == m_lblQABookTitle
        || watched == m_lblQABookPage) {
        if (click)
            BookNext();
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (watched == m_picboxAnswerLabel[i]) {
            if (click)
                picboxAnswerLabel_Click(i);
            return true;
        }
        if (watched == m_lblAnswer[i]) {
            if (click)
                lblAnswer_Click(i);
            return true;
        }
        if (watched == m_frameAnswer[i]) {
            if (click)
                frameAnswer_Click(i);
            return true;
        }
    }
    return false;
}
