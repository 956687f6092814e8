#include "shell/formMain.h"

#include "admin/frameAdmin.h"
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/Fonts.h"
#include "core/PictureViewer.h"
#include "core/Keyboard.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "questionbank/clsQuestion.h"
#include "shell/FormTextUpdate.h"
#include "shell/frameLanguage.h"
#include "shell/frameLogin.h"
#include "stats/frameHistory.h"
#include "stats/frameThemes.h"
#include "training/QuestionnaireTitle.h"
#include "training/frameGrade.h"
#include "training/framePictureBig.h"
#include "training/framePractice.h"
#include "training/frameQA.h"
#include "training/frameResultsLog.h"
#include "userdb/clsUser.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

formMain::formMain()
    : m_layout(this)
{
    setObjectName(QStringLiteral("formMain"));
    createFrames();
    wireProcedures();

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setSingleShot(true);
    tmrSplash->setInterval(1000);
    connect(tmrSplash, &QTimer::timeout, this, &formMain::tmrSplash_Timer);
    tmrTime = new QTimer(this);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(1000);
    connect(tmrTime, &QTimer::timeout, this, &formMain::tmrTime_Timer);
    tmrTime->start();

    // Form_Initialize: the design positions are taken before any resize.
    Controls_PositionsStore();
}

formMain::~formMain()
{
    if (objDebug == m_debug.get())
        objDebug = nullptr;
}

void formMain::createFrames()
{
    // Every frame is a child of the window and has the same place and size;
    // the stacking order alone decides which one is seen.
    m_framePractice = new framePractice(this);
    m_frameThemes = new frameThemes(this);
    m_frameQA = new frameQA(this);
    m_framePictureBig = new framePictureBig(this);
    m_frameGrade = new frameGrade(this);
    m_frameLogin = new frameLogin(this);
    m_frameAdmin = new frameAdmin(this);
    m_frameHistory = new frameHistory(this);
    m_frameLanguage = new frameLanguage(this);
    m_frameResultsLog = new frameResultsLog(this);

    // Each frame paints its own background, so the one in front hides the others.
    for (QWidget *frame : std::initializer_list<QWidget *>{
             m_framePractice, m_frameThemes, m_frameQA, m_framePictureBig, m_frameGrade,
             m_frameLogin, m_frameAdmin, m_frameHistory, m_frameLanguage, m_frameResultsLog})
        frame->setAutoFillBackground(true);

    ScreenRegister(Screen::Practice, m_framePractice);
    ScreenRegister(Screen::Themes, m_frameThemes);
    ScreenRegister(Screen::QA, m_frameQA);
    ScreenRegister(Screen::PictureBig, m_framePictureBig);
    ScreenRegister(Screen::Grade, m_frameGrade);
    ScreenRegister(Screen::Login, m_frameLogin);
    ScreenRegister(Screen::Admin, m_frameAdmin);
    ScreenRegister(Screen::History, m_frameHistory);
    ScreenRegister(Screen::Language, m_frameLanguage);
    ScreenRegister(Screen::ResultsLog, m_frameResultsLog);
    KeyboardFilterInstall(this);

    // The language button of each screen opens the language screen.
    for (int i = 0; i <= 6; ++i) {
        if (auto *b = findChild<QPushButton *>(QStringLiteral("cmdLanguage_%1").arg(i)))
            connect(b, &QPushButton::clicked, this, [i] { cmdLanguage_Click(i); });
    }
}

void formMain::wireProcedures()
{
    MainProcs::FormTextUpdate = [this] { FormTextUpdate(); };
    MainProcs::framePracticeInit = [this] { m_framePractice->framePracticeInit(); };
    MainProcs::frameLoginInit = [this] { m_frameLogin->frameLoginInit(); };
    MainProcs::frameLoginClose = [this] { m_frameLogin->frameLoginClose(); };
    MainProcs::listLoginUsers_Fill = [this](bool activeOnly) { m_frameLogin->listLoginUsers_Fill(activeOnly); };
    MainProcs::frameAdminInit = [this] { m_frameAdmin->frameAdminInit(); };
    MainProcs::AdminUserDataDisplay = [this] { m_frameAdmin->AdminUserDataDisplay(); };
    MainProcs::QuestionnaireTitleSet = [] { QuestionnaireTitleSet(); };
    MainProcs::GradeGridFill = [this] { m_frameGrade->GradeGridFill(); };
    MainProcs::framePracticeStatsShow = [this] { m_framePractice->framePracticeStatsShow(); };
    MainProcs::frameThemesInit = [this] { m_frameThemes->frameThemesInit(); };
    MainProcs::frameThemesStatsShow = [this] { m_frameThemes->frameThemesStatsShow(); };
    MainProcs::frameThemesLabelsUpdate = [this] { m_frameThemes->frameThemesLabelsUpdate(); };
    MainProcs::frameHistoryInit = [this] { m_frameHistory->frameHistoryInit(); };
}

