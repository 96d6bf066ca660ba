#pragma once
// The inputs of an evaluation in input order (Type A, Type B, nested, calibration), seen through
// one view, so that the engine, the budget, the file and the report number them alike.
#include "model/records.h"

enum class InputKind { TypeA, TypeB, Nested, TypeG };

struct InputView {
    InputKind Kind;
    int32_t Index;               // within its own list
    const TOrmetaTypeA* A = nullptr;
    const TOrmetaTypeB* B = nullptr;
    const TOrmetaCalc* N = nullptr;
    const TOrmetaTypeG* G = nullptr;

    const std::string& Name() const;         // Name, or OutputName of a nested evaluation
    const std::string& Unit() const;         // Unit, or OutputUnit
    const std::string& Description() const;  // Description, or ModelDescription
    double Value() const;
    double StdUncertainty() const;           // StdUncertainty, or CombinedUncertainty
    double Sensitivity() const;
};

// Input k of calc in input order; 0 <= k < CountInputs(calc).
InputView InputAt(const TOrmetaCalc& calc, int32_t k);
// All inputs in input order.
std::vector<InputView> InputsInOrder(const TOrmetaCalc& calc);
// Writes the sensitivity coefficient of input k (into a nested evaluation's own Sensitivity).
void SetInputSensitivity(TOrmetaCalc& calc, int32_t k, double sensitivity);
