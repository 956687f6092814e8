#pragma once
// A sandbox with one question bank, a user object and the training screens in
// one window, with stand-ins for the login, themes and administration screens.
//
// Category 0: 1..100 in themes 4 (1..20, but 3 in 5), 5, 6 (41..80), 7 (81..);
// right answer "c" for multiples of 3, else "b"; picture 12 for question 1,
// no text for 2. Category 1: 101..160, 2: 1..35, 3: 201..212. Lessons 1, 3
// of category 0 and 2 of category 1; books 1 and 2 with pages "12", "?", "99".
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSet.h"
#include "training/frameGrade.h"
#include "training/framePictureBig.h"
#include "training/framePractice.h"
#include "training/frameQA.h"
#include "training/frameResultsLog.h"
#include "userdb/UserDbFixture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <random>

namespace TrainingTest {

// A small picture file of any name (the content decides the format).
inline void PictureWrite(const QString &path)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(path, "PNG"));
}

// Random values that pick the given question numbers in order with
// candidate = int(r * max + 1); after the list a seeded generator goes on.
inline void PickSequence(const QVector<int32_t> &numbers, int32_t max, uint32_t seed = 7)
{
    auto state = std::make_shared<std::pair<int, std::mt19937>>(0, std::mt19937(seed));
    Seams::SetRandom(
        [numbers, max, state]() -> double {
            if (state->first < numbers.size())
                return (numbers[state->first++] - 0.5) / max;
            return std::uniform_real_distribution<double>(0.0, 1.0)(state->second);
        },
        [] {});
}

inline constexpr Screen AllScreens[] = {Screen::Login, Screen::Themes, Screen::Admin,      Screen::Practice,
                                        Screen::ResultsLog, Screen::QA, Screen::PictureBig, Screen::Grade};

struct Env {
    TestSupport::Sandbox sb;
    clsQuestion bank;
    clsUser user;
    QWidget window;
    QWidget *login, *themes, *admin;
    framePractice *practice;
    frameResultsLog *resultsLog;
    frameQA *qa;
    framePictureBig *big;
    frameGrade *grade;
    int statsCalls = 0;

