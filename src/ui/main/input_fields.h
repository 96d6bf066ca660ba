#pragma once
// Turns the fields of the input editor into an input record of the kind chosen in the kind box,
// checking them as the create and change commands do; their messages differ slightly.
#include "model/records.h"
#include "ui/main/input_editor.h"

enum class TApplyCommand { Create, Change };

// The record built from the fields; only the one of its kind is set.
struct TBuiltInput {
    TKindItem Kind = TKindItem::TypeB;
    std::unique_ptr<TOrmetaTypeA> A;
    std::unique_ptr<TOrmetaTypeB> B;
    std::unique_ptr<TOrmetaTypeG> G;
};

// Reads and checks the fields of a Type A, Type B or calibration input named as in LabeledEdit1. A
// failed check raises its message; a degrees-of-freedom field that cannot be used is no failure: it is
// taken as infinity, said so, and shows the infinity token. The calculated kind has nothing to read.
TBuiltInput BuildInputFromFields(TInputEditor& editor, TApplyCommand command);
