// Throughput of CalculateTask over fixed corpora of realistic tasks, one
// benchmark per kind of task. Every task runs on one record that lives across
// the whole run, as in the window, so settings and memory carry over and no
// time goes into resetting it.
//
// Each benchmark also reports "fail_rate": the share of its tasks that ended
// with status -1. A kind whose stage is missing fails fast, and its items/s
// then measure the failure path, not the calculation.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "engine.h"
#include "task_record.h"
#include "text.h"

namespace {

// Tasks of 3-7 numbers with brackets: the everyday case whose speed is
// decided by how fast intermediate results become text and back.
constexpr const char* kPlainTasks[] = {
    "(12.5+3)*4-7/2",
    "2^10/3",
    "((1+2)*(3+4))/5",
    "3*(4+5)-6",
    "(7.25-1.5)*(2+0.75)",
    "100/(3+5)*2-1",
    "(1.5+2.5)*(3.5-1.25)/4+6",
    "((2+3)*(4-1)+5)/7",
    "18.75/(2.5*1.5)+4-3*2",
    "(9-4)*(6+2)-(3*7)",
    "250*(1+0.05)-12.5",
    "(3+4)*(5+6)*(7-2)/(8+1)",
    "64/(2*(3+1))-0.5",
    "(0.1+0.2)*10-3",
    "1234.5-(678.9+12)*0.5",
    "((1+1)*(2+2)*(3+3))/(4+4)",
    "5*(6-(7-8))+9",
    "(2.5^2+1.5^2)/2",
    "(45+55)*(12-7)/25+3.75",
    "987654/321+(12-5)*3",
};

constexpr const char* kFunctionTasks[] = {
    "sin(30)+ln(2)",      "sqrt(2)*cos(pi/3)", "5!/3", "exp(1)*2-1", "log(1000)+sqrt(16)", "tan(pi/4)*2",
    "abs(-3.5)+int(7.9)", "asin(0.5)*180/pi",
};

constexpr const char* kFormulaTasks[] = {
    "CuSO4*5H2O", "Ca(OH)2", "(NH4)2SO4", "K4[Fe(CN)6]", "C6H12O6", "2NaCl", "H2SO4", "Fe2(SO4)3",
};

constexpr const char* kQuadraticTasks[] = {
    "x^2-5x+6", "2x^2+3x-5", "x^2+2x+1", "3x^2-12", "x^2+x+1", "0.5x^2-2.5x+3",
};

template <size_t N>
void RunCorpus(benchmark::State& state, const char* const (&corpus)[N]) {
    TaskRecord record;
    ResetTaskRecord(record);
    size_t failed = 0;
    for (auto _ : state) {
        for (const char* task : corpus) {
            CopyText(record.szTask, task);
            int kind = CalculateTask(record);
            benchmark::DoNotOptimize(kind);
            benchmark::DoNotOptimize(record.szAnswer);
            if (kind == -1) ++failed;
        }
    }
    const auto tasks = static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(N);
    state.SetItemsProcessed(tasks);
    state.counters["fail_rate"] = tasks ? static_cast<double>(failed) / static_cast<double>(tasks) : 0.0;
}

void BM_PlainArithmetic(benchmark::State& state) { RunCorpus(state, kPlainTasks); }
void BM_Functions(benchmark::State& state) { RunCorpus(state, kFunctionTasks); }
void BM_Formulas(benchmark::State& state) { RunCorpus(state, kFormulaTasks); }
void BM_Quadratics(benchmark::State& state) { RunCorpus(state, kQuadraticTasks); }

BENCHMARK(BM_PlainArithmetic);
BENCHMARK(BM_Functions);
BENCHMARK(BM_Formulas);
BENCHMARK(BM_Quadratics);

}  // namespace
