// The correlation tab's controls: setting one coefficient, its checks, and computing it from observations.
#include "inputs_fixture.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

class CorrelationTest : public InputsTest {
  protected:
    // Type A x (1, 2, 3) and y (2, 4, 6), Type A z (5, 5, 5), Type A w of two observations, Type B b.
    void SetUp() override
    {
        InputsTest::SetUp();
        CreateObserved(u"x"_s, {u"1"_s, u"2"_s, u"3"_s});
        CreateObserved(u"y"_s, {u"2"_s, u"4"_s, u"6"_s});
        CreateObserved(u"w"_s, {u"1"_s, u"3"_s});
        CreateUniform(u"b"_s);
        Form->PageControl1->setCurrentWidget(Form->TabSheet4);
    }

  public:
    TCorrelationTab& Tab() { return *Form->CorrelationControls; }
    void Pick(const QString& first, const QString& second)
    {
        Tab().ComboBox5->setEditText(first);
        Tab().ComboBox6->setEditText(second);
        Tab().ComboBox5Change();
    }
};

TEST_F(CorrelationTest, BoxesListTheInputsWhenTheTabIsShown)
{
    EXPECT_EQ(Tab().ComboBox5->count(), 4);
    EXPECT_EQ(Tab().ComboBox6->itemText(3), u"b"_s);
}

TEST_F(CorrelationTest, ChangeWritesBothCellsAndEitherOrderShowsIt)
{
    Pick(u"x"_s, u"b"_s);
    Tab().Edit5->setText(u"0,5"_s);
    Tab().Button4Click();
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_EQ(Cell(0, 3), u"0,5"_s);
    EXPECT_EQ(Cell(3, 0), u"0,5"_s);
    Tab().Edit5->clear();
    Pick(u"b"_s, u"x"_s);
    EXPECT_EQ(Tab().Edit5->text(), u"0,5"_s);
    // Read back as a number when the evaluation takes the grid.
    Form->StoreCorrelation(Shown());
    EXPECT_DOUBLE_EQ(Shown().Correlation[0][3], 0.5);
}

TEST_F(CorrelationTest, ChangeRefusals)
{
    struct Case {
        QString First;
        QString Second;
        QString Coefficient;
        QString Message;
    };
    const Case cases[] = {
        {u"x"_s, u"y"_s, u""_s, u"Коефіцієнт не задано."_s},
        {u""_s, u"y"_s, u"0.1"_s, u"Змінну не задано."_s},
        {u"x"_s, u"q"_s, u"0.1"_s, u"Такої змінної немає."_s},
        {u"x"_s, u"y"_s, u"1.0001"_s, u"Значення коефіцієнту кореляції повинне бути значення від -1 до 1!"_s},
        {u"x"_s, u"y"_s, u"a"_s, u"a - не число! Помилка."_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message.toStdString());
        Messages.clear();
        Tab().ComboBox5->setEditText(c.First);
        Tab().ComboBox6->setEditText(c.Second);
        Tab().Edit5->setText(c.Coefficient);
        Tab().Button4Click();
        EXPECT_EQ(Messages, QStringList{c.Message});
        EXPECT_EQ(Cell(0, 1), u"0"_s);
    }
}

TEST_F(CorrelationTest, LeavingTheCoefficientChecksItsRange)
{
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    const std::pair<QString, bool> cases[] = {
        {u"1"_s, true}, {u"-1"_s, true}, {u"0,3"_s, true}, {u"1.0001"_s, false}, {u"-1.5"_s, false}, {u""_s, false}};
    for (const auto& [text, accepted] : cases) {
        SCOPED_TRACE(text.toStdString());
        Messages.clear();
        Tab().Edit5->setFocus();
        Tab().Edit5->setText(text);
        Tab().ComboBox5->setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(Messages.isEmpty(), accepted);
        EXPECT_EQ(QApplication::focusWidget() == Tab().Edit5, !accepted);
        Tab().Edit5->setText(u"0"_s);
    }
}

TEST_F(CorrelationTest, CalculateOnlyForTwoTypeAInputsOfTheSameCount)
{
    const std::tuple<QString, QString, bool> cases[] = {
        {u"x"_s, u"y"_s, true}, {u"x"_s, u"x"_s, true}, {u"x"_s, u"w"_s, false}, {u"x"_s, u"b"_s, false}};
    for (const auto& [first, second, enabled] : cases) {
        Pick(first, second);
        EXPECT_EQ(Tab().CalcBtn->isEnabled(), enabled) << first.toStdString() << second.toStdString();
    }
    // A name of no input leaves the coefficient as it was.
    Tab().Edit5->setText(u"0.2"_s);
    Pick(u"x"_s, u"nobody"_s);
    EXPECT_EQ(Tab().Edit5->text(), u"0.2"_s);
    EXPECT_FALSE(Tab().CalcBtn->isEnabled());
}

TEST_F(CorrelationTest, CalculateGivesTheSampleCoefficient)
{
    Pick(u"x"_s, u"y"_s);
    Tab().CalcBtnClick();
    EXPECT_EQ(Tab().Edit5->text(), u"1"_s);
    // The grid waits for "Змінити".
    EXPECT_EQ(Cell(0, 1), u"0"_s);
}

TEST_F(CorrelationTest, CalculateRefusesObservationsWithoutSpread)
{
    Form->PageControl1->setCurrentWidget(Form->TabSheet2);
    CreateObserved(u"z"_s, {u"5"_s, u"5"_s, u"5"_s});
    Form->PageControl1->setCurrentWidget(Form->TabSheet4);
    Pick(u"x"_s, u"z"_s);
    Tab().Edit5->setText(u"0.2"_s);
    Tab().CalcBtnClick();
    EXPECT_EQ(Messages, QStringList{u"Коефіцієнт кореляції не визначений: спостереження однієї з величин не мають "
                                    "розкиду."_s});
    EXPECT_EQ(Tab().Edit5->text(), u"0.2"_s);
}
