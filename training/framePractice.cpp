#include "training/framePractice.h"

#include "core/AccessibleTexts.h"
#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/Keyboard.h"
#include "core/LocalisedTexts.h"
#include "core/Notice.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "questionbank/clsQuestion.h"
#include "stats/HistoryCaller.h"
#include "print/PrintJob.h"
#include "print/ScreenPrints.h"
#include "stats/StatsButtons.h"
#include "stats/StatsRules.h"
#include "stats/StatsTexts.h"
#include "stats/dialogQuestionStats.h"
#include "training/QuestionSet.h"
#include "training/QuestionSetBuild.h"
#include "training/frameQA.h"
#include "userdb/clsUser.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

framePractice::framePractice(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("framePractice"));
    setTitle(QStringLiteral("Lernen"));
    setGeometry(4, 0, 785, 569);

    // Title band.
    framePracticeTitle = ControlCreate<QFrame>(this, QStringLiteral("framePracticeTitle"), 8, 18, 769, 72);
    static_cast<QFrame *>(framePracticeTitle)->setFrameShape(QFrame::StyledPanel);
    IHimgPracticeTitleImage = ControlCreate<PictureViewer>(framePracticeTitle,
                                                           QStringLiteral("IHimgPracticeTitleImage"), 4, 4, 160, 64);
    framePracticeTitleData = ControlCreate<QFrame>(framePracticeTitle, QStringLiteral("framePracticeTitleData"), 170,
                                                   4, 595, 64);
    lblPracticeTitleUserName = LabelCreate(framePracticeTitleData, QStringLiteral("lblPracticeTitleUserName"),
                                           QString(), 8, 6, 360, 24);
    lblPracticeTitleCategoryName = LabelCreate(framePracticeTitleData,
                                               QStringLiteral("lblPracticeTitleCategoryName"), QString(), 8, 34,
                                               360, 24);
    lblPracticeTitleDate = LabelCreate(framePracticeTitleData, QStringLiteral("lblPracticeTitleDate"), QString(),
                                       440, 6, 150, 24);
    lblPracticeTitleTime = LabelCreate(framePracticeTitleData, QStringLiteral("lblPracticeTitleTime"), QString(),
                                       440, 34, 150, 24);
    lblPracticeTitleDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblPracticeTitleTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Lessons: elements 0 and 1 give the horizontal step, element 2 (one row
    // down) the vertical step; LessonButtonsLoad builds the rest of the grid.
    lblPracticeQuestionnaires = LabelCreate(this, QStringLiteral("lblPracticeQuestionnaires"),
                                            QStringLiteral("Fragebögen"), 16, 100, 300, 24);
    // Readiness for the examination, at the right end of the lessons' title.
    lblPracticeReadiness = LabelCreate(this, QStringLiteral("lblPracticeReadiness"), QString(), 230, 100, 400, 24);
    lblPracticeReadiness->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdPracticeLesson.append(LessonButtonCreate(0));
    cmdPracticeLesson.append(LessonButtonCreate(1));
    cmdPracticeLesson.append(LessonButtonCreate(2));
    cmdPracticeLesson[0]->setGeometry(16, 130, 56, 40);
    cmdPracticeLesson[1]->setGeometry(80, 130, 56, 40);
    cmdPracticeLesson[2]->setGeometry(16, 178, 56, 40);

    // Button panel at the right edge.
    picboxPracticeButtons = ControlCreate<QFrame>(this, QStringLiteral("picboxPracticeButtons"), 640, 96, 137, 466);
    const int bw = 129, bh = 52, step = 57;
    cmdPracticeMix = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeMix"), QStringLiteral("MIX"),
                                  4, 4, bw, bh);
    cmdPracticeExam = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeExam"),
                                   QStringLiteral("PRÜFUNG"), 4, 4 + step, bw, bh);
    cmdPracticeThemes = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeThemes"),
                                     QStringLiteral("THEMEN"), 4, 4 + 2 * step, bw, bh);
    cmdPracticeHistory = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeHistory"),
                                      QStringLiteral("FRAGE-\nBÖGEN\nARCHIV"), 4, 4 + 3 * step, bw, bh);
    cmdPracticeStatsShow = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeStatsShow"),
                                        QStringLiteral("STATS\nZEIGEN"), 4, 4 + 4 * step, bw, bh);
    cmdPracticeStatsPrint = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeStatsPrint"),
                                         QStringLiteral("STATS\nDRUCKEN"), 4, 4 + 5 * step, bw, bh);
    cmdPracticeQuit = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdPracticeQuit"),
                                   QStringLiteral("VERLASSEN"), 4, 4 + 6 * step, bw, bh);
    cmdLanguage = ButtonCreate(picboxPracticeButtons, QStringLiteral("cmdLanguage_2"), QStringLiteral("LANGUE"), 4,
                               4 + 7 * step, bw, bh);

    // Single question by number with its keypad.
    framePracticeQuestion = ControlCreate<QFrame>(this, QStringLiteral("framePracticeQuestion"), 16, 330, 440, 230);
    static_cast<QFrame *>(framePracticeQuestion)->setFrameShape(QFrame::StyledPanel);
    lblPracticeQuestion = LabelCreate(framePracticeQuestion, QStringLiteral("lblPracticeQuestion"),
                                      QStringLiteral("Frage"), 10, 10, 120, 24);
    txtPracticeQuestion = ControlCreate<QLineEdit>(framePracticeQuestion, QStringLiteral("txtPracticeQuestion"), 10, 38,
                                                   120, 32);
    cmdPracticeQuestion = ButtonCreate(framePracticeQuestion, QStringLiteral("cmdPracticeQuestion"),
                                       QStringLiteral("OK"), 10, 80, 120, 40);
    cmdPracticeQuestionNumber.resize(10);
    for (int digit = 0; digit <= 9; ++digit) {
        // 7 8 9 / 4 5 6 / 1 2 3 / 0 on the bottom row.
        const int col = digit == 0 ? 0 : (digit - 1) % 3;
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        QPushButton *b = ButtonCreate(framePracticeQuestion, QStringLiteral("cmdPracticeQuestionNumber_%1").arg(digit),
                                      QString::number(digit), 150 + col * 52, 10 + row * 46, 48, 40);
        connect(b, &QPushButton::clicked, this, [this, digit] { cmdPracticeQuestionNumber_Click(digit); });
        cmdPracticeQuestionNumber[digit] = b;
    }
    cmdPracticeQuestionDel = ButtonCreate(framePracticeQuestion, QStringLiteral("cmdPracticeQuestionDel"),
                                          QStringLiteral("<"), 150 + 52, 10 + 3 * 46, 48, 40);
    cmdPracticeQuestionClear = ButtonCreate(framePracticeQuestion, QStringLiteral("cmdPracticeQuestionClear"),
                                            QStringLiteral("C"), 150 + 2 * 52, 10 + 3 * 46, 48, 40);
    cmdPracticeQuestionStatsShow = ButtonCreate(framePracticeQuestion, QStringLiteral("cmdPracticeQuestionStatsShow"),
                                                QStringLiteral("STATS\nZEIGEN"), 316, 10, 116, 52);
    cmdPracticeQuestionStatsPrint = ButtonCreate(framePracticeQuestion,
                                                 QStringLiteral("cmdPracticeQuestionStatsPrint"),
                                                 QStringLiteral("STATS\nDRUCKEN"), 316, 70, 116, 52);

    // Enabled once the statistics are shown and a print can be made.
    for (QPushButton *b : {cmdPracticeStatsPrint, cmdPracticeQuestionStatsPrint})
        b->setEnabled(false);

    pbPractice = ControlCreate<QProgressBar>(this, QStringLiteral("pbPractice"), 330, 100, 290, 20);
    pbPractice->setTextVisible(false);
    pbPractice->setVisible(false);

    EscapeButtonSet(this, cmdPracticeQuit);
    TabOrderUpdate();
    connect(cmdPracticeMix, &QPushButton::clicked, this, &framePractice::cmdPracticeMix_Click);
    connect(cmdPracticeExam, &QPushButton::clicked, this, &framePractice::cmdPracticeExam_Click);
    connect(cmdPracticeThemes, &QPushButton::clicked, this, &framePractice::cmdPracticeThemes_Click);
    connect(cmdPracticeHistory, &QPushButton::clicked, this, &framePractice::cmdPracticeHistory_Click);
    connect(cmdPracticeStatsShow, &QPushButton::clicked, this, &framePractice::cmdPracticeStatsShow_Click);
    connect(cmdPracticeQuestionStatsShow, &QPushButton::clicked, this,
            &framePractice::cmdPracticeQuestionStatsShow_Click);
    connect(cmdPracticeStatsPrint, &QPushButton::clicked, this, &framePractice::cmdPracticeStatsPrint_Click);
    connect(cmdPracticeQuestionStatsPrint, &QPushButton::clicked, this,
            &framePractice::cmdPracticeQuestionStatsPrint_Click);
    connect(cmdPracticeQuit, &QPushButton::clicked, this, &framePractice::cmdPracticeQuit_Click);
    connect(cmdPracticeQuestion, &QPushButton::clicked, this, &framePractice::cmdPracticeQuestion_Click);
    connect(cmdPracticeQuestionDel, &QPushButton::clicked, this, &framePractice::cmdPracticeQuestionDel_Click);
    connect(cmdPracticeQuestionClear, &QPushButton::clicked, this, &framePractice::cmdPracticeQuestionClear_Click);
    connect(txtPracticeQuestion, &QLineEdit::returnPressed, this, &framePractice::cmdPracticeQuestion_Click);
}