void formMain::FormTextUpdate()
{
    ::FormTextUpdate(this);
}

bool formMain::endRequestedSince(int before) const
{
    return Seams::ProgramEndRequests() != before;
}

void formMain::startPictureShow(int number, const char *viewerName)
{
    PictureFileName = PicturePath + QStringLiteral("%1.jpg").arg(number, 4, 10, QLatin1Char('0'));
    if (!FileExists(PictureFileName))
        PictureFileName = PicturePath + QStringLiteral("%1.bmp").arg(number, 4, 10, QLatin1Char('0'));
    if (FileExists(PictureFileName))
        if (auto *viewer = findChild<PictureViewer *>(QLatin1String(viewerName)))
            viewer->LoadFile(PictureFileName);
}

void formMain::Form_Load()
{
    m_loading = true;
    const int endsBefore = Seams::ProgramEndRequests();

    // 1-3: program, configuration and machine texts
    ProgramVersionText = ProgramVersionBuild();
    const QString ini = INIFileName();
    QuestionDbVersionText = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("QDBVER"));
    if (QuestionDbVersionText == QLatin1String("NotFound"))
        QuestionDbVersionText.clear();
    WindowsVersionText = WindowsVersionGet();
    PCNameText = PCNameGet();
    WindowsUserText = WindowsUserGet();

    // 4: the start picture stays on top for SplashSeconds
    SplashSeconds = 5;
    SplashEndTime = static_cast<float>(Seams::SecondsSinceMidnight() + SplashSeconds);
    m_splashEndMs = Seams::MonotonicMs() + qint64(SplashSeconds) * 1000;
    tmrSplash->setInterval(100);
    tmrSplash->start();

    // 5: the diagnostic log
    m_debug = std::make_unique<clsDebug>();
    objDebug = m_debug.get();
    objDebug->LogEnable(static_cast<uint8_t>(objDebug->LogTargetFile + objDebug->LogTargetList));
    objDebug->LogPrintHeader();

    // 6: window and frame sizes
    Form_InitSize();
    for (QWidget *frame : std::initializer_list<QWidget *>{
             m_framePractice, m_frameThemes, m_frameQA, m_framePictureBig, m_frameGrade,
             m_frameLogin, m_frameAdmin, m_frameHistory, m_frameLanguage, m_frameResultsLog})
        Frame_InitSize(frame);

    // 7: the administration tab pages share the place of the first one
    if (QWidget *page0 = findChild<QWidget *>(QStringLiteral("frametabAdmin_0"))) {
        for (int i = 0; i <= 2; ++i) {
            if (QWidget *page = findChild<QWidget *>(QStringLiteral("frametabAdmin_%1").arg(i))) {
                page->move(page0->pos());
                page->setAutoFillBackground(true);
                page->setBackgroundRole(QPalette::Button);
            }
        }
    }

    // 8-9
    if (auto *password = findChild<QLineEdit *>(QStringLiteral("txtLoginPassword")))
        password->clear();
    Frame_OnTop(m_frameLogin, true);
    Frame_OnTop(m_framePictureBig, true);

    // 10: picture directory
    PicturePath = GetINIvalue(ini, QStringLiteral("Config"), QStringLiteral("PIC_PATH"));
    if (PicturePath == QLatin1String("NotFound"))
        PicturePath = ProgramDirectory();
    PicturePath = PathAddBackslash(PicturePath);
    objDebug->LogPrint(QStringLiteral("Picture Path : ") + PicturePath);
    if (!FileExists(PicturePath + QStringLiteral("*.jpg"))) {
        Dialogs::MsgBox(QMessageBox::Warning, QStringLiteral("Achtung :"),
                        QStringLiteral("Setzen Sie bitte den Bilderverzeichnis Pfad korrekt !"));
        objDebug->LogPrint(QStringLiteral("Warning : ") + QStringLiteral("Incorrect Picture Path !"));
    }

    // 11-12: start picture, then the window is shown
    startPictureShow(3000, "IHImgPictureBig");
    show();
    Seams::DoEvents();

    // 13-14: user database, and the administrator's language comes first
    m_frameLogin->frameLoginInit();
    if (endRequestedSince(endsBefore))
        return;
    if (objUser) {
        objUser->UserNameSeek(QStringLiteral("_Vestr"));
        CurrentLanguageNr = objUser->LanguageNr;
    }

    // 15: question strip and the first language
    LanguageCaller = 0;
    m_frameQA->QuestionButtonsLoad();
    cmdLanguageChoice_Click(CurrentLanguageNr);

    // 16-17: lesson buttons and the title picture
    m_framePractice->LessonButtonsLoad();
    startPictureShow(5000, "IHimgPracticeTitleImage");
    Seams::DoEvents();

    // 18: list fonts
    QFont loginFont = DesignFont(QStringLiteral("Arial"), 12);
    loginFont.setBold(true);
    if (auto *list = findChild<QListWidget *>(QStringLiteral("listLoginUsers")))
        list->setFont(loginFont);
    QFont adminFont = DesignFont(QStringLiteral("Arial"), 10);
    adminFont.setBold(true);
    if (auto *list = findChild<QListWidget *>(QStringLiteral("listAdminUsers")))
        list->setFont(adminFont);

    // 19: question bank
    delete objQuestion;
    objQuestion = new clsQuestion;
    objQuestion->DbOpen();
    if (endRequestedSince(endsBefore))
        return;

    // 20-21
    m_frameThemes->ThemesGridLoad();
    CurrentQuestionNr = 1;
    AnswerLetters = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    ExamQuestionCount = {40, 40, 30, 30};
    m_loading = false;
}

