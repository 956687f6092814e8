// Speed of the examination draw with quotas (large and sample-sized banks)
// and of a whole grading of 40 questions into a user database.
#include "core/AppState.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/modMain.h"
#include "questionbank/clsQuestion.h"
#include "training/Grading.h"
#include "training/QuestionSet.h"
#include "training/QuestionSetBuild.h"
#include "training/frameResultsLog.h"
#include "userdb/clsUser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <random>

namespace {

QTemporaryDir *g_dir = nullptr;

// A bank with perCategory questions in each of the four categories, numbered
// 1..perCategory in each, spread over themes 4..3+themes.
std::unique_ptr<clsQuestion> BankMake(const QString &name, int perCategory, int themes)
{
    auto qb = std::make_unique<clsQuestion>();
    qb->setDbPath(g_dir->path() + QStringLiteral("/"));
    qb->setDbFileName(name);
    QString error;
    if (!qb->DbCreate(error)) {
        std::fprintf(stderr, "bank not created: %s\n", qPrintable(error));
        std::exit(1);
    }
    qb->setRSLockType(QStringLiteral("2"));
    qb->DbOpen();
    qb->DbTransactionBegin();
    qb->QuestionOpen();
    static const char *letters[] = {"a", "b", "c"};
    for (int16_t c = 0; c <= 3; ++c)
        for (int32_t n = 1; n <= perCategory; ++n) {
            qb->QuestionAdd();
            qb->CategoryNr = c;
            qb->QuestionNr = n;
            qb->ThemeNr = static_cast<int16_t>(4 + n % themes);
            qb->Answer = QString::fromLatin1(letters[n % 3]);
            qb->QuestionUpdate();
        }
    qb->QuestionClose();
    qb->ThemeNameOpen();
    for (int16_t t = 0; t < 4 + themes; ++t)
        for (int16_t c = 0; c <= 3; ++c)
            for (int16_t l = 0; l <= 2; ++l) {
                qb->ThemeNameAdd();
                qb->CategoryNr = c;
                qb->ThemeNr = t;
                qb->LanguageNr = l;
                qb->ThemeName = QStringLiteral("Theme %1").arg(t);
                qb->ThemeNameUpdate();
            }
    qb->ThemeNameClose();
    qb->DbTransactionCommit();
    qb->DbClose();
    qb->setRSLockType(QStringLiteral("1"));
    qb->DbOpen();
    return qb;
}

clsQuestion *BigBank()
{
    static std::unique_ptr<clsQuestion> bank = BankMake(QStringLiteral("big.mdb"), 10000, 12);
    return bank.get();
}

clsQuestion *SampleBank()
{
    static std::unique_ptr<clsQuestion> bank = BankMake(QStringLiteral("sample.mdb"), 100, 12);
    return bank.get();
}

void ExamDraw(benchmark::State &state, clsQuestion *bank, int16_t category)
{
    objQuestion = bank;
    CurrentCategoryNr = category;
    for (auto _ : state) {
        const int32_t n = ExamOrMixSetBuild(QuestionModeExam, 1, 4);
        if (n != ExamQuestionCount[category])
            state.SkipWithError("incomplete set");
        benchmark::DoNotOptimize(SetRecord.QList.data());
    }
}

void BM_ExamDrawBigBank(benchmark::State &state) { ExamDraw(state, BigBank(), static_cast<int16_t>(state.range(0))); }
void BM_ExamDrawSampleBank(benchmark::State &state)
{
    ExamDraw(state, SampleBank(), static_cast<int16_t>(state.range(0)));
}

void BM_Grading40(benchmark::State &state)
{
    objQuestion = BigBank();
    CurrentCategoryNr = 0;
    clsUser users;
    users.setDbPath(g_dir->path() + QStringLiteral("/"));
    users.setDbFileName(QStringLiteral("Users-bench.mdb"));
    QFile::remove(users.DbPath() + users.DbFileName());
    QString error;
    if (!users.DbCreate(error)) {
        state.SkipWithError("user database not created");
        return;
    }
    users.ProgramVersion = ProgramVersionText;
    users.setRSCursorType(QStringLiteral("2"));
    users.setRSLockType(QStringLiteral("2"));
    users.DbOpen();
    users.NewUser();
    users.UserName = QStringLiteral("Bench");
    users.Password = QStringLiteral("1");
    users.UpdateUser();
    objUser = &users;
    frameResultsLog log;
    ScreenRegister(Screen::ResultsLog, &log);

    ExamOrMixSetBuild(QuestionModeExam, 1, 4);
    std::mt19937 gen(5);
    for (int i = 1; i <= SetRecord.QuestionCount; ++i)
        SetRecord.UserAnswers[i] = AnswerLetters[gen() % 3];
    for (auto _ : state) {
        if (!GradingRun())
            state.SkipWithError("grading not stored");
    }
    ScreenRegister(Screen::ResultsLog, nullptr);
    objUser = nullptr;
}

} // namespace

BENCHMARK(BM_ExamDrawBigBank)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExamDrawSampleBank)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grading40)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // BENCH_DIR chooses the disk the databases live on (default: the temporary directory).
    QTemporaryDir dir(qEnvironmentVariableIsEmpty("BENCH_DIR")
                          ? QDir::tempPath() + QStringLiteral("/bench_training-XXXXXX")
                          : qEnvironmentVariable("BENCH_DIR") + QStringLiteral("/bench_training-XXXXXX"));
    g_dir = &dir;
    qputenv("TEMP", dir.path().toUtf8());
    SetProgramLocation(dir.path(), QStringLiteral("velko"));
    {
        QFile ini(INIFileName());
        ini.open(QIODevice::WriteOnly);
        // Quotas for themes 4..15 (50 questions in all).
        ini.write("[Config]\r\nMAXQPT=5;5;4;4;4;4;4;4;4;4;4;4\r\n");
    }
    ProgramVersionText = ProgramVersionBuild();
    AnswerLetters = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    ExamQuestionCount = {40, 40, 30, 30};
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    objQuestion = nullptr;
    return 0;
}
