// The block-wise integrations against the loop that steps one point at a time, and the quantiles
// against Boost.Math.
#include "engine/calculation.h"
#include "engine/coverage.h"
#include "engine/quantile_integration.h"
#include "reference_integration.h"
#include "formula/float_errors.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace {

void ExpectSameBits(const IntegrationEnd& fast, const IntegrationEnd& reference)
{
    EXPECT_EQ(std::bit_cast<uint64_t>(fast.X), std::bit_cast<uint64_t>(reference.X))
        << fast.X << " vs " << reference.X;
    EXPECT_EQ(std::bit_cast<uint64_t>(fast.Sum), std::bit_cast<uint64_t>(reference.Sum))
        << fast.Sum << " vs " << reference.Sum;
}

const double Levels[] = {0.9, 0.95, 0.9545, 0.99};

struct StudentCase {
    int64_t Nu;
    double P;
};

class StudentQuantile : public testing::TestWithParam<StudentCase> {};

TEST_P(StudentQuantile, MatchesThePlainLoopBitForBitAndBoost)
{
    const auto [nu, p] = GetParam();
    const double k = CoverageQuantile(nu, p);
    if (nu < DofLimit) {
        ExpectSameBits(IntegrateStudent(nu, p), reference::IntegrateStudent(nu, p));
        const boost::math::students_t t(static_cast<double>(nu));
        EXPECT_NEAR(k, boost::math::quantile(t, (1 + p) / 2), 1e-5);
    } else {
        ExpectSameBits(IntegrateNormal(1e-6, p), reference::IntegrateNormal(1e-6, p));
        EXPECT_NEAR(k, boost::math::quantile(boost::math::normal(), (1 + p) / 2), 1e-5);
    }
}

std::vector<StudentCase> StudentCases()
{
    std::vector<StudentCase> cases;
    for (int64_t nu : {1, 2, 3, 5, 10, 30, 100, 341, 342})
        for (double p : Levels)
            cases.push_back({nu, p});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Grid, StudentQuantile, testing::ValuesIn(StudentCases()), [](const auto& info) {
    return "nu" + std::to_string(info.param.Nu) + "_p" + std::to_string(static_cast<int>(info.param.P * 10000));
});

TEST(NormalCoverageFactor, MatchesThePlainLoopBitForBit)
{
    for (double p : Levels) {
        SCOPED_TRACE(p);
        ExpectSameBits(IntegrateNormal(1e-4, p), reference::IntegrateNormal(1e-4, p));
    }
}

TEST(NormalCoverageFactor, GivesTheStepAboveTheQuantile)
{
    EXPECT_NEAR(NormalCoverageFactor(0.9545), 2.0001, 1e-9);
    EXPECT_NEAR(NormalCoverageFactor(0.95), 1.96, 1e-9);
}

TEST(CoverageQuantile, PrintedValues)
{
    const struct {
        int64_t Nu;
        double P;
        double K;
    } cases[] = {{10, 0.95, 2.228139}, {10, 0.9545, 2.283682}, {2, 0.95, 4.302653},
                 {30, 0.95, 2.042273}, {342, 0.95, 1.959964}, {100000, 0.95, 1.959964}};
    for (const auto& c : cases)
        EXPECT_NEAR(CoverageQuantile(c.Nu, c.P), c.K, 1.5e-6) << c.Nu << " " << c.P;
}

// Sums of many small terms stop growing short of 1: a level the sum cannot pass is refused instead
// of integrating for ever, and every level it can pass still gives the plain loop's result.
TEST(Integrations, EndForEveryLevel)
{
    const double justBelowOne = std::nextafter(1.0, 0.0);
    ExpectSameBits(IntegrateNormal(1e-6, justBelowOne), reference::IntegrateNormal(1e-6, justBelowOne));
    // With the coarse step the sum stalls at 0.99999999999994593.
    ExpectSameBits(IntegrateNormal(1e-4, 0.99999999999994), reference::IntegrateNormal(1e-4, 0.99999999999994));
    EXPECT_THROW(NormalCoverageFactor(justBelowOne), ECalculation);
    ExpectSameBits(IntegrateStudent(341, MaxStudentLevel), reference::IntegrateStudent(341, MaxStudentLevel));
}

TEST(Integrations, RefuseLevelsTheyCannotUse)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        int64_t Nu;
        double P;
    } cases[] = {{10, std::nextafter(MaxStudentLevel, 1.0)}, {1, 0.99995}, {10, 1}, {10, 0}, {10, -0.5},
                 {10, nan}, {342, 1}, {342, 0}, {342, nan}, {0, 0.95}, {-3, 0.95}};
    for (const auto& c : cases)
        EXPECT_THROW(CoverageQuantile(c.Nu, c.P), ECalculation) << c.Nu << " " << c.P;
    for (double p : {1.0, 0.0, 1.5, nan})
        EXPECT_THROW(NormalCoverageFactor(p), ECalculation) << p;
}

TEST(GammaHalf, WholeAndHalfWholeArgumentsOnly)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double X;
        double Gamma;
    } cases[] = {{5, 24},
                 {1, 1},
                 {0.5, std::sqrt(std::numbers::pi)},
                 {2.5, 0.75 * std::sqrt(std::numbers::pi)},
                 {1.3, -1},
                 {0, -1},
                 {-0.5, -1},
                 {-2, -1},
                 {nan, -1},
                 {inf, -1}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(GammaHalf(c.X), c.Gamma) << c.X;
    EXPECT_NEAR(GammaHalf(171) / std::tgamma(171), 1, 1e-13);
}

TEST(GammaHalf, RefusesResultsBeyondTheDoubleRange)
{
    EXPECT_THROW(GammaHalf(172), EOverflow);
    EXPECT_THROW(GammaHalf(1e300), EOverflow);
}

} // namespace
