// Creating inputs with F2 and F3: each kind, the checks and their messages, the correlation grid.
#include "inputs_fixture.h"

using namespace Qt::StringLiterals;

namespace {
const QString Done = u"Зміни зроблені."_s;
const QString NotDone = u" Зміни не зроблені."_s;
} // namespace

TEST_F(InputsTest, CreatesTypeBOfEachDistributionWithItsParameters)
{
    struct Case {
        TDistributionItem Item;
        bool Centre;
        QStringList Params;
        uint8_t Code;
        double P, A, B;
    };
    const Case cases[] = {
        {TDistributionItem::Normal, false, {u"0.95"_s, u"12"_s, u"10"_s}, DistNormal, 0.95, 12, 10},
        {TDistributionItem::Normal, true, {u"0.99"_s, u"11"_s, u"0.5"_s}, DistNormal, 0.99, 11, 0.5},
        {TDistributionItem::Uniform, true, {u"5"_s, u"0,25"_s}, DistUniform, 0, 5, 0.25},
        {TDistributionItem::Triangular, false, {u"3"_s, u"1"_s}, DistTriangular, 0, 3, 1},
        {TDistributionItem::Trapezoidal, false, {u"2"_s, u"1"_s, u"0.5"_s}, DistTrapezoidal, 2, 1, 0.5},
        {TDistributionItem::UShaped, false, {u"0.3"_s}, DistUShaped, 0.3, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Item));
        Form->ResetToNewEvaluation();
        Form->PageControl1->setCurrentWidget(Form->TabSheet2);
        Add(u"x"_s);
        ChooseDistribution(c.Item, c.Centre);
        SetParams(c.Params);
        Editor().LabeledEdit12->setText(u"mm"_s);
        Editor().LabeledEdit14->setText(u"8"_s);
        Apply();
        EXPECT_EQ(Messages, QStringList{Done});
        ASSERT_EQ(Shown().TypeB.size(), 1u);
        const TOrmetaTypeB& input = *Shown().TypeB[0];
        EXPECT_EQ(input.Distribution, c.Code);
        EXPECT_EQ(input.HalfWidthForm, c.Centre);
        EXPECT_DOUBLE_EQ(input.ParamP, c.P);
        EXPECT_DOUBLE_EQ(input.ParamA, c.A);
        EXPECT_DOUBLE_EQ(input.ParamB, c.B);
        EXPECT_EQ(input.Dof, 8);
        EXPECT_EQ(input.Unit, "mm");
        // Only a Type A input stays in the name box.
        EXPECT_EQ(Editor().NameBoxText(), QString());
        EXPECT_EQ(Editor().Names(), QStringList{u"x"_s});
    }
}

TEST_F(InputsTest, CreatesTypeAFromObservationsOrAPreviousStandardDeviation)
{
    CreateObserved(u"t"_s, {u"10.1"_s, u"10,3"_s, u"10.2"_s});
    ASSERT_EQ(Shown().TypeA.size(), 1u);
    EXPECT_EQ(Shown().TypeA[0]->Observations, (TArrDouble{10.1, 10.3, 10.2}));
    EXPECT_FALSE(Shown().TypeA[0]->HasPriorSD);
    EXPECT_EQ(Editor().NameBoxText(), u"t"_s);

    Add(u"s"_s);
    EnterPriorSdObservations();
    Apply();
    EXPECT_EQ(Messages, QStringList{Done});
    ASSERT_EQ(Shown().TypeA.size(), 2u);
    const TOrmetaTypeA& prior = *Shown().TypeA[1];
    EXPECT_TRUE(prior.HasPriorSD);
    EXPECT_DOUBLE_EQ(prior.PriorSD, 0.2);
    EXPECT_EQ(prior.Dof, 12);
    EXPECT_DOUBLE_EQ(prior.Value, 5);
}

TEST_F(InputsTest, NormaliseFlagDropsThePreviousStandardDeviation)
{
    Add(u"n"_s);
    EnterPriorSdObservations();
    Editor().CheckBox1->setChecked(true);
    Apply();
    ASSERT_EQ(Shown().TypeA.size(), 1u);
    EXPECT_TRUE(Shown().TypeA[0]->Normalized);
    EXPECT_FALSE(Shown().TypeA[0]->HasPriorSD);
}

