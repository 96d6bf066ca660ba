#pragma once
// Small evaluation trees built through the constructors, shared by the model tests.
#include "model/constructors.h"
#include "model/list_operations.h"

inline std::unique_ptr<TOrmetaTypeA> MakeTypeA(const std::string& name, const TArrDouble& observations = {1, 2, 3})
{
    return CreateTypeA("mm", "observed " + name, name, static_cast<int32_t>(observations.size()), observations, 0, 0);
}

inline std::unique_ptr<TOrmetaTypeB> MakeUniform(const std::string& name, double centre = 10, double halfWidth = 0.1)
{
    return CreateTypeB("mm", "assumed " + name, name, DistUniform, {centre, halfWidth, 0}, true, 0);
}

inline std::unique_ptr<TOrmetaTypeG> MakeCalibration(const std::string& name)
{
    const TMatDouble data{{1, 2, 3}, {1.1, 1.9, 3.05}, {0.95, 2.1, 2.95}};
    return CreateTypeG("read off a line", name, "mg", data, {2.0, 2.1}, false, 0);
}

// An evaluation with one input of each record kind and a nested evaluation of its own.
inline std::unique_ptr<TOrmetaCalc> MakeEvaluation(const std::string& outputName, int depth)
{
    auto calc = CreateCalc("model of " + outputName, outputName, "V");
    calc->ModelFormula = outputName + "_a+" + outputName + "_b";
    AddTypeA(*calc, *MakeTypeA(outputName + "_a"));
    AddTypeB(*calc, *MakeUniform(outputName + "_b"));
    AddTypeG(*calc, *MakeCalibration(outputName + "_g"));
    if (depth > 1)
        AddNested(*calc, *MakeEvaluation(outputName + "n", depth - 1));
    calc->Correlation.assign(CountInputs(*calc), TArrDouble(CountInputs(*calc), 0.0));
    return calc;
}
