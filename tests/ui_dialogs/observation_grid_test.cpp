#include "dialog_test_support.h"

#include "text/convert_error.h"
#include "ui/dialogs/TValuesF.h"
#include "ui/dialogs/observation_grid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

struct LayoutCase {
    int N;
    int Pairs;
    int Rows;
    int VisibleRows;
};

class ObservationLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ObservationLayout, PairsAndRows)
{
    const LayoutCase c = GetParam();
    const TObservationGridLayout layout = ObservationGridLayout(c.N);
    EXPECT_EQ(layout.Pairs, c.Pairs);
    EXPECT_EQ(layout.Rows, c.Rows);
    EXPECT_EQ(layout.VisibleRows, c.VisibleRows);
}

INSTANTIATE_TEST_SUITE_P(Counts, ObservationLayout,
                         ::testing::Values(LayoutCase{1, 1, 2, 2}, LayoutCase{10, 1, 11, 11}, LayoutCase{20, 2, 11, 11},
                                           LayoutCase{100, 5, 21, 21}, LayoutCase{101, 5, 21, 20},
                                           LayoutCase{105, 5, 21, 20},
                                           // guarded: no count below one reaches the layout
                                           LayoutCase{0, 1, 2, 2}, LayoutCase{-3, 1, 2, 2}));

TEST(ObservationLayout, EveryCountFitsItsGrid)
{
    for (int n = 1; n <= 1000; ++n) {
        const TObservationGridLayout layout = ObservationGridLayout(n);
        // Up to 100 there is always an empty row after the last observation.
        if (n <= 100)
            EXPECT_GT(layout.Pairs * layout.Rows, n) << n;
        else
            EXPECT_GE(layout.Pairs * layout.Rows, n) << n;
        const TGridCell last = ObservationLabelCell(n - 1, layout.Rows);
        EXPECT_LT(last.Column + 1, 2 * layout.Pairs) << n;
    }
}

TEST(ObservationLayout, ObservationsRunDownEachPair)
{
    EXPECT_EQ(ObservationLabelCell(0, 11), (TGridCell{0, 0}));
    EXPECT_EQ(ObservationLabelCell(10, 11), (TGridCell{10, 0}));
    EXPECT_EQ(ObservationLabelCell(11, 11), (TGridCell{0, 2}));
    EXPECT_EQ(ObservationLabelCell(19, 11), (TGridCell{8, 2}));
}

struct SelectCase {
    int Column;
    bool LabelEmpty;
    bool Selectable;
};

class ObservationSelection : public ::testing::TestWithParam<SelectCase> {};

TEST_P(ObservationSelection, OnlyValuesOfExistingObservations)
{
    const SelectCase c = GetParam();
    EXPECT_EQ(IsSelectableObservationCell(c.Column, c.LabelEmpty), c.Selectable);
}

INSTANTIATE_TEST_SUITE_P(Cells, ObservationSelection,
                         ::testing::Values(SelectCase{0, false, false}, SelectCase{2, false, false},
                                           SelectCase{1, false, true}, SelectCase{3, false, true},
                                           SelectCase{1, true, false}, SelectCase{9, true, false}));

class ObservationDialog : public DialogTest {
  protected:
    QTableWidget* Grid() { return Child<QTableWidget>(Dialog, "SG1"); }
    bool Editable(int row, int column)
    {
        const QTableWidgetItem* item = Grid()->item(row, column);
        return item != nullptr && item->flags().testFlag(Qt::ItemIsEditable) &&
               item->flags().testFlag(Qt::ItemIsSelectable);
    }

    TValuesF Dialog;
};

TEST_F(ObservationDialog, TenObservationsLeaveRowTenAndLabelsUnreachable)
{
    Dialog.SetObservationCount(10);
    ASSERT_EQ(Grid()->rowCount(), 11);
    ASSERT_EQ(Grid()->columnCount(), 2);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(Grid()->item(row, 0)->text(), QString::number(row + 1));
        EXPECT_FALSE(Editable(row, 0)) << row;
        EXPECT_TRUE(Editable(row, 1)) << row;
    }
    EXPECT_FALSE(Editable(10, 0));
    EXPECT_FALSE(Editable(10, 1));

    // A click on a label or on the unnumbered value cell does not move the cursor there.
    Dialog.show();
    Grid()->setCurrentCell(2, 1);
    for (const auto& [row, column] : {std::pair{4, 0}, std::pair{10, 1}}) {
        const QRect cell = Grid()->visualItemRect(Grid()->item(row, column));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(Grid()->currentRow(), 2);
        EXPECT_EQ(Grid()->currentColumn(), 1);
    }
    Dialog.hide();
}

