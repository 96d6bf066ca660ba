// The input editor: showing inputs, the selectors, the field checks and the hand-over to the dialogs.
#include "inputs_fixture.h"

#include "ui/dialogs/TLSFF.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QTableWidget* ValuesGrid(TInputEditor& editor)
{
    return editor.ValuesF->findChild<QTableWidget*>(u"SG1"_s);
}

QStringList ParamLabels(TInputEditor& editor)
{
    QStringList labels;
    for (TLabeledEdit* field : {editor.LabeledEdit5, editor.LabeledEdit6, editor.LabeledEdit7})
        labels << (field->isHidden() ? u"-"_s : field->EditLabel()->text());
    return labels;
}
} // namespace

TEST_F(InputsTest, ParameterFieldsFollowDistributionAndMode)
{
    struct Case {
        bool Ukrainian;
        TDistributionItem Item;
        bool Centre;
        QStringList Labels;
        bool ModeVisible;
    };
    const Case cases[] = {
        {true, TDistributionItem::Normal, false, {u"Імовірність"_s, u"Верхня межа"_s, u"Нижня межа"_s}, true},
        {true, TDistributionItem::Normal, true, {u"Імовірність"_s, u"Центр інтервалу"_s, u"Півширина інтервалу"_s}, true},
        {true, TDistributionItem::Uniform, false, {u"Верхня межа інтервалу"_s, u"Нижня межа інтервалу"_s, u"-"_s}, true},
        {true, TDistributionItem::Triangular, true, {u"Центр інтервалу"_s, u"Півширина інтервалу"_s, u"-"_s}, true},
        {true, TDistributionItem::Trapezoidal, false, {u"Центр інтервалу"_s, u"а1"_s, u"а2"_s}, false},
        {true, TDistributionItem::UShaped, true, {u"А(підсилення)"_s, u"-"_s, u"-"_s}, false},
        // Set by the distribution box, two Russian labels read differently.
        {false, TDistributionItem::Normal, false, {u"Вероятность"_s, u"Верхняя граница"_s, u"Нижня граница"_s}, true},
        {false, TDistributionItem::UShaped, false, {u"А(Усиление)"_s, u"-"_s, u"-"_s}, false},
        {false, TDistributionItem::Uniform, true, {u"Центр интервала"_s, u"Полуширина интервала"_s, u"-"_s}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ParamLabels(Editor()).join(u'|').toStdString());
        IsUkrainian = c.Ukrainian;
        ChooseDistribution(c.Item, c.Centre);
        EXPECT_EQ(ParamLabels(Editor()), c.Labels);
        EXPECT_EQ(!Editor().ComboBox8->isHidden(), c.ModeVisible);
        EXPECT_EQ(!Editor().Label15->isHidden(), c.ModeVisible);
    }
}

TEST_F(InputsTest, DistributionSwitchEmptiesTheParametersModeSwitchKeepsThem)
{
    ChooseDistribution(TDistributionItem::Normal, false);
    SetParams({u"0.9"_s, u"2"_s, u"1"_s});
    Editor().ComboBox8->setCurrentIndex(1);
    Editor().ComboBox8Change();
    EXPECT_EQ(Editor().LabeledEdit6->text(), u"2"_s);
    EXPECT_EQ(Editor().LabeledEdit7->EditLabel()->text(), u"Півширина інтервалу"_s);
    Editor().ComboBox3->setCurrentIndex(1);
    Editor().ComboBox3Change();
    EXPECT_EQ(Editor().LabeledEdit5->text(), QString());
    EXPECT_EQ(Editor().LabeledEdit6->text(), QString());
}

