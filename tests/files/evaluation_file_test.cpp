#include "file_bytes.h"
#include "sample_trees.h"

#include "files/evaluation_file.h"
#include "files/line_breaks.h"
#include "model/constructors.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string TypeABytes(const TOrmetaTypeA& input)
{
    std::ostringstream out(std::ios::binary);
    WriteTypeA(input, out);
    return out.str();
}

std::string TypeBBytes(const TOrmetaTypeB& input)
{
    std::ostringstream out(std::ios::binary);
    WriteTypeB(input, out);
    return out.str();
}

// Where a length-prefixed ASCII text first occurs in the file.
std::size_t TextPosition(const std::string& file, const std::string& text)
{
    return file.find(FileBytes().Text(text).Bytes());
}

} // namespace

TEST(EvaluationFile, EmptyEvaluationIsExactly57Bytes)
{
    const auto empty = CreateCalc("", "", "");
    const std::string bytes = WriteToBytes(*empty);
    EXPECT_EQ(bytes, FileBytes().EvaluationHead("", 0, 0, 0, 0, 0).Bytes());
    ASSERT_EQ(bytes.size(), 57u);

    const auto read = ReadFromBytes(bytes);
    EXPECT_TRUE(read->TypeA.empty() && read->TypeB.empty() && read->Nested.empty() && read->TypeG.empty());
    EXPECT_TRUE(read->Correlation.empty());
    EXPECT_EQ(read->ConfidenceLevel, 0.95);
}

TEST(EvaluationFile, ThreeLevelTreeRoundTripsWithCalibrationAfterNested)
{
    const auto tree = SampleTree("M", 2);
    const std::string bytes = WriteToBytes(*tree);
    const auto read = ReadFromBytes(bytes);
    ExpectSameTree(*tree, *read);
    EXPECT_EQ(WriteToBytes(*read), bytes);

    // Depth first: each evaluation's calibration inputs follow its own nested evaluations.
    const std::size_t order[] = {TextPosition(bytes, "M1"), TextPosition(bytes, "M11"), TextPosition(bytes, "M11_g"),
                                 TextPosition(bytes, "M1_g"), TextPosition(bytes, "M_g")};
    for (std::size_t i = 0; i < std::size(order); ++i)
        ASSERT_NE(order[i], std::string::npos) << i;
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_LT(order[i - 1], order[i]) << i;
}

TEST(EvaluationFile, TypeAStandardDeviationFieldCarriesTheMode)
{
    // What the writer stores for each mode.
    struct WriteCase {
        double Argument;
        double Stored;
    };
    for (const auto& c : {WriteCase{-1, -1}, WriteCase{0.3, 0.3}, WriteCase{0, 0}, WriteCase{1e-20, 0}}) {
        const auto input = CreateTypeA("г", "", "x", 2, {1, 2}, c.Argument, 0);
        const auto expected = FileBytes()
                                  .Text("")
                                  .Text("\xE3")
                                  .Text("x")
                                  .SizedInt32(2)
                                  .Double(1)
                                  .Double(2)
                                  .SizedDouble(c.Stored)
                                  .SizedInt32(0);
        EXPECT_EQ(TypeABytes(*input), expected.Bytes()) << c.Argument;
    }

    // How the reader interprets the field.
    struct ReadCase {
        double Field;
        bool HasPriorSD;
        bool Normalized;
        double Value;
    };
    const ReadCase cases[] = {
        {-1, false, true, 0},      {1e-20, false, false, 1.5}, {0, false, false, 1.5},
        {-0.5, false, false, 1.5}, {2e-20, true, false, 1.5},
    };
    for (const auto& c : cases) {
        FileBytes file;
        file.EvaluationHead("y", 1, 0, 0, 0, 0).InputHead("x").SizedInt32(2).Double(1).Double(2);
        file.SizedDouble(c.Field).SizedInt32(0);
        const auto read = ReadFromBytes(file.Bytes());
        const TOrmetaTypeA& a = *read->TypeA.at(0);
        EXPECT_EQ(a.HasPriorSD, c.HasPriorSD) << c.Field;
        EXPECT_EQ(a.Normalized, c.Normalized) << c.Field;
        EXPECT_EQ(a.PriorSD, c.HasPriorSD ? c.Field : 0) << c.Field;
        EXPECT_EQ(a.Value, c.Value) << c.Field;
    }
}

