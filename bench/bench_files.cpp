// Writing and reading evaluation trees to and from memory: the cost per byte stays the same from
// 1,000 to 10,000 inputs (reading is linear in the file's size).
#include "files/evaluation_file.h"
#include "model/constructors.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <sstream>

namespace {

// An evaluation with `inputs` inputs in all: up to eight of its own (Type A, Type B, calibration) and
// the rest spread over at most four nested evaluations, each of which counts as one input of its parent.
// Normal Type B inputs are left out: their constructor's integration would be measured, not the file.
std::unique_ptr<TOrmetaCalc> SyntheticTree(int inputs, const std::string& name)
{
    auto calc = CreateCalc("Синтетична модель\nдля вимірювань", name, "кг");
    calc->Description = "Оцінювання невизначеності «" + name + "»";
    calc->ModelFormula = name + "_a0*" + name + "_b0";
    int remaining = inputs;
    for (int i = 0; i < 3 && remaining > 0; ++i, --remaining)
        calc->TypeA.push_back(CreateTypeA("г", "Повторні спостереження", name + "_a" + std::to_string(i), 5,
                                          {1.01, 1.02, 0.99, 1.0, 1.03}, i == 1 ? 0.02 : 0, 4));
    const uint8_t codes[] = {DistUniform, DistTriangular, DistTrapezoidal};
    for (int i = 0; i < 3 && remaining > 0; ++i, --remaining)
        calc->TypeB.push_back(
            CreateTypeB("мм", "Паспорт приладу", name + "_b" + std::to_string(i), codes[i], {1, 0.1, 0.05}, true, 0));
    for (int i = 0; i < 2 && remaining > 0; ++i, --remaining)
        calc->TypeG.push_back(CreateTypeG("Калібрування", name + "_g" + std::to_string(i), "В",
                                          {{1, 2, 3, 4}, {1.1, 1.9, 3.05, 4.1}, {0.95, 2.1, 2.95, 3.9}}, {2.0, 2.1},
                                          i == 1, 0));
    const int children = std::min(4, remaining);
    for (int c = 0; c < children; ++c) {
        const int share = remaining / (children - c); // the child itself and everything below it
        remaining -= share;
        calc->Nested.push_back(SyntheticTree(share - 1, name + "_" + std::to_string(c)));
    }
    const std::size_t d = calc->TypeA.size() + calc->TypeB.size() + calc->Nested.size() + calc->TypeG.size();
    calc->Correlation.assign(d, TArrDouble(d, 0.0));
    return calc;
}

std::string Written(const TOrmetaCalc& calc)
{
    std::ostringstream out(std::ios::binary);
    WriteEvaluation(calc, out);
    return out.str();
}

void BM_WriteEvaluation(benchmark::State& state)
{
    const auto tree = SyntheticTree(static_cast<int>(state.range(0)), "y");
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = Written(*tree);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
    state.SetComplexityN(state.range(0));
}

void BM_ReadEvaluation(benchmark::State& state)
{
    const std::string file = Written(*SyntheticTree(static_cast<int>(state.range(0)), "y"));
    for (auto _ : state) {
        std::istringstream in(file, std::ios::binary);
        auto calc = ReadEvaluation(in);
        benchmark::DoNotOptimize(calc.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
    state.counters["file_bytes"] = static_cast<double>(file.size());
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_WriteEvaluation)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadEvaluation)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
