#pragma once
// The records of one uncertainty evaluation: the evaluation itself and its three kinds of input
// record. An evaluation owns its inputs and its nested evaluations; pointers held elsewhere (the
// main window's evaluation list) never own.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using TArrDouble = std::vector<double>;
using TMatDouble = std::vector<TArrDouble>;

// Fields shared by the three input records, in their declared order.
struct TOrmetaInput {
    std::string Description;
    std::string Name;
    std::string Unit;
    double Value = 0;
    double StdUncertainty = 0;
    double Sensitivity = 0;
    int32_t Dof = 0; // 0 or less: none given
};

// Evaluated from observations or from a previously evaluated standard deviation.
struct TOrmetaTypeA : TOrmetaInput {
    int32_t Count = 0;
    bool HasPriorSD = false;
    double PriorSD = 0;
    bool Normalized = false;
    TArrDouble Observations;
};

// Distribution codes of a Type B input.
enum : uint8_t {
    DistNone = 0,
    DistNormal = 1,
    DistTriangular = 2,
    DistUShaped = 3,
    DistTrapezoidal = 4,
    DistUniform = 5,
};

// Evaluated from an assumed distribution.
struct TOrmetaTypeB : TOrmetaInput {
    uint8_t Distribution = DistNone;
    double ParamA = 0;
    double ParamB = 0;
    double ParamP = 0;
    bool HalfWidthForm = false;
};

// Read off a least-squares calibration curve.
struct TOrmetaTypeG : TOrmetaInput {
    int32_t Count = 0;
    TArrDouble Measurements;
    int32_t Repeats = 0;
    int32_t Standards = 0;
    double Intercept = 0;
    double Slope = 0;
    double Curvature = 0;
    bool IsQuadratic = false;
    TMatDouble CalibrationData; // Repeats + 1 rows of Standards values; row 0: reference values
};

// Coverage method codes.
enum : uint8_t {
    MethodAutomatic = 0,
    MethodNormal = 1,
    MethodUniform = 5,
    MethodStudent = 6,
};

// One evaluation. Inputs are numbered Type A, Type B, nested, calibration, each in list order.
struct TOrmetaCalc {
    std::vector<std::unique_ptr<TOrmetaTypeA>> TypeA;
    std::vector<std::unique_ptr<TOrmetaTypeB>> TypeB;
    std::vector<std::unique_ptr<TOrmetaTypeG>> TypeG;
    std::vector<std::unique_ptr<TOrmetaCalc>> Nested;
    std::string Description;
    uint8_t CoverageMethod = MethodAutomatic;
    std::string ModelFormula;
    double CoverageFactor = 0;
    std::string ModelDescription;
    std::string OutputName;
    std::string OutputUnit;
    double Value = 0;
    double CombinedUncertainty = 0;
    double Sensitivity = 0;
    int32_t EffectiveDof = 0; // 0: infinity
    double ConfidenceLevel = 0.95;
    TMatDouble Correlation;
};

// Creating an input quantity failed (raised by the input commands, which own its messages).
class EOrmetaCreate : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Deleting an input quantity failed.
class EOrmetaDelete : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The model formula cannot be evaluated. The message to show is Text; Position is the 1-based
// character position in the formula as the user typed it. what() stays empty.
class EFormula : public std::exception {
public:
    EFormula(int32_t position, std::string text) : Position(position), Text(std::move(text)) {}
    const char* what() const noexcept override { return ""; }
    int32_t Position;
    std::string Text;
};