TEST(EvaluationFile, CalibrationQuadraticFlagIsOptionalAndDofIsRebuilt)
{
    struct Case {
        const char* Name;
        bool WithFlag;
        uint8_t Flag;
        bool IsQuadratic;
    };
    const Case cases[] = {{"size 4 after measurements", false, 0, false},
                          {"flag false", true, 0, false},
                          {"flag true", true, 1, true},
                          {"any non-zero flag", true, 7, true}};
    for (const auto& c : cases) {
        FileBytes file;
        file.EvaluationHead("y", 0, 0, 0, 1, 0).InputHead("g").SizedInt32(2).SizedInt32(4);
        for (const double v : {1.0, 2.0, 3.0, 4.0, 1.1, 4.2, 8.9, 16.1, 0.9, 3.9, 9.1, 15.8})
            file.Double(v);
        file.SizedInt32(3).Double(5).Double(5.5).Double(6);
        if (c.WithFlag)
            file.SizedByte(c.Flag);
        file.SizedInt32(99); // not n - 1: ignored
        const auto read = ReadFromBytes(file.Bytes());
        const TOrmetaTypeG& g = *read->TypeG.at(0);
        EXPECT_EQ(g.IsQuadratic, c.IsQuadratic) << c.Name;
        EXPECT_EQ(g.Dof, 2) << c.Name;
        EXPECT_EQ(g.Repeats, 2) << c.Name;
        EXPECT_EQ(g.Standards, 4) << c.Name;
        EXPECT_EQ(g.Value, 5.5) << c.Name;
    }
}

TEST(EvaluationFile, UnusedTypeBParametersAreWrittenAsZeroAndIgnoredOnReading)
{
    const auto triangular = CreateTypeB("", "", "t", DistTriangular, {9.9, 10.1, 0.7}, false, 0);
    EXPECT_EQ(TypeBBytes(*triangular), FileBytes()
                                           .InputHead("t")
                                           .SizedByte(DistTriangular)
                                           .Double(0)
                                           .Double(9.9)
                                           .Double(10.1)
                                           .SizedInt32(0)
                                           .SizedByte(0)
                                           .Bytes());

    struct Case {
        uint8_t Code;
        double ParamP, ParamA, ParamB; // in the file
        double ReadP, ReadA, ReadB;    // in the record
    };
    const Case cases[] = {
        {DistTriangular, 0.7, 9.9, 10.1, 0, 9.9, 10.1},
        {DistUniform, 0.7, 9.9, 10.1, 0, 9.9, 10.1},
        {DistUShaped, 0.3, 5, 6, 0.3, 0, 0},
        {DistNone, 0.3, 5, 6, 0, 0, 0},
        {DistTrapezoidal, 5, 0.3, 0.1, 5, 0.3, 0.1},
    };
    for (const auto& c : cases) {
        FileBytes file;
        file.EvaluationHead("y", 0, 1, 0, 0, 0).InputHead("b").SizedByte(c.Code);
        file.Double(c.ParamP).Double(c.ParamA).Double(c.ParamB).SizedInt32(0).SizedByte(0);
        const auto read = ReadFromBytes(file.Bytes());
        const TOrmetaTypeB& b = *read->TypeB.at(0);
        EXPECT_EQ(b.ParamP, c.ReadP) << int(c.Code);
        EXPECT_EQ(b.ParamA, c.ReadA) << int(c.Code);
        EXPECT_EQ(b.ParamB, c.ReadB) << int(c.Code);
    }
}

TEST(EvaluationFile, DuplicateNamesAndAMatrixOfAnotherSizeLoadAsTheyStand)
{
    FileBytes file;
    file.EvaluationHead("y", 2, 0, 0, 0, 1).Double(0.5);
    for (int i = 0; i < 2; ++i)
        file.InputHead("x").SizedInt32(1).Double(i + 1).SizedDouble(0.1).SizedInt32(0);
    const auto read = ReadFromBytes(file.Bytes());
    ASSERT_EQ(read->TypeA.size(), 2u);
    EXPECT_EQ(read->TypeA[0]->Name, "x");
    EXPECT_EQ(read->TypeA[1]->Name, "x");
    EXPECT_EQ(read->TypeA[1]->Value, 2);
    EXPECT_EQ(read->Correlation, TMatDouble({{0.5}}));
}

