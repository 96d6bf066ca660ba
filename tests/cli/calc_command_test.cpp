#include "app/calc_command.h"
#include "app/command_line.h"
#include "app/command_options.h"
#include "files/evaluation_file.h"
#include "model/constructors.h"
#include "model/list_operations.h"
#include "text/language.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
const std::string Examples = std::string(ORMETA_SOURCE_DIR) + "/examples/";

struct CalcRun {
    int Status;
    std::string Out;
    std::string Err;
};

class CalcCommand : public ::testing::Test {
protected:
    void TearDown() override { IsUkrainian = true; }

    CalcRun Run(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunCalcCommand(args, out, err);
        return {status, out.str(), err.str()};
    }

    std::string TempFile(const std::string& name)
    {
        const auto folder = std::filesystem::temp_directory_path() / "ormeta_cli_test";
        std::filesystem::create_directories(folder);
        return (folder / name).string();
    }
};
} // namespace

TEST_F(CalcCommand, PrintsTheBudgetInTheChosenLanguage)
{
    const CalcRun uk = Run({Examples + "thermometer.orm", "--lang", "uk"});
    ASSERT_EQ(uk.Status, ExitSuccess) << uk.Err;
    for (const char* text : {"Змінна", "Вклад в невизначеність", "tx", "37.155 °C", "Коефіцієнт охоплення(покриття): 2.0001",
                             "Розширена невизначеність: 0.0416 °C"})
        EXPECT_NE(uk.Out.find(text), std::string::npos) << text << "\n" << uk.Out;

    const CalcRun ru = Run({Examples + "thermometer.orm", "--lang", "ru"});
    ASSERT_EQ(ru.Status, ExitSuccess) << ru.Err;
    for (const char* text : {"Переменная", "Нормальное", "Бесконечность", "Расширенная неопределенность"})
        EXPECT_NE(ru.Out.find(text), std::string::npos) << text << "\n" << ru.Out;
}

TEST_F(CalcCommand, JsonCarriesFullPrecisionAndTheInputOrder)
{
    const CalcRun run = Run({Examples + "photometric_iron.orm", "--json"});
    ASSERT_EQ(run.Status, ExitSuccess) << run.Err;
    const auto json = nlohmann::json::parse(run.Out);
    const auto& output = json["output"];
    EXPECT_EQ(output["name"], "C");
    EXPECT_EQ(output["coverage_method"], "student");
    EXPECT_EQ(output["confidence_level"], 0.9545);
    EXPECT_NEAR(output["expanded_uncertainty"].get<double>(),
                output["coverage_factor"].get<double>() * output["standard_uncertainty"].get<double>(), 1e-15);
    ASSERT_EQ(json["inputs"].size(), 3u);
    EXPECT_EQ(json["inputs"][0]["kind"], "typeB");
    EXPECT_EQ(json["inputs"][0]["distribution"], "triangular");
    EXPECT_TRUE(json["inputs"][0]["dof"].is_null());
    EXPECT_EQ(json["inputs"][2]["kind"], "calibration");
    EXPECT_EQ(json["inputs"][2]["dof"], 4);
    double percent = 0;
    for (const auto& input : json["inputs"])
        percent += input["percent"].get<double>();
    EXPECT_NEAR(percent, 100, 1e-9);
}

TEST_F(CalcCommand, LevelAndMethodOverrideTheDefaults)
{
    const CalcRun run = Run({Examples + "thermometer.orm", "--json", "--level", "0,99", "--method", "uniform"});
    ASSERT_EQ(run.Status, ExitSuccess) << run.Err;
    const auto output = nlohmann::json::parse(run.Out)["output"];
    EXPECT_EQ(output["coverage_method"], "uniform");
    EXPECT_DOUBLE_EQ(output["coverage_factor"].get<double>(), 0.99 * 1.7320508075688772);
    EXPECT_TRUE(output["effective_dof"].is_null());
}

TEST_F(CalcCommand, UnreadableFilesExitWithThree)
{
    EXPECT_EQ(Run({TempFile("missing.orm")}).Status, ExitFileUnreadable);

    std::ifstream in(Examples + "thermometer.orm", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string truncated = TempFile("truncated.orm");
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    const CalcRun run = Run({truncated});
    EXPECT_EQ(run.Status, ExitFileUnreadable);
    EXPECT_FALSE(run.Err.empty());
}

TEST_F(CalcCommand, EvaluationsThatCannotBeCalculatedExitWithOne)
{
    struct Case {
        const char* what;
        std::string outputName, formula, message;
    } cases[] = {
        {"formula error", "y", "a*(", "Помилка в формулі(або змінних) моделі на позиції"},
        {"no output name", "", "a", "Помилка. У вихідної змінної в формулі моделі повинна бути назва."},
        {"division by zero", "y", "a/(a-a)", "Ділення на нуль"},
    };
    for (const auto& c : cases) {
        auto calc = CreateCalc("", c.outputName, "");
        calc->ModelFormula = c.formula;
        AddTypeA(*calc, *CreateTypeA("", "", "a", 3, {1, 2, 3}, 0, 0));
        const std::string path = TempFile("broken.orm");
        SaveEvaluationToFile(*calc, path);
        const CalcRun run = Run({path});
        EXPECT_EQ(run.Status, ExitNotCalculable) << c.what;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << c.what << ": " << run.Err;
    }
}

TEST_F(CalcCommand, WrongArgumentsExitWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"calc"},
        {"calc", "a.orm", "b.orm"},
        {"calc", "a.orm", "--level", "1"},
        {"calc", "a.orm", "--level", "x"},
        {"calc", "a.orm", "--level"},
        {"calc", "a.orm", "--method", "gauss"},
        {"calc", "a.orm", "--lang", "en"},
        {"calc", "a.orm", "--verbose"},
        {"frobnicate"},
    };
    for (const auto& args : cases) {
        std::vector<std::string> storage{"ormeta"};
        storage.insert(storage.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& arg : storage)
            argv.push_back(arg.data());
        EXPECT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data()), ExitUsage) << args.back();
    }
}
