#pragma once
// Failure texts of the uncertainty engine, in the language of the moment.
#include "model/records.h"

#include <string>

// "Evaluation «name»: " + reason, so that a failure deep in a tree says where it lies.
std::string EvaluationFailure(const TOrmetaCalc& calc, const std::string& reason);

std::string LevelOutOfRangeText();
std::string StudentLevelTooHighText();
std::string LevelNotReachedText();
std::string NonPositiveDofText();
std::string UnknownMethodText(int code);
