#pragma once
// Window tests: a private settings file, recorded message boxes, the Ukrainian language and the
// point as the decimal separator, restored after each test.
#include "model/constructors.h"
#include "model/list_operations.h"
#include "text/language.h"
#include "text/number_format.h"
#include "text/settings.h"
#include "ui/common/message_box.h"
#include "ui/formula/TFormula.h"

#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

class UiFixture : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        SetSettingsFilePath(Folder.filePath(QStringLiteral("ormeta.INI")).toStdString());
        SetRegionalSeparators({".", ","});
        IsUkrainian = true;
        SetMessageHandler([this](QWidget*, const QString& text) { Messages << text; });
    }
    void TearDown() override
    {
        SetMessageHandler({});
        SetFormulaRunner({});
        IsUkrainian = true;
    }

    QTemporaryDir Folder;
    QStringList Messages;
};

// A Type B input with a uniform distribution given by its centre and half-width.
inline std::unique_ptr<TOrmetaTypeB> UniformInput(const std::string& name, double centre, double halfWidth,
                                                  const std::string& unit = "V")
{
    return CreateTypeB(unit, "", name, DistUniform, {centre, halfWidth, 0}, true, 0);
}

// An evaluation "Y = formula" over uniform inputs a (10, u = 0.1) and b (5, u = 0.2), in volts.
inline std::unique_ptr<TOrmetaCalc> SmallModel(const std::string& formula = "a+b")
{
    auto calc = CreateCalc("", "Y", "V");
    calc->ModelFormula = formula;
    AddTypeB(*calc, *UniformInput("a", 10, 0.1 * std::sqrt(3.0)));
    AddTypeB(*calc, *UniformInput("b", 5, 0.2 * std::sqrt(3.0)));
    return calc;
}
