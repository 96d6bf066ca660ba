#include "dialog_test_support.h"

#include "text/number_format.h"
#include "ui/dialogs/TOKBottomDlg1.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct CountCase {
    const char* Typed;
    const char* Observation;
    const char* StdDeviation;
};

class ColonyCount : public DialogTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ColonyCount, PositiveIntegersOnly)
{
    const CountCase& c = GetParam();
    const std::optional<TColonyCountEntry> entry = TOKBottomDlg1::EntryFor(QString::fromUtf8(c.Typed));
    if (c.Observation == nullptr) {
        EXPECT_FALSE(entry.has_value());
        return;
    }
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->Observation, QString::fromUtf8(c.Observation));
    EXPECT_EQ(entry->StdDeviation, QString::fromUtf8(c.StdDeviation));
    EXPECT_EQ(entry->Dof, QStringLiteral("Безмежність"));
}

INSTANTIATE_TEST_SUITE_P(Entries, ColonyCount,
                         ::testing::Values(CountCase{"100", "100", "10"}, CountCase{"2", "2", "1.4142"},
                                           CountCase{"1", "1", "1"}, CountCase{" 49 ", "49", "7"},
                                           CountCase{"0", nullptr, nullptr}, CountCase{"-5", nullptr, nullptr},
                                           CountCase{"12.5", nullptr, nullptr}, CountCase{"", nullptr, nullptr},
                                           CountCase{"abc", nullptr, nullptr},
                                           CountCase{"99999999999", nullptr, nullptr}));

class ColonyCountDialog : public DialogTest {
  protected:
    // Types text into the open window and presses the button.
    std::optional<TColonyCountEntry> Enter(const QString& text, const char* button)
    {
        WhenModal([this, text, button] {
            FieldWhenShown = Child<QLineEdit>(Dialog, "LabeledEdit1")->text();
            Child<QLineEdit>(Dialog, "LabeledEdit1")->setText(text);
            Child<QPushButton>(Dialog, button)->click();
        });
        return Dialog.Ask();
    }

    TOKBottomDlg1 Dialog;
    QString FieldWhenShown;
};

TEST_F(ColonyCountDialog, OkGivesTheEntryAndTheFieldStartsEmptyNextTime)
{
    const auto entry = Enter(QStringLiteral("100"), "OKBtn");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->StdDeviation, QStringLiteral("10"));
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_FALSE(Enter(QStringLiteral("4"), "CancelBtn").has_value());
    EXPECT_TRUE(FieldWhenShown.isEmpty());
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(ColonyCountDialog, RefusalIsSaidInTheLanguageOfTheMoment)
{
    EXPECT_FALSE(Enter(QStringLiteral("12.5"), "OKBtn").has_value());
    IsUkrainian = false;
    EXPECT_FALSE(Enter(QStringLiteral("0"), "OKBtn").has_value());
    EXPECT_EQ(Messages, (QStringList{QStringLiteral("Ви повинні ввести ціле додатнє число!"),
                                     QStringLiteral("Вы должны ввести целое число!")}));
    EXPECT_EQ(TOKBottomDlg1::EntryFor(QStringLiteral("9"))->Dof, QStringLiteral("Бесконечность"));
}

TEST_F(ColonyCountDialog, GroupedFormatStillReadsBack)
{
    // Thousands grouping would make "2,000" (read back as 2) or "2 000" (refused) of sqrt(4000000).
    ASSERT_TRUE(WriteSettingInt("OutFormat", "Format", 3));
    const auto entry = TOKBottomDlg1::EntryFor(QStringLiteral("4000000"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(ParseNumber(entry->StdDeviation.toStdString()), 2000);
}

} // namespace
