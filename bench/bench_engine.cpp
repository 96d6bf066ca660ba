// The quantile integrations of the engine against the plain loop, and a whole calculation that needs
// the slowest Student quantile (one degree of freedom).
#include "../tests/engine/reference_integration.h"
#include "engine/calculation.h"
#include "engine/coverage.h"
#include "engine/quantile_integration.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr double Level = 0.9545;

void StudentPlain(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::IntegrateStudent(state.range(0), Level));
}

void StudentEngine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(IntegrateStudent(state.range(0), Level));
}

// The level in parts per 10000.
void NormalPlain(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(reference::IntegrateNormal(1e-6, state.range(0) / 1e4));
}

void NormalEngine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CoverageQuantile(DofLimit, state.range(0) / 1e4));
}

// y = a0 + ... + a19: a0 from two observations dominates, so nu = 1.
TOrmetaCalc TwentyInputs()
{
    TOrmetaCalc calc;
    calc.CoverageMethod = MethodStudent;
    calc.ConfidenceLevel = Level;
    for (int i = 0; i < 20; ++i) {
        auto a = std::make_unique<TOrmetaTypeA>();
        a->Name = std::string("a").append(std::to_string(i));
        a->Value = i;
        a->StdUncertainty = i == 0 ? 1 : 0.01;
        a->Count = i == 0 ? 2 : 1000;
        calc.TypeA.push_back(std::move(a));
        calc.ModelFormula.append(i == 0 ? "" : "+").append(calc.TypeA.back()->Name);
    }
    calc.Correlation.assign(20, TArrDouble(20, 0));
    return calc;
}

void WholeCalculation(benchmark::State& state)
{
    TOrmetaCalc calc = TwentyInputs();
    for (auto _ : state) {
        CalcEvaluation(calc);
        if (calc.EffectiveDof != 1)
            state.SkipWithError("the model does not give one degree of freedom");
    }
}

BENCHMARK(StudentPlain)->Arg(1)->Arg(10)->Arg(100)->Arg(341)->Unit(benchmark::kMillisecond);
BENCHMARK(StudentEngine)->Arg(1)->Arg(10)->Arg(100)->Arg(341)->Unit(benchmark::kMillisecond);
BENCHMARK(NormalPlain)->Arg(9545)->Arg(9900)->Unit(benchmark::kMillisecond);
BENCHMARK(NormalEngine)->Arg(9545)->Arg(9900)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeCalculation)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