QPushButton *framePractice::LessonButtonCreate(int index)
{
    QPushButton *b = ButtonCreate(this, QStringLiteral("cmdPracticeLesson_%1").arg(index), QString::number(index + 1),
                                  16, 130, 56, 40);
    connect(b, &QPushButton::clicked, this, [this, index] { cmdPracticeLesson_Click(index); });
    b->setAccessibleName(AccessibleText(AccessibleTextId::Questionnaire) + QLatin1Char(' ') + QString::number(index + 1));
    return b;
}

void framePractice::LessonButtonsLoad()
{
    const int left0 = cmdPracticeLesson[0]->x();
    const int top0 = cmdPracticeLesson[0]->y();
    const int stepX = cmdPracticeLesson[1]->x() - left0;
    const int stepY = cmdPracticeLesson[2]->y() - top0;
    for (int row = 0; row <= 3; ++row) {
        for (int col = 0; col <= 5; ++col) {
            const int index = row * 6 + col;
            if (index >= cmdPracticeLesson.size()) {
                QPushButton *b = LessonButtonCreate(index);
                b->resize(cmdPracticeLesson[0]->size());
                b->setVisible(false);   // framePracticeInit shows the stored lessons
                cmdPracticeLesson.append(b);
            }
            QPushButton *b = cmdPracticeLesson[index];
            b->setText(QString::number(index + 1));
            b->move(col * stepX + left0, row * stepY + top0);
        }
    }
    TabOrderUpdate();
}

