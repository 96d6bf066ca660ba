#include "file_bytes.h"
#include "sample_trees.h"

#include "files/evaluation_file.h"
#include "model/constructors.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>

namespace {

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Offsets inside an evaluation head whose texts are empty except for a one-letter name.
constexpr uint64_t kMethodSize = 21;
constexpr uint64_t kLevelValue = 30;
constexpr uint64_t kCountNA = 38;
constexpr uint64_t kHeadEnd = 58; // first byte after d

FileBytes Head(int32_t nA, int32_t nB, int32_t nN, int32_t nG, int32_t d)
{
    FileBytes file;
    file.EvaluationHead("y", nA, nB, nN, nG, d);
    return file;
}

// One calibration block up to its measurements: references 1, 2, 3 with one repeat.
FileBytes CalibrationUpToMeasurements()
{
    FileBytes file = Head(0, 0, 0, 1, 0);
    file.InputHead("g").SizedInt32(1).SizedInt32(3).Double(1).Double(2).Double(3).Double(1).Double(2).Double(3);
    return file.SizedInt32(1).Double(2);
}

// A chain of evaluations, each the only nested evaluation of the one before.
std::string NestedChain(int levels)
{
    FileBytes file;
    for (int i = 0; i < levels; ++i)
        file.EvaluationHead("y", 0, 0, i + 1 < levels ? 1 : 0, 0, 0);
    return file.Bytes();
}

struct BrokenFile {
    const char* Name;
    std::function<std::string()> Bytes;
    uint64_t Offset;
    const char* Ukrainian; // part of the message in each language
    const char* Russian;
};

const BrokenFile kBrokenFiles[] = {
    {"empty file", [] { return std::string(); }, 0, "Файл закінчився передчасно", "Файл закончился преждевременно"},
    {"file ends inside a count", [] { return Head(0, 0, 0, 0, 0).Bytes().substr(0, 40); }, kCountNA,
     "Файл закінчився передчасно", "Файл закончился преждевременно"},
    {"negative text length", [] { return FileBytes().Int32(-1).Bytes(); }, 0, "Від'ємна довжина тексту: -1",
     "Отрицательная длина текста: -1"},
    {"text longer than the file", [] { return FileBytes().Int32(1000).Raw("ab").Bytes(); }, 0,
     "Довжина тексту 1000 більша за решту файлу (2 байт)", "Длина текста 1000 больше остатка файла (2 байт)"},
    {"coverage method with size 4",
     [] { return FileBytes().Text("").Text("").Text("").Text("y").Text("").SizedInt32(0).Bytes(); }, kMethodSize,
     "Розмір поля 4 замість 1", "Размер поля 4 вместо 1"},
    {"confidence level NaN",
     [] { return FileBytes().Text("").Text("").Text("").Text("y").Text("").SizedByte(0).SizedDouble(kNaN).Bytes(); },
     kLevelValue, "не скінченне", "не конечно"},
    {"negative Type A count", [] { return Head(-1, 0, 0, 0, 0).Bytes(); }, kCountNA, "Від'ємна кількість: -1",
     "Отрицательное количество: -1"},
    {"Type A count beyond the file", [] { return Head(kMaxInt, 0, 0, 0, 0).Bytes(); }, kCountNA,
     "Кількості входів (2147483647, 0, 0, 0)", "Количества входов (2147483647, 0, 0, 0)"},
    {"nested count beyond the file", [] { return Head(0, 0, 1, 0, 0).Bytes(); }, kCountNA,
     "не вміщуються в решту файлу", "не помещаются в остаток файла"},
    {"matrix whose size overflows", [] { return Head(0, 0, 0, 0, kMaxInt).Bytes(); }, kCountNA,
     "розмірність матриці 2147483647", "размерность матрицы 2147483647"},
    {"matrix one element short", [] { return Head(0, 0, 0, 0, 2).Double(0).Double(0).Double(0).Bytes(); }, kCountNA,
     "не вміщуються", "не помещаются"},
    {"observation count beyond the file",
     [] { return Head(1, 0, 0, 0, 0).InputHead("x").SizedInt32(100000).Raw(std::string(40, '\0')).Bytes(); },
     kHeadEnd + 13 + 4, "Кількість 100000 не вміщується", "Количество 100000 не помещается"},
    {"calibration matrix beyond the file",
     [] {
         return Head(0, 0, 0, 1, 0)
             .InputHead("g")
             .SizedInt32(kMaxInt)
             .SizedInt32(kMaxInt)
             .Raw(std::string(40, '\0'))
             .Bytes();
     },
     kHeadEnd + 13 + 4, "Калібрувальна матриця 2147483648 × 2147483647",
     "Калибровочная матрица 2147483648 × 2147483647"},
    {"millions of empty calibration rows",
     [] {
         return Head(0, 0, 0, 1, 0)
             .InputHead("g")
             .SizedInt32(50000000)
             .SizedInt32(0)
             .Raw(std::string(40, '\0'))
             .Bytes();
     },
     kHeadEnd + 13 + 4, "не вміщується", "не помещается"},
    {"calibration size 7 where the flag may be", [] { return CalibrationUpToMeasurements().Int32(7).Int32(0).Bytes(); },
     kHeadEnd + 13 + 16 + 48 + 16, "Розмір поля 7 замість 1 або 4", "Размер поля 7 вместо 1 или 4"},
    {"calibration flag followed by size 8",
     [] { return CalibrationUpToMeasurements().SizedByte(0).SizedDouble(0).Bytes(); }, kHeadEnd + 13 + 16 + 48 + 21,
     "Розмір поля 8 замість 4", "Размер поля 8 вместо 4"},
    {"Type A with one observation in experimental mode",
     [] { return Head(1, 0, 0, 0, 0).InputHead("x").SizedInt32(1).Double(5).SizedDouble(0).SizedInt32(0).Bytes(); },
     kHeadEnd, "Вхідну величину «x» неможливо побудувати", "Входную величину «x» невозможно построить"},
    {"calibration with all references equal",
     [] {
         FileBytes file = Head(0, 0, 0, 1, 0);
         file.InputHead("g").SizedInt32(1).SizedInt32(2).Double(1).Double(1).Double(1).Double(2);
         return file.SizedInt32(1).Double(2).SizedByte(0).SizedInt32(0).Bytes();
     },
     kHeadEnd, "Вхідну величину «g» неможливо побудувати", "Входную величину «g» невозможно построить"},
    {"normal Type B with probability 1.5",
     [] {
         FileBytes file = Head(0, 1, 0, 0, 0);
         file.InputHead("b").SizedByte(DistNormal).Double(1.5).Double(1).Double(3).SizedInt32(0).SizedByte(0);
         return file.Bytes();
     },
     kHeadEnd, "Вхідну величину «b» неможливо побудувати", "Входную величину «b» невозможно построить"},
    {"nesting 10000 deep", [] { return NestedChain(10000); }, 58 * 257, "глибше за 256 рівнів", "глубже 256 уровней"},
    {"a byte after the evaluation", [] { return Head(0, 0, 0, 0, 0).Raw(std::string(1, '\0')).Bytes(); }, kHeadEnd,
     "зайві байти (1)", "лишние байты (1)"},
    {"two evaluations in one file", [] { return Head(0, 0, 0, 0, 0).EvaluationHead("", 0, 0, 0, 0, 0).Bytes(); },
     kHeadEnd, "зайві байти (57)", "лишние байты (57)"},
};

} // namespace

