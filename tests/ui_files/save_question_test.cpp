// The save question: the window itself, its three answers before closing, New and Open, and the
// tracking of changes that decides whether New and Open ask.
#include "file_fixture.h"

#include "ui/formula/TFormula.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
const QString Saved = u"Успішно збережено!"_s;

enum class TCommand { Close, New, Open };

const char* CommandName(TCommand command)
{
    return command == TCommand::Close ? "close" : command == TCommand::New ? "New" : "Open";
}
} // namespace

class SaveQuestionTest : public FileFixture {
  protected:
    // The window holds a.orm (description "збережено") with the unsaved description "нова робота";
    // b.orm waits to be opened.
    void PrepareUnsavedWork()
    {
        DialogNames.clear();
        auto main = SmallModel();
        main->Description = "збережено";
        SaveEvaluationToFile(*main, QFile::encodeName(PathOf(u"a.orm"_s)).toStdString());
        SaveEvaluationToFile(*CreateCalc("", "B", ""), QFile::encodeName(PathOf(u"b.orm"_s)).toStdString());
        Form = std::make_unique<TMainForm>();
        OpenThroughMenu(PathOf(u"a.orm"_s));
        Form->TabSheet1->Memo1->setPlainText(u"нова робота"_s);
        Form->MarkModified();
        Messages.clear();
        QuestionCaptions.clear();
        DialogCalls.clear();
    }

    // Runs the command (Open chooses b.orm); true when it went on.
    bool Run(TCommand command)
    {
        switch (command) {
        case TCommand::Close:
            return Form->close();
        case TCommand::New:
            Form->New->trigger();
            return Form->TabSheet1->Edit3->text() == u"<головна>"_s && Form->CurrentFileName.isEmpty();
        case TCommand::Open:
            DialogNames.push_back(PathOf(u"b.orm"_s));
            Form->Open->trigger();
            return Form->TabSheet1->Edit3->text() == u"B"_s;
        }
        return false;
    }

    std::string SavedDescription() { return ReadBack(PathOf(u"a.orm"_s))->Description; }
};

TEST_F(SaveQuestionTest, TheWindowAnswersByButtonKeyAndTitleBar)
{
    struct Case {
        const char* What;
        std::function<void(TConfirmDlg&)> Act;
        TSaveAnswer Expected;
    };
    const Case cases[] = {
        {"Так clicked", [](TConfirmDlg& d) { d.YesBtn->click(); }, TSaveAnswer::Yes},
        {"Повернутися clicked", [](TConfirmDlg& d) { d.ReturnBtn->click(); }, TSaveAnswer::Return},
        {"Ні clicked", [](TConfirmDlg& d) { d.NoBtn->click(); }, TSaveAnswer::No},
        {"Enter", [](TConfirmDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }, TSaveAnswer::Yes},
        {"Enter on Ні", [](TConfirmDlg& d) { QTest::keyClick(d.NoBtn, Qt::Key_Return); }, TSaveAnswer::No},
        {"Esc", [](TConfirmDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, TSaveAnswer::No},
        {"Esc on Повернутися", [](TConfirmDlg& d) { QTest::keyClick(d.ReturnBtn, Qt::Key_Escape); }, TSaveAnswer::No},
        {"title-bar button", [](TConfirmDlg& d) { d.close(); }, TSaveAnswer::Return},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TConfirmDlg dialog(Form.get());
        dialog.show();
        c.Act(dialog);
        EXPECT_TRUE(dialog.isHidden());
        EXPECT_EQ(static_cast<TSaveAnswer>(dialog.result()), c.Expected);
    }
}

TEST_F(SaveQuestionTest, TheWindowShowsTheQuestionAndButtonsInOrder)
{
    TConfirmDlg dialog(Form.get());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"Вихід"_s);
    EXPECT_EQ(dialog.Label1->text(), u"Зберегти поточну роботу?"_s);
    EXPECT_TRUE(dialog.Label1->font().bold());
    EXPECT_EQ(dialog.YesBtn->text(), u"Так"_s);
    EXPECT_EQ(dialog.ReturnBtn->text(), u"Повернутися"_s);
    EXPECT_EQ(dialog.NoBtn->text(), u"Ні"_s);
    EXPECT_TRUE(dialog.YesBtn->isDefault());
    EXPECT_LT(dialog.YesBtn->x(), dialog.ReturnBtn->x());
    EXPECT_LT(dialog.ReturnBtn->x(), dialog.NoBtn->x());
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a fixed dialog";
}

