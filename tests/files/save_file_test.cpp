#include "sample_trees.h"

#include "files/evaluation_file.h"
#include "model/constructors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <streambuf>

namespace fs = std::filesystem;

namespace {

// An output device that takes a fixed number of bytes and then refuses every further one.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::size_t capacity) : Capacity(capacity) {}

  protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (Taken == Capacity)
            return traits_type::eof();
        ++Taken;
        return c;
    }

  private:
    std::size_t Capacity;
    std::size_t Taken = 0;
};

std::string FileContents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A fresh directory for one test, removed afterwards.
class SaveFile : public testing::Test {
  protected:
    void SetUp() override
    {
        Dir = fs::temp_directory_path() /
              ("ormeta_save_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // The directory holds exactly these names (no temporary left behind).
    void ExpectOnly(std::initializer_list<const char*> names) const
    {
        std::set<std::string> present;
        for (const auto& entry : fs::directory_iterator(Dir))
            present.insert(entry.path().filename().string());
        EXPECT_EQ(present, std::set<std::string>(names.begin(), names.end()));
    }

    fs::path Dir;
};

} // namespace

TEST(WriteEvaluation, DeviceFailingPartWayRaisesEFileWrite)
{
    const auto tree = SampleTree("M", 1);
    const std::size_t size = WriteToBytes(*tree).size();
    for (std::size_t capacity = 0; capacity < size; capacity += 7) {
        FailingBuffer buffer(capacity);
        std::ostream out(&buffer);
        EXPECT_THROW(WriteEvaluation(*tree, out), EFileWrite) << capacity;
    }
    FailingBuffer enough(size);
    std::ostream out(&enough);
    EXPECT_NO_THROW(WriteEvaluation(*tree, out));
}

TEST_F(SaveFile, SavedFileLoadsBackAndReplacesTheOldOne)
{
    const std::string path = (Dir / "m.orm").string();
    SaveEvaluationToFile(*CreateCalc("", "old", ""), path);
    const auto tree = SampleTree("M", 2);
    SaveEvaluationToFile(*tree, path);
    EXPECT_EQ(FileContents(path), WriteToBytes(*tree));
    ExpectSameTree(*tree, *LoadEvaluationFromFile(path));
    ExpectOnly({"m.orm"});
}

TEST_F(SaveFile, TextWithoutAWindows1251ByteLeavesTheOldFileUntouched)
{
    const std::string path = (Dir / "m.orm").string();
    SaveEvaluationToFile(*SampleTree("M", 0), path);
    const std::string before = FileContents(path);

    auto tree = SampleTree("M", 1);
    tree->Nested[0]->TypeB[1]->Unit = "µm ≤ 5";
    const LanguageScope ukrainian(true);
    try {
        SaveEvaluationToFile(*tree, path);
        ADD_FAILURE() << "saved";
    }
    catch (const EFileWrite& error) {
        EXPECT_STREQ(error.what(), "Поле «одиниця вимірювання» величини «M1_T» містить символ, якого немає в "
                                   "кодуванні Windows-1251; файл не записано");
    }
    EXPECT_EQ(FileContents(path), before);
    ExpectOnly({"m.orm"});
}

TEST_F(SaveFile, UnwritablePlacesRaiseEFileWriteWithTheReason)
{
    // Tests may run as root, where permissions do not bite: a missing folder and a folder in the
    // target's place fail for everyone.
    fs::create_directory(Dir / "taken.orm");
    fs::create_directory(Dir / "taken.orm" / "inside");
    struct Case {
        fs::path Path;
        const char* Ukrainian;
        const char* Russian;
    };
    const Case cases[] = {
        {Dir / "missing" / "m.orm", "файл або папку не знайдено", "файл или папка не найдены"},
        {Dir / "taken.orm", "", ""}, // the system's reason varies (a folder, or a folder that is not empty)
    };
    const auto tree = SampleTree("M", 0);
    for (const auto& c : cases) {
        for (const bool ukrainian : {true, false}) {
            const LanguageScope language(ukrainian);
            try {
                SaveEvaluationToFile(*tree, c.Path.string());
                ADD_FAILURE() << c.Path;
            }
            catch (const EFileWrite& error) {
                const std::string message = error.what();
                const std::string start = ukrainian ? "Не вдалося зберегти файл «" : "Не удалось сохранить файл «";
                EXPECT_EQ(message.rfind(start + c.Path.string() + "»: ", 0), 0u) << message;
                EXPECT_NE(message.find(ukrainian ? c.Ukrainian : c.Russian), std::string::npos) << message;
            }
        }
    }
    EXPECT_TRUE(fs::is_directory(Dir / "taken.orm" / "inside"));
    ExpectOnly({"taken.orm"});
}

TEST_F(SaveFile, MissingFileOrFolderFailsToLoadWithEFileFormat)
{
    EXPECT_THROW(LoadEvaluationFromFile((Dir / "none.orm").string()), EFileFormat);
    EXPECT_THROW(LoadEvaluationFromFile(Dir.string()), EFileFormat);
}

// A record whose matrices do not match their dimensions would be written as a file that reads wrongly.
TEST(WriteEvaluation, RaggedMatricesAreRefusedRatherThanWritten)
{
    auto ragged = CreateCalc("", "y", "");
    ragged->Correlation = {{1, 0}, {0}};
    auto noData = SampleTree("M", 0);
    noData->TypeG[0]->CalibrationData.clear();
    auto raggedData = SampleTree("M", 0);
    raggedData->TypeG[1]->CalibrationData[2].pop_back();
    for (const TOrmetaCalc* calc : {ragged.get(), noData.get(), raggedData.get()}) {
        std::ostringstream out(std::ios::binary);
        EXPECT_THROW(WriteEvaluation(*calc, out), EFileWrite);
    }
}
