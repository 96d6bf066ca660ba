#pragma once
// File command tests: a main window, a private folder, the file dialogs and the save question
// answered from queues the test fills, and helpers to write and read evaluation files directly.
#include "ui_main/window_fixture.h"

#include "files/commands/TConfirmDlg.h"
#include "files/commands/file_commands.h"
#include "files/evaluation_file.h"
#include "ui/common/file_dialog.h"
#include "ui/main/TMainForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include <deque>
#include <memory>
#include <sstream>

struct DialogCall {
    FileDialogKind Kind;
    QString Title;
    QString Filter;
};

class FileFixture : public UiFixture {
  protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        SetFileDialogHandler([this](FileDialogKind kind, QWidget*, const QString& title, const QString& filter) {
            DialogCalls.push_back({kind, title, filter});
            if (DialogNames.empty())
                return QString();
            const QString name = DialogNames.front();
            DialogNames.pop_front();
            return name;
        });
        SetConfirmRunner([this](TConfirmDlg& dialog) {
            QuestionCaptions << dialog.windowTitle();
            if (Answers.empty()) {
                ADD_FAILURE() << "the save question was not expected";
                return TSaveAnswer::Return;
            }
            const TSaveAnswer answer = Answers.front();
            Answers.pop_front();
            return answer;
        });
        Form = std::make_unique<TMainForm>();
    }
    void TearDown() override
    {
        Form.reset();
        SetFileDialogHandler({});
        SetConfirmRunner({});
        UiFixture::TearDown();
    }

    QString PathOf(const QString& name) const { return Folder.filePath(name); }

    TFileCommands& Commands() { return *Form->FileCommands; }

    QStringList ListEntries() const
    {
        QStringList entries;
        for (int row = 0; row < Form->ListBox1->count(); ++row)
            entries << Form->ListBox1->item(row)->text();
        return entries;
    }

    // The files in the test folder, sorted (hidden ones too: a temporary file left behind shows).
    QStringList FolderFiles() const
    {
        return QDir(Folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    static std::string FileContents(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    static void WriteFile(const QString& path, const std::string& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    }

    static std::string Serialised(const TOrmetaCalc& calc)
    {
        std::ostringstream out(std::ios::binary);
        WriteEvaluation(calc, out);
        return out.str();
    }

    static std::unique_ptr<TOrmetaCalc> ReadBack(const QString& path)
    {
        return LoadEvaluationFromFile(QFile::encodeName(path).toStdString());
    }

    // Opens path through the Open command.
    void OpenThroughMenu(const QString& path)
    {
        DialogNames.push_back(path);
        Commands().N10Click();
    }

    std::unique_ptr<TMainForm> Form;
    std::deque<QString> DialogNames;
    std::vector<DialogCall> DialogCalls;
    std::deque<TSaveAnswer> Answers;
    QStringList QuestionCaptions;
};

inline void PrintTo(TSaveAnswer answer, std::ostream* out)
{
    *out << (answer == TSaveAnswer::Yes ? "Так" : answer == TSaveAnswer::No ? "Ні" : "Повернутися");
}
