// Open: the evaluation list of an opened tree, and files that cannot be read changing nothing.
#include "file_fixture.h"

#include "ui/main/model_tab.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
// main with nested P (itself with nested Q and R) and nested S.
std::unique_ptr<TOrmetaCalc> FourLevelTree(const std::string& mainName)
{
    auto main = CreateCalc("Головна модель", mainName, "В");
    main->ModelFormula = "P+S";
    auto p = CreateCalc("", "P", "В");
    p->ModelFormula = "Q*R";
    AddNested(*p, *CreateCalc("", "Q", "В"));
    AddNested(*p, *CreateCalc("", "R", "В"));
    AddNested(*main, *p);
    AddNested(*main, *CreateCalc("", "S", "В"));
    return main;
}
} // namespace

class OpenTest : public FileFixture {
  protected:
    // A tree opened from a.orm, the state a failed Open must leave alone.
    void OpenPrevious()
    {
        SaveEvaluationToFile(*FourLevelTree("Y"), QFile::encodeName(PathOf(u"a.orm"_s)).toStdString());
        OpenThroughMenu(PathOf(u"a.orm"_s));
        ASSERT_TRUE(Messages.isEmpty());
        Form->TabSheet1->Memo1->setPlainText(u"опис, ще не збережений"_s);
    }
};

TEST_F(OpenTest, ListsNestedEvaluationsChildrenBeforeTheirParent)
{
    struct Case {
        std::string MainName;
        QString MainEntry;
    };
    const Case cases[] = {{"Y", u"Y"_s}, {"", u"<головна>"_s}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.MainName);
        const QString path = PathOf(u"tree.orm"_s);
        SaveEvaluationToFile(*FourLevelTree(c.MainName), QFile::encodeName(path).toStdString());
        Form->SetResultsReady(true);
        DialogCalls.clear();

        OpenThroughMenu(path);

        EXPECT_TRUE(Messages.isEmpty());
        EXPECT_EQ(ListEntries(), (QStringList{c.MainEntry, u"Q"_s, u"R"_s, u"P"_s, u"S"_s}));
        EXPECT_EQ(Form->CurrentFileName, path);
        EXPECT_EQ(Form->Evaluations.size(), 5u);
        EXPECT_EQ(Form->CurrentEvaluation, 0);
        EXPECT_EQ(Form->TabSheet1->Memo3->toPlainText(), u"Головна модель"_s);
        EXPECT_EQ(Form->TabSheet1->Edit4->text(), u"P+S"_s);
        EXPECT_FALSE(Form->ResultsReady);
        EXPECT_FALSE(Form->Modified);
        ASSERT_EQ(DialogCalls.size(), 1u);
        EXPECT_EQ(DialogCalls[0].Kind, FileDialogKind::Open);
        EXPECT_EQ(DialogCalls[0].Title, u"Відкрити файл невизначеності"_s);
        EXPECT_EQ(DialogCalls[0].Filter, u"Файли невизначеності (*.orm);;Будь-які файли (*)"_s);
    }
}

TEST_F(OpenTest, AFileThatCannotBeReadLeavesThePreviousEvaluationAndFileName)
{
    OpenPrevious();
    const TOrmetaCalc* previousMain = Form->Evaluations[0];
    const QStringList previousEntries = ListEntries();
    const std::string complete = Serialised(*FourLevelTree("Z"));
    QDir(Folder.path()).mkdir(u"folder.orm"_s);

    struct Case {
        const char* What;
        QString Name;
        std::optional<std::string> Bytes; // none: nothing is written there
    };
    const Case cases[] = {
        {"truncated", u"cut.orm"_s, complete.substr(0, complete.size() - 3)},
        {"empty", u"empty.orm"_s, ""},
        {"trailing bytes", u"long.orm"_s, complete + "x"},
        {"absent", u"absent.orm"_s, std::nullopt},
        {"a folder", u"folder.orm"_s, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        if (c.Bytes)
            WriteFile(PathOf(c.Name), *c.Bytes);
        Messages.clear();

        OpenThroughMenu(PathOf(c.Name));

        ASSERT_EQ(Messages.size(), 1);
        EXPECT_TRUE(Messages[0].startsWith(u"Некорректний файл. Не можливо завантажити\n"_s))
            << Messages[0].toStdString();
        EXPECT_GT(Messages[0].size(), 43) << "the reason follows";
        EXPECT_EQ(Form->Evaluations[0], previousMain);
        EXPECT_EQ(ListEntries(), previousEntries);
        EXPECT_EQ(Form->TabSheet1->Memo1->toPlainText(), u"опис, ще не збережений"_s);
        EXPECT_EQ(Form->TabSheet1->Edit3->text(), u"Y"_s);
        EXPECT_EQ(Form->CurrentFileName, PathOf(u"a.orm"_s));
    }
}

TEST_F(OpenTest, TheFailureMessageIsInTheLanguageOfTheMoment)
{
    IsUkrainian = false;
    OpenThroughMenu(PathOf(u"absent.orm"_s));
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith(u"Некорректный файл. Невозможно загрузить\n"_s)) << Messages[0].toStdString();
}

TEST_F(OpenTest, CancelledDialogOpensNothing)
{
    OpenPrevious();
    const TOrmetaCalc* previousMain = Form->Evaluations[0];
    Commands().N10Click();
    EXPECT_EQ(Form->Evaluations[0], previousMain);
    EXPECT_EQ(Form->CurrentFileName, PathOf(u"a.orm"_s));
    EXPECT_TRUE(Messages.isEmpty());
}