TEST(EvaluationFileErrors, BrokenFilesFailWithWhatAndWhereInBothLanguages)
{
    for (const BrokenFile& broken : kBrokenFiles) {
        const std::string bytes = broken.Bytes();
        for (const bool ukrainian : {true, false}) {
            const LanguageScope language(ukrainian);
            std::istringstream in(bytes, std::ios::binary);
            try {
                ReadEvaluation(in);
                ADD_FAILURE() << broken.Name << ": read without error";
            }
            catch (const EFileFormat& error) {
                const std::string message = error.what();
                EXPECT_EQ(error.Offset, broken.Offset) << broken.Name << ": " << message;
                EXPECT_NE(message.find(ukrainian ? broken.Ukrainian : broken.Russian), std::string::npos)
                    << broken.Name << ": " << message;
                EXPECT_NE(message.find("(байт " + std::to_string(broken.Offset) + ")"), std::string::npos)
                    << broken.Name << ": " << message;
            }
        }
    }
}

TEST(EvaluationFileErrors, DeepestNestingTheWriterAllowsReadsBack)
{
    EXPECT_NO_THROW(ReadFromBytes(NestedChain(MaxNestingDepth + 1)));

    auto root = CreateCalc("", "y", "");
    TOrmetaCalc* last = root.get();
    for (int i = 0; i <= MaxNestingDepth; ++i) {
        last->Nested.push_back(CreateCalc("", "y", ""));
        last = last->Nested.back().get();
    }
    std::ostringstream out(std::ios::binary);
    EXPECT_THROW(WriteEvaluation(*root, out), EFileWrite);
}

TEST(EvaluationFileErrors, TargetKeepsWhatWasReadBeforeTheFailure)
{
    FileBytes file = Head(2, 0, 0, 0, 0);
    file.InputHead("x1").SizedInt32(2).Double(1).Double(2).SizedDouble(0).SizedInt32(0);
    file.InputHead("x2").SizedInt32(2).Double(1);
    auto target = CreateCalc("", "", "");
    std::istringstream in(file.Bytes(), std::ios::binary);
    EXPECT_THROW(ReadEvaluation(in, *target), EFileFormat);
    EXPECT_EQ(target->OutputName, "y");
    ASSERT_EQ(target->TypeA.size(), 1u);
    EXPECT_EQ(target->TypeA[0]->Name, "x1");
}
