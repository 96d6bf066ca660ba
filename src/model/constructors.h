#pragma once
// Constructors and deep copies of the evaluation records. The input constructors compute the
// estimate and the standard uncertainty from what the user entered; a failure of that arithmetic
// (EMathError) reaches the caller and no record is made.
#include "model/records.h"

#include <array>

std::unique_ptr<TOrmetaCalc> CreateCalc(const std::string& modelDescription, const std::string& outputName,
                                        const std::string& outputUnit);

// standardDeviation > 1e-20: previously evaluated; exactly -1: normalised; otherwise experimental.
std::unique_ptr<TOrmetaTypeA> CreateTypeA(const std::string& unit, const std::string& description,
                                          const std::string& name, int32_t count, const TArrDouble& observations,
                                          double standardDeviation, int32_t dof);

// params: the three entry fields of the input editor in screen order.
std::unique_ptr<TOrmetaTypeB> CreateTypeB(const std::string& unit, const std::string& description,
                                          const std::string& name, uint8_t distribution,
                                          const std::array<double, 3>& params, bool halfWidthForm, int32_t dof);

// dof is overwritten: the record always ends with Dof = Count - 1.
std::unique_ptr<TOrmetaTypeG> CreateTypeG(const std::string& description, const std::string& name,
                                          const std::string& unit, const TMatDouble& calibrationData,
                                          const TArrDouble& measurements, bool isQuadratic, int32_t dof);

std::unique_ptr<TOrmetaTypeA> CloneTypeA(const TOrmetaTypeA& source);
std::unique_ptr<TOrmetaTypeB> CloneTypeB(const TOrmetaTypeB& source);
std::unique_ptr<TOrmetaTypeG> CloneTypeG(const TOrmetaTypeG& source);
// Deep: the copy shares nothing with its source.
std::unique_ptr<TOrmetaCalc> CloneCalc(const TOrmetaCalc& source);
