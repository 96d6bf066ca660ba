// Changing inputs (F3 with an input shown) and deleting them (F4).
#include "inputs_fixture.h"

using namespace Qt::StringLiterals;

namespace {
const QString NotDone = u" Зміни не зроблені."_s;
} // namespace

class ChangeTest : public InputsTest {
  protected:
    // Type A a; Type B b1, b2, b3; coefficients a-b1 0.3, b1-b2 0.5, b1-b3 0.7, b1's diagonal 1.
    void SetUp() override
    {
        InputsTest::SetUp();
        CreateObserved(u"a"_s, {u"1"_s, u"2"_s, u"4"_s});
        for (const QString& name : {u"b1"_s, u"b2"_s, u"b3"_s})
            CreateUniform(name);
        SetCoefficient(0, 1, u"0.3"_s);
        SetCoefficient(1, 2, u"0.5"_s);
        SetCoefficient(1, 3, u"0.7"_s);
    }

  public:
    QString Coefficient(const QString& p, const QString& q)
    {
        const QStringList names = GridNames();
        return Cell(static_cast<int>(names.indexOf(p)), static_cast<int>(names.indexOf(q)));
    }
};

TEST_F(ChangeTest, ChangedInputMovesToTheEndOfItsKindKeepingItsCoefficients)
{
    Select(u"b1"_s);
    EXPECT_EQ(Editor().LabeledEdit6->text(), u"1"_s);
    Editor().LabeledEdit5->setText(u"4"_s);
    Apply();
    EXPECT_EQ(Messages, QStringList{u"Зміни зроблені."_s});
    EXPECT_EQ(GridNames(), (QStringList{u"a"_s, u"b2"_s, u"b3"_s, u"b1"_s}));
    EXPECT_DOUBLE_EQ(Shown().TypeB[2]->ParamA, 4);
    EXPECT_EQ(Editor().Names(), (QStringList{u"a"_s, u"b2"_s, u"b3"_s, u"b1"_s}));
    EXPECT_EQ(Editor().NameBoxText(), u"b1"_s);
    const std::tuple<QString, QString, QString> pairs[] = {
        {u"b1"_s, u"a"_s, u"0.3"_s}, {u"b1"_s, u"b2"_s, u"0.5"_s}, {u"b1"_s, u"b3"_s, u"0.7"_s},
        {u"b1"_s, u"b1"_s, u"1"_s},  {u"b2"_s, u"b3"_s, u"0"_s},   {u"a"_s, u"b2"_s, u"0"_s},
    };
    for (const auto& [p, q, text] : pairs) {
        EXPECT_EQ(Coefficient(p, q), text) << p.toStdString() << "," << q.toStdString();
        EXPECT_EQ(Coefficient(q, p), text) << q.toStdString() << "," << p.toStdString();
    }
}

TEST_F(ChangeTest, KindChangeAndRenameKeepTheCoefficients)
{
    Select(u"b1"_s);
    ChooseKind(TKindItem::TypeA);
    Editor().LabeledEdit1->setText(u"c"_s);
    Editor().ComboBox4->setCurrentIndex(0);
    Editor().ComboBox4Change();
    Editor().LabeledEdit3->setText(u"3"_s);
    Editor().ValuesF->SetObservationTexts({u"5"_s, u"6"_s, u"8"_s});
    Apply();
    EXPECT_EQ(Messages, QStringList{u"Зміни зроблені."_s});
    EXPECT_EQ(GridNames(), (QStringList{u"a"_s, u"c"_s, u"b2"_s, u"b3"_s}));
    EXPECT_EQ(Shown().TypeB.size(), 2u);
    EXPECT_EQ(Coefficient(u"c"_s, u"a"_s), u"0.3"_s);
    EXPECT_EQ(Coefficient(u"b2"_s, u"c"_s), u"0.5"_s);
    EXPECT_EQ(Coefficient(u"c"_s, u"b3"_s), u"0.7"_s);
    EXPECT_EQ(Coefficient(u"c"_s, u"c"_s), u"1"_s);
}

