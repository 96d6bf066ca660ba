#include "settings_fixture.h"

#include "text/number_format.h"

TEST(SettingsPathTest, ReplacesTheExtensionWithIni)
{
    const struct {
        const char* Executable;
        const char* Settings;
    } cases[] = {
        {"/opt/ormeta/ormeta", "/opt/ormeta/ormeta.INI"},
        {"/opt/my.tools/ormeta", "/opt/my.tools/ormeta.INI"},
        {"C:/Program Files/Ormeta/Ormeta.exe", "C:/Program Files/Ormeta/Ormeta.INI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsPathForExecutable(c.Executable), c.Settings) << c.Executable;
}

using SettingsTest = SettingsFileTest;

TEST_F(SettingsTest, MissingFileGivesDefaults)
{
    EXPECT_EQ(ReadSettingInt("OutFormat", "Format", 2), 2);
    EXPECT_EQ(ReadSettingString("Language", "Lang", "Ukrainian"), "Ukrainian");
    const TNumberFormat format = ReadNumberFormat();
    EXPECT_EQ(format.Format, 2);
    EXPECT_EQ(format.Precision, 5);
    EXPECT_EQ(format.Digits, 4);
}

TEST_F(SettingsTest, WriteCreatesTheFileAndReadsBack)
{
    EXPECT_TRUE(WriteSettingInt("OutFormat", "Digits", 7));
    EXPECT_TRUE(WriteSettingString("Language", "Lang", "Russian"));
    EXPECT_EQ(ReadSettingInt("OutFormat", "Digits", 4), 7);
    EXPECT_EQ(ReadSettingString("Language", "Lang", "Ukrainian"), "Russian");
    EXPECT_EQ(FileContent(), "[OutFormat]\nDigits=7\n\n[Language]\nLang=Russian\n");
}

TEST_F(SettingsTest, WriteKeepsEveryOtherLineAndTheCrLfLineEnds)
{
    WriteFile("; kept comment\r\n[outformat]\r\nFORMAT = 1\r\nPrecision=3\r\n\r\n[Other]\r\nDigits=9\r\n");
    EXPECT_TRUE(WriteSettingInt("OutFormat", "Format", 2));
    EXPECT_TRUE(WriteSettingInt("OutFormat", "Digits", 6));
    EXPECT_EQ(FileContent(),
              "; kept comment\r\n[outformat]\r\nFormat=2\r\nPrecision=3\r\nDigits=6\r\n\r\n[Other]\r\nDigits=9\r\n");
}

TEST_F(SettingsTest, ReadsNamesWithoutRegardToCaseAndTrimsValues)
{
    WriteFile("\xEF\xBB\xBF[OUTFORMAT]\r\n  precision =  8  \r\n[Language]\r\nlang= Russian \r\n");
    EXPECT_EQ(ReadSettingInt("OutFormat", "Precision", 5), 8);
    EXPECT_EQ(ReadSettingString("Language", "Lang", ""), "Russian");
    // A key of another section is not taken.
    EXPECT_EQ(ReadSettingInt("Language", "Precision", 5), 5);
}

TEST_F(SettingsTest, IntegerValuesThatAreNotIntegersGiveTheDefault)
{
    const struct {
        const char* Text;
        int Expected;
    } cases[] = {
        {"12", 12}, {"+12", 12}, {"-3", -3}, {"", 4},           {"abc", 4},
        {"1.5", 4}, {"12x", 4},  {"1 2", 4}, {"99999999999", 4}, {"+", 4},
    };
    for (const auto& c : cases) {
        WriteFile(std::string("[OutFormat]\nDigits=") + c.Text + "\n");
        EXPECT_EQ(ReadSettingInt("OutFormat", "Digits", 4), c.Expected) << c.Text;
        EXPECT_EQ(ReadNumberFormat().Digits, c.Expected) << c.Text;
    }
}

TEST_F(SettingsTest, RefusesTextsThatWouldBreakTheFile)
{
    WriteFile("[Language]\nLang=Ukrainian\n");
    EXPECT_FALSE(WriteSettingString("Language", "Lang", "Russian\n[OutFormat]\nFormat=0"));
    EXPECT_FALSE(WriteSettingString("Language", "Lang=x", "Russian"));
    EXPECT_FALSE(WriteSettingString("Lang]uage", "Lang", "Russian"));
    EXPECT_FALSE(WriteSettingString("Language", "", "Russian"));
    EXPECT_EQ(FileContent(), "[Language]\nLang=Ukrainian\n");
}

TEST_F(SettingsTest, FailedWriteLeavesTheFileWhole)
{
    WriteFile("[Language]\nLang=Ukrainian\n");
    // A folder where the temporary file would go makes the write fail.
    std::filesystem::create_directory(SettingsFilePath() + ".tmp");
    EXPECT_FALSE(WriteSettingString("Language", "Lang", "Russian"));
    EXPECT_EQ(FileContent(), "[Language]\nLang=Ukrainian\n");
}

TEST_F(SettingsTest, UnwritableLocationReportsFailure)
{
    SetSettingsFilePath((Folder / "no such folder" / "ormeta.INI").string());
    EXPECT_FALSE(WriteSettingInt("OutFormat", "Format", 1));
    EXPECT_EQ(ReadSettingInt("OutFormat", "Format", 2), 2);
}
