// Speed of the statistics screens on a large school's user database (the
// data of bench_userdb: 500 users, 1,000,000 questionnaire records,
// 10,000,000 question records) with three more users who did 100, 1,000 and
// 10,000 questionnaires of category C. Each figure is set beside the same
// statements run through the sqlite3 C API in the same run.
//
// Run bench_userdb once first: it generates the data file.
#include "core/AppState.h"
#include "core/LocalisedTexts.h"
#include "core/SqlSupport.h"
#include "questionbank/clsQuestion.h"
#include "stats/HistoryLoad.h"
#include "stats/HistoryRows.h"
#include "stats/QuestionStatsRows.h"
#include "training/QuestionSetBuild.h"

#include <limits>
#include "stats/frameHistory.h"
#include "stats/frameThemes.h"
#include "training/QuestionSet.h"
#include "training/framePractice.h"
#include "userdb/clsUser.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const QString SourceFile = QStringLiteral(BENCH_USERDB_FILE);
const QString DataFile = QStringLiteral(BENCH_DATA_DIR "/userdb-stats-bench.db");
const int Sizes[] = {100, 1000, 10000};

QString UserName(int questionnaires) { return QStringLiteral("Stats %1").arg(questionnaires); }

bool Run(QSqlQuery &q, const QString &sql, const QVariantList &values = {})
{
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (q.exec())
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(Sql::ErrorMessage(q.lastError())));
    return false;
}

// The copy of bench_userdb's data with the three users; made once.
bool Prepare()
{
    if (QFileInfo::exists(DataFile))
        return true;
    if (!QFileInfo::exists(SourceFile)) {
        std::fprintf(stderr, "%s is missing: run bench_userdb once first\n", qPrintable(SourceFile));
        return false;
    }
    const QString work = DataFile + QStringLiteral(".part");
    QFile::remove(work);
    std::fprintf(stderr, "copying %s\n", qPrintable(SourceFile));
    if (!QFile::copy(SourceFile, work))
        return false;
    QSqlDatabase db = Sql::Open(work, false, 5000);
    bool ok = true;
    {
        QSqlQuery q(db);
        ok = Run(q, QStringLiteral("BEGIN"));
        const QDateTime start(QDate(2020, 1, 1), QTime(8, 0, 0));
        for (int n : Sizes) {
            ok = ok && Run(q, QStringLiteral("INSERT INTO \"User\" (UserName, Password, LanguageNr, CategoryNr, BookNr, "
                                             "UserStatus, UserComment) VALUES (?, ?, 0, 0, 1, 0, ' ')"),
                           {UserName(n), QString::number(90000 + n)});
            const qint64 userId = q.lastInsertId().toLongLong();
            for (int i = 0; i < n && ok; ++i) {
                // The newest one is an examination of 40 questions with its question records.
                const bool exam = i == n - 1;
                const QString when = Sql::DateTimeToText(start.addSecs(qint64(i) * 3600));
                ok = Run(q, QStringLiteral("INSERT INTO QuestionnaireStat (UserID, CategoryNr, ProgramVersion, "
                                           "QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, "
                                           "QuestionnaireResultPercent, QuestionnaireAnswers, QuestionnaireDuration) "
                                           "VALUES (?, 0, 'Velko 2.0.0', ?, ?, ?, ?, ?, 0)"),
                         {userId, exam ? -1 : (i % 15) - 1, exam ? 1 : i % 6 + 1, when, double(i * 37 % 101),
                          QString(40, QLatin1Char('b')) + QString(40, QLatin1Char(' '))});
                for (int k = 1; exam && k <= 40 && ok; ++k)
                    ok = Run(q, QStringLiteral("INSERT INTO QuestionStat (UserID, CategoryNr, ProgramVersion, "
                                               "QuestionThemeNr, QuestionNr, QuestionDateTime, QuestionAnswer, "
                                               "QuestionDuration) VALUES (?, 0, 'Velko 2.0.0', 4, ?, ?, 1, 0)"),
                             {userId, k, when});
            }
        }
        ok = ok && Run(q, QStringLiteral("COMMIT"));
    }
    Sql::Close(db);
    return ok && QFile::rename(work, DataFile);
}