TEST_F(InputsTest, CreatesACalibrationInputFromItsGrids)
{
    Add(u"g"_s);
    ChooseKind(TKindItem::Calibration);
    Editor().LE1->setText(u"1"_s);
    Editor().LE2->setText(u"3"_s);
    Editor().BMatrixClick();
    EXPECT_EQ(ShownWindows, QStringList{u"TCalibM"_s});
    Editor().CalibM->SetMatrix({{1, 2, 3}, {1.1, 2.1, 2.9}});
    Editor().LE16->setText(u"2"_s);
    Editor().LE16Exit();
    EXPECT_EQ(Editor().SG4->rowCount(), 2);
    Editor().SG4->setItem(0, 0, new QTableWidgetItem(u"1.5"_s));
    Editor().SG4->setItem(1, 0, new QTableWidgetItem(u"1.7"_s));
    Apply();
    EXPECT_EQ(Messages, QStringList{Done});
    ASSERT_EQ(Shown().TypeG.size(), 1u);
    const TOrmetaTypeG& input = *Shown().TypeG[0];
    EXPECT_EQ(input.Repeats, 1);
    EXPECT_EQ(input.Standards, 3);
    EXPECT_EQ(input.Measurements, (TArrDouble{1.5, 1.7}));
    EXPECT_EQ(input.Dof, 1);
}

TEST_F(InputsTest, CreatesAnEmptyNestedEvaluationListedAfterTheOthers)
{
    CreateUniform(u"a"_s);
    Add(u"P"_s);
    ChooseKind(TKindItem::Calculated);
    Editor().LabeledEdit12->setText(u"V"_s);
    Apply();
    EXPECT_EQ(Messages, QStringList{Done});
    ASSERT_EQ(Shown().Nested.size(), 1u);
    EXPECT_EQ(Shown().Nested[0]->OutputName, "P");
    EXPECT_EQ(Shown().Nested[0]->OutputUnit, "V");
    EXPECT_EQ(ListEntries(), (QStringList{u"<головна>"_s, u"P"_s}));
    ASSERT_EQ(Form->Evaluations.size(), 2u);
    EXPECT_EQ(Form->Evaluations[1], Shown().Nested[0].get());
    EXPECT_FALSE(Editor().ComboBox1->isEnabled());
    EXPECT_FALSE(Editor().Button6->isEnabled());
    EXPECT_EQ(GridNames(), (QStringList{u"a"_s, u"P"_s}));
}

TEST_F(InputsTest, FirstInputMakesAOneByOneGridAndTypeAComesBeforeTypeB)
{
    CreateUniform(u"b1"_s);
    EXPECT_EQ(GridNames(), QStringList{u"b1"_s});
    EXPECT_EQ(Cell(0, 0), u"1"_s);

    CreateUniform(u"b2"_s);
    SetCoefficient(0, 1, u"0.4"_s);
    CreateObserved(u"a"_s, {u"1"_s, u"2"_s, u"4"_s});
    EXPECT_EQ(GridNames(), (QStringList{u"a"_s, u"b1"_s, u"b2"_s}));
    EXPECT_EQ(Cell(0, 0), u"1"_s);
    EXPECT_EQ(Cell(0, 1), u"0"_s);
    EXPECT_EQ(Cell(2, 0), u"0"_s);
    // The pair b1, b2 keeps its coefficient.
    EXPECT_EQ(Cell(1, 2), u"0.4"_s);
    EXPECT_EQ(Cell(2, 1), u"0.4"_s);
    EXPECT_EQ(Cell(2, 2), u"1"_s);
}

TEST_F(InputsTest, UnusableDegreesOfFreedomMeanInfinity)
{
    const QString texts[] = {u"Безмежність"_s, u"-3"_s, u""_s};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        Form->ResetToNewEvaluation();
        Form->PageControl1->setCurrentWidget(Form->TabSheet2);
        Add(u"b"_s);
        ChooseDistribution(TDistributionItem::Uniform, false);
        SetParams({u"1"_s, u"0"_s});
        Editor().LabeledEdit14->setText(text);
        Apply();
        EXPECT_EQ(Messages, (QStringList{u"Степінь свободи вважається рівною безмежності."_s, Done}));
        ASSERT_EQ(Shown().TypeB.size(), 1u);
        EXPECT_EQ(Shown().TypeB[0]->Dof, 0);
        EXPECT_EQ(Editor().LabeledEdit14->text(), u"Безмежність"_s);
    }
}

