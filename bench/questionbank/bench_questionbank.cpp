// Per-call cost of the question-bank seeks on a full-size bank: 10,000
// questions per category, texts in three languages, a page for every question.
#include "core/AppState.h"
#include "questionbank/clsQuestion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int QuestionsPerCategory = 10000;

clsQuestion *g_bank = nullptr;
std::vector<std::pair<int16_t, int32_t>> g_keys;   // (category, question) in random order

void BankGenerate(clsQuestion &qb, const QString &dir)
{
    qb.setDbPath(dir);
    qb.setDbFileName(QStringLiteral("bench.mdb"));
    QString error;
    if (!qb.DbCreate(error)) {
        std::fprintf(stderr, "cannot create the bank: %s\n", qPrintable(error));
        std::exit(1);
    }
    qb.setRSLockType(QStringLiteral("2"));
    qb.DbOpen();
    const QString question = QStringLiteral("Welche Aussage zur Ladungssicherung des Fahrzeugs trifft zu, wenn "
                                            "die Ladung während der Fahrt verrutschen kann? Frage %1");
    const QString answer = QStringLiteral("Eine mögliche Antwort mit etwas Text, Variante %1");
    qb.DbTransactionBegin();
    qb.QuestionOpen();
    qb.QuestionTextOpen();
    qb.BookPageOpen();
    for (int16_t c = 0; c < 4; ++c) {
        for (int32_t n = 1; n <= QuestionsPerCategory; ++n) {
            qb.QuestionAdd();
            qb.CategoryNr = c;
            qb.QuestionNr = n;
            qb.PictureNr = n % 7 == 0 ? n : 0;
            qb.ThemeNr = static_cast<int16_t>(4 + n % 12);
            qb.Answer = QStringLiteral("abc").mid(n % 3, 1);
            qb.QuestionUpdate();
            for (int16_t l = 0; l < 3; ++l) {
                qb.QuestionTextAdd();
                qb.CategoryNr = c;
                qb.QuestionNr = n;
                qb.LanguageNr = l;
                qb.QuestionText = question.arg(n);
                qb.AnsweraText = answer.arg(1);
                qb.AnswerbText = answer.arg(2);
                qb.AnswercText = answer.arg(3);
                qb.QuestionTextUpdate();
            }
            qb.BookPageAdd();
            qb.CategoryNr = c;
            qb.BookNr = 1;
            qb.QuestionNr = n;
            qb.BookPageNr = QString::number(1 + n / 40);
            qb.BookPageUpdate();
        }
    }
    qb.QuestionClose();
    qb.QuestionTextClose();
    qb.BookPageClose();
    qb.DbTransactionCommit();
    qb.DbClose();
}

void Next(benchmark::State &, size_t &i)
{
    const auto &k = g_keys[i++ % g_keys.size()];
    CurrentCategoryNr = k.first;
    CurrentQuestionNr = k.second;
}

void BM_QuestionNrSeek(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        Next(state, i);
        g_bank->QuestionNrSeek();
        benchmark::DoNotOptimize(g_bank->Answer);
    }
    if (g_bank->QuestionNr == 0)
        state.SkipWithError("question not found");
}
BENCHMARK(BM_QuestionNrSeek);

void BM_QuestionTextGet(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        Next(state, i);
        CurrentLanguageNr = static_cast<int16_t>(i % 3);
        g_bank->QuestionTextGet();
        benchmark::DoNotOptimize(g_bank->QuestionText);
    }
    if (g_bank->QuestionText.isEmpty())
        state.SkipWithError("text not found");
}
BENCHMARK(BM_QuestionTextGet);

void BM_BookPageGet(benchmark::State &state)
{
    size_t i = 0;
    CurrentBookNr = 1;
    for (auto _ : state) {
        Next(state, i);
        g_bank->BookPageGet();
        benchmark::DoNotOptimize(g_bank->BookPageNr);
    }
    if (g_bank->BookPageNr.isEmpty())
        state.SkipWithError("page not found");
}
BENCHMARK(BM_BookPageGet);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    {
        clsQuestion builder;
        QElapsedTimer timer;
        timer.start();
        BankGenerate(builder, dir.path());
        std::printf("bank of %d questions per category generated in %lld ms\n", QuestionsPerCategory,
                    static_cast<long long>(timer.elapsed()));
    }
    clsQuestion bank;
    bank.setDbPath(dir.path());
    bank.setDbFileName(QStringLiteral("bench.mdb"));
    bank.DbOpen();
    g_bank = &bank;

    std::mt19937 random(42);
    for (int16_t c = 0; c < 4; ++c)
        for (int32_t n = 1; n <= QuestionsPerCategory; ++n)
            g_keys.emplace_back(c, n);
    std::shuffle(g_keys.begin(), g_keys.end(), random);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bank = nullptr;
    return 0;
}
