// An evaluation saved by the window and opened again gives the same budget, nested evaluations included.
#include "file_fixture.h"

#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"

#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
// Everything the budget tab shows after a calculation.
QStringList BudgetTexts(const TMainForm& form)
{
    const TBudgetTab& budget = *form.TabSheet3;
    QStringList texts{budget.LabeledEdit9->text(), budget.LabeledEdit10->text(), budget.LabeledEdit11->text(),
                      budget.LabeledEdit15->text()};
    for (int row = 0; row < budget.StringGrid3->rowCount(); ++row)
        for (int column = 0; column < budget.StringGrid3->columnCount(); ++column)
            if (const QTableWidgetItem* cell = budget.StringGrid3->item(row, column))
                texts << cell->text();
    return texts;
}

// Calculates every evaluation, nested ones first as they are listed, and collects their budgets.
QStringList CalculateAll(TMainForm& form)
{
    QStringList budgets;
    for (int row = 0; row < form.ListBox1->count(); ++row) {
        form.ListBox1->setCurrentRow(row);
        form.N12Click(TMainForm::TCalcMode::Silent);
        budgets << BudgetTexts(form);
    }
    return budgets;
}
} // namespace

class RoundTripTest : public FileFixture {};

TEST_F(RoundTripTest, TheBudgetsAreTheSameAfterSavingAndOpening)
{
    auto main = SmallModel("a*b+P");
    main->TypeA.push_back(CreateTypeA("V", "ряд", "t", 3, {1.01, 0.99, 1.0}, 0, 0));
    main->ModelFormula = "a*b+P+t";
    auto nested = CreateCalc("", "P", "V");
    nested->ModelFormula = "x*2";
    AddTypeB(*nested, *UniformInput("x", 1, 0.1));
    AddNested(*main, *nested);
    const int n = CountInputs(*main);
    main->Correlation.assign(n, TArrDouble(n, 0.0));
    main->Correlation[0][1] = main->Correlation[1][0] = 0.4;
    Form->LoadEvaluationTree(std::move(main));
    const QStringList before = CalculateAll(*Form);
    ASSERT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    ASSERT_FALSE(before[0].isEmpty()) << "the calculation filled the budget";

    DialogNames = {PathOf(u"trip"_s)};
    ASSERT_TRUE(Commands().N8Click());
    Form->New->trigger();
    OpenThroughMenu(PathOf(u"trip.orm"_s));

    EXPECT_EQ(CalculateAll(*Form), before);
    EXPECT_EQ(Messages, QStringList{u"Успішно збережено!"_s});
}
