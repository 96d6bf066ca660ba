#pragma once
// Evaluations for the engine tests, with inputs given directly by value and standard uncertainty.
#include "model/records.h"

#include <memory>
#include <string>

inline TOrmetaCalc& AddNestedCalc(TOrmetaCalc& parent, const std::string& outputName, const std::string& formula)
{
    auto nested = std::make_unique<TOrmetaCalc>();
    nested->OutputName = outputName;
    nested->ModelFormula = formula;
    parent.Nested.push_back(std::move(nested));
    return *parent.Nested.back();
}

template <class Record>
Record& AddInput(std::vector<std::unique_ptr<Record>>& list, const std::string& name, double value, double u)
{
    auto record = std::make_unique<Record>();
    record->Name = name;
    record->Value = value;
    record->StdUncertainty = u;
    list.push_back(std::move(record));
    return *list.back();
}

// Type A from count observations, no degrees of freedom given.
inline TOrmetaTypeA& AddTypeA(TOrmetaCalc& calc, const std::string& name, double value, double u, int32_t count = 5)
{
    TOrmetaTypeA& a = AddInput(calc.TypeA, name, value, u);
    a.Count = count;
    return a;
}

inline TOrmetaTypeB& AddTypeB(TOrmetaCalc& calc, const std::string& name, double value, double u,
                              uint8_t distribution, int32_t dof = 0)
{
    TOrmetaTypeB& b = AddInput(calc.TypeB, name, value, u);
    b.Distribution = distribution;
    b.Dof = dof;
    return b;
}

inline TOrmetaTypeG& AddTypeG(TOrmetaCalc& calc, const std::string& name, double value, double u, int32_t count)
{
    TOrmetaTypeG& g = AddInput(calc.TypeG, name, value, u);
    g.Count = count;
    return g;
}
