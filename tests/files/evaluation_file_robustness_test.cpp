// Damaged files: every truncation and thousands of random byte changes of valid files either read
// or fail with EFileFormat, and no allocation while reading grows beyond a small multiple of the
// file's size. (Crashes and memory errors are caught by the sanitizer build.)
#include "file_bytes.h"
#include "sample_trees.h"

#include "files/evaluation_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <random>
#include <sstream>

namespace {
bool gWatchAllocations = false;
std::size_t gLargestAllocation = 0;
} // namespace

// Every allocation of the test program passes here; while a read is watched the largest is kept.
void* operator new(std::size_t size)
{
    if (gWatchAllocations && size > gLargestAllocation)
        gLargestAllocation = size;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

enum class Outcome { Read, Refused };

// Reads bytes, failing the test on anything but success or EFileFormat.
Outcome ReadDamaged(const std::string& bytes, const std::string& what)
{
    std::istringstream in(bytes, std::ios::binary);
    gLargestAllocation = 0;
    gWatchAllocations = true;
    Outcome outcome = Outcome::Read;
    try {
        ReadEvaluation(in);
    }
    catch (const EFileFormat&) {
        outcome = Outcome::Refused;
    }
    catch (const std::exception& error) {
        ADD_FAILURE() << what << ": " << typeid(error).name() << ": " << error.what();
    }
    gWatchAllocations = false;
    // The whole file is held once (growing by doubling); everything else is sized from checked counts.
    EXPECT_LE(gLargestAllocation, 2 * bytes.size() + 4096) << what;
    return outcome;
}

// The valid files the damage starts from: trees the program writes, and a hand-made file whose
// calibration block has no quadratic flag.
std::vector<std::string> ValidFiles()
{
    FileBytes noFlag;
    noFlag.EvaluationHead("y", 0, 0, 0, 1, 1).Double(1).InputHead("g").SizedInt32(1).SizedInt32(3);
    for (const double v : {1.0, 2.0, 3.0, 1.1, 2.0, 2.9})
        noFlag.Double(v);
    noFlag.SizedInt32(2).Double(2).Double(2.5).SizedInt32(1);
    return {WriteToBytes(*SampleTree("Маса", 2)), WriteToBytes(*SampleTree("x", 0)), noFlag.Bytes()};
}

} // namespace

TEST(EvaluationFileRobustness, EveryTruncationIsRefused)
{
    for (const std::string& file : ValidFiles()) {
        ASSERT_EQ(ReadDamaged(file, "whole file"), Outcome::Read);
        for (std::size_t length = 0; length < file.size(); ++length)
            EXPECT_EQ(ReadDamaged(file.substr(0, length), "truncated at " + std::to_string(length)), Outcome::Refused);
    }
}

TEST(EvaluationFileRobustness, RandomByteChangesReadOrAreRefused)
{
    std::mt19937 random(20240517);
    int refused = 0;
    int cases = 0;
    for (const std::string& file : ValidFiles()) {
        std::uniform_int_distribution<std::size_t> position(0, file.size() - 1);
        std::uniform_int_distribution<int> changes(1, 4);
        std::uniform_int_distribution<int> value(1, 255);
        for (int i = 0; i < 2000; ++i, ++cases) {
            std::string damaged = file;
            for (int n = changes(random); n > 0; --n)
                damaged[position(random)] ^= static_cast<char>(value(random));
            if (ReadDamaged(damaged, "case " + std::to_string(cases)) == Outcome::Refused)
                ++refused;
        }
    }
    // Most damage must be noticed; a file that reads anyway is fine (a changed number stays a number).
    EXPECT_GT(refused, cases / 2);
}
