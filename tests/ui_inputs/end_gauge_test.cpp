// A whole model typed into the window as a user types it, saved, and calculated again by the command
// line from the saved file: the same results. The model is the end-gauge calibration of the GUM
// (JCGM 100:2008, H.1) in nanometres, with the comparator difference d as a nested evaluation.
#include "app/calc_command.h"
#include "inputs_fixture.h"
#include "ui/common/text_convert.h"
#include "ui/main/budget_tab.h"

#include <QFileInfo>

#include <nlohmann/json.hpp>

#include <sstream>

using namespace Qt::StringLiterals;

namespace {

struct NormalInput {
    QString Name, Centre, StdUncertainty, Dof;
};
struct UniformInputTexts {
    QString Name, Centre, HalfWidth, Dof;
};

class EndGaugeTest : public InputsTest {
  protected:
    // A normal input given by its centre and a half-width at the level 0.6827, where k is about 1.
    void AddNormal(const NormalInput& input)
    {
        Add(input.Name);
        ChooseDistribution(TDistributionItem::Normal, true);
        SetParams({u"0.6827"_s, input.Centre, input.StdUncertainty});
        Editor().LabeledEdit12->setText(u"nm"_s);
        Editor().LabeledEdit14->setText(input.Dof);
        Apply();
    }
    void AddUniform(const UniformInputTexts& input)
    {
        Add(input.Name);
        ChooseDistribution(TDistributionItem::Uniform, true);
        SetParams({input.Centre, input.HalfWidth});
        Editor().LabeledEdit14->setText(input.Dof);
        Apply();
    }
    void ShowEvaluation(int row)
    {
        Form->ListBox1->setCurrentRow(row);
        Form->PageControl1->setCurrentWidget(Form->TabSheet2);
    }
    void SetModel(const QString& output, const QString& formula)
    {
        Form->TabSheet1->Edit3->setText(output);
        Form->TabSheet1->Edit4->setText(formula);
    }
};

TEST_F(EndGaugeTest, TheWindowAndTheCommandLineGiveTheSameBudget)
{
    AddNormal({u"ls"_s, u"50000623"_s, u"25"_s, u"18"_s});
    AddUniform({u"as"_s, u"0.0000115"_s, u"0.000002"_s, QString()});
    AddNormal({u"th"_s, u"-0.1"_s, u"0.41"_s, QString()});
    AddUniform({u"da"_s, u"0"_s, u"0.000001"_s, u"50"_s});
    AddUniform({u"dth"_s, u"0"_s, u"0.05"_s, u"2"_s});
    Add(u"d"_s);
    ChooseKind(TKindItem::Calculated);
    Editor().LabeledEdit12->setText(u"nm"_s);
    Apply();
    ASSERT_EQ(ListEntries(), (QStringList{u"<головна>"_s, u"d"_s}));

    ShowEvaluation(1);
    SetModel(u"d"_s, u"d1+d2+d3"_s);
    AddNormal({u"d1"_s, u"215"_s, u"5.8"_s, u"24"_s});
    AddNormal({u"d2"_s, u"0"_s, u"3.9"_s, u"5"_s});
    AddNormal({u"d3"_s, u"0"_s, u"6.7"_s, u"8"_s});

    ShowEvaluation(0);
    SetModel(u"l"_s, u"ls+d-ls*(da*th+as*dth)"_s);
    Form->TabSheet3->LabeledEdit8->setText(u"0.95"_s);
    Form->TabSheet3->ComboBox7->setCurrentIndex(2); // Student
    Messages.clear();
    Form->Calculate->trigger();
    ASSERT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    const TOrmetaCalc& shown = Shown();
    // The GUM's figures at their printed rounding (the level-0.6827 half-widths are not exact k = 1).
    EXPECT_NEAR(shown.Value, 50000838, 0.5);
    EXPECT_NEAR(shown.CombinedUncertainty, 32, 0.5);
    EXPECT_NEAR(shown.CoverageFactor * shown.CombinedUncertainty, 67, 1);

    const QString path = Folder.filePath(u"end_gauge.orm"_s);
    Form->CurrentFileName = path;
    Form->Save->trigger();
    ASSERT_TRUE(QFileInfo::exists(path)) << Messages.join(u'\n').toStdString();

    std::ostringstream out, err;
    ASSERT_EQ(RunCalcCommand({path.toStdString(), "--json", "--level", "0.95", "--method", "student"}, out, err), 0)
        << err.str();
    const auto budget = nlohmann::json::parse(out.str());
    const auto& output = budget["output"];
    EXPECT_EQ(output["name"], "l");
    EXPECT_EQ(output["value"].get<double>(), shown.Value);
    EXPECT_EQ(output["standard_uncertainty"].get<double>(), shown.CombinedUncertainty);
    EXPECT_EQ(output["coverage_factor"].get<double>(), shown.CoverageFactor);
    EXPECT_EQ(output["effective_dof"].get<int>(), shown.EffectiveDof);

    // The budget table of the window, row by row, against the command line's inputs in the same order.
    const auto& inputs = budget["inputs"];
    const QTableWidget& table = *Form->TabSheet3->StringGrid3;
    ASSERT_EQ(static_cast<int>(inputs.size()), 6);
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const auto& input = inputs[k];
        EXPECT_EQ(table.item(k, 0)->text().toStdString(), input["name"].get<std::string>());
        EXPECT_TRUE(table.item(k, 5)->text().startsWith(ToQt(FormatNumber(input["sensitivity"].get<double>()))))
            << table.item(k, 5)->text().toStdString();
    }
}

} // namespace
