#include "model/input_order.h"
#include "tree_fixture.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> Names(const TOrmetaCalc& calc)
{
    std::vector<std::string> names;
    for (const auto& view : InputsInOrder(calc))
        names.push_back(view.Name());
    return names;
}
} // namespace

TEST(Records, FreshEvaluationHasItsDefaults)
{
    const auto calc = CreateCalc("d", "y", "V");
    EXPECT_EQ(calc->ConfidenceLevel, 0.95);
    EXPECT_EQ(calc->CoverageMethod, MethodAutomatic);
    EXPECT_EQ(CountInputs(*calc), 0);
    EXPECT_TRUE(calc->Correlation.empty());
    EXPECT_EQ(calc->OutputName, "y");
    EXPECT_EQ(calc->ModelDescription, "d");
}

TEST(Records, AddRefusesANameUsedByAnyKindOfInput)
{
    auto calc = CreateCalc("", "y", "");
    auto nested = CreateCalc("", "x", "");
    ASSERT_NE(AddNested(*calc, *nested), nullptr);
    ASSERT_NE(AddTypeA(*calc, *MakeTypeA("X1")), nullptr);

    EXPECT_EQ(AddTypeB(*calc, *MakeUniform("x")), nullptr) << "clashes with the nested evaluation";
    EXPECT_EQ(AddTypeG(*calc, *MakeCalibration("X1")), nullptr);
    EXPECT_EQ(AddNested(*calc, *CreateCalc("", "X1", "")), nullptr);
    EXPECT_EQ(Names(*calc), (std::vector<std::string>{"X1", "x"}));

    EXPECT_NE(AddTypeB(*calc, *MakeUniform("x1")), nullptr) << "names are case-sensitive";
    EXPECT_EQ(Names(*calc), (std::vector<std::string>{"X1", "x1", "x"}));
}

TEST(Records, AddStoresACopyTheCallerKeeps)
{
    auto calc = CreateCalc("", "y", "");
    auto a = MakeTypeA("a");
    TOrmetaTypeA* stored = AddTypeA(*calc, *a);
    a->Name = "changed";
    EXPECT_EQ(stored->Name, "a");
}

TEST(Records, DeleteKeepsTheOrderOfTheOthers)
{
    auto calc = CreateCalc("", "y", "");
    for (const char* name : {"a", "b", "c"})
        AddTypeA(*calc, *MakeTypeA(name));
    AddNested(*calc, *CreateCalc("", "n", ""));

    DeleteInput(*calc, "b");
    EXPECT_EQ(Names(*calc), (std::vector<std::string>{"a", "c", "n"}));
    DeleteInput(*calc, "nobody");
    EXPECT_EQ(Names(*calc), (std::vector<std::string>{"a", "c", "n"}));
    DeleteInput(*calc, "n");
    EXPECT_EQ(Names(*calc), (std::vector<std::string>{"a", "c"}));
}

TEST(Records, InputOrderIsTypeATypeBNestedCalibration)
{
    auto calc = CreateCalc("", "y", "");
    AddTypeG(*calc, *MakeCalibration("g"));
    AddNested(*calc, *CreateCalc("", "n", "W"));
    AddTypeB(*calc, *MakeUniform("b"));
    AddTypeA(*calc, *MakeTypeA("a"));
    EXPECT_EQ(Names(*calc), (std::vector<std::string>{"a", "b", "n", "g"}));
    EXPECT_EQ(InputAt(*calc, 2).Unit(), "W");

    SetInputSensitivity(*calc, 2, 4.5);
    SetInputSensitivity(*calc, 3, -1.5);
    EXPECT_EQ(calc->Nested[0]->Sensitivity, 4.5);
    EXPECT_EQ(calc->TypeG[0]->Sensitivity, -1.5);
}

TEST(Records, CollectEvaluationsPutsChildrenBeforeTheirParent)
{
    auto main = CreateCalc("", "M", "");
    auto p = CreateCalc("", "P", "");
    AddNested(*p, *CreateCalc("", "Q", ""));
    AddNested(*p, *CreateCalc("", "R", ""));
    AddNested(*main, *p);
    AddNested(*main, *CreateCalc("", "S", ""));

    std::vector<TOrmetaCalc*> list{main.get()};
    for (int32_t i = 0; i < CountNested(*main); ++i)
        CollectEvaluations(NestedAt(*main, i), list);
    std::vector<std::string> names;
    for (const TOrmetaCalc* calc : list)
        names.push_back(calc->OutputName);
    EXPECT_EQ(names, (std::vector<std::string>{"M", "Q", "R", "P", "S"}));

    std::vector<TOrmetaCalc*> single;
    CollectEvaluations(NestedAt(*main, 1), single);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0]->OutputName, "S");
}

TEST(Records, CloneOfADeepTreeSharesNothing)
{
    const auto source = MakeEvaluation("m", 3);
    auto copy = CloneCalc(*source);

    TOrmetaCalc* deepest = NestedAt(*NestedAt(*copy, 0), 0);
    ASSERT_NE(AddTypeA(*deepest, *MakeTypeA("extra")), nullptr);
    deepest->TypeG[0]->CalibrationData[0][0] = 99;
    deepest->TypeA[0]->Observations[0] = 99;
    copy->Correlation[0][1] = 0.5;
    DeleteInput(*NestedAt(*copy, 0), "mn_b");

    const TOrmetaCalc& sourceDeepest = GetNested(GetNested(*source, 0), 0);
    EXPECT_EQ(CountInputs(sourceDeepest), 3);
    EXPECT_EQ(sourceDeepest.TypeG[0]->CalibrationData[0][0], 1);
    EXPECT_EQ(sourceDeepest.TypeA[0]->Observations[0], 1);
    EXPECT_EQ(source->Correlation[0][1], 0);
    EXPECT_EQ(CountTypeB(GetNested(*source, 0)), 1);
}

TEST(Records, GetReturnsACopyForReading)
{
    auto calc = CreateCalc("", "y", "");
    AddTypeA(*calc, *MakeTypeA("a"));
    TOrmetaTypeA copy = GetTypeA(*calc, 0);
    copy.Observations.push_back(7);
    EXPECT_EQ(calc->TypeA[0]->Observations.size(), 3u);
}
