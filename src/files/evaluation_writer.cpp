#include "files/byte_sink.h"
#include "files/evaluation_file.h"
#include "text/language.h"

namespace {

void WriteInputHead(ByteSink& sink, const TOrmetaInput& input)
{
    sink.Text(input.Description, {"текстовий опис", "текстовое описание", input.Name});
    sink.Text(input.Unit, {"одиниця вимірювання", "единица измерения", input.Name});
    sink.Text(input.Name, {"змінна", "переменная", input.Name});
}

void WriteValues(ByteSink& sink, const TArrDouble& values)
{
    for (const double value : values)
        sink.Double(value);
}

// Rows of unequal length cannot be described by the file's dimensions; writing them would corrupt the file.
void RequireRowLength(const TMatDouble& matrix, std::size_t length, const std::string& owner)
{
    for (const auto& row : matrix)
        if (row.size() != length)
            throw EFileWrite(Msg("Рядки матриці величини «" + owner + "» мають різну довжину; файл не записано",
                                 "Строки матрицы величины «" + owner + "» имеют разную длину; файл не записан"));
}

void WriteTypeA(ByteSink& sink, const TOrmetaTypeA& input)
{
    WriteInputHead(sink, input);
    sink.Int32(4);
    sink.Count(input.Observations.size());
    WriteValues(sink, input.Observations);
    sink.SizedDouble(input.Normalized ? -1.0 : input.PriorSD);
    sink.SizedInt32(input.Dof);
}

void WriteTypeB(ByteSink& sink, const TOrmetaTypeB& input)
{
    WriteInputHead(sink, input);
    sink.SizedByte(input.Distribution);
    sink.Double(input.ParamP);
    sink.Double(input.ParamA);
    sink.Double(input.ParamB);
    sink.SizedInt32(input.Dof);
    sink.SizedByte(input.HalfWidthForm ? 1 : 0);
}

void WriteTypeG(ByteSink& sink, const TOrmetaTypeG& input)
{
    const TMatDouble& data = input.CalibrationData;
    if (data.empty())
        throw EFileWrite(Msg("Калібрувальна величина «" + input.Name + "» не має даних; файл не записано",
                             "Калибровочная величина «" + input.Name + "» не имеет данных; файл не записан"));
    RequireRowLength(data, data[0].size(), input.Name);
    WriteInputHead(sink, input);
    sink.Int32(4);
    sink.Count(data.size() - 1);
    sink.Int32(4);
    sink.Count(data[0].size());
    for (const auto& row : data)
        WriteValues(sink, row);
    sink.Int32(4);
    sink.Count(input.Measurements.size());
    WriteValues(sink, input.Measurements);
    sink.SizedByte(input.IsQuadratic ? 1 : 0);
    sink.SizedInt32(input.Dof);
}

void WriteCalc(ByteSink& sink, const TOrmetaCalc& calc, int depth)
{
    if (depth > MaxNestingDepth)
        throw EFileWrite(Msg("Оцінювання вкладені глибше за " + std::to_string(MaxNestingDepth) +
                                 " рівнів; такий файл не можна буде відкрити",
                             "Оценивания вложены глубже " + std::to_string(MaxNestingDepth) +
                                 " уровней; такой файл нельзя будет открыть"));
    RequireRowLength(calc.Correlation, calc.Correlation.size(), calc.OutputName);
    sink.Text(calc.Description, {"опис оцінювання", "описание оценивания", calc.OutputName});
    sink.Text(calc.ModelDescription, {"опис моделі", "описание модели", calc.OutputName});
    sink.Text(calc.OutputUnit, {"одиниця вимірювання результату", "единица измерения результата", calc.OutputName});
    sink.Text(calc.OutputName, {"позначення результату", "обозначение результата", calc.OutputName});
    sink.Text(calc.ModelFormula, {"формула моделі", "формула модели", calc.OutputName});
    sink.SizedByte(calc.CoverageMethod);
    sink.SizedDouble(calc.ConfidenceLevel);
    sink.Count(calc.TypeA.size());
    sink.Count(calc.TypeB.size());
    sink.Count(calc.Nested.size());
    sink.Count(calc.TypeG.size());
    sink.Count(calc.Correlation.size());
    for (const auto& row : calc.Correlation)
        WriteValues(sink, row);
    for (const auto& input : calc.TypeA)
        WriteTypeA(sink, *input);
    for (const auto& input : calc.TypeB)
        WriteTypeB(sink, *input);
    for (const auto& nested : calc.Nested)
        WriteCalc(sink, *nested, depth + 1);
    for (const auto& input : calc.TypeG)
        WriteTypeG(sink, *input);
}

} // namespace

void WriteEvaluation(const TOrmetaCalc& calc, std::ostream& out)
{
    ByteSink sink(out);
    WriteCalc(sink, calc, 0);
}

void WriteTypeA(const TOrmetaTypeA& input, std::ostream& out)
{
    ByteSink sink(out);
    WriteTypeA(sink, input);
}

void WriteTypeB(const TOrmetaTypeB& input, std::ostream& out)
{
    ByteSink sink(out);
    WriteTypeB(sink, input);
}

void WriteTypeG(const TOrmetaTypeG& input, std::ostream& out)
{
    ByteSink sink(out);
    WriteTypeG(sink, input);
}
