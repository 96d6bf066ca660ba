#pragma once
// Points the settings file at a fresh temporary folder and restores the path and the language afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "text/language.h"
#include "text/settings.h"

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        Folder = std::filesystem::temp_directory_path()
                 / ("ormeta_text_" + std::string(test->test_suite_name()) + "_" + test->name());
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        SetSettingsFilePath((Folder / "ormeta.INI").string());
    }

    void TearDown() override
    {
        SetSettingsFilePath(SavedPath);
        IsUkrainian = SavedLanguage;
        std::filesystem::remove_all(Folder);
    }

    void WriteFile(const std::string& content) const
    {
        std::ofstream(SettingsFilePath(), std::ios::binary) << content;
    }

    std::string FileContent() const
    {
        std::ifstream stream(SettingsFilePath(), std::ios::binary);
        std::ostringstream content;
        content << stream.rdbuf();
        return content.str();
    }

    std::filesystem::path Folder;

private:
    std::string SavedPath = SettingsFilePath();
    bool SavedLanguage = IsUkrainian;
};