void framePractice::TabOrderUpdate()
{
    // Row by row: the lessons, the single-question panel, then the buttons
    // at the right edge from top to bottom.
    QList<QWidget *> order;
    for (QPushButton *b : std::as_const(cmdPracticeLesson))
        order << b;
    order << txtPracticeQuestion << cmdPracticeQuestion;
    for (int digit : {7, 8, 9, 4, 5, 6, 1, 2, 3, 0})
        order << cmdPracticeQuestionNumber.value(digit);
    order << cmdPracticeQuestionDel << cmdPracticeQuestionClear << cmdPracticeQuestionStatsShow
          << cmdPracticeQuestionStatsPrint << cmdPracticeMix << cmdPracticeExam << cmdPracticeThemes
          << cmdPracticeHistory << cmdPracticeStatsShow << cmdPracticeStatsPrint << cmdPracticeQuit << cmdLanguage;
    TabOrderSet(order);
}

void framePractice::PracticeTitleCategoryShow()
{
    // The localised "category" caption lives on the administration screen.
    QString caption;
    if (QWidget *admin = ScreenFrame(Screen::Admin))
        if (auto *label = admin->findChild<QLabel *>(QStringLiteral("lblUserCategoryNr")))
            caption = label->text();
    const QString name = CurrentCategoryNr >= 0 && CurrentCategoryNr < static_cast<int>(CategoryNames.size())
                             ? CategoryNames[CurrentCategoryNr]
                             : QString();
    lblPracticeTitleCategoryName->setText(caption + QLatin1Char(' ') + name);
}