TEST_F(ObservationDialog, HundredAndOneObservationsScrollUnderTwentyRows)
{
    Dialog.SetObservationCount(101);
    EXPECT_EQ(Grid()->columnCount(), 10);
    EXPECT_EQ(Grid()->rowCount(), 21);
    EXPECT_EQ(Grid()->item(0, 8)->text(), QStringLiteral("85"));
    EXPECT_EQ(Grid()->item(16, 8)->text(), QStringLiteral("101"));
    EXPECT_TRUE(Grid()->item(17, 8)->text().isEmpty());
    EXPECT_FALSE(Editable(17, 9));
    EXPECT_LT(Grid()->height(), 21 * Grid()->rowHeight(0));
}

TEST_F(ObservationDialog, TextsFollowTheLayoutAndReadBack)
{
    Dialog.SetObservationTexts({QStringLiteral("1.5"), QStringLiteral("2,5"), QStringLiteral("abc")});
    EXPECT_EQ(Dialog.ReadObservations(2), (TArrDouble{1.5, 2.5}));
    try {
        Dialog.ReadObservations(3);
        ADD_FAILURE() << "a text that is no number was read";
    }
    catch (const EConvertError& error) {
        EXPECT_NE(std::string(error.what()).find("abc"), std::string::npos) << error.what();
    }

    // A longer count keeps the texts in order, a shorter one drops those beyond it.
    Dialog.SetObservationTexts({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QString(51, u'7')});
    Dialog.SetObservationCount(20);
    const QStringList grown = Dialog.ObservationTexts(20);
    EXPECT_EQ(grown.mid(0, 3), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(grown[3], QString(50, u'7'));
    EXPECT_TRUE(grown[4].isEmpty());
    Dialog.SetObservationCount(2);
    Dialog.SetObservationCount(3);
    EXPECT_EQ(Dialog.ObservationTexts(3), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QString()}));

    // Stored values come back unchanged.
    const TArrDouble stored{0.1, -2.5e-12, 123456789.012345, 1.0 / 8};
    Dialog.SetObservations(stored);
    EXPECT_EQ(Dialog.ReadObservations(4), stored);

    // Observations the grid does not have read as empty texts, which ParseNumber refuses.
    EXPECT_THROW(Dialog.ReadObservations(50), EConvertError);
    EXPECT_THROW(Dialog.ReadObservations(2000000000), EConvertError);

    // A slip of the keyboard does not build a grid of millions of rows.
    const QStringList before = Dialog.ObservationTexts(5);
    EXPECT_THROW(Dialog.SetObservationCount(TValuesF::kMaxObservations + 1), EConvertError);
    EXPECT_EQ(Dialog.ObservationTexts(5), before);
    Dialog.Clear();
    EXPECT_TRUE(Dialog.ObservationTexts(1).first().isEmpty());
}

TEST_F(ObservationDialog, ClosingKeepsTheCellBeingTyped)
{
    Dialog.SetObservationTexts({QStringLiteral("1"), QStringLiteral("2")});
    bool typed = false;
    WhenModal([this, &typed] {
        Grid()->setCurrentCell(1, 1);
        Grid()->editItem(Grid()->item(1, 1));
        if (auto* editor = Grid()->findChild<QLineEdit*>()) {
            editor->setText(QStringLiteral("42"));
            typed = true;
        }
        Dialog.reject(); // the close box or Esc
    });
    Dialog.Edit();
    ASSERT_TRUE(typed);
    EXPECT_EQ(Dialog.ObservationTexts(2), (QStringList{QStringLiteral("1"), QStringLiteral("42")}));
}

} // namespace