// A bank with 11 named themes in every category, for the theme screen's rows.
struct Bank {
    QTemporaryDir dir;
    clsQuestion question;
    Bank()
    {
        question.setDbPath(dir.path() + QLatin1Char('/'));
        question.setDbFileName(QStringLiteral("bank.sqlite"));
        QString error;
        question.DbCreate(error);
        QSqlDatabase db = Sql::Open(dir.path() + QStringLiteral("/bank.sqlite"), false, 5000);
        {
            QSqlQuery q(db);
            for (int c = 0; c <= 3; ++c)
                for (int t = 4; t <= 14; ++t) {
                    Run(q, QStringLiteral("INSERT INTO Theme VALUES (?, ?, 0, ?)"),
                        {c, t, QStringLiteral("Thema %1").arg(t)});
                    for (int nr = 1; nr <= 6; ++nr)
                        Run(q, QStringLiteral("INSERT INTO Questionnaire VALUES (?, ?, ?, '0001')"), {c, t, nr});
                }
        }
        Sql::Close(db);
        question.DbOpen();
        question.ThemeNameGetAll();
    }
};

struct Screens {
    Bank bank;
    clsUser user;
    QWidget window;
    framePractice *practice = new framePractice(&window);
    frameThemes *themes = new frameThemes(&window);
    frameHistory *history = new frameHistory(&window);

    explicit Screens(const QString &userName)
    {
        const QFileInfo info(DataFile);
        user.setDbPath(info.absolutePath());
        user.setDbFileName(info.fileName());
        user.DbOpen();
        user.UserNameSeek(userName);
        objUser = &user;
        objQuestion = &bank.question;
        CurrentCategoryNr = user.CategoryNr;
        CurrentLanguageNr = 0;
        LocalisedTextsFill(0);
        practice->LessonButtonsLoad();
        themes->ThemesGridLoad();
        themes->frameThemesInit();
        window.resize(800, 600);
    }
    ~Screens()
    {
        objUser = nullptr;
        objQuestion = nullptr;
    }
};

sqlite3 *OpenCApi()
{
    sqlite3 *db = nullptr;
    const QByteArray file = DataFile.toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_exec(db, "PRAGMA cache_size = -16000", nullptr, nullptr, nullptr);
    return db;
}

int UserIdOf(sqlite3 *db, const QString &name)
{
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, "SELECT UserID FROM \"User\" WHERE UserName = ?", -1, &s, nullptr);
    const QByteArray n = name.toUtf8();
    sqlite3_bind_text(s, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    const int id = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : 0;
    sqlite3_finalize(s);
    return id;
}

QString SizeUser(const benchmark::State &state)
{
    return state.range(0) == 0 ? QStringLiteral("Candidate 250") : UserName(int(state.range(0)));
}

