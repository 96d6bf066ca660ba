#include "model/input_order.h"

#include "model/list_operations.h"

const std::string& InputView::Name() const
{
    return N ? N->OutputName : (A ? A->Name : B ? B->Name : G->Name);
}

const std::string& InputView::Unit() const
{
    return N ? N->OutputUnit : (A ? A->Unit : B ? B->Unit : G->Unit);
}

const std::string& InputView::Description() const
{
    return N ? N->ModelDescription : (A ? A->Description : B ? B->Description : G->Description);
}

double InputView::Value() const
{
    return N ? N->Value : (A ? A->Value : B ? B->Value : G->Value);
}

double InputView::StdUncertainty() const
{
    return N ? N->CombinedUncertainty : (A ? A->StdUncertainty : B ? B->StdUncertainty : G->StdUncertainty);
}

double InputView::Sensitivity() const
{
    return N ? N->Sensitivity : (A ? A->Sensitivity : B ? B->Sensitivity : G->Sensitivity);
}

InputView InputAt(const TOrmetaCalc& calc, int32_t k)
{
    InputView view{InputKind::TypeA, k};
    if (k < CountTypeA(calc)) {
        view.A = calc.TypeA[k].get();
        return view;
    }
    k -= CountTypeA(calc);
    if (k < CountTypeB(calc)) {
        view.Kind = InputKind::TypeB;
        view.Index = k;
        view.B = calc.TypeB[k].get();
        return view;
    }
    k -= CountTypeB(calc);
    if (k < CountNested(calc)) {
        view.Kind = InputKind::Nested;
        view.Index = k;
        view.N = calc.Nested[k].get();
        return view;
    }
    k -= CountNested(calc);
    view.Kind = InputKind::TypeG;
    view.Index = k;
    view.G = calc.TypeG[k].get();
    return view;
}

std::vector<InputView> InputsInOrder(const TOrmetaCalc& calc)
{
    std::vector<InputView> views;
    const int32_t n = CountInputs(calc);
    views.reserve(n);
    for (int32_t k = 0; k < n; ++k)
        views.push_back(InputAt(calc, k));
    return views;
}

void SetInputSensitivity(TOrmetaCalc& calc, int32_t k, double sensitivity)
{
    const InputView view = InputAt(calc, k);
    switch (view.Kind) {
    case InputKind::TypeA:
        calc.TypeA[view.Index]->Sensitivity = sensitivity;
        break;
    case InputKind::TypeB:
        calc.TypeB[view.Index]->Sensitivity = sensitivity;
        break;
    case InputKind::Nested:
        calc.Nested[view.Index]->Sensitivity = sensitivity;
        break;
    case InputKind::TypeG:
        calc.TypeG[view.Index]->Sensitivity = sensitivity;
        break;
    }
}
