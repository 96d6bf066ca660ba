#include "example_trees.h"

#include "model/constructors.h"
#include "model/list_operations.h"

namespace {
void SquareCorrelation(TOrmetaCalc& calc)
{
    const size_t n = static_cast<size_t>(CountInputs(calc));
    calc.Correlation.assign(n, TArrDouble(n, 0.0));
    for (size_t i = 0; i < n; ++i)
        calc.Correlation[i][i] = 1;
}

// The temperature of a water bath read on a digital thermometer: ten readings, the thermometer's
// calibration certificate and the resolution of its display.
std::unique_ptr<TOrmetaCalc> ThermometerReading()
{
    auto calc = CreateCalc("Модель: показ термометра з поправками на калібрування та роздільну здатність.", "t", "°C");
    calc->Description = "Вимірювання температури водяної бані цифровим термометром.\nДесять повторних показів "
                        "з інтервалом 30 с.";
    calc->ModelFormula = "tx+dtcal+dtres";
    AddTypeA(*calc, *CreateTypeA("°C", "Повторні покази термометра", "tx", 10,
                                 {37.12, 37.15, 37.11, 37.14, 37.13, 37.16, 37.12, 37.13, 37.15, 37.14}, 0, 0));
    AddTypeB(*calc, *CreateTypeB("°C", "Поправка за свідоцтвом про калібрування: 0,02 ± 0,04 °C (k = 2)", "dtcal",
                                 DistNormal, {0.9545, 0.02, 0.04}, true, 0));
    AddTypeB(*calc, *CreateTypeB("°C", "Роздільна здатність індикатора 0,01 °C", "dtres", DistUniform,
                                 {0, 0.005, 0}, true, 0));
    SquareCorrelation(*calc);
    return calc;
}

// Electrical power P = U·I, the current itself evaluated from a shunt in a nested evaluation.
std::unique_ptr<TOrmetaCalc> PowerWithShunt()
{
    auto current = CreateCalc("Струм через шунт: падіння напруги на шунті, поділене на його опір", "I", "А");
    current->ModelFormula = "Us/Rs";
    AddTypeA(*current, *CreateTypeA("В", "Напруга на шунті, п'ять показів", "Us", 5,
                                    {0.100012, 0.100008, 0.100015, 0.100010, 0.100011}, 0, 0));
    AddTypeB(*current, *CreateTypeB("Ом", "Опір шунта за свідоцтвом: 0,010000 ± 0,000004 Ом (k = 2)", "Rs",
                                    DistNormal, {0.9545, 0.010000, 0.000004}, true, 0));
    SquareCorrelation(*current);

    auto calc = CreateCalc("Потужність постійного струму: добуток напруги на навантаженні і струму.", "P", "Вт");
    calc->Description = "Вимірювання потужності, що споживає резистивне навантаження.";
    calc->ModelFormula = "U*I";
    AddTypeA(*calc, *CreateTypeA("В", "Напруга на навантаженні, шість показів", "U", 6,
                                 {12.0031, 12.0024, 12.0036, 12.0029, 12.0027, 12.0033}, 0, 0));
    AddNested(*calc, *current);
    SquareCorrelation(*calc);
    return calc;
}

// Mass concentration of iron by photometry: the absorbance of the sample read off a calibration line
// of five standards, then corrected for the dilution made with two volumetric vessels.
std::unique_ptr<TOrmetaCalc> PhotometricConcentration()
{
    auto calc = CreateCalc("Концентрація заліза у пробі: значення з градуювальної прямої, помножене на коефіцієнт "
                           "розведення Vk/Va.",
                           "C", "мг/дм3");
    calc->Description = "Фотометричне визначення заліза загального. Градуювання за п'ятьма стандартними "
                        "розчинами, по два виміри кожного.";
    calc->ModelFormula = "Cg*Vk/Va";
    AddTypeB(*calc, *CreateTypeB("см3", "Об'єм колби, клас A: 100 ± 0,10 см3 (трикутний)", "Vk", DistTriangular,
                                 {100, 0.10, 0}, true, 0));
    AddTypeB(*calc, *CreateTypeB("см3", "Об'єм аліквоти, піпетка 10 ± 0,02 см3 (рівномірний)", "Va", DistUniform,
                                 {10, 0.02, 0}, true, 0));
    const TMatDouble standards{{0.05, 0.10, 0.20, 0.30, 0.40},
                               {0.052, 0.101, 0.198, 0.303, 0.399},
                               {0.049, 0.099, 0.203, 0.297, 0.402}};
    AddTypeG(*calc, *CreateTypeG("Концентрація в аліквоті за градуювальною прямою", "Cg", "мг/дм3", standards,
                                 {0.151, 0.148, 0.153, 0.150, 0.149}, false, 0));
    SquareCorrelation(*calc);
    // Both volumes were set with glassware calibrated against the same balance.
    calc->Correlation[0][1] = 0.5;
    calc->Correlation[1][0] = 0.5;
    return calc;
}
} // namespace

std::vector<TExample> ExampleEvaluations()
{
    std::vector<TExample> examples;
    examples.push_back({"thermometer.orm", ThermometerReading()});
    examples.push_back({"power_with_shunt.orm", PowerWithShunt()});
    examples.push_back({"photometric_iron.orm", PhotometricConcentration()});
    return examples;
}