void framePractice::framePracticeInit()
{
    lblPracticeTitleUserName->setText(objUser ? objUser->UserName : QString());
    PracticeTitleCategoryShow();
    lblPracticeTitleDate->setText(QLocale::system().toString(Seams::Now().date(), QLocale::ShortFormat));

    // A lesson button for each stored lesson of the category.
    CurrentThemeNr = CurrentCategoryNr;
    for (int i = 0; i < LessonCountMax && i < cmdPracticeLesson.size(); ++i) {
        cmdPracticeLesson[i]->setVisible(false);
        CurrentQuestionnaireNr = static_cast<int16_t>(i + 1);
        if (objQuestion) {
            objQuestion->QuestionnaireGet();
            if (!objQuestion->QuestionnaireQuestions.isEmpty())
                cmdPracticeLesson[i]->setVisible(true);
        }
    }

    // The user's book, or book 1 when the bank does not have it.
    CurrentBookNr = objUser ? objUser->BookNr : 0;
    if (objQuestion) {
        objQuestion->BookNrSeek();
        CurrentBookNr = objQuestion->BookNr;
    }
    if (CurrentBookNr < 1 || CurrentBookNr > CurrentBookNrMax)
        CurrentBookNr = 1;
    if (frameQA *qa = ScreenAs<frameQA>(Screen::QA))
        qa->BookDisplay();

    txtPracticeQuestion->clear();
}

void framePractice::QuestionSetStart()
{
    QuestionSetShow();
    Frame_OnTop(Screen::QA, true);
}

void framePractice::cmdPracticeLesson_Click(int index)
{
    if (LessonSetBuild(index) < 1) {
        // A lesson without questions cannot be shown.
        Seams::Beep();
        NoticeShow(this, NoticeEmptyLesson);
        return;
    }
    QuestionSetStart();
}

void framePractice::ExamOrMixStart(uint8_t mode, int16_t questionnaireNr, int32_t titleKind)
{
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pbPractice->setValue(0);
    pbPractice->setVisible(true);
    const int maximum = CurrentCategoryNr >= 0 && CurrentCategoryNr <= 3 ? ExamQuestionCount[CurrentCategoryNr] : 0;
    pbPractice->setMaximum(std::max(maximum, 1));

    const int32_t count = ExamOrMixSetBuild(mode, questionnaireNr, titleKind, [this](int32_t i) {
        if (pbPractice->value() != i)
            pbPractice->setValue(std::min(i, pbPractice->maximum()));
    });

    if (count > 0)
        QuestionSetShow();
    pbPractice->setVisible(false);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (count > 0)
        Frame_OnTop(Screen::QA, true);
    else
        NoticeShow(this, NoticeEmptyCategory);   // the draw has beeped: no set
}

void framePractice::cmdPracticeExam_Click()
{
    ExamOrMixStart(QuestionModeExam, 1, 4);
}

void framePractice::cmdPracticeMix_Click()
{
    ExamOrMixStart(QuestionModePractice, 0, 3);
}

