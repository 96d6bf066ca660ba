#include "reports/pareto/pareto_bars.h"

#include "model/input_order.h"
#include "text/number_format.h"
#include "ui/common/text_convert.h"

#include <cmath>
#include <utility>

namespace {

constexpr int kLabelLength = 50;

// The first characters of name, counted as characters rather than UTF-16 units.
QString Label(const std::string& name)
{
    const QString text = ToQt(name);
    qsizetype end = 0;
    for (int count = 0; end < text.size() && count < kLabelLength; ++count)
        end += text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

// "##0.## %": at most two decimals, no trailing zeros, the regional decimal separator.
QString PercentMark(double share)
{
    QString text = QString::number(std::round(share * 100) / 100, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text == u"-0")
        text = QStringLiteral("0");
    return text.replace(u'.', ToQt(RegionalSeparators().Decimal)) + QStringLiteral(" %");
}

} // namespace

QColor ParetoBarColor(int position)
{
    return QColor((16 + 119 * position) & 0xFF, (114 + 63 * position) & 0xFF, (85 - 119 * position) & 0xFF);
}

std::vector<TParetoBar> ParetoBars(const TOrmetaCalc& calc, double totalContribution)
{
    std::vector<double> values;
    std::vector<QString> labels;
    for (const auto& input : InputsInOrder(calc)) {
        values.push_back(std::fabs(input.Sensitivity() * input.StdUncertainty()));
        labels.push_back(Label(input.Name()));
    }
    const size_t n = values.size();
    for (size_t j = 0; j < n; ++j)
        for (size_t k = 0; k + 1 < n - j; ++k)
            if (!(values[k] >= values[k + 1])) {
                std::swap(values[k], values[k + 1]);
                std::swap(labels[k], labels[k + 1]);
            }

    std::vector<TParetoBar> bars(n);
    double sum = 0;
    for (size_t i = 0; i < n; ++i) {
        bars[i].Label = labels[i];
        bars[i].Value = totalContribution != 0 ? std::fabs(100 * values[i] / totalContribution) : 0;
        bars[i].Color = ParetoBarColor(static_cast<int>(i));
        sum += bars[i].Value;
    }
    for (auto& bar : bars)
        bar.Mark = sum > 0 && std::isfinite(sum) ? PercentMark(100 * bar.Value / sum) : QStringLiteral("-");
    return bars;
}
