#include "files/byte_cursor.h"
#include "files/evaluation_file.h"
#include "formula/float_errors.h"
#include "model/constructors.h"
#include "text/convert_error.h"
#include "text/language.h"

#include <algorithm>
#include <istream>

namespace {

// The smallest block of each kind (empty texts and lists), for checking counts against what is left.
constexpr uint64_t kMinTypeABlock = 3 * 4 + 8 + 12 + 8;
constexpr uint64_t kMinTypeBBlock = 3 * 4 + 5 + 3 * 8 + 8 + 5;
constexpr uint64_t kMinCalibrationBlock = 3 * 4 + 8 + 8 + 8 + 8;
constexpr uint64_t kMinEvaluationBlock = 5 * 4 + 5 + 12 + 4 * 4 + 4;

struct InputHead {
    std::string Description;
    std::string Unit;
    std::string Name;
};

InputHead ReadInputHead(ByteCursor& cursor)
{
    InputHead head;
    head.Description = cursor.Text();
    head.Unit = cursor.Text();
    head.Name = cursor.Text();
    return head;
}

// A sized int32 count followed by that many items of bytesEach bytes.
int32_t ReadSizedCount(ByteCursor& cursor, uint64_t bytesEach)
{
    cursor.ExpectSize(4);
    const uint64_t at = cursor.Offset();
    return cursor.CheckCount(cursor.Int32(), at, bytesEach);
}

TArrDouble ReadValues(ByteCursor& cursor, int32_t count)
{
    TArrDouble values;
    values.reserve(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        values.push_back(cursor.Double());
    return values;
}

[[noreturn]] void FailConstruction(const ByteCursor& cursor, const std::string& name, uint64_t blockOffset,
                                   const std::exception& error)
{
    cursor.Fail("Вхідну величину «" + name + "» неможливо побудувати: " + error.what(),
                "Входную величину «" + name + "» невозможно построить: " + error.what(), blockOffset);
}

// Inputs are rebuilt by their constructors; one that cannot be built is a file the program cannot have written.
template <typename Build>
auto Construct(const ByteCursor& cursor, const std::string& name, uint64_t blockOffset, Build build)
{
    try {
        return build();
    }
    catch (const EMathError& error) {
        FailConstruction(cursor, name, blockOffset, error);
    }
    catch (const EConvertError& error) {
        FailConstruction(cursor, name, blockOffset, error);
    }
}

std::unique_ptr<TOrmetaTypeA> ReadTypeA(ByteCursor& cursor)
{
    const uint64_t blockOffset = cursor.Offset();
    const InputHead head = ReadInputHead(cursor);
    const int32_t count = ReadSizedCount(cursor, 8);
    const TArrDouble observations = ReadValues(cursor, count);
    const double standardDeviation = cursor.SizedDouble();
    const int32_t dof = cursor.SizedInt32();
    return Construct(cursor, head.Name, blockOffset, [&] {
        return CreateTypeA(head.Unit, head.Description, head.Name, count, observations, standardDeviation, dof);
    });
}

// The three parameters in the order of the editor's fields, which is the order CreateTypeB takes.
std::array<double, 3> EditorOrder(uint8_t distribution, double paramP, double paramA, double paramB)
{
    switch (distribution) {
    case DistNormal:
    case DistTrapezoidal:
        return {paramP, paramA, paramB};
    case DistTriangular:
    case DistUniform:
        return {paramA, paramB, 0};
    case DistUShaped:
        return {paramP, 0, 0};
    default:
        return {0, 0, 0};
    }
}

std::unique_ptr<TOrmetaTypeB> ReadTypeB(ByteCursor& cursor)
{
    const uint64_t blockOffset = cursor.Offset();
    const InputHead head = ReadInputHead(cursor);
    const uint8_t distribution = cursor.SizedByte();
    const double paramP = cursor.Double();
    const double paramA = cursor.Double();
    const double paramB = cursor.Double();
    const int32_t dof = cursor.SizedInt32();
    const bool halfWidthForm = cursor.SizedByte() != 0;
    return Construct(cursor, head.Name, blockOffset, [&] {
        return CreateTypeB(head.Unit, head.Description, head.Name, distribution,
                           EditorOrder(distribution, paramP, paramA, paramB), halfWidthForm, dof);
    });
}

TMatDouble ReadCalibrationData(ByteCursor& cursor)
{
    cursor.ExpectSize(4);
    const uint64_t repeatsOffset = cursor.Offset();
    const int32_t repeats = cursor.CheckCount(cursor.Int32(), repeatsOffset, 0);
    const int32_t standards = ReadSizedCount(cursor, 0);
    // (repeats + 1) rows of standards doubles must fit in what is left; a row counts as at least one
    // value, so that a matrix without columns cannot ask for millions of empty rows.
    const uint64_t rows = static_cast<uint64_t>(repeats) + 1;
    if (std::max<uint64_t>(standards, 1) > cursor.Left() / 8 / rows)
        cursor.Fail("Калібрувальна матриця " + std::to_string(rows) + " × " + std::to_string(standards) +
                        " не вміщується в решту файлу (" + std::to_string(cursor.Left()) + " байт)",
                    "Калибровочная матрица " + std::to_string(rows) + " × " + std::to_string(standards) +
                        " не помещается в остаток файла (" + std::to_string(cursor.Left()) + " байт)",
                    repeatsOffset);
    TMatDouble data;
    data.reserve(rows);
    for (uint64_t r = 0; r < rows; ++r)
        data.push_back(ReadValues(cursor, standards));
    return data;
}

// The quadratic flag may be missing: then the size read in its place already belongs to the degrees of freedom.
bool ReadOptionalQuadraticFlag(ByteCursor& cursor)
{
    const uint64_t sizeOffset = cursor.Offset();
    const int32_t size = cursor.Int32();
    bool isQuadratic = false;
    if (size == 1) {
        isQuadratic = cursor.Byte() != 0;
        cursor.ExpectSize(4);
    }
    else if (size != 4) {
        cursor.Fail("Розмір поля " + std::to_string(size) + " замість 1 або 4",
                    "Размер поля " + std::to_string(size) + " вместо 1 или 4", sizeOffset);
    }
    cursor.Int32(); // degrees of freedom: the constructor sets them from the measurements
    return isQuadratic;
}

std::unique_ptr<TOrmetaTypeG> ReadTypeG(ByteCursor& cursor)
{
    const uint64_t blockOffset = cursor.Offset();
    const InputHead head = ReadInputHead(cursor);
    const TMatDouble data = ReadCalibrationData(cursor);
    const int32_t count = ReadSizedCount(cursor, 8);
    const TArrDouble measurements = ReadValues(cursor, count);
    const bool isQuadratic = ReadOptionalQuadraticFlag(cursor);
    return Construct(cursor, head.Name, blockOffset, [&] {
        return CreateTypeG(head.Description, head.Name, head.Unit, data, measurements, isQuadratic, 0);
    });
}

struct BlockCounts {
    int32_t TypeA = 0;
    int32_t TypeB = 0;
    int32_t Nested = 0;
    int32_t TypeG = 0;
    int32_t Dimension = 0;
};

BlockCounts ReadCounts(ByteCursor& cursor)
{
    const uint64_t countsOffset = cursor.Offset();
    BlockCounts counts;
    for (int32_t* count : {&counts.TypeA, &counts.TypeB, &counts.Nested, &counts.TypeG, &counts.Dimension}) {
        const uint64_t at = cursor.Offset();
        *count = cursor.CheckCount(cursor.Int32(), at, 0);
    }
    const auto d = static_cast<uint64_t>(counts.Dimension);
    // d × d × 8 is compared by division so that it cannot overflow.
    const bool matrixFits = d == 0 || d <= cursor.Left() / 8 / d;
    const uint64_t needed = counts.TypeA * kMinTypeABlock + counts.TypeB * kMinTypeBBlock +
                            counts.Nested * kMinEvaluationBlock + counts.TypeG * kMinCalibrationBlock;
    if (!matrixFits || needed > cursor.Left() - d * d * 8)
        cursor.Fail(
            "Кількості входів (" + std::to_string(counts.TypeA) + ", " + std::to_string(counts.TypeB) + ", " +
                std::to_string(counts.Nested) + ", " + std::to_string(counts.TypeG) + ") і розмірність матриці " +
                std::to_string(d) + " не вміщуються в решту файлу (" + std::to_string(cursor.Left()) + " байт)",
            "Количества входов (" + std::to_string(counts.TypeA) + ", " + std::to_string(counts.TypeB) + ", " +
                std::to_string(counts.Nested) + ", " + std::to_string(counts.TypeG) + ") и размерность матрицы " +
                std::to_string(d) + " не помещаются в остаток файла (" + std::to_string(cursor.Left()) + " байт)",
            countsOffset);
    return counts;
}

void ReadCalc(ByteCursor& cursor, TOrmetaCalc& calc, int depth)
{
    if (depth > MaxNestingDepth)
        cursor.Fail("Оцінювання вкладені глибше за " + std::to_string(MaxNestingDepth) + " рівнів",
                    "Оценивания вложены глубже " + std::to_string(MaxNestingDepth) + " уровней", cursor.Offset());
    calc.TypeA.clear();
    calc.TypeB.clear();
    calc.Nested.clear();
    calc.TypeG.clear();
    calc.Correlation.clear();
    calc.Description = cursor.Text();
    calc.ModelDescription = cursor.Text();
    calc.OutputUnit = cursor.Text();
    calc.OutputName = cursor.Text();
    calc.ModelFormula = cursor.Text();
    calc.CoverageMethod = cursor.SizedByte();
    calc.ConfidenceLevel = cursor.SizedDouble();
    const BlockCounts counts = ReadCounts(cursor);
    calc.Correlation.reserve(static_cast<std::size_t>(counts.Dimension));
    for (int32_t i = 0; i < counts.Dimension; ++i)
        calc.Correlation.push_back(ReadValues(cursor, counts.Dimension));
    for (int32_t i = 0; i < counts.TypeA; ++i)
        calc.TypeA.push_back(ReadTypeA(cursor));
    for (int32_t i = 0; i < counts.TypeB; ++i)
        calc.TypeB.push_back(ReadTypeB(cursor));
    for (int32_t i = 0; i < counts.Nested; ++i) {
        calc.Nested.push_back(CreateCalc("", "", ""));
        ReadCalc(cursor, *calc.Nested.back(), depth + 1);
    }
    for (int32_t i = 0; i < counts.TypeG; ++i)
        calc.TypeG.push_back(ReadTypeG(cursor));
}

std::string ReadRest(std::istream& in)
{
    std::string bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        throw EFileFormat(Msg("Помилка читання файлу після " + std::to_string(bytes.size()) + " байт",
                              "Ошибка чтения файла после " + std::to_string(bytes.size()) + " байт"),
                          bytes.size());
    return bytes;
}

// A file is exactly one evaluation block: bytes after it mean the file is not what it claims to be.
void ReadEvaluationBytes(std::string_view bytes, TOrmetaCalc& target)
{
    ByteCursor cursor(bytes);
    ReadCalc(cursor, target, 0);
    if (cursor.Left() != 0)
        cursor.Fail("Після оцінювання у файлі залишилися зайві байти (" + std::to_string(cursor.Left()) + ")",
                    "После оценивания в файле остались лишние байты (" + std::to_string(cursor.Left()) + ")",
                    cursor.Offset());
}

} // namespace

void ReadEvaluation(std::istream& in, TOrmetaCalc& target)
{
    ReadEvaluationBytes(ReadRest(in), target);
}

std::unique_ptr<TOrmetaCalc> ReadEvaluation(std::istream& in)
{
    auto calc = CreateCalc("", "", "");
    ReadEvaluation(in, *calc);
    return calc;
}
