#pragma once
// Adding, deleting and reading the inputs of an evaluation. Indices are the caller's
// responsibility: 0 <= i < the list's length.
#include "model/records.h"

// Each Add appends a clone of the record and returns it, or returns null (changing nothing) when
// the name is already used by any input of calc. The caller keeps the record it passed.
TOrmetaTypeA* AddTypeA(TOrmetaCalc& calc, const TOrmetaTypeA& record);
TOrmetaTypeB* AddTypeB(TOrmetaCalc& calc, const TOrmetaTypeB& record);
TOrmetaTypeG* AddTypeG(TOrmetaCalc& calc, const TOrmetaTypeG& record);
TOrmetaCalc* AddNested(TOrmetaCalc& calc, const TOrmetaCalc& nested);

// Removes the input of that name (a nested evaluation with everything below it); no match, no change.
void DeleteInput(TOrmetaCalc& calc, const std::string& name);

// True when some input of calc (any of the four lists) bears this name.
bool IsNameUsed(const TOrmetaCalc& calc, const std::string& name);

int32_t CountTypeA(const TOrmetaCalc& calc);
int32_t CountTypeB(const TOrmetaCalc& calc);
int32_t CountNested(const TOrmetaCalc& calc);
int32_t CountTypeG(const TOrmetaCalc& calc);
// nA + nB + nN + nG.
int32_t CountInputs(const TOrmetaCalc& calc);

// Copies for reading: changing them does not change the evaluation.
TOrmetaTypeA GetTypeA(const TOrmetaCalc& calc, int32_t i);
TOrmetaTypeB GetTypeB(const TOrmetaCalc& calc, int32_t i);
TOrmetaTypeG GetTypeG(const TOrmetaCalc& calc, int32_t i);
// The nested evaluation itself, for reading.
const TOrmetaCalc& GetNested(const TOrmetaCalc& calc, int32_t i);
// The nested evaluation itself, for code that changes it or passes it on.
TOrmetaCalc* NestedAt(TOrmetaCalc& calc, int32_t i);

// Appends calc and every evaluation below it, depth first, children before their parent.
void CollectEvaluations(TOrmetaCalc* calc, std::vector<TOrmetaCalc*>& list);