    explicit Env(int16_t emptyCategory = -1)
    {
        bank.setDbPath(sb.programDir + QStringLiteral("/"));
        bank.setDbFileName(QStringLiteral("bank.mdb"));
        QString error;
        QVERIFY2(bank.DbCreate(error), qPrintable(error));
        const QString file = bank.DbPath() + QStringLiteral("bank.mdb");
        QStringList questions, texts, themeRows;
        const int32_t first[] = {1, 101, 1, 201}, last[] = {100, 160, 35, 212};
        for (int16_t cat = 0; cat <= 3; ++cat)
            for (int32_t n = first[cat]; n <= last[cat] && cat != emptyCategory; ++n)
                questions << QStringLiteral("(%1,%2,%3,%4,'%5')").arg(cat).arg(n).arg(cat == 0 && n == 1 ? 12 : 0)
                                 .arg(cat != 0 ? (n <= 150 ? 4 : 5)
                                               : n == 3 ? 5 : n <= 20 ? 4 : n <= 40 ? 5 : n <= 80 ? 6 : 7)
                                 .arg(n % 3 == 0 ? QLatin1Char('c') : QLatin1Char('b'));
        for (int n = 1; n <= 100; ++n)
            texts << QStringLiteral("(0,%1,0,%2,'Antwort a %1','Antwort b %1','Antwort c %1')")
                         .arg(n).arg(n == 2 ? QStringLiteral("NULL") : QStringLiteral("'Text der Frage %1'").arg(n));
        for (int t = 0; t <= 7; ++t)
            for (int cat = 0; cat <= 3; ++cat)
                for (int l = 0; l <= 2; ++l)
                    themeRows << QStringLiteral("(%2,%1,%3,'T%1-%2-%3')").arg(t).arg(cat).arg(l);
        for (const QString &sql : {"INSERT INTO Question VALUES " + questions.join(','),
                                   "INSERT INTO QuestionText VALUES " + texts.join(','),
                                   "INSERT INTO Theme VALUES " + themeRows.join(','),
                                   QStringLiteral("INSERT INTO Questionnaire VALUES (0,0,1,'00010002'),"
                                                  "(0,0,3,'000A00140001006300320005004100020050000F'),(1,1,2,'0065')"),
                                   QStringLiteral("INSERT INTO Book VALUES (0,1,'Buch Eins','7'),"
                                                  "(0,2,'Buch Zwei','8')"),
                                   QStringLiteral("INSERT INTO BookPage VALUES (0,1,1,'12'),(0,1,2,'?'),(0,2,1,'99')")})
            if (!sql.endsWith(QLatin1String("VALUES ")))   // category of no question
                UserDbTest::SqlExec(file, sql);
        bank.setRSLockType(QStringLiteral("1"));   // read-only, as the program uses it
        bank.DbOpen();
        bank.ThemeNameGetAll();
        objQuestion = &bank, objUser = &user;
        user.QuestionnaireAnswers = QStringLiteral("answers");
        ExamQuestionCount = {40, 40, 30, 30};
        AnswerLetters = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        LocalisedTextsFill(0);
        SetRecord = QuestionSet();
        CurrentCategoryNr = CurrentLanguageNr = 0;
        CurrentBookNr = 1, CurrentBookNrMax = 2;
        QDir(sb.dir.path()).mkpath(QStringLiteral("pictures"));
        PicturePath = sb.dir.path() + QStringLiteral("/pictures/");
        SetPrinterNamesOverride([] { return QStringList(); });

        window.resize(800, 600);
        login = new QWidget(&window), themes = new QWidget(&window), admin = new QWidget(&window);
        practice = new framePractice(&window), resultsLog = new frameResultsLog(&window);
        qa = new frameQA(&window), big = new framePictureBig(&window), grade = new frameGrade(&window);
        (new QLabel(QStringLiteral("Kategorie :"), admin))->setObjectName(QStringLiteral("lblUserCategoryNr"));
        const QList<QWidget *> frames = {login, themes, admin, practice, resultsLog, qa, big, grade};
        for (int i = 0; i < frames.size(); ++i)
            ScreenRegister(AllScreens[i], frames[i]);
        MainProcs::framePracticeStatsShow = [this] { ++statsCalls; };
        MainProcs::frameThemesStatsShow = [this] { ++statsCalls; };
        practice->LessonButtonsLoad();
        qa->QuestionButtonsLoad();
        qa->BookDisplay();
        window.show(), window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    ~Env()
    {
        for (auto *proc : {&MainProcs::framePracticeStatsShow, &MainProcs::frameThemesStatsShow,
                           &MainProcs::frameThemesLabelsUpdate, &MainProcs::frameLoginClose, &MainProcs::frameLoginInit})
            *proc = {};
        ResultsLogSetTarget(nullptr);
        SetPrinterNamesOverride({});
        for (Screen s : AllScreens)
            ScreenRegister(s, nullptr);
        objQuestion = nullptr, objUser = nullptr;
        Seams::SetRandom({}), Seams::SetClock({});
    }

    // A user database with the signed-in user "Anna".
    void makeUsers()
    {
        user.ProgramVersion = ProgramVersionText;
        UserDbTest::UserDbOpen(user);
        UserDbTest::UserAdd(user, QStringLiteral("Anna"), QStringLiteral("1234"), CurrentCategoryNr);
    }

    // The rows of a user-database query as "a|b|c" lines, read through a connection of their own.
    QStringList rows(const QString &sql) const { return UserDbTest::query(user.Location(), sql); }
    int count(const QString &table) const { return rows("SELECT COUNT(*) FROM " + table).value(0).toInt(); }

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

    template <class T = QWidget> T *get(QWidget *parent, const char *name) const
    {
        T *w = parent->findChild<T *>(QString::fromLatin1(name));
        return w ? w : (qFatal("control %s not found", name), nullptr);
    }
    template <class T = QWidget> T *q(const char *name) const { return get<T>(qa, name); }
    void click(QWidget *w) const { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }
    void click(const char *qaControl) const { click(q(qaControl)); }
};

} // namespace TrainingTest
