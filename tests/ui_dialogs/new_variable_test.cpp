#include "dialog_test_support.h"

#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TNewDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class NewVariableDialog : public DialogTest {
  protected:
    QLineEdit* Edit1() { return Child<QLineEdit>(Dialog, "Edit1"); }

    TNewDialog Dialog;
};

TEST_F(NewVariableDialog, GivesTheSymbolAndStartsEmptyNextTime)
{
    bool focusedWhenShown = false;
    WhenModal([this, &focusedWhenShown] {
        focusedWhenShown = Dialog.focusWidget() == Edit1();
        Edit1()->setText(QStringLiteral("Δm"));
        QTest::keyClick(Edit1(), Qt::Key_Return);
    });
    EXPECT_EQ(Dialog.Ask(), QStringLiteral("Δm"));
    EXPECT_TRUE(focusedWhenShown);
    EXPECT_TRUE(Edit1()->text().isEmpty());

    // Enter closes whatever the field holds; the message about that comes from the add command.
    WhenModal([this] { QTest::keyClick(Edit1(), Qt::Key_Return); });
    EXPECT_EQ(Dialog.Ask(), QString());
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(NewVariableDialog, EmptyFieldKeepsTheFocusAndEscDoesNotClose)
{
    Dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    Edit1()->setFocus();
    QTest::keyClick(Edit1(), Qt::Key_Tab);
    QTest::qWait(1);
    EXPECT_TRUE(Edit1()->hasFocus());

    QTest::keyClick(&Dialog, Qt::Key_Escape);
    EXPECT_TRUE(Dialog.isVisible());

    // With a symbol typed the focus may move on to the button.
    QTest::keyClicks(Edit1(), QStringLiteral("x"));
    QTest::keyClick(Edit1(), Qt::Key_Tab);
    QTest::qWait(1);
    EXPECT_TRUE(Child<QPushButton>(Dialog, "OKBtn")->hasFocus());
    Dialog.accept();
}

TEST(AboutBox, NamesTheProgramAndItsVersionAndIsNotModal)
{
    QWidget mainWindow;
    mainWindow.resize(600, 400);
    mainWindow.show();
    TAboutBox about(&mainWindow);
    about.ShowOverParent();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    const QString text = Child<QLabel>(about, "RichEdit1")->text();
    EXPECT_TRUE(text.contains(QStringLiteral("Ormeta")) && text.contains(QStringLiteral("0.1"))) << text.toStdString();
    EXPECT_FALSE(Child<QLabel>(about, "Image1")->pixmap().isNull());
    Child<QPushButton>(about, "OKButton")->click();
    EXPECT_FALSE(about.isVisible());
}

} // namespace
