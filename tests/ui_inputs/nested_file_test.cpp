// A calculated input whose nested evaluation is taken from another evaluation file.
#include "inputs_fixture.h"

#include "files/evaluation_file.h"
#include "ui/common/text_convert.h"

#include <QFile>

using namespace Qt::StringLiterals;

class NestedFileTest : public InputsTest {
  protected:
    void SetUp() override
    {
        InputsTest::SetUp();
        // The standard evaluation "Std" (input a, nested K with nested L) saved in its own file.
        auto standard = CreateCalc("standard model", "Std", "kg");
        standard->ModelFormula = "a*K";
        AddTypeB(*standard, *UniformInput("a", 1, 0.1));
        auto k = CreateCalc("", "K", "");
        AddNested(*k, *CreateCalc("", "L", ""));
        AddNested(*standard, *k);
        StandardFile = Folder.filePath(u"standard.orm"_s);
        SaveEvaluationToFile(*standard, ToStd(StandardFile));
        SetFileDialogHandler([this](FileDialogKind, QWidget*, const QString&, const QString&) { return Chosen; });
    }

    void CreateFromFile(const QString& file)
    {
        Add(u"m"_s);
        ChooseKind(TKindItem::Calculated);
        Chosen = file;
        Editor().AddStButClick();
        Apply();
    }

    QString StandardFile;
    QString Chosen;
};

TEST_F(NestedFileTest, AttachesTheFilesTreeUnderTheInputsName)
{
    CreateUniform(u"b"_s);
    CreateFromFile(StandardFile);
    EXPECT_EQ(Messages, QStringList{u"Зміни зроблені."_s});
    EXPECT_FALSE(Editor().Memo5->isHidden());
    EXPECT_TRUE(Editor().Memo5->toPlainText().endsWith(u"\nstandard.orm"_s));
    ASSERT_EQ(Shown().Nested.size(), 1u);
    const TOrmetaCalc& nested = *Shown().Nested[0];
    EXPECT_EQ(nested.OutputName, "m");
    EXPECT_EQ(nested.ModelFormula, "a*K");
    EXPECT_EQ(nested.TypeB.size(), 1u);
    EXPECT_EQ(Editor().LabeledEdit12->text(), u"kg"_s);
    // Children before their parent, as the tree is listed when the file is opened again.
    EXPECT_EQ(ListEntries(), (QStringList{u"<головна>"_s, u"L"_s, u"K"_s, u"m"_s}));
    ASSERT_EQ(Form->Evaluations.size(), 4u);
    EXPECT_EQ(Form->Evaluations[3], &nested);
    EXPECT_EQ(Form->Evaluations[2], nested.Nested[0].get());
    EXPECT_EQ(GridNames(), (QStringList{u"b"_s, u"m"_s}));

    // The copy lives in the tree: editing it through the list edits what is saved.
    Form->ListBox1->setCurrentRow(3);
    EXPECT_EQ(&Shown(), &nested);
}

TEST_F(NestedFileTest, OpenFileOrCancelGivesAnEmptyNestedEvaluation)
{
    Form->CurrentFileName = StandardFile;
    const std::pair<QString, QStringList> cases[] = {
        {StandardFile, {u"Вибраний Вами файл є поточним. Його не можна використовувати."_s, u"Зміни зроблені."_s}},
        {QString(), {u"Зміни зроблені."_s}},
    };
    for (const auto& [file, messages] : cases) {
        SCOPED_TRACE(file.toStdString());
        Form->ResetToNewEvaluation();
        Form->CurrentFileName = StandardFile;
        Form->PageControl1->setCurrentWidget(Form->TabSheet2);
        CreateFromFile(file);
        EXPECT_EQ(Messages, messages);
        EXPECT_TRUE(Editor().Memo5->isHidden());
        ASSERT_EQ(Shown().Nested.size(), 1u);
        EXPECT_TRUE(Shown().Nested[0]->ModelFormula.empty());
        EXPECT_EQ(ListEntries(), (QStringList{u"<головна>"_s, u"m"_s}));
    }
}

TEST_F(NestedFileTest, UnreadableFileAddsNothing)
{
    const QString broken = Folder.filePath(u"broken.orm"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an evaluation");
    file.close();
    CreateFromFile(broken);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].endsWith(u" Зміни не зроблені."_s));
    EXPECT_EQ(CountInputs(Shown()), 0);
    EXPECT_EQ(ListEntries(), QStringList{u"<головна>"_s});
    EXPECT_EQ(Form->Evaluations.size(), 1u);
    EXPECT_EQ(Grid().columnCount(), 0);
    EXPECT_TRUE(Editor().Names().isEmpty());
}