// Every refusal of the create command: its message with the suffix, and nothing stored, listed or gridded.
TEST_F(InputsTest, CreateRefusalsChangeNothing)
{
    struct Case {
        const char* Title;
        std::function<void(InputsTest&)> Fill;
        QString Message;
    };
    const auto typeA = [](InputsTest& t, const QString& n, bool prior, const QString& sd, const QString& dof) {
        t.ChooseKind(TKindItem::TypeA);
        t.Editor().ComboBox4->setCurrentIndex(prior ? 1 : 0);
        t.Editor().ComboBox4Change();
        t.Editor().LabeledEdit3->setText(n);
        t.Editor().ValuesF->SetObservationTexts({u"1"_s, u"2"_s});
        t.Editor().LabeledEdit2->setText(sd);
        t.Editor().LabeledEdit4->setText(dof);
    };
    const auto calibration = [](InputsTest& t, const QString& m, const QString& k, const QString& n) {
        t.ChooseKind(TKindItem::Calibration);
        t.Editor().LE1->setText(m);
        t.Editor().LE2->setText(k);
        t.Editor().CalibM->SetDimensions(1, 2);
        t.Editor().CalibM->SetMatrix({{1, 2}, {1, 2}});
        t.Editor().LE16->setText(n);
        t.Editor().SetSampleRows(1);
        t.Editor().SG4->setItem(0, 0, new QTableWidgetItem(u"1"_s));
    };
    const Case cases[] = {
        {"name used", [](InputsTest& t) { t.Editor().LabeledEdit1->setText(u"b"_s); },
         u"Така змінна вже є.Джерело не створено."_s},
        {"no observations", [&](InputsTest& t) { typeA(t, u"0"_s, false, {}, {}); },
         u"Кількість спострежень вказана не вірно. Джерело не створено."_s},
        {"count not a number", [&](InputsTest& t) { typeA(t, u"два"_s, false, {}, {}); },
         u"'два' is not a valid integer value"_s},
        {"missing observation", [&](InputsTest& t) { typeA(t, u"3"_s, false, {}, {}); },
         u"\" \" - не число! Помилка."_s},
        {"standard deviation 0", [&](InputsTest& t) { typeA(t, u"2"_s, true, u"0"_s, u"5"_s); },
         u"Стандартне відхилення вказано не вірно. Джерело не створено."_s},
        {"degrees of freedom 0", [&](InputsTest& t) { typeA(t, u"2"_s, true, u"0.1"_s, u"0"_s); },
         u"Степені свободи менше або рівні нулю!"_s},
        {"calibration m", [&](InputsTest& t) { calibration(t, u"0"_s, u"2"_s, u"1"_s); },
         u"Кількість вимірів для калібрування вказана не вірно. Зміни не зроблені."_s},
        {"calibration k", [&](InputsTest& t) { calibration(t, u"1"_s, u"-1"_s, u"1"_s); },
         u"Кількість калібровочних стандартів вказана не вірно. Зміни не зроблені."_s},
        {"calibration n", [&](InputsTest& t) { calibration(t, u"1"_s, u"2"_s, u"0"_s); },
         u"Кількість вимірів вказана не вірно. Зміни не зроблені."_s},
        {"normal half-width 0",
         [](InputsTest& t) {
             t.ChooseDistribution(TDistributionItem::Normal, true);
             t.SetParams({u"0.95"_s, u"1"_s, u"0"_s});
         },
         u"Півширина інтервалу не може бути менше або рівна нулю!"_s},
        {"triangular half-width negative",
         [](InputsTest& t) {
             t.ChooseDistribution(TDistributionItem::Triangular, true);
             t.SetParams({u"1"_s, u"-2"_s});
         },
         u"Півширина інтервалу не може бути менше або рівна нулю!"_s},
        {"parameter not a number",
         [](InputsTest& t) {
             t.ChooseDistribution(TDistributionItem::Uniform, false);
             t.SetParams({u"1"_s, u"x"_s});
         },
         u"x - не число! Помилка."_s},
    };
    CreateUniform(u"b"_s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        Add(u"new"_s);
        c.Fill(*this);
        Apply();
        ASSERT_EQ(Messages.size(), 1);
        EXPECT_EQ(Messages[0], c.Message + NotDone);
        EXPECT_EQ(CountInputs(Shown()), 1);
        EXPECT_EQ(Editor().Names(), QStringList{u"b"_s});
        EXPECT_EQ(GridNames(), QStringList{u"b"_s});
        Messages.clear();
    }
}

