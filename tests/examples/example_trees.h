#pragma once
// The evaluations shipped in examples/, built through the program's own constructors.
#include "model/records.h"

#include <memory>
#include <string>
#include <vector>

struct TExample {
    std::string FileName;
    std::unique_ptr<TOrmetaCalc> Evaluation;
};

std::vector<TExample> ExampleEvaluations();
