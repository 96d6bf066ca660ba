#include "reports/pareto/TParetoForm.h"

#include "ui/common/window_placement.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace {

constexpr int kChartWidth = 800;
constexpr int kChartHeight = 500;
constexpr double kArrowLength = 20;

QBrush BarBrush(const QColor& color)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, color);
    gradient.setColorAt(1, color.lighter(160));
    return QBrush(gradient);
}

} // namespace

TParetoForm::TParetoForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Chart1(new QChartView(this)),
      Series1(new QStackedBarSeries), Button1(new QPushButton(this))
{
    setObjectName(QStringLiteral("TParetoForm"));
    setWindowTitle(tr("Діаграма Парето джерел(складових) невизначеності"));
    setFixedSize(kChartWidth, 548);

    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(0, 0, kChartWidth, kChartHeight);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setBackgroundBrush(Qt::white);
    QChart* chart = Chart1->chart();
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->hide();
    chart->setMargins(QMargins(10, 40, 20, 10));
    chart->resize(kChartWidth, kChartHeight);

    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setBarWidth(0.7);
    chart->addSeries(Series1);
    auto* categories = new QBarCategoryAxis(chart);
    chart->addAxis(categories, Qt::AlignBottom);
    Series1->attachAxis(categories);
    auto* values = new QValueAxis(chart);
    values->setRange(0, 100);
    values->setTickCount(21); // every 5 %
    values->setTruncateLabels(false);
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(values, Qt::AlignLeft);
    Series1->attachAxis(values);
    connect(chart, &QChart::plotAreaChanged, this, [this] { PlaceMarks(); });

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(tr("Закрити"));
    Button1->setGeometry(363, 520, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

TParetoForm::~TParetoForm()
{
    // The chart goes with the window's children, after this object: it must not call back into it.
    Chart()->disconnect(this);
}

QChart* TParetoForm::Chart() const
{
    return Chart1->chart();
}

void TParetoForm::FillParetoChart(const TOrmetaCalc& calc, double totalContribution)
{
    std::vector<TParetoBar> bars = ParetoBars(calc, totalContribution);
    Series1->clear();
    auto* categories = static_cast<QBarCategoryAxis*>(Chart()->axes(Qt::Horizontal).front());
    categories->clear();
    // One set per bar, each with its own colour; its value stands in its own category only.
    QStringList labels;
    for (const auto& bar : bars)
        labels << bar.Label;
    categories->append(labels);
    for (size_t i = 0; i < bars.size(); ++i) {
        auto* set = new QBarSet(bars[i].Label);
        for (size_t k = 0; k < bars.size(); ++k)
            set->append(k == i ? bars[i].Value : 0.0);
        set->setColor(bars[i].Color);
        set->setBrush(BarBrush(bars[i].Color));
        set->setBorderColor(bars[i].Color.darker(130));
        Series1->append(set);
    }
    CurrentBars = std::move(bars);
    PlaceMarks();
}

// A yellow mark with the percentage above each bar, on an arrow of 20 pixels.
void TParetoForm::PlaceMarks()
{
    delete Marks;
    Marks = new QGraphicsItemGroup(Chart());
    Marks->setZValue(10);
    for (size_t i = 0; i < CurrentBars.size(); ++i) {
        const QPointF top = Chart()->mapToPosition(QPointF(static_cast<double>(i), CurrentBars[i].Value), Series1);
        const QPointF tip(top.x(), top.y() - kArrowLength);
        auto* arrow = new QGraphicsLineItem(QLineF(top, tip));
        arrow->setPen(QPen(Qt::gray, 1));
        Marks->addToGroup(arrow);
        auto* text = new QGraphicsSimpleTextItem(CurrentBars[i].Mark);
        QRectF box = text->boundingRect().adjusted(-3, -1, 3, 1);
        box.moveCenter(QPointF(tip.x(), tip.y() - box.height() / 2));
        auto* background = new QGraphicsRectItem(box);
        background->setBrush(QColor(255, 255, 128));
        background->setPen(QPen(Qt::gray, 1));
        Marks->addToGroup(background);
        text->setPos(box.left() + 3, box.top() + 1);
        Marks->addToGroup(text);
    }
}

QImage TParetoForm::ChartImage()
{
    QChart* chart = Chart();
    chart->resize(kChartWidth, kChartHeight);
    chart->layout()->activate();
    PlaceMarks();
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, kChartWidth, kChartHeight);
    chart->scene()->render(&painter, area, chart->mapRectToScene(area));
    painter.end();
    return image;
}

void TParetoForm::ShowModal()
{
    CentreOver(this, parentWidget());
    exec();
}
