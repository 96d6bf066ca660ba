#include "ui/main/input_position.h"

#include "model/input_order.h"

int InputPosition(const TOrmetaCalc& calc, const std::string& name)
{
    const std::vector<InputView> inputs = InputsInOrder(calc);
    for (size_t k = 0; k < inputs.size(); ++k) {
        if (inputs[k].Name() == name)
            return static_cast<int>(k);
    }
    return -1;
}
