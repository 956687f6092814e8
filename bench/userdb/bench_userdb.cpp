// Speed of the user-database operations on a large school's data: 500 users,
// 1,000,000 questionnaire records and 10,000,000 question records. The data
// file is generated once and kept in the build directory.
#include "core/SqlSupport.h"
#include "userdb/UserDbDialect.h"
#include "userdb/UserDbSchema.h"
#include "userdb/clsUser.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>
#include <random>

namespace {

constexpr int Users = 500;
constexpr int Questionnaires = 1000000;
constexpr int QuestionsPerQuestionnaire = 10;   // 10,000,000 question records

const QString DataFile = QStringLiteral(BENCH_DATA_DIR "/userdb-bench.db");

QString UserName(int i)
{
    return QStringLiteral("Candidate %1").arg(i, 3, 10, QLatin1Char('0'));
}

qint64 MaxId(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    return q.exec(sql) && q.next() ? q.value(0).toLongLong() : 0;
}

bool Usable(const QString &file)
{
    if (!QFileInfo::exists(file))
        return false;
    QSqlDatabase db = Sql::Open(file, true, 5000);
    const bool ok = Sql::SchemaVersion(db) == UserDbSchema::Version
                    && MaxId(db, QStringLiteral("SELECT COUNT(*) FROM \"User\"")) == Users
                    && MaxId(db, QStringLiteral("SELECT MAX(StatId) FROM QuestionnaireStat")) >= Questionnaires
                    && MaxId(db, QStringLiteral("SELECT MAX(StatId) FROM QuestionStat"))
                           >= qint64(Questionnaires) * QuestionsPerQuestionnaire
                    && MaxId(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'")) >= 6;
    Sql::Close(db);
    return ok;
}

bool Run(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(Sql::ErrorMessage(q.lastError())));
    return false;
}

// Bulk load without indexes in one transaction, then the indexes.
bool Generate(const QString &file)
{
    const QString work = file + QStringLiteral(".part");
    QFile::remove(work);
    QSqlDatabase db = Sql::Open(work, false, 5000);
    QString error;
    if (!UserDbSchema::CreateTables(db, UserDbDialect(), false, error)) {
        std::fprintf(stderr, "schema: %s\n", qPrintable(error));
        return false;
    }
    Run(db, QStringLiteral("PRAGMA synchronous = OFF"));
    Run(db, QStringLiteral("PRAGMA journal_mode = OFF"));
    Run(db, QStringLiteral("PRAGMA cache_size = -200000"));
    std::mt19937 rng(42);
    {
        Run(db, QStringLiteral("BEGIN"));
        QSqlQuery user(db);
        user.prepare(QStringLiteral("INSERT INTO \"User\" (UserName, Password, LanguageNr, CategoryNr, BookNr, "
                                    "UserStatus, UserComment) VALUES (?, ?, ?, ?, 1, 0, ' ')"));
        for (int i = 0; i < Users; ++i) {
            user.bindValue(0, UserName(i));
            user.bindValue(1, QString::number(1000 + i));
            user.bindValue(2, i % 3);
            user.bindValue(3, i % 4);
            user.exec();
        }
        QSqlQuery qn(db);
        qn.prepare(QStringLiteral("INSERT INTO QuestionnaireStat (UserID, CategoryNr, ProgramVersion, "
                                  "QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, "
                                  "QuestionnaireResultPercent, QuestionnaireAnswers, QuestionnaireDuration) "
                                  "VALUES (?, ?, 'Velko 2.0.0', ?, ?, ?, ?, ?, 0)"));
        QSqlQuery qs(db);
        qs.prepare(QStringLiteral("INSERT INTO QuestionStat (UserID, CategoryNr, ProgramVersion, QuestionThemeNr, "
                                  "QuestionNr, QuestionDateTime, QuestionAnswer, QuestionDuration) "
                                  "VALUES (?, ?, 'Velko 2.0.0', ?, ?, ?, ?, 0)"));
        const QDateTime start(QDate(2015, 1, 1), QTime(8, 0, 0));
        const QString answers = QStringLiteral("abcabcabca          ");
        for (int i = 0; i < Questionnaires; ++i) {
            const int userId = i % Users + 1;
            // Mostly the user's own category, sometimes another one.
            const int category = rng() % 10 == 0 ? int(rng() % 4) : (userId - 1) % 4;
            const int theme = int(rng() % 24) - 1;
            const int nr = int(rng() % 6) + 1;
            const QString when = Sql::DateTimeToText(start.addSecs(qint64(i) * 277));
            qn.bindValue(0, userId);
            qn.bindValue(1, category);
            qn.bindValue(2, theme);
            qn.bindValue(3, nr);
            qn.bindValue(4, when);
            qn.bindValue(5, double(rng() % 101));
            qn.bindValue(6, answers);
            qn.exec();
            for (int k = 0; k < QuestionsPerQuestionnaire; ++k) {
                qs.bindValue(0, userId);
                qs.bindValue(1, category);
                qs.bindValue(2, theme);
                qs.bindValue(3, int(rng() % 1200) + 1);
                qs.bindValue(4, when);
                qs.bindValue(5, int(rng() % 4 != 0));
                qs.exec();
            }
            if (i % 100000 == 0)
                std::fprintf(stderr, "generating: %d questionnaires\n", i);
        }
        if (!Run(db, QStringLiteral("COMMIT")))
            return false;
    }
    std::fprintf(stderr, "generating: indexes\n");
    if (!UserDbSchema::CreateIndexes(db, error)) {
        std::fprintf(stderr, "indexes: %s\n", qPrintable(error));
        return false;
    }
    Run(db, QStringLiteral("PRAGMA journal_mode = DELETE"));
    Sql::Close(db);
    QFile::remove(file);
    return QFile::rename(work, file);
}

struct Opened {
    clsUser user;
    // The grading writes under another user than the one the reads use, so
    // that repeated runs do not change what the reads measure.
    explicit Opened(bool forWriting)
    {
        const QFileInfo info(DataFile);
        user.setDbPath(info.absolutePath());
        user.setDbFileName(info.fileName());
        user.ProgramVersion = QStringLiteral("Velko 2.0.0");
        user.setRSCursorType(forWriting ? QStringLiteral("2") : QStringLiteral("3"));
        user.setRSLockType(forWriting ? QStringLiteral("2") : QStringLiteral("1"));
        user.DbOpen();
        user.UserNameSeek(UserName(forWriting ? Users - 1 : 250));
    }
};

void BM_QuestionnaireStatCompute(benchmark::State &state)
{
    Opened db(false);
    int i = 0;
    for (auto _ : state) {
        db.user.QuestionnaireStatCompute(static_cast<int16_t>(i % 24 - 1), static_cast<int16_t>(i % 6 + 1));
        benchmark::DoNotOptimize(db.user.QuestionnaireResultPercentMax());
        ++i;
    }
    state.counters["attempts"] = db.user.QuestionnaireRecordCount();
}
BENCHMARK(BM_QuestionnaireStatCompute)->Unit(benchmark::kMicrosecond);

void BM_QuestionnaireStatUserOpenWalk(benchmark::State &state)
{
    Opened db(false);
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (db.user.QuestionnaireStatUserOpen(); db.user.QuestionnaireStatId() != 0; db.user.QuestionnaireStatNext())
            ++rows;
        db.user.QuestionnaireStatClose();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_QuestionnaireStatUserOpenWalk)->Unit(benchmark::kMillisecond);

// The login and administration lists: the whole user table through
// FirstUser and NextUser.
void BM_UserListWalk(benchmark::State &state)
{
    Opened db(false);
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (db.user.FirstUser(); db.user.UserID() != 0; db.user.NextUser()) {
            benchmark::DoNotOptimize(db.user.UserName.size());
            ++rows;
        }
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_UserListWalk)->Unit(benchmark::kMicrosecond);

// The floor for the walk: the same query, prepared once, through the sqlite3
// C API, every column of every row read.
void BM_UserListQueryCApi(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray file = DataFile.toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db,
                              "SELECT UserID, UserName, Password, LanguageNr, CategoryNr, BookNr, UserStatus, "
                              "UserComment FROM \"User\" ORDER BY UserID",
                              -1, &stmt, nullptr)
               != SQLITE_OK) {
        state.SkipWithError(db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return;
    }
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        sqlite3_reset(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            int numbers = 0;
            size_t text = 0;
            for (int c : {0, 3, 4, 5, 6})
                numbers += sqlite3_column_int(stmt, c);
            for (int c : {1, 2, 7}) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                text += static_cast<size_t>(sqlite3_column_bytes(stmt, c));
            }
            benchmark::DoNotOptimize(numbers);
            benchmark::DoNotOptimize(text);
            ++rows;
        }
    }
    state.counters["rows"] = rows;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(BM_UserListQueryCApi)->Unit(benchmark::kMicrosecond);