TEST_F(SaveQuestionTest, EachAnswerBeforeCloseNewAndOpen)
{
    struct Case {
        TSaveAnswer Answer;
        bool Saves;
        bool GoesOn;
    };
    const Case answers[] = {
        {TSaveAnswer::Yes, true, true},
        {TSaveAnswer::No, false, true},
        {TSaveAnswer::Return, false, false},
    };
    const std::pair<TCommand, QString> commands[] = {
        {TCommand::Close, u"Вихід"_s}, {TCommand::New, u"Новий"_s}, {TCommand::Open, u"Відкрити"_s}};
    for (const auto& [command, caption] : commands) {
        for (const Case& c : answers) {
            SCOPED_TRACE(CommandName(command));
            SCOPED_TRACE(::testing::PrintToString(c.Answer));
            PrepareUnsavedWork();
            Answers = {c.Answer};

            EXPECT_EQ(Run(command), c.GoesOn);

            EXPECT_EQ(QuestionCaptions, QStringList{caption});
            EXPECT_EQ(SavedDescription(), c.Saves ? "нова робота" : "збережено");
            EXPECT_EQ(Messages, c.Saves ? QStringList{Saved} : QStringList{});
            if (!c.GoesOn) {
                EXPECT_EQ(Form->TabSheet1->Memo1->toPlainText(), u"нова робота"_s);
                EXPECT_EQ(Form->CurrentFileName, PathOf(u"a.orm"_s));
                EXPECT_TRUE(Form->Modified);
                EXPECT_TRUE(DialogCalls.empty());
            }
        }
    }
}

TEST_F(SaveQuestionTest, YesWithoutASaveKeepsTheWorkAndTheWindow)
{
    struct Case {
        const char* What;
        QString CurrentFileName;
    };
    const Case cases[] = {
        {"Save As cancelled", QString()},
        {"save into a missing folder", PathOf(u"missing/a.orm"_s)},
    };
    for (const TCommand command : {TCommand::Close, TCommand::New, TCommand::Open}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(CommandName(command));
            SCOPED_TRACE(c.What);
            PrepareUnsavedWork();
            Form->CurrentFileName = c.CurrentFileName;
            DialogNames = {QString()}; // Save As, if asked, is cancelled
            Answers = {TSaveAnswer::Yes};

            EXPECT_FALSE(Run(command));

            EXPECT_EQ(Form->TabSheet1->Memo1->toPlainText(), u"нова робота"_s);
            EXPECT_EQ(Form->CurrentFileName, c.CurrentFileName);
            EXPECT_TRUE(Form->Modified);
            EXPECT_EQ(SavedDescription(), "збережено");
            EXPECT_FALSE(Messages.contains(Saved));
        }
    }
}

TEST_F(SaveQuestionTest, NewAndOpenAskOnlyAfterChangesClosingAlways)
{
    SaveEvaluationToFile(*CreateCalc("", "B", ""), QFile::encodeName(PathOf(u"b.orm"_s)).toStdString());
    EXPECT_TRUE(Run(TCommand::New));
    EXPECT_TRUE(Run(TCommand::Open));
    EXPECT_TRUE(QuestionCaptions.isEmpty());

    Answers = {TSaveAnswer::Return};
    EXPECT_FALSE(Run(TCommand::Close));
    EXPECT_EQ(QuestionCaptions, QStringList{u"Вихід"_s});
}

TEST_F(SaveQuestionTest, ChangesAreTheUsersEditsNotTheWindowsOwnFilling)
{
    auto tree = SmallModel("a+b+P");
    auto nested = CreateCalc("", "P", "V");
    AddTypeB(*nested, *UniformInput("x", 1, 0.1));
    AddNested(*tree, *nested);
    SaveEvaluationToFile(*tree, QFile::encodeName(PathOf(u"t.orm"_s)).toStdString());
    OpenThroughMenu(PathOf(u"t.orm"_s));
    ASSERT_FALSE(Form->Modified);

    struct Case {
        const char* What;
        std::function<void(TMainForm&)> Act;
        bool Modifies;
    };
    const Case cases[] = {
        {"typing a description", [](TMainForm& f) { QTest::keyClicks(f.TabSheet1->Memo1, u"ab"_s); }, true},
        {"typing a model description", [](TMainForm& f) { QTest::keyClicks(f.TabSheet1->Memo3, u"c"_s); }, true},
        {"typing a level of confidence", [](TMainForm& f) { QTest::keyClicks(f.TabSheet3->LabeledEdit8, u"9"_s); },
         true},
        {"choosing a coverage method", [](TMainForm& f) { emit f.TabSheet3->ComboBox7->activated(1); }, true},
        {"the formula editor confirmed",
         [](TMainForm& f) {
             SetFormulaRunner([](TFormula&) { return int(QDialog::Accepted); });
             f.bChangeClick();
         },
         true},
        {"the formula editor cancelled",
         [](TMainForm& f) {
             SetFormulaRunner([](TFormula&) { return int(QDialog::Rejected); });
             f.bChangeClick();
         },
         false},
        {"an evaluation switch", [](TMainForm& f) { f.ListBox1->setCurrentRow(1); }, false},
        {"a switch after typing and saving",
         [](TMainForm& f) {
             QTest::keyClicks(f.TabSheet1->Memo1, u"d"_s);
             f.FileCommands->N8Click();
             f.ListBox1->setCurrentRow(1);
             f.ListBox1->setCurrentRow(0);
         },
         false},
        {"New", [](TMainForm& f) { f.New->trigger(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Form->Modified = false;
        c.Act(*Form);
        EXPECT_EQ(Form->Modified, c.Modifies);
    }
}
