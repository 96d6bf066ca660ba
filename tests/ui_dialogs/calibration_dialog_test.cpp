#include "dialog_test_support.h"

#include "text/convert_error.h"
#include "ui/dialogs/TCalibM.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

class CalibrationDialog : public DialogTest {
  protected:
    QTableWidget* Grid() { return Child<QTableWidget>(Dialog, "SG1"); }
    QStringList Header()
    {
        QStringList texts;
        for (int column = 0; column < Grid()->columnCount(); ++column)
            texts << Grid()->horizontalHeaderItem(column)->text();
        return texts;
    }

    TCalibM Dialog;
};

TEST_F(CalibrationDialog, HeaderNamesTheStandardsAndNumbersTheSeries)
{
    Dialog.SetDimensions(2, 3);
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Grid()->rowCount(), 3);
    EXPECT_EQ(Header(), (QStringList{QStringLiteral("Ст. зразки"), QStringLiteral("1"), QStringLiteral("2")}));
    IsUkrainian = false;
    Dialog.SetDimensions(1, 1);
    EXPECT_EQ(Header(), (QStringList{QStringLiteral("Ст.образцы"), QStringLiteral("1")}));
}

TEST_F(CalibrationDialog, MatrixRoundTrip)
{
    const TMatDouble data{{1, 2, 3}, {1.1, 1.9, 3.05}, {0.95, 2.1, -2.95e-7}};
    Dialog.SetDimensions(2, 3);
    Dialog.SetMatrix(data);
    EXPECT_EQ(Grid()->item(2, 1)->text(), QStringLiteral("3.05"));
    EXPECT_EQ(Dialog.ReadMatrix(2, 3), data);

    // Growing keeps what was typed; a matrix larger than the grid grows it.
    Dialog.SetDimensions(3, 4);
    EXPECT_EQ(Grid()->item(2, 1)->text(), QStringLiteral("3.05"));
    EXPECT_EQ(Grid()->item(3, 1), nullptr);
    Dialog.Clear();
    Dialog.SetMatrix(data);
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Dialog.ReadMatrix(2, 3), data);
}

TEST_F(CalibrationDialog, EnterInACellKeepsWhatWasTyped)
{
    Dialog.SetDimensions(1, 2);
    Dialog.SetMatrix({{1, 2}, {1, 2}});
    bool typed = false;
    WhenModal([this, &typed] {
        Grid()->setCurrentCell(1, 1);
        Grid()->editItem(Grid()->item(1, 1));
        if (auto* editor = Grid()->findChild<QLineEdit*>()) {
            editor->setText(QStringLiteral("2,5"));
            QTest::keyClick(editor, Qt::Key_Return);
            typed = true;
        }
        if (Dialog.isVisible())
            Dialog.accept();
    });
    Dialog.Edit();
    ASSERT_TRUE(typed);
    EXPECT_EQ(Dialog.ReadMatrix(1, 2), (TMatDouble{{1, 2}, {1, 2.5}}));
}

struct BadCellCase {
    const char* Text;
};

class CalibrationBadCell : public CalibrationDialog, public ::testing::WithParamInterface<BadCellCase> {};

TEST_P(CalibrationBadCell, IsRefusedWithItsText)
{
    Dialog.SetDimensions(1, 2);
    Dialog.SetMatrix({{1, 2}, {1, 2}});
    const QString text = QString::fromUtf8(GetParam().Text);
    Grid()->item(1, 1)->setText(text);
    try {
        Dialog.ReadMatrix(1, 2);
        ADD_FAILURE() << "read " << GetParam().Text;
    }
    catch (const EConvertError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().Text), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, CalibrationBadCell,
                         ::testing::Values(BadCellCase{"abc"}, BadCellCase{"1.5 "}, BadCellCase{"1 000"},
                                           BadCellCase{""}));

TEST_F(CalibrationDialog, CellsOutsideTheGridAreRefused)
{
    Dialog.SetDimensions(1, 2);
    Dialog.SetMatrix({{1, 2}, {1, 2}});
    EXPECT_THROW(Dialog.ReadMatrix(1, 3), EConvertError);
    EXPECT_THROW(Dialog.ReadMatrix(2, 2), EConvertError);
    EXPECT_THROW(Dialog.ReadMatrix(2000000000, 2000000000), EConvertError);
}

TEST_F(CalibrationDialog, ASlipOfTheKeyboardDoesNotBuildAHugeGrid)
{
    Dialog.SetDimensions(2, 3);
    for (const auto& [readings, standards] : {std::pair{1000, 100}, std::pair{2000000000, 2000000000}})
        EXPECT_THROW(Dialog.SetDimensions(readings, standards), EConvertError) << readings;
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Grid()->rowCount(), 3);
}

} // namespace
