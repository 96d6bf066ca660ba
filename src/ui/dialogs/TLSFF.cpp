#include "ui/dialogs/TLSFF.h"

#include "ui/common/text_convert.h"

#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kWidth = 813;
constexpr int kHeight = 586;
constexpr qreal kPointSize = 5;
constexpr int kLineWidth = 2;
const QColor kTeal(0, 128, 128);

QList<QPointF> ToQt(const std::vector<TChartPoint>& points)
{
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const TChartPoint& point : points)
        list.append(QPointF(point.X, point.Y));
    return list;
}

// A range with a margin, never empty, so a single value still gets a readable axis.
void SetPaddedRange(QValueAxis* axis, double lo, double hi)
{
    if (lo > hi) {
        lo = 0;
        hi = 1;
    }
    const double margin = hi > lo ? 0.05 * (hi - lo) : std::max(std::abs(lo) * 0.1, 1.0);
    axis->setRange(lo - margin, hi + margin);
    axis->applyNiceNumbers();
}
} // namespace

TLSFF::TLSFF(QWidget* parent)
    : QDialog(parent), Chart1(new QChartView(this)), Series1(new QScatterSeries(this)), Series2(new QLineSeries(this)),
      AxisX(new QValueAxis(this)), AxisY(new QValueAxis(this)), RG1(new QGroupBox(this)),
      ObservedItem(new QRadioButton(RG1)), MeasuredItem(new QRadioButton(RG1)), Button1(new QPushButton(this))
{
    setObjectName(QStringLiteral("TLSFF"));
    setSizeGripEnabled(true);
    resize(kWidth, kHeight);

    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setName(tr("результати калібрування"));
    Series1->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    Series1->setMarkerSize(kPointSize);
    Series1->setColor(Qt::red);
    Series1->setBorderColor(Qt::red);

    Series2->setObjectName(QStringLiteral("Series2"));
    Series2->setName(tr("апроксимація МНК"));
    Series2->setPen(QPen(kTeal, kLineWidth));
    Series2->setPointsVisible(false);

    auto* chart = new QChart;
    chart->setBackgroundBrush(Qt::white);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->addSeries(Series2);
    chart->addSeries(Series1);
    chart->addAxis(AxisX, Qt::AlignBottom);
    chart->addAxis(AxisY, Qt::AlignLeft);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(Series1), static_cast<QAbstractSeries*>(Series2)}) {
        series->attachAxis(AxisX);
        series->attachAxis(AxisY);
    }
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setChart(chart);
    Chart1->setRenderHint(QPainter::Antialiasing);
    FitAxes();

    RG1->setObjectName(QStringLiteral("RG1"));
    RG1->setTitle(tr("Графік будувати відносно величини що"));
    ObservedItem->setObjectName(QStringLiteral("RG1Item0"));
    ObservedItem->setText(tr("спостерігається"));
    MeasuredItem->setObjectName(QStringLiteral("RG1Item1"));
    MeasuredItem->setText(tr("вимірюється"));
    MeasuredItem->setChecked(true);
    auto* items = new QHBoxLayout(RG1);
    items->addWidget(ObservedItem);
    items->addWidget(MeasuredItem);
    items->addStretch();
    // Only the newly checked item redraws (each click unchecks the other as well).
    for (QRadioButton* item : {ObservedItem, MeasuredItem})
        connect(item, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                Redraw();
        });

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(tr("Закрити"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(RG1, 1);
    bottom->addWidget(Button1, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Chart1, 1);
    layout->addLayout(bottom);
}

void TLSFF::Draw(const TOrmetaCalc& evaluation, const std::string& name)
{
    const auto found = std::find_if(evaluation.TypeG.begin(), evaluation.TypeG.end(),
                                    [&name](const auto& input) { return input->Name == name; });
    Draw(found != evaluation.TypeG.end() ? found->get() : nullptr);
}

void TLSFF::Draw(const TOrmetaTypeG* input)
{
    if (input == nullptr)
        return;
    Shown = TCurve{input->CalibrationData, input->Intercept, input->Slope, input->Curvature};
    Redraw();
}

TChartAxis TLSFF::Axis() const
{
    return ObservedItem->isChecked() ? TChartAxis::Observed : TChartAxis::Measured;
}

void TLSFF::SetAxis(TChartAxis axis)
{
    (axis == TChartAxis::Observed ? ObservedItem : MeasuredItem)->setChecked(true);
}

void TLSFF::Redraw()
{
    if (!Shown)
        return;
    setWindowTitle(Shown->Curvature != 0
                       ? Tr2("Квадратична залежність, побудована за методом найменших квадратів з результатів "
                             "калібрування",
                             "Квадратичная зависимость, построенная методом наименьших квадратов по результатам "
                             "калибровки")
                       : Tr2("Пряма, побудована за методом найменших квадратів з результатів калібрування",
                             "Прямая, построенная методом наименьших квадратов по результатам калибровки"));
    const TLsChartPoints points = LsChartPoints(Shown->Data, Shown->Intercept, Shown->Slope, Shown->Curvature, Axis());
    Series1->replace(ToQt(points.Readings));
    Series2->replace(ToQt(points.Curve));
    FitAxes();
}

void TLSFF::FitAxes()
{
    double loX = std::numeric_limits<double>::infinity();
    double hiX = -loX;
    double loY = loX;
    double hiY = -loX;
    for (const QXYSeries* series : {static_cast<QXYSeries*>(Series1), static_cast<QXYSeries*>(Series2)}) {
        for (const QPointF& point : series->points()) {
            loX = std::min(loX, point.x());
            hiX = std::max(hiX, point.x());
            loY = std::min(loY, point.y());
            hiY = std::max(hiY, point.y());
        }
    }
    SetPaddedRange(AxisX, loX, hiX);
    SetPaddedRange(AxisY, loY, hiY);
}
