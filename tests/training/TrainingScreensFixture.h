#pragma once
// The question, enlarged-picture and grade screens in one window over a
// small question bank built in the sandbox, with stand-ins for the practice
// menu and the results log.
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSet.h"
#include "training/frameGrade.h"
#include "training/framePictureBig.h"
#include "training/frameQA.h"
#include "userdb/clsUser.h"

#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace TrainingScreens {

// Bank of category 0: questions 1..45, answer "b" except every third ("c").
// Question 1: picture 12, theme 4, page "12" in book 1 and "99" in book 2.
// Question 2: no question text (only answers), page "?" in book 1.
// Question 3: theme 5, no page. Books 1 "Buch Eins" (cover 7) and 2 "Buch Zwei".
inline void BankBuild(clsQuestion &qb, const QString &dir)
{
    qb.setDbPath(dir);
    qb.setDbFileName(QStringLiteral("bank.db"));
    QString error;
    QVERIFY2(qb.DbCreate(error), qPrintable(error));
    qb.setRSLockType(QStringLiteral("2"));
    qb.DbOpen();
    QVERIFY(qb.IsOpen());
    qb.DbTransactionBegin();
    qb.QuestionOpen();
    for (int n = 1; n <= 45; ++n) {
        qb.QuestionAdd();
        qb.CategoryNr = 0; qb.QuestionNr = n; qb.PictureNr = n == 1 ? 12 : 0; qb.ThemeNr = n == 3 ? 5 : 4;
        qb.Answer = n % 3 == 0 ? QStringLiteral("c") : QStringLiteral("b");
        qb.QuestionUpdate();
    }
    qb.QuestionClose();
    qb.QuestionTextOpen();
    for (int n = 1; n <= 45; ++n) {
        qb.QuestionTextAdd();
        qb.CategoryNr = 0; qb.QuestionNr = n; qb.LanguageNr = 0;
        qb.QuestionText = n == 2 ? QString() : QStringLiteral("Text der Frage %1").arg(n);
        qb.AnsweraText = QStringLiteral("Antwort a %1").arg(n);
        qb.AnswerbText = QStringLiteral("Antwort b %1").arg(n);
        qb.AnswercText = QStringLiteral("Antwort c %1").arg(n);
        qb.QuestionTextUpdate();
    }
    qb.QuestionTextClose();
    qb.ThemeNameOpen();
    for (int t : {4, 5}) {
        qb.ThemeNameAdd();
        qb.CategoryNr = 0; qb.ThemeNr = static_cast<int16_t>(t); qb.LanguageNr = 0;
        qb.ThemeName = t == 4 ? QStringLiteral("Verkehrsregeln") : QStringLiteral("Fahrzeugtechnik");
        qb.ThemeNameUpdate();
    }
    qb.ThemeNameClose();
    qb.BookOpen();
    for (int b : {1, 2}) {
        qb.BookAdd();
        qb.CategoryNr = 0; qb.BookNr = static_cast<int16_t>(b);
        qb.BookTitle = b == 1 ? QStringLiteral("Buch Eins") : QStringLiteral("Buch Zwei");
        qb.BookPictureNr = QString::number(b + 6);
        qb.BookUpdate();
    }
    qb.BookClose();
    qb.BookPageOpen();
    const struct { int16_t book; int32_t question; const char *page; } pages[] = {{1, 1, "12"}, {1, 2, "?"}, {2, 1, "99"}};
    for (const auto &p : pages) {
        qb.BookPageAdd();
        qb.CategoryNr = 0; qb.BookNr = p.book; qb.QuestionNr = p.question;
        qb.BookPageNr = QString::fromLatin1(p.page);
        qb.BookPageUpdate();
    }
    qb.BookPageClose();
    qb.DbTransactionCommit();
    qb.ThemeNameGetAll();
}

// A small picture file of any name (the content decides the format).
inline void PictureWrite(const QString &path)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(path, "PNG"));
}

