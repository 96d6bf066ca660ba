#include "model/list_operations.h"

#include "model/constructors.h"

#include <algorithm>

namespace {
template <typename T, typename NameOf>
int FindByName(const std::vector<std::unique_ptr<T>>& list, const std::string& name, NameOf nameOf)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (nameOf(*list[i]) == name)
            return static_cast<int>(i);
    return -1;
}

const std::string& InputName(const TOrmetaInput& input)
{
    return input.Name;
}

const std::string& NestedName(const TOrmetaCalc& calc)
{
    return calc.OutputName;
}

template <typename T, typename CloneFn>
T* AppendClone(TOrmetaCalc& calc, std::vector<std::unique_ptr<T>>& list, const T& record, const std::string& name,
               CloneFn clone)
{
    if (IsNameUsed(calc, name))
        return nullptr;
    list.push_back(clone(record));
    return list.back().get();
}

template <typename T, typename NameOf>
int FindLastByName(const std::vector<std::unique_ptr<T>>& list, const std::string& name, NameOf nameOf)
{
    for (size_t i = list.size(); i-- > 0;)
        if (nameOf(*list[i]) == name)
            return static_cast<int>(i);
    return -1;
}

// Removes the last entry of that name; false when the list has none.
template <typename T, typename NameOf>
bool EraseLastByName(std::vector<std::unique_ptr<T>>& list, const std::string& name, NameOf nameOf)
{
    const int index = FindLastByName(list, name, nameOf);
    if (index < 0)
        return false;
    list.erase(list.begin() + index);
    return true;
}
} // namespace

bool IsNameUsed(const TOrmetaCalc& calc, const std::string& name)
{
    return FindByName(calc.TypeA, name, InputName) >= 0 || FindByName(calc.TypeB, name, InputName) >= 0 ||
           FindByName(calc.Nested, name, NestedName) >= 0 || FindByName(calc.TypeG, name, InputName) >= 0;
}

TOrmetaTypeA* AddTypeA(TOrmetaCalc& calc, const TOrmetaTypeA& record)
{
    return AppendClone(calc, calc.TypeA, record, record.Name, CloneTypeA);
}

TOrmetaTypeB* AddTypeB(TOrmetaCalc& calc, const TOrmetaTypeB& record)
{
    return AppendClone(calc, calc.TypeB, record, record.Name, CloneTypeB);
}

TOrmetaTypeG* AddTypeG(TOrmetaCalc& calc, const TOrmetaTypeG& record)
{
    return AppendClone(calc, calc.TypeG, record, record.Name, CloneTypeG);
}

TOrmetaCalc* AddNested(TOrmetaCalc& calc, const TOrmetaCalc& nested)
{
    return AppendClone(calc, calc.Nested, nested, nested.OutputName, CloneCalc);
}

void DeleteInput(TOrmetaCalc& calc, const std::string& name)
{
    // Names are unique within an evaluation, but a file may carry duplicates: then the last match in
    // input order goes, the one a full scan of all four lists remembers last.
    EraseLastByName(calc.TypeG, name, InputName) || EraseLastByName(calc.Nested, name, NestedName) ||
        EraseLastByName(calc.TypeB, name, InputName) || EraseLastByName(calc.TypeA, name, InputName);
}

int32_t CountTypeA(const TOrmetaCalc& calc)
{
    return static_cast<int32_t>(calc.TypeA.size());
}

int32_t CountTypeB(const TOrmetaCalc& calc)
{
    return static_cast<int32_t>(calc.TypeB.size());
}

int32_t CountNested(const TOrmetaCalc& calc)
{
    return static_cast<int32_t>(calc.Nested.size());
}

int32_t CountTypeG(const TOrmetaCalc& calc)
{
    return static_cast<int32_t>(calc.TypeG.size());
}

int32_t CountInputs(const TOrmetaCalc& calc)
{
    return CountTypeA(calc) + CountTypeB(calc) + CountNested(calc) + CountTypeG(calc);
}

TOrmetaTypeA GetTypeA(const TOrmetaCalc& calc, int32_t i)
{
    return *calc.TypeA[i];
}

TOrmetaTypeB GetTypeB(const TOrmetaCalc& calc, int32_t i)
{
    return *calc.TypeB[i];
}

TOrmetaTypeG GetTypeG(const TOrmetaCalc& calc, int32_t i)
{
    return *calc.TypeG[i];
}

const TOrmetaCalc& GetNested(const TOrmetaCalc& calc, int32_t i)
{
    return *calc.Nested[i];
}

TOrmetaCalc* NestedAt(TOrmetaCalc& calc, int32_t i)
{
    return calc.Nested[i].get();
}

void CollectEvaluations(TOrmetaCalc* calc, std::vector<TOrmetaCalc*>& list)
{
    for (auto& nested : calc->Nested)
        CollectEvaluations(nested.get(), list);
    list.push_back(calc);
}