TEST_F(InputsTest, ShowingAnInputFillsTheFieldsOfItsKind)
{
    IsUkrainian = false;
    CreateUniform(u"b"_s, u"3"_s);
    CreateObserved(u"a"_s, {u"1"_s, u"2"_s});
    CreateCalculated(u"P"_s);
    Shown().Nested[0]->ModelDescription = "model of P";
    Shown().TypeB[0]->Dof = 0;

    Select(u"b"_s);
    EXPECT_FALSE(Editor().GroupBox4->isHidden());
    EXPECT_EQ(Editor().ComboBox3->currentIndex(), 1);
    EXPECT_EQ(Editor().ComboBox8->currentIndex(), 1);
    EXPECT_EQ(Editor().LabeledEdit5->text(), u"3"_s);
    EXPECT_EQ(Editor().LabeledEdit6->text(), u"1"_s);
    EXPECT_EQ(Editor().LabeledEdit14->text(), u"Бесконечность"_s);

    Select(u"a"_s);
    EXPECT_FALSE(Editor().GroupBox3->isHidden());
    EXPECT_TRUE(Editor().GroupBox4->isHidden());
    EXPECT_EQ(Editor().LabeledEdit3->text(), u"2"_s);
    EXPECT_TRUE(Editor().LabeledEdit2->isHidden());
    EXPECT_EQ(Editor().ValuesF->ObservationTexts(2), (QStringList{u"1"_s, u"2"_s}));

    Select(u"P"_s);
    EXPECT_FALSE(Editor().GroupBox13->isHidden());
    EXPECT_EQ(Editor().Memo2->toPlainText(), u"model of P"_s);
    for (QWidget* field : std::initializer_list<QWidget*>{Editor().Memo2, Editor().LabeledEdit1, Editor().LabeledEdit12,
                                                          Editor().Button6, Editor().ComboBox1, Editor().AddStBut})
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
}

TEST_F(InputsTest, NameBoxGivesWayToTheFirstNameOrEmpties)
{
    Editor().ComboBox2->setEditText(u"q"_s);
    Editor().ComboBox2Change();
    EXPECT_EQ(Editor().NameBoxText(), QString());

    CreateUniform(u"b"_s);
    CreateUniform(u"c"_s);
    Editor().ComboBox2->setEditText(u"zz"_s);
    Editor().ComboBox2Change();
    EXPECT_EQ(Editor().NameBoxText(), u"b"_s);
    EXPECT_EQ(Editor().LabeledEdit1->text(), u"b"_s);
}

// Leaving a checked field: its message and the focus back in it.
TEST_F(InputsTest, FieldChecksOnLeaving)
{
    struct Case {
        TLabeledEdit* Field;
        TDistributionItem Distribution;
        QString Text;
        QString Message; // empty: accepted
    };
    const Case cases[] = {
        {Editor().LabeledEdit3, TDistributionItem::Normal, u"abc"_s, u"Не число. Змініть значення."_s},
        {Editor().LabeledEdit3, TDistributionItem::Normal, u"0"_s,
         u"Кількість спостережень задано некоректно. Змініть значення."_s},
        {Editor().LabeledEdit3, TDistributionItem::Normal, u"4"_s, {}},
        {Editor().LabeledEdit5, TDistributionItem::Normal, u"1"_s, u"Повинне бути значення від 0 до 1!"_s},
        {Editor().LabeledEdit5, TDistributionItem::Normal, u"0,5"_s, {}},
        {Editor().LabeledEdit5, TDistributionItem::Uniform, u"1"_s, {}},
        {Editor().LabeledEdit5, TDistributionItem::Uniform, u"y"_s, u"y - не число! Помилка."_s},
        {Editor().LE1, TDistributionItem::Normal, u"abc"_s, u"Занадто мало вимірів"_s},
        {Editor().LE2, TDistributionItem::Normal, u"0"_s, u"Занадто мало стандартів"_s},
        {Editor().LE16, TDistributionItem::Normal, u"-2"_s, u"Занадто мало вимірювань"_s},
        {Editor().LE16, TDistributionItem::Normal, u"3"_s, {}},
    };
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    const auto leave = [this](TLabeledEdit* field, const QString& text) {
        field->setFocus();
        field->setText(text);
        Editor().Memo2->setFocus();
        QCoreApplication::processEvents();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.Field->objectName() + u' ' + c.Text).toStdString());
        ChooseKind(c.Field == Editor().LabeledEdit3   ? TKindItem::TypeA
                   : c.Field == Editor().LabeledEdit5 ? TKindItem::TypeB
                                                      : TKindItem::Calibration);
        ChooseDistribution(c.Distribution, false);
        leave(c.Field, c.Text);
        EXPECT_EQ(Messages, c.Message.isEmpty() ? QStringList{} : QStringList{c.Message});
        EXPECT_EQ(QApplication::focusWidget() == c.Field, !c.Message.isEmpty());
        // A valid entry lets the user go.
        leave(c.Field, c.Field == Editor().LabeledEdit5 ? u"0.5"_s : u"1"_s);
        Messages.clear();
    }
}