struct Env {
    TestSupport::Sandbox sandbox;
    clsQuestion bank;
    clsUser user;
    QWidget window;
    frameQA *qa = nullptr;
    framePictureBig *big = nullptr;
    frameGrade *grade = nullptr;
    QGroupBox *practice = nullptr;
    QLineEdit *txtPracticeQuestion = nullptr;
    QGroupBox *resultsLog = nullptr;
    QPushButton *cmdResultsLogContinue = nullptr;
    QPlainTextEdit *resultsLogText = nullptr;
    int practiceStatsCalls = 0;
    int themesStatsCalls = 0;

    Env()
    {
        BankBuild(bank, sandbox.programDir + QStringLiteral("/"));
        objQuestion = &bank;
        objUser = &user;
        user.QuestionnaireAnswers = QStringLiteral("answers");
        LocalisedTextsFill(0);
        AnswerLetters = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        CurrentCategoryNr = 0;
        CurrentLanguageNr = 0;
        CurrentBookNr = 1;
        CurrentBookNrMax = 2;
        QDir(sandbox.dir.path()).mkpath(QStringLiteral("pictures"));
        PicturePath = sandbox.dir.path() + QStringLiteral("/pictures/");
        SetPrinterNamesOverride([] { return QStringList(); });

        window.resize(800, 600);
        practice = new QGroupBox(&window);
        practice->setObjectName(QStringLiteral("framePractice"));
        practice->setGeometry(4, 0, 785, 569);
        txtPracticeQuestion = new QLineEdit(practice);
        txtPracticeQuestion->setObjectName(QStringLiteral("txtPracticeQuestion"));
        resultsLog = new QGroupBox(&window);
        resultsLog->setGeometry(4, 0, 785, 569);
        cmdResultsLogContinue = new QPushButton(resultsLog);
        cmdResultsLogContinue->setObjectName(QStringLiteral("cmdResultsLogContinue"));
        cmdResultsLogContinue->setEnabled(false);
        resultsLogText = new QPlainTextEdit(resultsLog);
        ResultsLogSetTarget(resultsLogText);
        qa = new frameQA(&window);
        big = new framePictureBig(&window);
        grade = new frameGrade(&window);
        ScreenRegister(Screen::Practice, practice);
        ScreenRegister(Screen::ResultsLog, resultsLog);
        ScreenRegister(Screen::QA, qa);
        ScreenRegister(Screen::PictureBig, big);
        ScreenRegister(Screen::Grade, grade);
        MainProcs::framePracticeStatsShow = [this] { ++practiceStatsCalls; };
        MainProcs::frameThemesStatsShow = [this] { ++themesStatsCalls; };
        qa->QuestionButtonsLoad();
        qa->BookDisplay();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    ~Env()
    {
        MainProcs::framePracticeStatsShow = {};
        MainProcs::frameThemesStatsShow = {};
        ResultsLogSetTarget(nullptr);
        SetPrinterNamesOverride({});
        for (Screen s : {Screen::Practice, Screen::ResultsLog, Screen::QA, Screen::PictureBig, Screen::Grade})
            ScreenRegister(s, nullptr);
        objQuestion = nullptr;
        objUser = nullptr;
    }

    // A set of the questions 1..count in the given mode, shown at position 1.
    void SetStart(uint8_t mode, int count)
    {
        SetRecord = QuestionSet();
        SetRecord.QuestionMode = mode;
        SetRecord.Redim(count);
        for (int i = 1; i <= count; ++i)
            SetRecord.QList[i] = i;
        qa->QuestionButtonsInit(count);
        SetRecord.CurrentIndex = 1;
        qa->frameQAQuestion_Display();
        Frame_OnTop(qa, true);
    }

    template <class T> T *child(QWidget *parent, const QString &name) const
    {
        T *w = parent->findChild<T *>(name);
        if (!w)
            qWarning("control %s not found", qPrintable(name));
        return w;
    }
    template <class T> T *qaChild(const QString &name) const { return child<T>(qa, name); }
    template <class T> T *gradeChild(const QString &name) const { return child<T>(grade, name); }

    void click(QWidget *w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }
};

} // namespace TrainingScreens
