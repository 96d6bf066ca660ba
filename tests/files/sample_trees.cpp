#include "sample_trees.h"

#include "files/evaluation_file.h"
#include "model/constructors.h"
#include "text/language.h"

#include <gtest/gtest.h>

#include <sstream>

std::unique_ptr<TOrmetaCalc> SampleTree(const std::string& name, int depth)
{
    auto calc = CreateCalc("Модель «" + name + "»\nдругий рядок\nтретій", name, "кг");
    calc->Description = "Ґґ Єє Іі Її Ёё № – — « » ° ±\nрядок 2";
    calc->ModelFormula = name + "_a+" + name + "_u";
    calc->CoverageMethod = MethodStudent;
    calc->ConfidenceLevel = 0.99;
    calc->TypeA.push_back(CreateTypeA("г", "Спостереження", name + "_a", 3, {1, 2, 3}, 0, 0));
    calc->TypeA.push_back(CreateTypeA("г", "Нормоване", name + "_n", 2, {4, 5.5}, -1, 0));
    calc->TypeA.push_back(CreateTypeA("г", "Попереднє СКВ", name + "_p", 1, {7}, 0.3, 9));
    calc->TypeB.push_back(CreateTypeB("мм", "Нормальний", name + "_N", DistNormal, {0.1, 1, 3}, false, 0));
    calc->TypeB.push_back(CreateTypeB("мм", "Трикутний", name + "_T", DistTriangular, {0, 0.6, 0}, true, 5));
    calc->TypeB.push_back(CreateTypeB("мм", "U-подібний", name + "_u", DistUShaped, {0.3, 0, 0}, false, 0));
    calc->TypeB.push_back(CreateTypeB("мм", "Трапеція", name + "_z", DistTrapezoidal, {5, 0.3, 0.1}, false, 0));
    calc->TypeB.push_back(CreateTypeB("мм", "Рівномірний", name + "_r", DistUniform, {9.9, 10.1, 0}, false, 0));
    if (depth > 0)
        calc->Nested.push_back(SampleTree(name + "1", depth - 1));
    calc->TypeG.push_back(
        CreateTypeG("Пряма", name + "_g", "В", {{1, 2, 3}, {1.1, 1.9, 3.05}, {0.95, 2.1, 2.95}}, {2.0, 2.1}, false, 0));
    calc->TypeG.push_back(CreateTypeG("Парабола", name + "_q", "В",
                                      {{1, 2, 3, 4}, {1.1, 4.2, 8.9, 16.1}, {0.9, 3.9, 9.1, 15.8}}, {5}, true, 0));
    const std::size_t d = calc->TypeA.size() + calc->TypeB.size() + calc->Nested.size() + calc->TypeG.size();
    calc->Correlation.assign(d, TArrDouble(d, 0.0));
    for (std::size_t i = 0; i < d; ++i)
        calc->Correlation[i][i] = 1;
    calc->Correlation[0][1] = 0.25;
    calc->Correlation[1][0] = -0.5;
    return calc;
}

std::string WriteToBytes(const TOrmetaCalc& calc)
{
    std::ostringstream out(std::ios::binary);
    WriteEvaluation(calc, out);
    return out.str();
}

std::unique_ptr<TOrmetaCalc> ReadFromBytes(const std::string& bytes)
{
    std::istringstream in(bytes, std::ios::binary);
    return ReadEvaluation(in);
}

namespace {
void ExpectSameInput(const TOrmetaInput& expected, const TOrmetaInput& actual)
{
    EXPECT_EQ(expected.Description, actual.Description);
    EXPECT_EQ(expected.Name, actual.Name);
    EXPECT_EQ(expected.Unit, actual.Unit);
    EXPECT_EQ(expected.Value, actual.Value) << expected.Name;
    EXPECT_EQ(expected.StdUncertainty, actual.StdUncertainty) << expected.Name;
    EXPECT_EQ(expected.Dof, actual.Dof) << expected.Name;
}
} // namespace

void ExpectSameTree(const TOrmetaCalc& expected, const TOrmetaCalc& actual)
{
    EXPECT_EQ(expected.Description, actual.Description);
    EXPECT_EQ(expected.ModelDescription, actual.ModelDescription);
    EXPECT_EQ(expected.OutputUnit, actual.OutputUnit);
    EXPECT_EQ(expected.OutputName, actual.OutputName);
    EXPECT_EQ(expected.ModelFormula, actual.ModelFormula);
    EXPECT_EQ(expected.CoverageMethod, actual.CoverageMethod);
    EXPECT_EQ(expected.ConfidenceLevel, actual.ConfidenceLevel);
    EXPECT_EQ(expected.Correlation, actual.Correlation);
    ASSERT_EQ(expected.TypeA.size(), actual.TypeA.size());
    ASSERT_EQ(expected.TypeB.size(), actual.TypeB.size());
    ASSERT_EQ(expected.Nested.size(), actual.Nested.size());
    ASSERT_EQ(expected.TypeG.size(), actual.TypeG.size());
    for (std::size_t i = 0; i < expected.TypeA.size(); ++i) {
        const auto& [e, a] = std::tie(*expected.TypeA[i], *actual.TypeA[i]);
        ExpectSameInput(e, a);
        EXPECT_EQ(e.Observations, a.Observations);
        EXPECT_EQ(e.HasPriorSD, a.HasPriorSD);
        EXPECT_EQ(e.PriorSD, a.PriorSD);
        EXPECT_EQ(e.Normalized, a.Normalized);
    }
    for (std::size_t i = 0; i < expected.TypeB.size(); ++i) {
        const auto& [e, a] = std::tie(*expected.TypeB[i], *actual.TypeB[i]);
        ExpectSameInput(e, a);
        EXPECT_EQ(e.Distribution, a.Distribution);
        EXPECT_EQ(e.ParamA, a.ParamA);
        EXPECT_EQ(e.ParamB, a.ParamB);
        EXPECT_EQ(e.ParamP, a.ParamP);
        EXPECT_EQ(e.HalfWidthForm, a.HalfWidthForm);
    }
    for (std::size_t i = 0; i < expected.Nested.size(); ++i)
        ExpectSameTree(*expected.Nested[i], *actual.Nested[i]);
    for (std::size_t i = 0; i < expected.TypeG.size(); ++i) {
        const auto& [e, a] = std::tie(*expected.TypeG[i], *actual.TypeG[i]);
        ExpectSameInput(e, a);
        EXPECT_EQ(e.CalibrationData, a.CalibrationData);
        EXPECT_EQ(e.Measurements, a.Measurements);
        EXPECT_EQ(e.IsQuadratic, a.IsQuadratic);
        EXPECT_EQ(e.Slope, a.Slope);
        EXPECT_EQ(e.Curvature, a.Curvature);
    }
}

LanguageScope::LanguageScope(bool ukrainian) : Saved(IsUkrainian)
{
    IsUkrainian = ukrainian;
}

LanguageScope::~LanguageScope()
{
    IsUkrainian = Saved;
}
