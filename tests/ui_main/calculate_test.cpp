// The Calculate command: the budget table, the result fields, the failures.
#include "window_fixture.h"

#include "text/number_format.h"
#include "ui/formula/TFormula.h"
#include "ui/main/TMainForm.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
QString Cell(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

QStringList Titles(const QTableWidget& grid)
{
    QStringList titles;
    for (int column = 0; column < grid.columnCount(); ++column)
        titles << grid.horizontalHeaderItem(column)->text();
    return titles;
}

QString Formatted(double value)
{
    return QString::fromStdString(FormatNumber(value));
}
} // namespace

struct LanguageCase {
    bool Ukrainian;
    QStringList Titles;
    QString Uniform;
    QString Infinity;
    QString RelativeCaption;
};

class CalculateTest : public UiFixture, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(CalculateTest, FillsTheBudgetAndTheResults)
{
    const LanguageCase& language = GetParam();
    IsUkrainian = language.Ukrainian;
    TMainForm form;
    form.LoadEvaluationTree(SmallModel());
    form.TabSheet3->ComboBox7->setCurrentIndex(0); // normal: k from the normal distribution
    form.N12Click(TMainForm::TCalcMode::Interactive);
    ASSERT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();

    const TBudgetTab& budget = *form.TabSheet3;
    const QTableWidget& grid = *budget.StringGrid3;
    EXPECT_TRUE(grid.isVisibleTo(&form));
    EXPECT_EQ(Titles(grid), language.Titles);
    ASSERT_EQ(grid.rowCount(), 3); // two inputs and the output
    const QStringList rowA{u"a"_s, u"10 V"_s, u"0.1 V"_s, language.Uniform, language.Infinity, u"1"_s, u"0.1"_s};
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(Cell(grid, 0, column), rowA[column]) << column;
    EXPECT_EQ(Cell(grid, 2, 0), u"Y"_s);
    EXPECT_EQ(Cell(grid, 2, 1), u"15 V"_s);
    EXPECT_EQ(Cell(grid, 2, 2), u"0.2236 V"_s);
    for (int column = 3; column < 7; ++column)
        EXPECT_TRUE(Cell(grid, 2, column).isEmpty()) << column;

    const TOrmetaCalc& calc = *form.Evaluations[0];
    EXPECT_EQ(calc.CoverageMethod, MethodNormal);
    EXPECT_EQ(calc.ConfidenceLevel, 0.9545);
    EXPECT_EQ(budget.LabeledEdit9->text(), Formatted(calc.CoverageFactor));
    EXPECT_EQ(budget.LabeledEdit10->text(), u"0.2236 V"_s);
    EXPECT_EQ(budget.LabeledEdit11->text(), Formatted(calc.CoverageFactor * calc.CombinedUncertainty) + u" V"_s);
    EXPECT_EQ(budget.LabeledEdit17->text(), u"1.49%"_s);
    EXPECT_EQ(budget.LabeledEdit17->EditLabel()->text(), language.RelativeCaption);
    EXPECT_FALSE(budget.Label12->text().isEmpty());
    EXPECT_NEAR(form.TotalContribution, 0.3, 1e-9);
    EXPECT_TRUE(form.ResultsReady);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet3);
    EXPECT_TRUE(form.Label16->isHidden());
    EXPECT_TRUE(form.ProgressBar1->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CalculateTest,
    ::testing::Values(LanguageCase{true,
                                   {u"Змінна"_s, u"Приписане значення"_s, u"Станд. невизначеність"_s,
                                    u"Розподіл імовір."_s, u"Ст. свободи"_s, u"Коеф. чутливості"_s,
                                    u"Вклад в невизначеність"_s},
                                   u"Рівномірний"_s,
                                   u"Безмежність"_s,
                                   u"Відносна стандартна невизначеність"_s},
                      LanguageCase{false,
                                   {u"Переменная"_s, u"Приписанное значение"_s, u"Станд. неопределенность"_s,
                                    u"Распределение вероятности."_s, u"Ст. свободы"_s, u"Коэфф. чувствительности"_s,
                                    u"Вклад в неопределенность"_s},
                                   u"Равномерное"_s,
                                   u"Бесконечность"_s,
                                   u"Относительная стандартная неопределенность"_s}));

class CalculateFailureTest : public UiFixture {};

