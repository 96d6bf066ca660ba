// The print options window: its initial choices, kept between reports, and how it is closed.
#include "reports/TPrintForm.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PrintForm, ConfirmsOnlyWithOkAndKeepsTheChoices)
{
    TPrintForm form;
    EXPECT_TRUE(form.cSources->isChecked());
    EXPECT_FALSE(form.cIncl->isChecked());
    EXPECT_TRUE(form.cPareto->isChecked());
    struct Case {
        const char* Button; // null: closed by the window's own close
        bool Confirmed;
    };
    for (const Case& c : {Case{"sSpeedButton1", true}, Case{"sSpeedButton2", false}, Case{nullptr, false}}) {
        SCOPED_TRACE(c.Button ? c.Button : "close");
        form.cIncl->setChecked(true);
        QTimer::singleShot(0, &form, [&] {
            if (c.Button)
                form.findChild<QPushButton*>(QLatin1StringView(c.Button))->click();
            else
                form.close();
        });
        EXPECT_EQ(form.Ask(), c.Confirmed);
        EXPECT_TRUE(form.cIncl->isChecked());
    }
}

} // namespace