void BM_Grading40(benchmark::State &state)
{
    Opened db(true);
    QDateTime when(QDate(2027, 1, 1), QTime(8, 0, 0));
    for (auto _ : state) {
        when = when.addSecs(60);
        db.user.GradingBegin();
        db.user.QuestionnaireStatOpen();
        db.user.QuestionnaireStatAdd();
        db.user.QuestionnaireThemeNr = -1;
        db.user.QuestionnaireNr = 1;
        db.user.QuestionnaireDateTime = when;
        db.user.QuestionnaireResultPercent = 88;
        db.user.QuestionnaireAnswers = QString(40, QLatin1Char('a')) + QString(40, QLatin1Char(' '));
        db.user.QuestionnaireStatUpdate();
        db.user.QuestionnaireStatClose();
        db.user.QuestionStatOpen();
        for (int i = 1; i <= 40; ++i) {
            db.user.QuestionStatAdd();
            db.user.QuestionThemeNr = 7;
            db.user.QuestionNr = i;
            db.user.QuestionDateTime = when;
            db.user.QuestionAnswer = i % 3 != 0;
            db.user.QuestionStatUpdate();
        }
        db.user.QuestionStatClose();
        db.user.GradingCommit();
    }
}
BENCHMARK(BM_Grading40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QDir().mkpath(QStringLiteral(BENCH_DATA_DIR));
    if (!Usable(DataFile)) {
        std::fprintf(stderr, "generating %s (a few minutes, once)\n", qPrintable(DataFile));
        if (!Generate(DataFile))
            return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