TEST_F(ChangeTest, RefusalsLeaveInputsNamesAndGridAsTheyWere)
{
    struct Case {
        const char* Title;
        std::function<void(ChangeTest&)> Fill;
        QString Message;
    };
    const Case cases[] = {
        {"no such input", [](ChangeTest& t) { t.Editor().SetNameBoxText(u"zz"_s); },
         u"Такої змінної немає. Зміни не зроблені."_s},
        {"rename onto another input", [](ChangeTest& t) { t.Editor().LabeledEdit1->setText(u"b2"_s); },
         u"Така змінна вже є."_s},
        {"to the calculated kind", [](ChangeTest& t) { t.ChooseKind(TKindItem::Calculated); },
         u"Джерело не можна перетворити на таке, що обчислюється: видаліть його та додайте нове."_s},
        {"bad half-width",
         [](ChangeTest& t) { t.Editor().LabeledEdit6->setText(u"0"_s); },
         u"Півширина інтервалу не може бути менше або рівна нулю!"_s},
        {"Type A degrees of freedom 0",
         [](ChangeTest& t) {
             t.ChooseKind(TKindItem::TypeA);
             t.Editor().ComboBox4->setCurrentIndex(1);
             t.Editor().ComboBox4Change();
             t.Editor().LabeledEdit3->setText(u"1"_s);
             t.Editor().ValuesF->SetObservationTexts({u"1"_s});
             t.Editor().LabeledEdit2->setText(u"0.1"_s);
             t.Editor().LabeledEdit4->setText(u"0"_s);
         },
         u"Степені свободи менше або рівні нулю!"_s},
        {"Type A count", [](ChangeTest& t) {
             t.ChooseKind(TKindItem::TypeA);
             t.Editor().LabeledEdit3->setText(u"-1"_s);
         },
         u"Кількість спострежень вказана не вірно. Зміни не зроблені."_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        Select(u"b1"_s);
        c.Fill(*this);
        Apply();
        ASSERT_EQ(Messages.size(), 1);
        EXPECT_EQ(Messages[0], c.Message + NotDone);
        EXPECT_EQ(GridNames(), (QStringList{u"a"_s, u"b1"_s, u"b2"_s, u"b3"_s}));
        EXPECT_EQ(Editor().Names(), GridNames());
        EXPECT_EQ(Shown().TypeB.size(), 3u);
        EXPECT_EQ(Shown().TypeB[0]->Name, "b1");
        EXPECT_EQ(Coefficient(u"b1"_s, u"b3"_s), u"0.7"_s);
        Messages.clear();
    }
}

TEST_F(ChangeTest, RussianChangeTexts)
{
    IsUkrainian = false;
    Select(u"a"_s);
    Editor().LabeledEdit3->setText(u"0"_s);
    Apply();
    Select(u"b2"_s);
    Editor().LabeledEdit14->setText(u"x"_s);
    Apply();
    EXPECT_EQ(Messages, (QStringList{u"Количестко наблюдейний указано не верно. Изменения не сделаны. Изменения не сделаны."_s,
                                     u"Степень свободы считается равной бесконечности"_s, u"Изменения сделаны"_s}));
}

TEST_F(ChangeTest, ApplyOnAShownCalculatedInputDoesNothing)
{
    CreateCalculated(u"P"_s);
    Select(u"P"_s);
    EXPECT_FALSE(Editor().Button6->isEnabled());
    Apply();
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_EQ(Shown().Nested.size(), 1u);
}

TEST_F(ChangeTest, DeleteRemovesTheInputItsNameAndItsRowAndColumn)
{
    Select(u"b2"_s);
    Delete();
    EXPECT_EQ(Messages, QStringList{u"Змінну видалено."_s});
    EXPECT_EQ(GridNames(), (QStringList{u"a"_s, u"b1"_s, u"b3"_s}));
    EXPECT_EQ(Editor().Names(), GridNames());
    EXPECT_EQ(Coefficient(u"b1"_s, u"b3"_s), u"0.7"_s);
    EXPECT_EQ(Coefficient(u"a"_s, u"b1"_s), u"0.3"_s);
    EXPECT_EQ(Editor().NameBoxText(), QString());
    EXPECT_EQ(Editor().LabeledEdit1->text(), QString());
    EXPECT_EQ(CountInputs(Shown()), 3);
}

TEST_F(ChangeTest, DeleteRefusals)
{
    // P with a calculated input Q of its own, made in P's own evaluation.
    CreateCalculated(u"P"_s);
    Form->ListBox1->setCurrentRow(1);
    Form->PageControl1->setCurrentWidget(Form->TabSheet2);
    CreateCalculated(u"Q"_s);
    Form->ListBox1->setCurrentRow(0);
    Form->PageControl1->setCurrentWidget(Form->TabSheet2);
    Messages.clear();
    struct Case {
        QString NameBox;
        QString Name;
        QString Message;
    };
    const Case cases[] = {
        {u""_s, u"b1"_s, u"Не вказана змінна. Нічого не видалено"_s},
        {u"b1"_s, u"zz"_s, u"Такої змінної немає. Нічого не видалено."_s},
        {u"P"_s, u"P"_s,
         u"Ця змінна включає в себе змінні, що обчислюються(вкладені оцінювання).Для її видалення необхідно спочатку "
         "видалити ці змінні. Нічого не видалено"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message.toStdString());
        Editor().SetNameBoxText(c.NameBox);
        Editor().LabeledEdit1->setText(c.Name);
        Delete();
        EXPECT_EQ(Messages, QStringList{c.Message});
        EXPECT_EQ(CountInputs(Shown()), 5);
        EXPECT_EQ(Grid().columnCount(), 5);
        Messages.clear();
    }
}

// Deleting, inside a nested evaluation, a calculated input listed before it keeps the editor on it.
TEST_F(InputsTest, DeletingAnEarlierListedNestedEvaluationKeepsTheCurrentOne)
{
    // main: nested P (inputs: nested R) and nested S; listed as <головна>, R, P, S.
    auto main = CreateCalc("", "Y", "");
    auto p = CreateCalc("", "P", "");
    AddNested(*p, *CreateCalc("", "R", ""));
    AddNested(*main, *p);
    AddNested(*main, *CreateCalc("", "S", ""));
    Form->LoadEvaluationTree(std::move(main));
    ASSERT_EQ(ListEntries(), (QStringList{u"Y"_s, u"R"_s, u"P"_s, u"S"_s}));
    Form->ListBox1->setCurrentRow(2);
    ASSERT_EQ(Form->CurrentEvaluation, 2);
    TOrmetaCalc* edited = Form->Evaluations[2];
    Form->PageControl1->setCurrentWidget(Form->TabSheet2);
    Select(u"R"_s);
    Messages.clear();
    Delete();
    EXPECT_EQ(Messages, QStringList{u"Змінну видалено."_s});
    EXPECT_EQ(ListEntries(), (QStringList{u"Y"_s, u"P"_s, u"S"_s}));
    EXPECT_EQ(Form->CurrentEvaluation, 1);
    EXPECT_EQ(Form->Evaluations[1], edited);
    EXPECT_EQ(&Shown(), edited);
    EXPECT_EQ(Form->ListBox1->currentRow(), 1);
    EXPECT_EQ(Shown().Nested.size(), 0u);
}