void framePractice::cmdPracticeQuestion_Click()
{
    if (!SingleQuestionSetBuild(txtPracticeQuestion->text())) {
        Seams::Beep();
        NoticeShow(this, NoticeUnknownQuestion);
        txtPracticeQuestion->setFocus();
        return;
    }
    if (frameQA *qa = ScreenAs<frameQA>(Screen::QA))
        qa->frameQAQuestion_Display();
    Frame_OnTop(Screen::QA, true);
}

void framePractice::cmdPracticeQuestionNumber_Click(int index)
{
    txtPracticeQuestion->setFocus();
    txtPracticeQuestion->insert(QString::number(index));
}

void framePractice::cmdPracticeQuestionDel_Click()
{
    txtPracticeQuestion->setFocus();
    txtPracticeQuestion->backspace();
}

void framePractice::cmdPracticeQuestionClear_Click()
{
    txtPracticeQuestion->setFocus();
    txtPracticeQuestion->clear();
}

void framePractice::cmdPracticeThemes_Click()
{
    MainProcs::Call(MainProcs::frameThemesLabelsUpdate);
    Frame_OnTop(Screen::Themes, true);
}

void framePractice::framePracticeStatsShow()
{
    CurrentThemeNr = CurrentCategoryNr;
    QVector<StatsButton> buttons;
    for (int i = 0; i < LessonCountMax && i < cmdPracticeLesson.size(); ++i)
        buttons.append({cmdPracticeLesson[i], CurrentThemeNr, static_cast<int16_t>(i + 1)});
    StatsButtonsShow(objUser, buttons);
    lblPracticeReadiness->setText(
        ExamReadinessText(ExamReadinessOf(objUser ? objUser->ExamResultsLast(5) : QVector<float>()), CurrentLanguageNr));
    if (PrintAvailable())
        cmdPracticeStatsPrint->setEnabled(true);
}

void framePractice::cmdPracticeStatsPrint_Click()
{
    if (!PrintAvailable())
        return;
    QVector<StatsPrintRow> lessons;
    for (int i = 0; i < LessonCountMax && i < cmdPracticeLesson.size(); ++i)
        lessons.append(StatsPrintRowOf(cmdPracticeLesson[i], static_cast<int16_t>(i + 1)));
    const PrintHead head = PrintHeadOfScreens(PrintStatsDateText(Seams::Now()));
    PrintRunShown(PrintKind::LessonStats, head.userName,
                  [&] { LessonStatsPrint(head, lblPracticeQuestionnaires->text(), lessons); });
}

void framePractice::cmdPracticeQuestionStatsPrint_Click()
{
    if (!PrintAvailable())
        return;
    const QVector<QuestionStatsRow> rows = QuestionStatsRowsBuild(objUser);
    const PrintHead head = PrintHeadOfScreens(PrintStatsDateText(Seams::Now()));
    PrintRunShown(PrintKind::QuestionStats, head.userName, [&] {
        QuestionStatsPrint(head, StatsText(StatsTextId::QuestionStatsTitle, CurrentLanguageNr),
                           QuestionStatsColumnTitles(CurrentLanguageNr), rows);
    });
}

void framePractice::cmdPracticeStatsShow_Click()
{
    framePracticeStatsShow();
}

void framePractice::cmdPracticeHistory_Click()
{
    HistoryCaller = Screen::Practice;
    MainProcs::Call(MainProcs::frameHistoryInit);
    Frame_OnTop(Screen::History, true);
    framePracticeStatsShow();
    MainProcs::Call(MainProcs::frameThemesStatsShow);
}

void framePractice::cmdPracticeQuestionStatsShow_Click()
{
    const bool mistakes = QuestionStatsShow(this);
    if (PrintAvailable())
        cmdPracticeQuestionStatsPrint->setEnabled(true);
    if (mistakes && MistakesSetBuild() > 0) {
        QuestionSetShow();
        Frame_OnTop(Screen::QA, true);
    }
}

void framePractice::cmdPracticeQuit_Click()
{
    MainProcs::Call(MainProcs::frameLoginClose);
    MainProcs::Call(MainProcs::frameLoginInit);
    Frame_OnTop(Screen::Login, true);
}