TEST_F(InputsTest, SampleGridFollowsTheMeasurementCount)
{
    Editor().SetSampleRows(3);
    Editor().SG4->setItem(2, 0, new QTableWidgetItem(u"7"_s));
    Editor().LE16->setText(u"abc"_s);
    Editor().LE16Exit();
    EXPECT_EQ(Editor().SG4->rowCount(), 1);
    Editor().LE16->setText(u"3"_s);
    Editor().LE16Exit();
    EXPECT_EQ(Editor().SG4->rowCount(), 3);
    EXPECT_EQ(Editor().SG4->item(2, 0), nullptr);
}

TEST_F(InputsTest, ObservationGridLayoutForTheCount)
{
    struct Case {
        int N;
        int Columns;
        int Rows;
    };
    const Case cases[] = {{1, 2, 2}, {10, 2, 11}, {20, 4, 11}, {100, 10, 21}, {101, 10, 21}};
    ChooseKind(TKindItem::TypeA);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.N);
        Editor().LabeledEdit3->setText(QString::number(c.N));
        ShownWindows.clear();
        Editor().EnterValClick();
        EXPECT_EQ(ShownWindows, QStringList{u"TValuesF"_s});
        const QTableWidget* grid = ValuesGrid(Editor());
        EXPECT_EQ(grid->columnCount(), c.Columns);
        EXPECT_EQ(grid->rowCount(), c.Rows);
        // The last observation's number stands where the layout puts it.
        const int last = c.N - 1;
        EXPECT_EQ(grid->item(last % c.Rows, 2 * (last / c.Rows))->text(), QString::number(c.N));
    }
}

TEST_F(InputsTest, EnterValueKeepsTypedTextsAndRefusesBadCounts)
{
    ChooseKind(TKindItem::TypeA);
    Editor().LabeledEdit3->setText(u"2"_s);
    Editor().ValuesF->SetObservationTexts({u"5"_s, u"6"_s});
    Editor().LabeledEdit3->setText(u"3"_s);
    Editor().EnterValClick();
    EXPECT_EQ(Editor().ValuesF->ObservationTexts(3), (QStringList{u"5"_s, u"6"_s, u""_s}));

    const QString counts[] = {u"x"_s, u"200000"_s};
    for (const QString& count : counts) {
        ShownWindows.clear();
        Messages.clear();
        Editor().LabeledEdit3->setText(count);
        Editor().EnterValClick();
        EXPECT_TRUE(ShownWindows.isEmpty());
        EXPECT_EQ(Messages.size(), 1);
    }
}

TEST_F(InputsTest, CalibrationDataWindowNeedsBothCounts)
{
    const std::pair<QString, QString> refused[] = {{u"x"_s, u"2"_s}, {u"2"_s, u""_s}, {u"0"_s, u"2"_s}};
    for (const auto& [m, k] : refused) {
        Editor().LE1->setText(m);
        Editor().LE2->setText(k);
        Editor().BMatrixClick();
    }
    EXPECT_TRUE(ShownWindows.isEmpty());
    EXPECT_EQ(Messages, QStringList(3, u"Помилка. Невірно задана кількість вимірювань або стандартних зразків."_s));
}

TEST_F(InputsTest, CalibrationChartShowsTheStoredInput)
{
    Add(u"g"_s);
    ChooseKind(TKindItem::Calibration);
    Editor().LE1->setText(u"1"_s);
    Editor().LE2->setText(u"3"_s);
    Editor().CalibM->SetDimensions(1, 3);
    Editor().CalibM->SetMatrix({{1, 2, 3}, {1, 2, 3}});
    Editor().LE16->setText(u"1"_s);
    Editor().SG4->setItem(0, 0, new QTableWidgetItem(u"2"_s));
    Apply();
    Select(u"g"_s);
    Editor().LSFBtnClick();
    EXPECT_EQ(ShownWindows, QStringList{u"TLSFF"_s});
    EXPECT_TRUE(Editor().LSFF->windowTitle().startsWith(u"Пряма"_s));
}
