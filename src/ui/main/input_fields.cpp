#include "ui/main/input_fields.h"

#include "model/constructors.h"
#include "text/language.h"
#include "text/number_format.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/dialogs/TCalibM.h"
#include "ui/dialogs/TValuesF.h"
#include "ui/main/count_text.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/type_b_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <optional>

namespace {
// The standard deviation argument that makes CreateTypeA normalise the input.
constexpr double kNormalise = -1;

struct TTexts {
    const char* Ukrainian;
    const char* Russian;
};

struct TCommandTexts {
    TTexts CountA;
    TTexts StdDeviation;
    TTexts UnknownDistribution;
    TTexts InfiniteDof;
    TTexts InfinityToken;
};

// The two commands word some failures differently.
const TCommandTexts& TextsOf(TApplyCommand command)
{
    static const TCommandTexts create = {
        {"Кількість спострежень вказана не вірно. Джерело не створено.",
         "Кількість спострежень вказана не вірно. Джерело не створено."},
        {"Стандартне відхилення вказано не вірно. Джерело не створено.",
         "Стандартное отклонение указано не верно. Источник не создан."},
        {"Такого закону розподілу нема! Зміни не зроблені.", "Такого закона распределения нет! Изменения не сделаны."},
        {"Степінь свободи вважається рівною безмежності.", "Степень свободы считается равной бесконечности."},
        {"Безмежність", "Бесконечность"},
    };
    static const TCommandTexts change = {
        {"Кількість спострежень вказана не вірно. Зміни не зроблені.",
         "Количестко наблюдейний указано не верно. Изменения не сделаны."},
        {"Стандартне відхилення вказано не вірно. Зміни не зроблені.",
         "Стандартное отклонение указано неправильно. Изменения не сделаны."},
        {"Такого закону розподілу нема! Зміни не зроблені.", "Такого закона распределения нет."},
        {"Степінь свободи вважається рівною безмежності.", "Степень свободы считается равной бесконечности"},
        {"Безмежність", "Беcконечность"},
    };
    return command == TApplyCommand::Create ? create : change;
}

std::string Text(const TTexts& texts)
{
    return Msg(texts.Ukrainian, texts.Russian);
}

double ReadNumber(const QLineEdit* field)
{
    return ParseNumber(ToStd(field->text()));
}

// A count that must be at least 1.
int ReadPositiveCount(const QLineEdit* field, const std::string& message)
{
    const int n = ReadCount(field->text());
    if (n < 1)
        throw EOrmetaCreate(message);
    return n;
}

// The degrees of freedom of a field in which anything but a positive integer means infinity (0).
int32_t ReadOptionalDof(TInputEditor& editor, TLabeledEdit* field, const TCommandTexts& texts)
{
    const std::optional<int> dof = IntegerOf(field->text());
    if (dof && *dof > 0)
        return *dof;
    ShowMessage(&editor, ToQt(Text(texts.InfiniteDof)));
    field->setText(ToQt(Text(texts.InfinityToken)));
    return 0;
}

struct THead {
    std::string Description;
    std::string Name;
    std::string Unit;
};

THead ReadHead(const TInputEditor& editor)
{
    return {ToStd(editor.Memo2->toPlainText()), ToStd(editor.LabeledEdit1->text()),
            ToStd(editor.LabeledEdit12->text())};
}

std::unique_ptr<TOrmetaTypeA> BuildTypeA(TInputEditor& editor, const TCommandTexts& texts)
{
    const int n = ReadPositiveCount(editor.LabeledEdit3, Text(texts.CountA));
    const TArrDouble observations = editor.ValuesF->ReadObservations(n);
    double stdDeviation = 0;
    int32_t dof = 0;
    if (editor.ComboBox4->currentIndex() == 1) {
        stdDeviation = ReadNumber(editor.LabeledEdit2);
        if (!(stdDeviation > 0))
            throw EOrmetaCreate(Text(texts.StdDeviation));
        const std::optional<int> typed = IntegerOf(editor.LabeledEdit4->text());
        if (typed && *typed <= 0)
            throw std::runtime_error(Msg("Степені свободи менше або рівні нулю!", "Степени свободы меньше или равны нулю!"));
        dof = ReadOptionalDof(editor, editor.LabeledEdit4, texts);
    }
    const THead head = ReadHead(editor);
    return CreateTypeA(head.Unit, head.Description, head.Name, n, observations,
                       editor.CheckBox1->isChecked() ? kNormalise : stdDeviation, dof);
}

std::unique_ptr<TOrmetaTypeB> BuildTypeB(TInputEditor& editor, const TCommandTexts& texts)
{
    const bool centreMode = editor.ComboBox8->currentIndex() == 1;
    const int item = editor.ComboBox3->currentIndex();
    const std::array<const TLabeledEdit*, 3> fields = {editor.LabeledEdit5, editor.LabeledEdit6, editor.LabeledEdit7};
    std::array<double, 3> values = {0, 0, 0};
    for (size_t k = 0; k < fields.size(); ++k)
        values[k] = fields[k]->isHidden() ? 0 : ReadNumber(fields[k]);
    const uint8_t code = DistributionCode(item);
    if (code == DistNone)
        throw EOrmetaCreate(Text(texts.UnknownDistribution));
    // The half-width field: the last of the normal distribution's three, the second of the two bounds.
    const bool hasHalfWidth = code == DistNormal || code == DistUniform || code == DistTriangular;
    const double halfWidth = code == DistNormal ? values[2] : values[1];
    if (centreMode && hasHalfWidth && !(halfWidth > 0))
        throw std::runtime_error(
            Msg("Півширина інтервалу не може бути менше або рівна нулю!", "Полуширина интервала не может быть меньше или равна нулю!"));
    const int32_t dof = ReadOptionalDof(editor, editor.LabeledEdit14, texts);
    const THead head = ReadHead(editor);
    return CreateTypeB(head.Unit, head.Description, head.Name, code, values, centreMode, dof);
}

TArrDouble ReadSample(const QTableWidget& grid, int n)
{
    TArrDouble values;
    for (int row = 0; row < n; ++row) {
        const QTableWidgetItem* cell = grid.item(row, 0);
        values.push_back(ParseNumber(cell ? ToStd(cell->text()) : std::string()));
    }
    return values;
}

std::unique_ptr<TOrmetaTypeG> BuildCalibration(TInputEditor& editor)
{
    const int m = ReadPositiveCount(editor.LE1, Msg("Кількість вимірів для калібрування вказана не вірно. Зміни не зроблені.",
                                                    "Количество измерений для калибровки указана не верно. Изменения не сделаны."));
    const int k = ReadPositiveCount(editor.LE2, Msg("Кількість калібровочних стандартів вказана не вірно. Зміни не зроблені.",
                                                    "Количество калибровочных стандартов указано не правильно. Изменения не сделаны."));
    const TMatDouble matrix = editor.CalibM->ReadMatrix(m, k);
    const int n = ReadPositiveCount(editor.LE16, Msg("Кількість вимірів вказана не вірно. Зміни не зроблені.",
                                                     "Количество измерений укащано не верно. Изменения не сделаны."));
    const TArrDouble measurements = ReadSample(*editor.SG4, n);
    const THead head = ReadHead(editor);
    return CreateTypeG(head.Description, head.Name, head.Unit, matrix, measurements, editor.CheckBoxAppr->isChecked(), 0);
}
} // namespace

TBuiltInput BuildInputFromFields(TInputEditor& editor, TApplyCommand command)
{
    const TCommandTexts& texts = TextsOf(command);
    TBuiltInput built;
    built.Kind = editor.ChosenKind();
    switch (built.Kind) {
    case TKindItem::TypeA:
        built.A = BuildTypeA(editor, texts);
        break;
    case TKindItem::TypeB:
        built.B = BuildTypeB(editor, texts);
        break;
    case TKindItem::Calculated:
        break;
    case TKindItem::Calibration:
        built.G = BuildCalibration(editor);
        break;
    }
    return built;
}