// framePracticeStatsShow + frameThemesStatsShow: 21 + 66 computations.
void BM_StatsShow87(benchmark::State &state)
{
    Screens s(SizeUser(state));
    for (auto _ : state) {
        s.practice->framePracticeStatsShow();
        s.themes->frameThemesStatsShow();
    }
    state.counters["questionnaires"] = double(s.user.QuestionnaireStatUserList().size());
}
BENCHMARK(BM_StatsShow87)->Arg(0)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_StatsCompute87CApi(benchmark::State &state)
{
    sqlite3 *db = OpenCApi();
    const int userId = UserIdOf(db, SizeUser(state));
    sqlite3_stmt *s = nullptr;
    int category = 0;   // the user's own, as the screens use it
    sqlite3_prepare_v2(db, "SELECT CategoryNr FROM \"User\" WHERE UserID = ?", -1, &s, nullptr);
    sqlite3_bind_int(s, 1, userId);
    if (sqlite3_step(s) == SQLITE_ROW)
        category = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    sqlite3_prepare_v3(db, "SELECT MAX(QuestionnaireResultPercent), COUNT(*) FROM QuestionnaireStat WHERE UserID = ? "
                           "AND CategoryNr = ? AND QuestionnaireThemeNr = ? AND QuestionnaireNr = ?",
                       -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    for (auto _ : state) {
        for (int k = 0; k < 87; ++k) {
            sqlite3_reset(s);
            sqlite3_bind_int(s, 1, userId);
            sqlite3_bind_int(s, 2, category);
            sqlite3_bind_int(s, 3, k < 21 ? category : 4 + (k - 21) / 6);
            sqlite3_bind_int(s, 4, k < 21 ? k + 1 : (k - 21) % 6 + 1);
            if (sqlite3_step(s) == SQLITE_ROW) {
                benchmark::DoNotOptimize(sqlite3_column_double(s, 0));
                benchmark::DoNotOptimize(sqlite3_column_int(s, 1));
            }
        }
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}
BENCHMARK(BM_StatsCompute87CApi)->Arg(0)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// frameHistoryInit with the grid filled, and with the first paint of the rows
// shown as well.
void BM_HistoryInit(benchmark::State &state)
{
    Screens s(SizeUser(state));
    for (auto _ : state)
        s.history->frameHistoryInit();
    state.counters["rows"] = s.history->Model()->RecordCount();
}
BENCHMARK(BM_HistoryInit)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_HistoryInitAndPaint(benchmark::State &state)
{
    Screens s(SizeUser(state));
    s.history->show();
    for (auto _ : state) {
        s.history->frameHistoryInit();
        benchmark::DoNotOptimize(s.history->gridHistory->grab());
    }
}
BENCHMARK(BM_HistoryInitAndPaint)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_HistoryQueryCApi(benchmark::State &state)
{
    sqlite3 *db = OpenCApi();
    const int userId = UserIdOf(db, SizeUser(state));
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v3(db, "SELECT StatId, QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, "
                           "QuestionnaireResultPercent, QuestionnaireDuration FROM QuestionnaireStat "
                           "WHERE UserID = ? AND CategoryNr = ? ORDER BY QuestionnaireDateTime DESC, StatId DESC",
                       -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    int rows = 0;
    for (auto _ : state) {
        sqlite3_reset(s);
        sqlite3_bind_int(s, 1, userId);
        sqlite3_bind_int(s, 2, 0);
        rows = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c : {0, 1, 2, 5})
                benchmark::DoNotOptimize(sqlite3_column_int(s, c));
            benchmark::DoNotOptimize(sqlite3_column_text(s, 3));
            benchmark::DoNotOptimize(sqlite3_column_double(s, 4));
            ++rows;
        }
    }
    state.counters["rows"] = rows;
    sqlite3_finalize(s);
    sqlite3_close(db);
}
BENCHMARK(BM_HistoryQueryCApi)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// For comparison: the same records walked through the record properties
// (QuestionnaireStatUserOpen / Next), which convert every date to local time.
void BM_HistoryPropertyWalk(benchmark::State &state)
{
    Screens s(SizeUser(state));
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        s.user.setRSCursorType(QStringLiteral("3"));
        s.user.setRSLockType(QStringLiteral("1"));
        for (s.user.QuestionnaireStatUserOpen(); s.user.QuestionnaireStatId() != 0; s.user.QuestionnaireStatNext())
            ++rows;
        s.user.QuestionnaireStatClose();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_HistoryPropertyWalk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Reopening the stored 40-question examination: the record by its id, then
// the set rebuilt from its question records.
void BM_ExamReopen40(benchmark::State &state)
{
    Screens s(UserName(10000));
    s.history->frameHistoryInit();
    const int32_t statId = s.history->Model()->Record(0)->StatId;
    for (auto _ : state) {
        s.user.setRSCursorType(QStringLiteral("3"));
        s.user.setRSLockType(QStringLiteral("1"));
        s.user.QuestionnaireStatOpen();
        s.user.QuestionnaireStatSeek(statId);
        s.user.QuestionnaireStatClose();
        HistoryQuestionnaireLoad(s.user);
    }
    state.counters["questions"] = SetRecord.QuestionCount;
}
BENCHMARK(BM_ExamReopen40)->Unit(benchmark::kMillisecond);

void BM_ExamReopen40CApi(benchmark::State &state)
{
    int32_t statId = 0;
    {
        Screens s(UserName(10000));
        s.history->frameHistoryInit();
        statId = s.history->Model()->Record(0)->StatId;
    }
    sqlite3 *db = OpenCApi();
    const int userId = UserIdOf(db, UserName(10000));
    sqlite3_stmt *record = nullptr, *questions = nullptr;
    sqlite3_prepare_v3(db, "SELECT StatId, QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, "
                           "QuestionnaireResultPercent, QuestionnaireAnswers, QuestionnaireDuration, ProgramVersion "
                           "FROM QuestionnaireStat WHERE StatId = ?",
                       -1, SQLITE_PREPARE_PERSISTENT, &record, nullptr);
    sqlite3_prepare_v3(db, "SELECT StatId, QuestionThemeNr, QuestionNr, QuestionDateTime, QuestionAnswer, "
                           "QuestionDuration, ProgramVersion FROM QuestionStat WHERE UserID = ? "
                           "AND QuestionDateTime = ? ORDER BY StatId",
                       -1, SQLITE_PREPARE_PERSISTENT, &questions, nullptr);
    int rows = 0;
    for (auto _ : state) {
        sqlite3_reset(record);
        sqlite3_bind_int(record, 1, statId);
        if (sqlite3_step(record) != SQLITE_ROW)
            break;
        const std::string when(reinterpret_cast<const char *>(sqlite3_column_text(record, 3)));
        benchmark::DoNotOptimize(sqlite3_column_text(record, 5));
        sqlite3_reset(questions);
        sqlite3_bind_int(questions, 1, userId);
        sqlite3_bind_text(questions, 2, when.c_str(), int(when.size()), SQLITE_TRANSIENT);
        rows = 0;
        while (sqlite3_step(questions) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_int(questions, 2));
            ++rows;
        }
    }
    state.counters["questions"] = rows;
    sqlite3_finalize(record);
    sqlite3_finalize(questions);
    sqlite3_close(db);
}
BENCHMARK(BM_ExamReopen40CApi)->Unit(benchmark::kMillisecond);

// The per-question statistics of a user of the generated data (about 20,000
// question records), and the same grouping through the C API.
void BM_QuestionStatsRows(benchmark::State &state)
{
    Screens s(QStringLiteral("Candidate 250"));
    int rows = 0;
    for (auto _ : state)
        rows = int(QuestionStatsRowsBuild(&s.user).size());
    state.counters["rows"] = rows;
}
BENCHMARK(BM_QuestionStatsRows)->Unit(benchmark::kMillisecond);

void BM_QuestionStatsQueryCApi(benchmark::State &state)
{
    sqlite3 *db = OpenCApi();
    const int userId = UserIdOf(db, QStringLiteral("Candidate 250"));
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v3(db, "SELECT QuestionNr, MAX(QuestionDateTime || printf('%010d', StatId)), QuestionThemeNr, "
                           "QuestionAnswer, COUNT(*), SUM(QuestionAnswer <> 0) FROM QuestionStat "
                           "WHERE UserID = ? AND CategoryNr = (SELECT CategoryNr FROM \"User\" WHERE UserID = ?) "
                           "GROUP BY QuestionNr ORDER BY QuestionNr",
                       -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    int rows = 0;
    for (auto _ : state) {
        sqlite3_reset(s);
        sqlite3_bind_int(s, 1, userId);
        sqlite3_bind_int(s, 2, userId);
        rows = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(s, 1));
            ++rows;
        }
    }
    state.counters["rows"] = rows;
    sqlite3_finalize(s);
    sqlite3_close(db);
}
BENCHMARK(BM_QuestionStatsQueryCApi)->Unit(benchmark::kMillisecond);

// The set of the questions last answered wrong, for the user with 10,000
// questionnaires and for a user of the generated data with about 20,000
// question records.
void BM_MistakesSetBuild(benchmark::State &state)
{
    Screens s(state.range(0) == 0 ? UserName(10000) : QStringLiteral("Candidate 250"));
    int32_t count = 0;
    for (auto _ : state)
        count = MistakesSetBuild();
    state.counters["questions"] = count;
}
BENCHMARK(BM_MistakesSetBuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The worst case: every question record of that user walked (fewer wrong
// answers than the list holds).
void BM_WrongLastFullWalk(benchmark::State &state)
{
    Screens s(QStringLiteral("Candidate 250"));
    qsizetype count = 0;
    for (auto _ : state)
        count = s.user.QuestionStatWrongLastList(std::numeric_limits<int32_t>::max()).size();
    state.counters["questions"] = double(count);
}
BENCHMARK(BM_WrongLastFullWalk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!Prepare())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