TEST_F(CalculateFailureTest, RelativeUncertaintiesAreMagnitudes)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel("-a-b"));
    form.N12Click(TMainForm::TCalcMode::Silent);
    ASSERT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    EXPECT_EQ(form.TabSheet3->LabeledEdit17->text(), u"1.49%"_s);
    EXPECT_FALSE(form.TabSheet3->LabeledEdit18->text().startsWith(u'-'));

    form.TabSheet1->Edit4->setText(u"a-a*1"_s);
    form.N12Click(TMainForm::TCalcMode::Silent);
    EXPECT_EQ(form.TabSheet3->LabeledEdit17->text(), u"Неможливо обчислити"_s);
    EXPECT_EQ(form.TabSheet3->LabeledEdit18->text(), u"Неможливо обчислити"_s);
}

TEST_F(CalculateFailureTest, EmptyOutputNameChangesNoResult)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel());
    form.TabSheet1->Edit3->clear();
    form.N12Click(TMainForm::TCalcMode::Interactive);
    EXPECT_EQ(Messages, QStringList{u"Помилка. У вихідної змінної в формулі моделі повинна бути назва."_s});
    EXPECT_TRUE(form.TabSheet3->LabeledEdit10->text().isEmpty());
    EXPECT_FALSE(form.ResultsReady);
    EXPECT_TRUE(form.ProgressBar1->isHidden());
}

TEST_F(CalculateFailureTest, FormulaErrorOpensTheEditorWithTheCharacterSelected)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel("a+2b"));
    QString selected;
    int openings = 0;
    SetFormulaRunner([&](TFormula& editor) {
        ++openings;
        selected = editor.EditFormula->selectedText();
        EXPECT_EQ(editor.EditFormula->selectionStart(), 3);
        EXPECT_EQ(editor.VarEdit->text(), u"Y"_s);
        return int(QDialog::Rejected);
    });
    form.PageControl1->setCurrentIndex(3);
    form.N12Click(TMainForm::TCalcMode::Interactive);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(u"позиції 4"_s)) << Messages[0].toStdString();
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(selected, u"b"_s);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
    EXPECT_FALSE(form.ResultsReady);
}

TEST_F(CalculateFailureTest, BadLevelOrCorrelationIsReported)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel());
    form.TabSheet3->LabeledEdit8->setText(u"x"_s);
    form.N12Click(TMainForm::TCalcMode::Silent);
    form.TabSheet3->LabeledEdit8->setText(u"0.95"_s);
    form.StringGrid2->setItem(0, 1, new QTableWidgetItem(u"q"_s));
    form.N12Click(TMainForm::TCalcMode::Silent);
    EXPECT_EQ(Messages, (QStringList{u"x - не число! Помилка."_s, u"q - не число! Помилка."_s}));
    EXPECT_FALSE(form.ResultsReady);
}

TEST_F(CalculateFailureTest, StudentWithInfiniteDegreesShowsInfinity)
{
    TMainForm form;
    form.LoadEvaluationTree(SmallModel());
    const std::pair<int, bool> cases[] = {{2, true}, {0, false}, {1, false}}; // Student, normal, uniform
    for (const auto& [item, shown] : cases) {
        form.TabSheet3->ComboBox7->setCurrentIndex(item);
        form.N12Click(TMainForm::TCalcMode::Silent);
        ASSERT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
        EXPECT_EQ(form.TabSheet3->LabeledEdit15->isVisibleTo(&form), shown) << item;
        if (shown) {
            EXPECT_EQ(form.TabSheet3->LabeledEdit15->text(), u"Безмежність"_s);
        }
    }
}

TEST_F(CalculateFailureTest, LevelFieldIsCheckedOnLeaving)
{
    TBudgetTab budget(nullptr);
    const std::pair<QString, QString> cases[] = {
        {u"1"_s, u"Значення рівня довіри повинне бути від 0 до 1!"_s},
        {u"0"_s, u"Значення рівня довіри повинне бути від 0 до 1!"_s},
        {u"abc"_s, u"abc - не число! Помилка."_s},
        {u"0,9"_s, QString()},
    };
    for (const auto& [text, message] : cases) {
        Messages.clear();
        budget.LabeledEdit8->setText(text);
        budget.LabeledEdit8Exit();
        EXPECT_EQ(Messages, message.isEmpty() ? QStringList() : QStringList{message}) << text.toStdString();
    }
}

TEST(CoverageMethodText, BothLanguagesMapToTheCodes)
{
    const std::pair<QString, uint8_t> cases[] = {
        {u"Нормальний"_s, MethodNormal},
        {u"Нормальное"_s, MethodNormal},
        {u"Рівномірний"_s, MethodUniform},
        {u"Равномерное"_s, MethodUniform},
        {u"Розподіл Стюдента"_s, MethodStudent},
        {u"Розподіл Ст'юдента"_s, MethodStudent},
        {u"Распределение Стюдента"_s, MethodStudent},
        {u"Не заданий(автоматичний)"_s, MethodAutomatic},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(CoverageMethodFromText(text), code) << text.toStdString();
}