TEST(EvaluationFile, LineBreaksAreCrLfInTheFileOnly)
{
    struct Case {
        const char* Memory;
        const char* File;
    };
    for (const auto& c : {Case{"a\nb", "a\r\nb"}, Case{"\n\n", "\r\n\r\n"}, Case{"a\rb", "a\rb"}, Case{"", ""}})
        EXPECT_EQ(ToFileLineBreaks(c.Memory), c.File) << c.Memory;
    EXPECT_EQ(ToFileLineBreaks("a\r\nb"), "a\r\nb"); // already a pair: not doubled
    for (const auto& c : {Case{"a\nb", "a\r\nb"}, Case{"a\n\rb", "a\n\rb"}, Case{"a\rb\n", "a\rb\n"}})
        EXPECT_EQ(FromFileLineBreaks(c.File), c.Memory) << c.File;
}

// A file laid out by hand from the format tables: Cyrillic texts with CR LF, one input of each kind,
// a nested evaluation, a calibration block with its flag.
TEST(EvaluationFile, HandWrittenFileReadsAndWritesBackByteIdentical)
{
    FileBytes file;
    file.Text("\xCE\xEF\xE8\xF1\r\n\xF0\xFF\xE4\xEE\xEA 2") // "Опис", CR LF, "рядок 2"
        .Text("\xCC\xE0\xF1\xE0")                           // "Маса"
        .Text("\xEA\xE3")                                   // "кг"
        .Text("m")
        .Text("a+b+c+g")
        .SizedByte(MethodStudent)
        .SizedDouble(0.99)
        .Int32(1)
        .Int32(1)
        .Int32(1)
        .Int32(1)
        .Int32(4);
    for (int i = 0; i < 16; ++i)
        file.Double(i % 5 == 0 ? 1.0 : 0.125);
    file.Text("\xCF\xEE\xE2\xF2\xEE\xF0\xE8")
        .Text("\xE3")
        .Text("a")
        .SizedInt32(3)
        .Double(1)
        .Double(2)
        .Double(3)
        .SizedDouble(0)
        .SizedInt32(0);
    file.InputHead("b").SizedByte(DistUniform).Double(0).Double(9.9).Double(10.1).SizedInt32(4).SizedByte(0);
    file.EvaluationHead("c", 0, 1, 0, 0, 1).Double(1);
    file.InputHead("n").SizedByte(DistNormal).Double(0.5).Double(1).Double(3).SizedInt32(0).SizedByte(1);
    file.InputHead("g").SizedInt32(1).SizedInt32(3);
    for (const double v : {1.0, 2.0, 3.0, 1.0, 2.0, 3.0})
        file.Double(v);
    file.SizedInt32(2).Double(2).Double(2.5).SizedByte(0).SizedInt32(1);

    const auto read = ReadFromBytes(file.Bytes());
    EXPECT_EQ(read->Description, "Опис\nрядок 2");
    EXPECT_EQ(read->ModelDescription, "Маса");
    EXPECT_EQ(read->TypeA.at(0)->Description, "Повтори");
    EXPECT_EQ(read->TypeA.at(0)->Value, 2);
    EXPECT_EQ(read->TypeB.at(0)->Value, 10);
    EXPECT_EQ(read->TypeB.at(0)->Dof, 4);
    EXPECT_TRUE(read->Nested.at(0)->TypeB.at(0)->HalfWidthForm);
    EXPECT_EQ(read->TypeG.at(0)->Slope, 1);
    EXPECT_EQ(read->TypeG.at(0)->Value, 2.25);
    EXPECT_EQ(WriteToBytes(*read), file.Bytes());
}

TEST(EvaluationFile, ReadingIntoATargetReplacesItsStoredFieldsOnly)
{
    auto target = CreateCalc("старий", "old", "");
    target->TypeA.push_back(CreateTypeA("", "", "gone", 1, {1}, 0.5, 0));
    target->CoverageFactor = 2.5;
    const auto tree = SampleTree("T", 0);
    std::istringstream in(WriteToBytes(*tree), std::ios::binary);
    ReadEvaluation(in, *target);
    ExpectSameTree(*tree, *target);
    EXPECT_EQ(target->CoverageFactor, 2.5);
}
