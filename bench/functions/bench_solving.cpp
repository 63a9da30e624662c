// Solving and the worst case run on a press of "&Calculer": each is a wait the user sees.
// Targets: solving any shipped function for any of its inputs under 20 ms; the worst case of six
// toleranced inputs under 50 ms.
//
// BM_SolveShipped/N/K solves shipped function N (in file-name order) for its input K, at a point
// taken from the function's own result.

#include "engine/core/number_text.h"
#include "functions/core/function_request.h"
#include "settings/core/ini.h"

#include <QDir>

#include <benchmark/benchmark.h>

using namespace zorv::functions;
using namespace Qt::StringLiterals;

namespace {

struct Shipped
{
    QString name;
    QString formula;
};

const std::vector<Shipped> &shippedFunctions()
{
    static const std::vector<Shipped> functions = [] {
        std::vector<Shipped> read;
        const QDir folder(QString::fromUtf8(ZORV_SOURCE_DATA) + u"/res/Fonc"_s);
        for (const QString &file : folder.entryList(QDir::Files, QDir::Name))
            read.push_back(
                {file, zorv::ReadIniValue(u"Calc"_s, u"Fnc"_s, folder.filePath(file), {})});
        return read;
    }();
    return functions;
}

FunctionInputs sampleInputs()
{
    return {u"12"_s, u"4,7"_s, u"2,2"_s, u"1,5"_s, u"3,3"_s, u"6,8"_s};
}

// Solves shipped function range(0) for input range(1), at the point of sampleInputs.
void BM_SolveShipped(benchmark::State &state)
{
    const Shipped &function = shippedFunctions().at(size_t(state.range(0)));
    const int unknown = int(state.range(1));
    FunctionInputs question = sampleInputs();
    const QString wanted = zorv::engine::numberText(
        evaluateFunction(function.name, function.formula, question).value);
    question[unknown - 1] = u"?"_s;
    state.SetLabel(function.name.toStdString());
    for (auto _ : state) {
        const FunctionAnswer answer
            = answerFunction(function.name, function.formula, question, wanted);
        if (!answer.ok() || answer.solutions.empty())
            state.SkipWithError("a shipped function was not solved");
        benchmark::DoNotOptimize(answer.solutions.data());
    }
}

// Every shipped function, each input that its formula uses.
void shippedArguments(benchmark::internal::Benchmark *benchmark)
{
    for (size_t i = 0; i < shippedFunctions().size(); ++i) {
        const Substitution substitution = substituteInputs(shippedFunctions()[i].formula,
                                                           sampleInputs());
        for (int k = 1; k <= 6; ++k) {
            if (substitution.used[k - 1])
                benchmark->Args({int64_t(i), k});
        }
    }
}

void BM_WorstCaseSixInputs(benchmark::State &state)
{
    const QString formula = u"(d1+d2)*d3/(d4+d5*d6)"_s;
    const FunctionInputs boxes{u"10 ±5%"_s,
                               u"4,7 ±5%"_s,
                               u"2,2 ±10%"_s,
                               u"1,5 ±1%"_s,
                               u"3,3 ±20%"_s,
                               u"6,8 ±2%"_s};
    for (auto _ : state) {
        const FunctionAnswer answer = answerFunction({}, formula, boxes, {});
        if (!answer.ok())
            state.SkipWithError("the worst case was refused");
        benchmark::DoNotOptimize(answer.range.maximum);
    }
}

} // namespace

BENCHMARK(BM_SolveShipped)->Apply(shippedArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorstCaseSixInputs)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