TEST_F(InputsTest, NormalBoundsAcceptALowerBoundOfZero)
{
    Add(u"b"_s);
    ChooseDistribution(TDistributionItem::Normal, false);
    SetParams({u"0.95"_s, u"1"_s, u"0"_s});
    Editor().LabeledEdit14->setText(u"3"_s);
    Apply();
    EXPECT_EQ(Messages, QStringList{Done});
    EXPECT_EQ(Shown().TypeB.size(), 1u);
}

TEST_F(InputsTest, RussianCreateMessages)
{
    IsUkrainian = false;
    CreateUniform(u"b"_s);
    Add(u"b"_s);
    Apply();
    EXPECT_EQ(Messages, QStringList{u"Такая переменная уже есть. Источник не создан. Изменения не сделаны."_s});
}

TEST_F(InputsTest, ColonyCountFillsTheTypeAFieldsForApply)
{
    Add(u"c"_s);
    ChooseKind(TKindItem::TypeA);
    ColonyEntry = TColonyCountEntry{u"100"_s, u"10"_s, u"Безмежність"_s};
    Editor().CColonClick();
    EXPECT_EQ(Editor().LabeledEdit3->text(), u"1"_s);
    EXPECT_EQ(Editor().ComboBox4->currentIndex(), 1);
    EXPECT_FALSE(Editor().LabeledEdit2->isHidden());
    EXPECT_FALSE(Editor().LabeledEdit4->isHidden());
    Apply();
    EXPECT_EQ(Messages, (QStringList{u"Степінь свободи вважається рівною безмежності."_s, Done}));
    ASSERT_EQ(Shown().TypeA.size(), 1u);
    const TOrmetaTypeA& input = *Shown().TypeA[0];
    EXPECT_EQ(input.Observations, TArrDouble{100});
    EXPECT_DOUBLE_EQ(input.PriorSD, 10);
    EXPECT_EQ(input.Dof, 0);

    // Going back writes nothing.
    ColonyEntry.reset();
    Editor().LabeledEdit3->setText(u"7"_s);
    Editor().CColonClick();
    EXPECT_EQ(Editor().LabeledEdit3->text(), u"7"_s);
}

TEST_F(InputsTest, AddAsksForTheSymbolAndPreparesATypeBInput)
{
    CreateObserved(u"a"_s, {u"1"_s, u"2"_s});
    NextSymbol = u"k"_s;
    Form->AddNewUNC->trigger();
    EXPECT_EQ(Messages, QStringList{u"Введіть параметри джерела(складової) невизначеності. Для підтвредження - кнопка "
                                    "\"Підтвердити зміни\""_s});
    EXPECT_EQ(Editor().LabeledEdit1->text(), u"k"_s);
    EXPECT_EQ(Editor().NameBoxText(), QString());
    EXPECT_EQ(Editor().ComboBox1->currentIndex(), 1);
    EXPECT_FALSE(Editor().GroupBox4->isHidden());
    EXPECT_TRUE(Editor().GroupBox3->isHidden());
    EXPECT_EQ(Editor().LabeledEdit3->text(), QString());

    // Only on the inputs tab.
    Messages.clear();
    Form->PageControl1->setCurrentWidget(Form->TabSheet1);
    Form->AddNewUNC->trigger();
    Form->MakeChanges->trigger();
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(InputsTest, InputsMadeHereAreCalculatedWithTheirCoefficient)
{
    CreateUniform(u"a"_s, u"10"_s);
    CreateUniform(u"b"_s, u"5"_s);
    SetCoefficient(0, 1, u"0.5"_s);
    Form->TabSheet1->Edit3->setText(u"Y"_s);
    Form->TabSheet1->Edit4->setText(u"a+b"_s);
    Form->Calculate->trigger();
    EXPECT_TRUE(Messages.isEmpty()) << Messages.join(u'\n').toStdString();
    EXPECT_DOUBLE_EQ(Shown().Value, 15);
    // u(a) = u(b) = 1/sqrt(3): u^2 = 1/3 + 1/3 + 2 * 0.5 / 3.
    EXPECT_NEAR(Shown().CombinedUncertainty, 1, 1e-12);
}
