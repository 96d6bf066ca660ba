// The files in examples/ are what the program writes for the trees in example_trees.cpp, and each
// calculates. With ORMETA_WRITE_EXAMPLES=1 in the environment the test writes them anew.
#include "example_trees.h"

#include "engine/calculation.h"
#include "files/evaluation_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {
const std::string ExamplesFolder = std::string(ORMETA_SOURCE_DIR) + "/examples/";

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST(Examples, FilesAreWhatTheProgramWrites)
{
    const bool rewrite = std::getenv("ORMETA_WRITE_EXAMPLES") != nullptr;
    for (const auto& example : ExampleEvaluations()) {
        const std::string path = ExamplesFolder + example.FileName;
        if (rewrite)
            SaveEvaluationToFile(*example.Evaluation, path);
        std::ostringstream written;
        WriteEvaluation(*example.Evaluation, written);
        EXPECT_EQ(FileBytes(path), written.str()) << example.FileName;
    }
}

TEST(Examples, EveryExampleCalculates)
{
    for (const auto& example : ExampleEvaluations()) {
        auto calc = LoadEvaluationFromFile(ExamplesFolder + example.FileName);
        calc->ConfidenceLevel = 0.9545;
        ASSERT_NO_THROW(CalcEvaluation(*calc)) << example.FileName;
        EXPECT_GT(calc->CombinedUncertainty, 0) << example.FileName;
        EXPECT_GT(calc->CoverageFactor, 1.5) << example.FileName;
    }
}