void formMain::Form_InitSize()
{
    move(0, 0);
    resize(DesignWindowWidth / TwipsPerPixel, DesignWindowHeight / TwipsPerPixel);
}

void formMain::Frame_InitSize(QWidget *frame)
{
    frame->setGeometry(FrameDesignLeft / TwipsPerPixel, FrameDesignTop / TwipsPerPixel,
                       FrameDesignWidth / TwipsPerPixel, FrameDesignHeight / TwipsPerPixel);
}

void formMain::Controls_PositionsStore()
{
    m_layout.Controls_PositionsStore();
}

void formMain::Controls_PositionsChange()
{
    m_layout.Controls_PositionsChange(WidthDelta, HeightDelta);
}

void formMain::Form_Resize()
{
    HeightDelta = height() * TwipsPerPixel - DesignWindowHeight;
    WidthDelta = width() * TwipsPerPixel - DesignWindowWidth;
    // The question screen reads these for its picture height and strip anchor.
    setProperty("HeightDelta", HeightDelta);
    setProperty("WidthDelta", WidthDelta);
    if (m_layout.PositionsStored)
        Controls_PositionsChange();
}

void formMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void formMain::Form_Unload()
{
    Seams::ProgramEnd(0);
}

void formMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void formMain::tmrSplash_Timer()
{
    tmrSplash->stop();
    tmrSplash->setInterval(1000);
    // The span is measured on the monotonic clock, not against SplashEndTime:
    // an end as seconds since midnight is never reached when start-up falls in
    // the last seconds of the day, and it moves whenever the clock is set.
    if (Seams::MonotonicMs() <= m_splashEndMs) {
        tmrSplash->start();
        return;
    }
    Frame_OnTop(m_framePictureBig, false);
    if (auto *viewer = findChild<PictureViewer *>(QStringLiteral("IHImgPictureBig")))
        viewer->Clear();
}

void formMain::tmrTime_Timer()
{
    if (auto *label = findChild<QLabel *>(QStringLiteral("lblPracticeTitleTime")))
        label->setText(QLocale::system().toString(Seams::Now().time(), QLocale::ShortFormat).left(5));
}
