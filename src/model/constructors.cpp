#include "model/constructors.h"

#include "model/input_uncertainty.h"

namespace {
// Standard deviation arguments above this select the previously-evaluated Type A mode.
constexpr double PriorSDThreshold = 1e-20;
// This exact argument selects the normalised mode.
constexpr double NormalizeMarker = -1.0;

void FillHead(TOrmetaInput& input, const std::string& description, const std::string& name, const std::string& unit,
              int32_t dof)
{
    input.Description = description;
    input.Name = name;
    input.Unit = unit;
    input.Dof = dof;
}
} // namespace

std::unique_ptr<TOrmetaCalc> CreateCalc(const std::string& modelDescription, const std::string& outputName,
                                        const std::string& outputUnit)
{
    auto calc = std::make_unique<TOrmetaCalc>();
    calc->ModelDescription = modelDescription;
    calc->OutputName = outputName;
    calc->OutputUnit = outputUnit;
    return calc;
}

std::unique_ptr<TOrmetaTypeA> CreateTypeA(const std::string& unit, const std::string& description,
                                          const std::string& name, int32_t count, const TArrDouble& observations,
                                          double standardDeviation, int32_t dof)
{
    auto input = std::make_unique<TOrmetaTypeA>();
    FillHead(*input, description, name, unit, dof);
    input->Count = count;
    input->Observations = observations;
    if (standardDeviation > PriorSDThreshold) {
        input->HasPriorSD = true;
        input->PriorSD = standardDeviation;
    }
    else if (standardDeviation == NormalizeMarker) {
        input->Normalized = true;
    }
    ComputeTypeA(*input);
    return input;
}

std::unique_ptr<TOrmetaTypeB> CreateTypeB(const std::string& unit, const std::string& description,
                                          const std::string& name, uint8_t distribution,
                                          const std::array<double, 3>& params, bool halfWidthForm, int32_t dof)
{
    auto input = std::make_unique<TOrmetaTypeB>();
    FillHead(*input, description, name, unit, dof);
    input->Distribution = distribution;
    input->HalfWidthForm = halfWidthForm;
    switch (distribution) {
    case DistNormal:
    case DistTrapezoidal:
        input->ParamP = params[0];
        input->ParamA = params[1];
        input->ParamB = params[2];
        break;
    case DistTriangular:
    case DistUniform:
        input->ParamA = params[0];
        input->ParamB = params[1];
        break;
    case DistUShaped:
        input->ParamP = params[0];
        break;
    default:
        break;
    }
    ComputeTypeB(*input);
    return input;
}

std::unique_ptr<TOrmetaTypeG> CreateTypeG(const std::string& description, const std::string& name,
                                          const std::string& unit, const TMatDouble& calibrationData,
                                          const TArrDouble& measurements, bool isQuadratic, int32_t dof)
{
    auto input = std::make_unique<TOrmetaTypeG>();
    FillHead(*input, description, name, unit, dof);
    input->Repeats = static_cast<int32_t>(calibrationData.size()) - 1;
    input->Standards = calibrationData.empty() ? 0 : static_cast<int32_t>(calibrationData[0].size());
    input->Count = static_cast<int32_t>(measurements.size());
    input->CalibrationData = calibrationData;
    input->Measurements = measurements;
    input->IsQuadratic = isQuadratic;
    ComputeTypeG(*input);
    return input;
}

std::unique_ptr<TOrmetaTypeA> CloneTypeA(const TOrmetaTypeA& source)
{
    return std::make_unique<TOrmetaTypeA>(source);
}

std::unique_ptr<TOrmetaTypeB> CloneTypeB(const TOrmetaTypeB& source)
{
    return std::make_unique<TOrmetaTypeB>(source);
}

std::unique_ptr<TOrmetaTypeG> CloneTypeG(const TOrmetaTypeG& source)
{
    return std::make_unique<TOrmetaTypeG>(source);
}

namespace {
template <typename T, typename CloneFn>
std::vector<std::unique_ptr<T>> CloneList(const std::vector<std::unique_ptr<T>>& list, CloneFn clone)
{
    std::vector<std::unique_ptr<T>> copy;
    copy.reserve(list.size());
    for (const auto& item : list)
        copy.push_back(clone(*item));
    return copy;
}
} // namespace

std::unique_ptr<TOrmetaCalc> CloneCalc(const TOrmetaCalc& source)
{
    auto copy = std::make_unique<TOrmetaCalc>();
    copy->TypeA = CloneList(source.TypeA, CloneTypeA);
    copy->TypeB = CloneList(source.TypeB, CloneTypeB);
    copy->TypeG = CloneList(source.TypeG, CloneTypeG);
    copy->Nested = CloneList(source.Nested, CloneCalc);
    copy->Description = source.Description;
    copy->CoverageMethod = source.CoverageMethod;
    copy->ModelFormula = source.ModelFormula;
    copy->CoverageFactor = source.CoverageFactor;
    copy->ModelDescription = source.ModelDescription;
    copy->OutputName = source.OutputName;
    copy->OutputUnit = source.OutputUnit;
    copy->Value = source.Value;
    copy->CombinedUncertainty = source.CombinedUncertainty;
    copy->Sensitivity = source.Sensitivity;
    copy->EffectiveDof = source.EffectiveDof;
    copy->ConfidenceLevel = source.ConfidenceLevel;
    copy->Correlation = source.Correlation;
    return copy;
}
