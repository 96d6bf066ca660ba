#pragma once
// The parameter fields of a Type B input: which of the three fields a distribution uses, their labels,
// and whether the interval mode (bounds or centre and half-width) applies to it.
#include <QString>

#include <array>
#include <cstdint>

// Items of the distribution box, in its order.
enum class TDistributionItem { Normal = 0, Uniform = 1, Triangular = 2, Trapezoidal = 3, UShaped = 4 };
inline constexpr int kDistributionItems = 5;

struct TParamField {
    bool Visible = false;
    QString Label;
};

struct TTypeBFields {
    std::array<TParamField, 3> Fields; // LabeledEdit5, LabeledEdit6, LabeledEdit7
    bool ModeVisible = false;          // the interval mode box and its label
};

// Fields of a distribution box item in bounds or centre mode, labelled in the current language.
// bySelector: the labels set when the user picks a distribution, two of whose Russian forms differ
// from those set when an input is shown.
TTypeBFields TypeBFields(int distributionItem, bool centreMode, bool bySelector);

// The distribution code that records and files use for a box item; DistNone for no item.
uint8_t DistributionCode(int distributionItem);
// The box item of a distribution code; -1 for a code no item has.
int DistributionItem(uint8_t code);
