// What Save writes: the tree as the core writes it, the shown evaluation brought up to date from the
// window, a new evaluation; and a save that cannot be done leaving the previous file as it was.
#include "file_fixture.h"

#include "model/constructors.h"
#include "ui/main/model_tab.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
const QString Saved = u"Успішно збережено!"_s;

// Multi-line Cyrillic texts, every kind of input, a nested evaluation and coefficients that must
// survive the trip through the correlation grid.
std::unique_ptr<TOrmetaCalc> RichTree()
{
    auto main = SmallModel("a*t+b+P");
    main->Description = "Перший рядок\nдругий — «ґ» ±";
    main->ModelDescription = "Модель\n\nпісля порожнього рядка";
    main->TypeA.push_back(CreateTypeA("В", "Спостереження", "t", 3, {1.01, 0.99, 1.0}, 0, 0));
    auto nested = CreateCalc("Вкладене", "P", "В");
    nested->ModelFormula = "x*2";
    AddTypeB(*nested, *UniformInput("x", 1, 0.1));
    AddNested(*main, *nested);
    const int n = CountInputs(*main);
    main->Correlation.assign(n, TArrDouble(n, 0.0));
    for (int i = 0; i < n; ++i)
        main->Correlation[i][i] = 1;
    main->Correlation[0][1] = main->Correlation[1][0] = 0.3;
    main->Correlation[1][2] = main->Correlation[2][1] = -0.333333333333333;
    main->Correlation[0][3] = main->Correlation[3][0] = 0.123456789012345;
    return main;
}
} // namespace

class SaveFileTest : public FileFixture {};

TEST_F(SaveFileTest, TheFileIsByteForByteWhatTheCoreWritesOfTheTree)
{
    Form->LoadEvaluationTree(RichTree());
    Form->CurrentFileName = PathOf(u"rich.orm"_s);

    ASSERT_TRUE(Commands().N8Click());

    EXPECT_EQ(FileContents(PathOf(u"rich.orm"_s)), Serialised(*RichTree()));
    EXPECT_EQ(Messages, QStringList{Saved});
}

TEST_F(SaveFileTest, TheShownEvaluationIsTakenFromTheWindow)
{
    Form->LoadEvaluationTree(RichTree());
    Form->ListBox1->setCurrentRow(1); // P
    Form->TabSheet1->Memo1->setPlainText(u"новий опис\nP"_s);
    Form->TabSheet1->Edit4->setText(u"x*3"_s);
    Form->StringGrid2->setItem(0, 0, new QTableWidgetItem(u"1"_s));
    Form->CurrentFileName = PathOf(u"p.orm"_s);

    ASSERT_TRUE(Commands().N8Click());

    const auto read = ReadBack(PathOf(u"p.orm"_s));
    const TOrmetaCalc& p = GetNested(*read, 0);
    EXPECT_EQ(p.Description, "новий опис\nP");
    EXPECT_EQ(p.ModelFormula, "x*3");
    EXPECT_EQ(p.Correlation, (TMatDouble{{1.0}}));
    EXPECT_EQ(read->ModelFormula, "a*t+b+P") << "the main evaluation as it was left";
}

TEST_F(SaveFileTest, NewThenSaveWritesAnEmptyMainEvaluationNamedInTheLanguage)
{
    for (const bool ukrainian : {true, false}) {
        SCOPED_TRACE(ukrainian ? "Ukrainian" : "Russian");
        IsUkrainian = ukrainian;
        Form->LoadEvaluationTree(RichTree());
        Form->CurrentFileName = PathOf(u"old.orm"_s);
        Form->SetResultsReady(true);
        Messages.clear();

        Form->New->trigger();
        EXPECT_TRUE(Form->CurrentFileName.isEmpty());
        EXPECT_FALSE(Form->ResultsReady);
        DialogNames = {PathOf(u"new.orm"_s)};
        ASSERT_TRUE(Commands().N8Click());

        const auto read = ReadBack(PathOf(u"new.orm"_s));
        EXPECT_EQ(read->OutputName, ukrainian ? "<головна>" : "<главная>");
        EXPECT_EQ(CountInputs(*read), 0);
        EXPECT_TRUE(read->Correlation.empty());
        EXPECT_EQ(read->ConfidenceLevel, 0.95);
        EXPECT_EQ(Messages, QStringList{ukrainian ? Saved : u"Успешно сохранено!"_s});
    }
}

TEST_F(SaveFileTest, AFailedSaveLeavesThePreviousFileAndSaysWhy)
{
    const QString existing = PathOf(u"a.orm"_s);
    SaveEvaluationToFile(*SmallModel(), QFile::encodeName(existing).toStdString());
    const std::string previous = FileContents(existing);
    QDir(Folder.path()).mkdir(u"folder.orm"_s);

    struct Case {
        const char* What;
        QString Target;
        QString Description;
        QString Coefficient;
        QString Reason;
    };
    const Case cases[] = {
        {"a folder that does not exist", PathOf(u"missing/b.orm"_s), QString(), u"0.5"_s, u"не знайдено"_s},
        {"a target that is a folder", PathOf(u"folder.orm"_s), QString(), u"0.5"_s, u"папка"_s},
        {"a text Windows-1251 cannot hold", existing, u"€ 漢字"_s, u"0.5"_s, u"1251"_s},
        {"a coefficient that is no number", existing, QString(), u"0,5x"_s, u"не число"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Form->LoadEvaluationTree(SmallModel());
        Form->TabSheet1->Memo1->setPlainText(c.Description);
        Form->StringGrid2->setItem(0, 1, new QTableWidgetItem(c.Coefficient));
        Form->CurrentFileName = c.Target;
        Form->MarkModified();
        Messages.clear();

        EXPECT_FALSE(Commands().N8Click());

        ASSERT_EQ(Messages.size(), 1);
        EXPECT_NE(Messages[0], Saved);
        EXPECT_TRUE(Messages[0].contains(c.Reason)) << Messages[0].toStdString();
        EXPECT_EQ(FileContents(existing), previous);
        EXPECT_TRUE(QFileInfo(PathOf(u"folder.orm"_s)).isDir());
        EXPECT_EQ(FolderFiles(), QStringList{u"a.orm"_s}) << "no temporary file is left behind";
        EXPECT_TRUE(Form->Modified);
        EXPECT_EQ(Form->CurrentFileName, c.Target);
    }
}

TEST_F(SaveFileTest, AFailedSaveAsKeepsTheCurrentFile)
{
    Form->CurrentFileName = PathOf(u"a.orm"_s);
    DialogNames = {PathOf(u"missing/b.txt"_s)};
    EXPECT_FALSE(Commands().N9Click());
    EXPECT_EQ(Form->CurrentFileName, PathOf(u"a.orm"_s));
    EXPECT_FALSE(Messages.contains(Saved));
}
