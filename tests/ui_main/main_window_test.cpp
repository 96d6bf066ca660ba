// The main window: start-up state, the evaluation switch, the formula editor's hand-over and the
// relabelling of the evaluation list.
#include "window_fixture.h"

#include "ui/formula/TFormula.h"
#include "ui/main/TMainForm.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"

#include <QAction>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QStringList ListEntries(const TMainForm& form)
{
    QStringList entries;
    for (int row = 0; row < form.ListBox1->count(); ++row)
        entries << form.ListBox1->item(row)->text();
    return entries;
}

void SelectEvaluation(TMainForm& form, int row)
{
    form.ListBox1->setCurrentRow(row);
}

// main (inputs a, b, nested P) with P (input x) nested.
std::unique_ptr<TOrmetaCalc> TreeWithNested()
{
    auto main = SmallModel("a+b+P");
    auto nested = CreateCalc("", "P", "V");
    nested->ModelFormula = "x*2";
    AddTypeB(*nested, *UniformInput("x", 1, 0.1));
    AddNested(*main, *nested);
    return main;
}

} // namespace

class MainWindowTest : public UiFixture {};

TEST_F(MainWindowTest, StartsWithOneEmptyMainEvaluationOnTheModelTab)
{
    TMainForm form;
    EXPECT_EQ(form.windowTitle(), u"Ormeta"_s);
    EXPECT_EQ(ListEntries(form), QStringList{u"<головна>"_s});
    EXPECT_EQ(form.TabSheet1->Edit3->text(), u"<головна>"_s);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
    ASSERT_EQ(form.Evaluations.size(), 1u);
    EXPECT_EQ(form.Evaluations[0]->ConfidenceLevel, 0.95);
    EXPECT_FALSE(form.ResultsReady);
    EXPECT_FALSE(form.Pareto->isEnabled());
    EXPECT_FALSE(form.ShowReport->isEnabled());
    EXPECT_EQ(form.TabSheet3->LabeledEdit8->text(), u"0.9545"_s);
    EXPECT_EQ(form.TabSheet3->ComboBox7->currentIndex(), 3);
    EXPECT_TRUE(form.TabSheet3->StringGrid3->isHidden());

    const QStringList tabs{u"Модель оцінювання"_s, u"Джерела(складові) невизначеності"_s, u"Кореляція"_s,
                           u"Бюджет невизначеності"_s};
    for (int k = 0; k < tabs.size(); ++k)
        EXPECT_EQ(form.PageControl1->tabText(k), tabs[k]);

    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {form.Calculate, QKeySequence(Qt::Key_F5)},
        {form.Pareto, QKeySequence(Qt::Key_F6)},
        {form.ShowReport, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {form.Options, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {form.New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {form.Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {form.Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {form.AddNewUNC, QKeySequence(Qt::Key_F2)},
        {form.MakeChanges, QKeySequence(Qt::Key_F3)},
        {form.DeleteUnc, QKeySequence(Qt::Key_F4)},
    };
    for (const auto& [action, keys] : shortcuts)
        EXPECT_EQ(action->shortcut(), keys) << action->objectName().toStdString();
    EXPECT_TRUE(form.N15->isChecked());
    EXPECT_FALSE(form.N16->isChecked());
}

TEST_F(MainWindowTest, LoadedTreeListsNestedEvaluationsChildrenBeforeParents)
{
    // main -> P (with nested Q, R) -> S gives main, Q, R, P, S.
    auto main = CreateCalc("", "", "");
    auto p = CreateCalc("", "P", "");
    AddNested(*p, *CreateCalc("", "Q", ""));
    AddNested(*p, *CreateCalc("", "R", ""));
    AddNested(*main, *p);
    AddNested(*main, *CreateCalc("", "S", ""));
    TMainForm form;
    form.LoadEvaluationTree(std::move(main));
    EXPECT_EQ(ListEntries(form), (QStringList{u"<головна>"_s, u"Q"_s, u"R"_s, u"P"_s, u"S"_s}));
    ASSERT_EQ(form.Evaluations.size(), 5u);
    EXPECT_EQ(form.Evaluations[3], NestedAt(*form.Evaluations[0], 0));
    EXPECT_EQ(form.CurrentEvaluation, 0);
}

TEST_F(MainWindowTest, SwitchSavesTheModelAndResetsTheBudgetEntries)
{
    TMainForm form;
    form.LoadEvaluationTree(TreeWithNested());
    form.TabSheet1->Memo1->setPlainText(u"опис"_s);
    form.TabSheet1->Memo3->setPlainText(u"модель"_s);
    form.TabSheet1->Edit4->setText(u"a*b+P"_s);
    form.TabSheet1->LabeledEdit13->setText(u"мВ"_s);
    form.StringGrid2->setItem(1, 0, new QTableWidgetItem(u"0,5"_s));
    form.TabSheet3->LabeledEdit8->setText(u"0.99"_s);
    form.TabSheet3->ComboBox7->setCurrentIndex(0);

    SelectEvaluation(form, 1);
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    EXPECT_EQ(form.CurrentEvaluation, 1);
    const TOrmetaCalc& main = *form.Evaluations[0];
    EXPECT_EQ(main.Description, "опис");
    EXPECT_EQ(main.ModelDescription, "модель");
    EXPECT_EQ(main.ModelFormula, "a*b+P");
    EXPECT_EQ(main.OutputUnit, "мВ");
    EXPECT_EQ(main.ConfidenceLevel, 0.99);
    EXPECT_EQ(main.CoverageMethod, MethodNormal);
    ASSERT_EQ(main.Correlation.size(), 3u);
    EXPECT_EQ(main.Correlation[0][1], 0.5);
    EXPECT_EQ(main.Correlation[1][0], 0.0);
    // The nested evaluation is shown; the budget entries are back at their defaults.
    EXPECT_EQ(form.TabSheet1->Edit3->text(), u"P"_s);
    EXPECT_EQ(form.TabSheet1->Edit4->text(), u"x*2"_s);
    EXPECT_EQ(form.StringGrid2->rowCount(), 1);
    EXPECT_EQ(form.TabSheet3->LabeledEdit8->text(), u"0.9545"_s);
    EXPECT_EQ(form.TabSheet3->ComboBox7->currentText(), u"Не заданий(автоматичний)"_s);

    SelectEvaluation(form, 0);
    EXPECT_EQ(form.TabSheet1->Memo1->toPlainText(), u"опис"_s);
    EXPECT_EQ(form.TabSheet1->Edit4->text(), u"a*b+P"_s);
    EXPECT_EQ(form.TabSheet1->LabeledEdit13->text(), u"мВ"_s);
    EXPECT_EQ(form.StringGrid2->item(1, 0)->text(), u"0.5"_s);
    // An empty cell was stored as 0 and comes back as "0".
    EXPECT_EQ(form.StringGrid2->item(0, 1)->text(), u"0"_s);
    EXPECT_EQ(form.StringGrid2->horizontalHeaderItem(2)->text(), u"P"_s);
    EXPECT_EQ(form.TabSheet3->LabeledEdit8->text(), u"0.9545"_s);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
}

TEST_F(MainWindowTest, SwitchAfterCalculationEmptiesTheBudget)
{
    TMainForm form;
    form.LoadEvaluationTree(TreeWithNested());
    form.N12Click(TMainForm::TCalcMode::Silent);
    ASSERT_TRUE(form.ResultsReady) << Messages.join(u'\n').toStdString();
    SelectEvaluation(form, 1);
    EXPECT_FALSE(form.ResultsReady);
    EXPECT_TRUE(form.TabSheet3->LabeledEdit10->text().isEmpty());
    EXPECT_TRUE(form.TabSheet3->LabeledEdit9->text().isEmpty());
    EXPECT_EQ(form.TabSheet3->StringGrid3->rowCount(), 1);
    EXPECT_EQ(form.TabSheet3->StringGrid3->item(0, 0), nullptr);
    // Nothing of the main evaluation's results stays beside the nested one.
    EXPECT_TRUE(form.TabSheet3->LabeledEdit17->text().isEmpty());
    EXPECT_TRUE(form.TabSheet3->LabeledEdit18->text().isEmpty());
    EXPECT_TRUE(form.TabSheet3->Label12->text().isEmpty());
}

TEST_F(MainWindowTest, SwitchWithABadLevelKeepsTheEvaluationShown)
{
    TMainForm form;
    form.LoadEvaluationTree(TreeWithNested());
    form.TabSheet1->Memo1->setPlainText(u"saved"_s);
    form.TabSheet3->LabeledEdit8->setText(u"abc"_s);
    SelectEvaluation(form, 1);
    EXPECT_EQ(Messages, QStringList{u"abc - не число! Помилка."_s});
    EXPECT_EQ(form.CurrentEvaluation, 0);
    EXPECT_EQ(form.Evaluations[0]->Description, "saved");
    EXPECT_EQ(form.TabSheet1->Edit3->text(), u"Y"_s);
}

TEST_F(MainWindowTest, ActivationShowsTheMainEvaluation)
{
    TMainForm form;
    form.LoadEvaluationTree(TreeWithNested());
    SelectEvaluation(form, 1);
    form.PageControl1->setCurrentIndex(3);
    form.FormActivate();
    EXPECT_EQ(form.CurrentEvaluation, 0);
    EXPECT_EQ(form.ListBox1->currentRow(), 0);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
}

TEST_F(MainWindowTest, EvaluationWithoutInputsHasAnEmptyGridAndMatrix)
{
    TMainForm form;
    form.LoadEvaluationTree(CreateCalc("", "Y", ""));
    EXPECT_EQ(form.StringGrid2->rowCount(), 0);
    EXPECT_EQ(form.StringGrid2->columnCount(), 0);
    form.FormActivate();
    EXPECT_TRUE(form.Evaluations[0]->Correlation.empty());
}

TEST_F(MainWindowTest, FormulaEditorOkWritesBackTrimmedAndRelabelsTheList)
{
    TMainForm form;
    form.LoadEvaluationTree(TreeWithNested());
    QStringList buttons;
    SetFormulaRunner([&](TFormula& editor) {
        EXPECT_EQ(editor.EditFormula->cursorPosition(), editor.EditFormula->text().size());
        editor.show();
        for (const QToolButton* button : editor.VarButtons)
            buttons << button->text();
        editor.VarEdit->setText(u"  Z "_s);
        editor.EditFormula->setText(u" a*b "_s);
        editor.LabeledEdit13->setText(u" kV"_s);
        editor.bOK->click();
        return editor.result();
    });
    form.bChangeClick();
    EXPECT_EQ(buttons, (QStringList{u"a"_s, u"b"_s, u"P"_s}));
    EXPECT_EQ(form.TabSheet1->Edit3->text(), u"Z"_s);
    EXPECT_EQ(form.TabSheet1->Edit4->text(), u"a*b"_s);
    EXPECT_EQ(form.TabSheet1->LabeledEdit13->text(), u"kV"_s);
    EXPECT_EQ(ListEntries(form)[0], u"Z"_s);

    // An empty name becomes "<без назви>" in the field and in the list.
    SetFormulaRunner([](TFormula& editor) {
        editor.VarEdit->clear();
        editor.accept();
        return editor.result();
    });
    form.bChangeClick();
    EXPECT_EQ(form.TabSheet1->Edit3->text(), u"<без назви>"_s);
    EXPECT_EQ(ListEntries(form)[0], u"<без назви>"_s);
}

TEST_F(MainWindowTest, FormulaEditorCancelWritesNothing)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel());
    for (const bool closeBox : {false, true}) {
        SetFormulaRunner([closeBox](TFormula& editor) {
            editor.show();
            editor.VarEdit->setText(u"Z"_s);
            editor.EditFormula->setText(u"a"_s);
            if (closeBox)
                editor.close();
            else
                editor.bCancel->click();
            return editor.result();
        });
        form.bChangeClick();
        EXPECT_EQ(form.TabSheet1->Edit3->text(), u"Y"_s);
        EXPECT_EQ(form.TabSheet1->Edit4->text(), u"a+b"_s);
        EXPECT_EQ(ListEntries(form)[0], u"Y"_s);
    }
}

TEST_F(MainWindowTest, DrawFormulaShrinksToFit)
{
    TMainForm form;
    form.TabSheet1->Edit4->setText(u"a+b"_s);
    form.DrawFormula();
    EXPECT_EQ(form.TabSheet1->PictureSize, 13);
    form.TabSheet1->Edit4->setText(u"a/(b/(c/(d/(e/(f/(g/(h/(i/(j/k)))))))))+"_s.repeated(3) + u"x"_s);
    form.DrawFormula();
    EXPECT_LT(form.TabSheet1->PictureSize, 13);
    // Far too large for any size: size 2 stays.
    form.TabSheet1->Edit4->setText(u"abcdefghij+"_s.repeated(40) + u"x"_s);
    form.DrawFormula();
    EXPECT_EQ(form.TabSheet1->PictureSize, 2);
    EXPECT_GE(form.TabSheet1->Picture.width(), 753);
}

TEST_F(MainWindowTest, WorkMenuEnablesChartAndReportAfterACalculation)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel());
    form.N2Click();
    EXPECT_FALSE(form.Pareto->isEnabled());
    form.N12Click(TMainForm::TCalcMode::Silent);
    form.N2Click();
    EXPECT_TRUE(form.Pareto->isEnabled());
    EXPECT_TRUE(form.ShowReport->isEnabled());
    form.ResetToNewEvaluation();
    EXPECT_FALSE(form.Pareto->isEnabled());
}
