#include "ui/main/type_b_fields.h"

#include "model/records.h"
#include "ui/common/text_convert.h"

using namespace Qt::StringLiterals;

namespace {
constexpr std::array<uint8_t, kDistributionItems> kCodes = {DistNormal, DistUniform, DistTriangular,
                                                            DistTrapezoidal, DistUShaped};

TParamField Shown(const QString& label)
{
    return {true, label};
}
} // namespace

TTypeBFields TypeBFields(int distributionItem, bool centreMode, bool bySelector)
{
    const QString centre = Tr2("Центр інтервалу", "Центр интервала");
    const QString halfWidth = Tr2("Півширина інтервалу", "Полуширина интервала");
    switch (static_cast<TDistributionItem>(distributionItem)) {
    case TDistributionItem::Normal: {
        const QString lower = bySelector ? Tr2("Нижня межа", "Нижня граница") : Tr2("Нижня межа", "Нижняя граница");
        return {{Shown(Tr2("Імовірність", "Вероятность")),
                 Shown(centreMode ? centre : Tr2("Верхня межа", "Верхняя граница")),
                 Shown(centreMode ? halfWidth : lower)},
                true};
    }
    case TDistributionItem::Uniform:
    case TDistributionItem::Triangular:
        return {{Shown(centreMode ? centre : Tr2("Верхня межа інтервалу", "Верхняя граница интервала")),
                 Shown(centreMode ? halfWidth : Tr2("Нижня межа інтервалу", "Нижняя граница интервала")),
                 TParamField{}},
                true};
    case TDistributionItem::Trapezoidal:
        return {{Shown(centre), Shown(u"а1"_s), Shown(u"а2"_s)}, false};
    case TDistributionItem::UShaped:
        return {{Shown(bySelector ? Tr2("А(підсилення)", "А(Усиление)") : Tr2("А(підсилення)", "А(усиление)")),
                 TParamField{}, TParamField{}},
                false};
    }
    return {};
}

uint8_t DistributionCode(int distributionItem)
{
    if (distributionItem < 0 || distributionItem >= kDistributionItems)
        return DistNone;
    return kCodes[static_cast<size_t>(distributionItem)];
}

int DistributionItem(uint8_t code)
{
    for (int item = 0; item < kDistributionItems; ++item) {
        if (kCodes[static_cast<size_t>(item)] == code)
            return item;
    }
    return -1;
}
