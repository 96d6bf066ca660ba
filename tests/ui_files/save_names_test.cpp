// The names Save and Save As write to, and the name Save goes on writing to afterwards.
#include "file_fixture.h"

using namespace Qt::StringLiterals;

namespace {
const QString Saved = u"Успішно збережено!"_s;
} // namespace

class SaveNamesTest : public FileFixture {};

TEST_F(SaveNamesTest, SaveAppendsTheExtensionUnlessTheNameEndsInLowerCaseOrm)
{
    struct Case {
        QString Current;
        QString Written;
    };
    const Case cases[] = {
        {u"b"_s, u"b.orm"_s},
        {u"b.orm"_s, u"b.orm"_s},
        {u"b.ORM"_s, u"b.ORM.orm"_s},
        {u"b.txt"_s, u"b.txt.orm"_s},
        {u"b.orm.bak"_s, u"b.orm.bak.orm"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Current.toStdString());
        QDir(Folder.path()).removeRecursively();
        QDir().mkpath(Folder.path());
        Messages.clear();
        Form->CurrentFileName = PathOf(c.Current);

        EXPECT_TRUE(Commands().N8Click());
        EXPECT_TRUE(Commands().N8Click());

        EXPECT_EQ(FolderFiles(), QStringList{c.Written});
        EXPECT_EQ(Form->CurrentFileName, PathOf(c.Current));
        EXPECT_EQ(Messages, (QStringList{Saved, Saved}));
        EXPECT_TRUE(DialogCalls.empty());
    }
}

TEST_F(SaveNamesTest, SaveAsReplacesTheExtensionAndSaveThenWritesTheSameFile)
{
    struct Case {
        QString Typed;
        QString Written;
    };
    const Case cases[] = {
        {u"x.txt"_s, u"x.orm"_s},         {u"x"_s, u"x.orm"_s},
        {u"x.ORM"_s, u"x.orm"_s},         {u"x.orm"_s, u"x.orm"_s},
        {u"x.tar.gz"_s, u"x.tar.orm"_s},  {u"x."_s, u"x.orm"_s},
        {u".hidden"_s, u".hidden.orm"_s}, {u"d.v1/x"_s, u"d.v1/x.orm"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed.toStdString());
        QDir(Folder.path()).removeRecursively();
        QDir().mkpath(PathOf(u"d.v1"_s));
        Messages.clear();
        DialogNames = {PathOf(c.Typed)};

        EXPECT_TRUE(Commands().N9Click());
        EXPECT_EQ(Form->CurrentFileName, PathOf(c.Written));
        EXPECT_TRUE(Commands().N8Click());

        const QFileInfo written(PathOf(c.Written));
        EXPECT_EQ(QDir(written.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written.fileName()});
        EXPECT_EQ(Messages, (QStringList{Saved, Saved}));
    }
}

TEST_F(SaveNamesTest, SaveWithoutAFileNameAsksForOneAndACancelledOrBlankNameSavesNothing)
{
    for (const QString& answer : {QString(), u"   "_s}) {
        SCOPED_TRACE(answer.toStdString());
        DialogCalls.clear();
        DialogNames = {answer};
        Form->MarkModified();

        EXPECT_FALSE(Commands().N8Click());

        ASSERT_EQ(DialogCalls.size(), 1u);
        EXPECT_EQ(DialogCalls[0].Kind, FileDialogKind::Save);
        EXPECT_EQ(DialogCalls[0].Title, u"Зберегти файл невизначеності"_s);
        EXPECT_EQ(DialogCalls[0].Filter, u"Файли невизначеності (*.orm)"_s);
        EXPECT_TRUE(Form->CurrentFileName.isEmpty());
        EXPECT_TRUE(Form->Modified);
        EXPECT_TRUE(FolderFiles().isEmpty());
        EXPECT_TRUE(Messages.isEmpty());
    }
}

TEST_F(SaveNamesTest, CancelledSaveAsKeepsTheCurrentFile)
{
    Form->CurrentFileName = PathOf(u"kept.orm"_s);
    EXPECT_FALSE(Commands().N9Click());
    EXPECT_EQ(Form->CurrentFileName, PathOf(u"kept.orm"_s));
    EXPECT_TRUE(FolderFiles().isEmpty());
}
