#include "ui/main/budget_tab.h"

#include "engine/budget_table.h"
#include "text/number_format.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/labeled_edit.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

using namespace Qt::StringLiterals;

namespace {
constexpr int AutomaticItem = 3;
const QString DefaultLevel = u"0.9545"_s;

TLabeledEdit* ResultField(const QString& name, const QString& caption, QWidget* parent)
{
    auto* field = new TLabeledEdit(name, caption, parent);
    field->setReadOnly(true);
    return field;
}
} // namespace

uint8_t CoverageMethodFromText(const QString& text)
{
    if (text == u"Нормальний"_s || text == u"Нормальное"_s)
        return MethodNormal;
    if (text == u"Рівномірний"_s || text == u"Равномерное"_s)
        return MethodUniform;
    if (text == u"Розподіл Стюдента"_s || text == u"Розподіл Ст'юдента"_s || text == u"Распределение Стюдента"_s)
        return MethodStudent;
    return MethodAutomatic;
}

TBudgetTab::TBudgetTab(QWidget* parent) : QWidget(parent)
{
    LabeledEdit8 = new TLabeledEdit(u"LabeledEdit8"_s, tr("Рівень довіри"), this);
    LabeledEdit8->setToolTip(tr("Рівень довіри (ймовірність охоплення), число від 0 до 1"));
    ComboBox7 = new QComboBox(this);
    ComboBox7->setObjectName(u"ComboBox7"_s);
    ComboBox7->addItems({tr("Нормальний"), tr("Рівномірний"), tr("Розподіл Стюдента"), tr("Не заданий(автоматичний)")});
    ComboBox7->setToolTip(tr("Розподіл вихідної величини, за яким обчислюється коефіцієнт охоплення"));
    auto* methodLabel = new QLabel(tr("Розподіл вихідної величини:"), this);
    methodLabel->setBuddy(ComboBox7);

    auto* entries = new QGridLayout;
    entries->addWidget(LabeledEdit8->EditLabel(), 0, 0);
    entries->addWidget(LabeledEdit8, 1, 0);
    entries->addWidget(methodLabel, 0, 1);
    entries->addWidget(ComboBox7, 1, 1);
    entries->setColumnStretch(2, 1);

    StringGrid3 = new QTableWidget(this);
    StringGrid3->setObjectName(u"StringGrid3"_s);
    StringGrid3->setColumnCount(BudgetColumns);
    StringGrid3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid3->setWordWrap(true);
    StringGrid3->verticalHeader()->hide();
    // Seven titles side by side: a narrower face keeps them within the window.
    QFont titleFont = StringGrid3->horizontalHeader()->font();
    titleFont.setStretch(QFont::SemiCondensed);
    StringGrid3->horizontalHeader()->setFont(titleFont);
    StringGrid3->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid3->viewport()->installEventFilter(this);
    StringGrid3->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    StringGrid3->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    LabeledEdit10 = ResultField(u"LabeledEdit10"_s, tr("Стандартна невизначеність"), this);
    LabeledEdit9 = ResultField(u"LabeledEdit9"_s, tr("Коефіцієнт охоплення(покриття)"), this);
    LabeledEdit11 = ResultField(u"LabeledEdit11"_s, tr("Розширена невизначеність"), this);
    LabeledEdit15 = ResultField(u"LabeledEdit15"_s, tr("Степені свободи:"), this);
    Label12 = new QLabel(this);
    Label12->setObjectName(u"Label12"_s);
    Label12->setWordWrap(true);

    auto* results = new QGroupBox(tr("Результат оцінювання"), this);
    auto* resultGrid = new QGridLayout(results);
    TLabeledEdit* const fields[] = {LabeledEdit10, LabeledEdit9, LabeledEdit11, LabeledEdit15};
    for (int k = 0; k < 4; ++k) {
        resultGrid->addWidget(fields[k]->EditLabel(), 0, k);
        resultGrid->addWidget(fields[k], 1, k);
    }
    resultGrid->addWidget(Label12, 2, 0, 1, 4);

    NewBox = new QGroupBox(this);
    NewBox->setObjectName(u"NewBox"_s);
    LabeledEdit17 = ResultField(u"LabeledEdit17"_s, QString(), NewBox);
    LabeledEdit18 = ResultField(u"LabeledEdit18"_s, QString(), NewBox);
    auto* relative = new QGridLayout(NewBox);
    relative->addWidget(LabeledEdit17->EditLabel(), 0, 0);
    relative->addWidget(LabeledEdit17, 1, 0);
    relative->addWidget(LabeledEdit18->EditLabel(), 0, 1);
    relative->addWidget(LabeledEdit18, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addWidget(StringGrid3, 1);
    layout->addWidget(results);
    layout->addWidget(NewBox);
    // Without the table the result groups stay at the bottom.
    layout->addStretch(0);

    connect(LabeledEdit8, &TLabeledEdit::Exited, this, &TBudgetTab::LabeledEdit8Exit);
    connect(StringGrid3->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        FitTitleHeight();
        StringGrid3->resizeRowsToContents();
    });
    SetRelativeCaptions();
    ResetForNew();
}

void TBudgetTab::ResetEntries()
{
    LabeledEdit8->setText(DefaultLevel);
    ComboBox7->setCurrentIndex(AutomaticItem);
}

void TBudgetTab::ClearResults()
{
    LabeledEdit10->clear();
    LabeledEdit11->clear();
    LabeledEdit15->clear();
    LabeledEdit9->clear();
    // No result of the evaluation calculated before may stay beside another one.
    LabeledEdit15->hide();
    LabeledEdit17->clear();
    LabeledEdit18->clear();
    Label12->clear();
    StringGrid3->clearContents();
    StringGrid3->setRowCount(1);
}

void TBudgetTab::ResetForNew()
{
    ResetEntries();
    ClearResults();
    StringGrid3->hide();
}

void TBudgetTab::ShowTableFrame(int inputCount)
{
    StringGrid3->show();
    StringGrid3->setRowCount(inputCount + 1);
    QStringList titles;
    for (const std::string& title : BuildBudgetTable(TOrmetaCalc()).Titles)
        titles << ToQt(title);
    StringGrid3->setHorizontalHeaderLabels(titles);
    FitColumns();
}

namespace {
int WidestWord(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}
} // namespace

// Texts wrap between words, never inside one: each column is at least as wide as its widest word,
// and the room left over is shared out in proportion.
void TBudgetTab::FitColumns()
{
    const QFontMetrics titleMetrics(StringGrid3->horizontalHeader()->font());
    const QFontMetrics cellMetrics(StringGrid3->font());
    std::vector<int> widths(BudgetColumns, 0);
    int total = 0;
    for (int column = 0; column < BudgetColumns; ++column) {
        if (const QTableWidgetItem* title = StringGrid3->horizontalHeaderItem(column))
            widths[column] = WidestWord(titleMetrics, title->text());
        for (int row = 0; row < StringGrid3->rowCount(); ++row)
            if (const QTableWidgetItem* cell = StringGrid3->item(row, column))
                widths[column] = std::max(widths[column], WidestWord(cellMetrics, cell->text()));
        widths[column] += 8;
        total += widths[column];
    }
    const int room = StringGrid3->viewport()->width();
    const double share = total < room ? double(room) / total : 1.0;
    const QSignalBlocker quiet(StringGrid3->horizontalHeader());
    for (int column = 0; column < BudgetColumns; ++column)
        StringGrid3->setColumnWidth(column, static_cast<int>(widths[column] * share));
    FitTitleHeight();
    StringGrid3->resizeRowsToContents();
}

bool TBudgetTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid3->viewport() && event->type() == QEvent::Resize)
        FitColumns();
    return QWidget::eventFilter(watched, event);
}

void TBudgetTab::FitTitleHeight()
{
    QHeaderView* header = StringGrid3->horizontalHeader();
    const QFontMetrics metrics(header->font());
    int height = metrics.height();
    for (int column = 0; column < StringGrid3->columnCount(); ++column) {
        const QTableWidgetItem* title = StringGrid3->horizontalHeaderItem(column);
        if (!title)
            continue;
        const QRect room(0, 0, std::max(10, header->sectionSize(column) - 8), 1000);
        height =
            std::max(height, metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, title->text()).height());
    }
    header->setFixedHeight(height + 8);
}

void TBudgetTab::FillTable(const TOrmetaCalc& calc)
{
    const TBudgetTable table = BuildBudgetTable(calc);
    StringGrid3->setRowCount(static_cast<int>(table.Rows.size()));
    for (int row = 0; row < static_cast<int>(table.Rows.size()); ++row)
        for (int column = 0; column < BudgetColumns; ++column)
            StringGrid3->setItem(row, column, new QTableWidgetItem(ToQt(table.Rows[row][column])));
    FitColumns();
}

void TBudgetTab::ShowResults(const TOrmetaCalc& calc)
{
    FillTable(calc);
    const QString unit = u" "_s + ToQt(calc.OutputUnit);
    LabeledEdit9->setText(ToQt(FormatNumber(calc.CoverageFactor)));
    LabeledEdit10->setText(ToQt(FormatNumber(calc.CombinedUncertainty)) + unit);
    LabeledEdit11->setText(ToQt(FormatNumber(calc.CoverageFactor * calc.CombinedUncertainty)) + unit);
    LabeledEdit17->setText(ToQt(RelativeUncertaintyText(calc.CombinedUncertainty, calc.Value)));
    LabeledEdit18->setText(ToQt(RelativeUncertaintyText(calc.CoverageFactor * calc.CombinedUncertainty, calc.Value)));
    SetRelativeCaptions();
    const std::string explanation = CoverageExplanation(calc.CoverageMethod);
    if (!explanation.empty())
        Label12->setText(ToQt(explanation));
    const auto dof = EffectiveDofText(calc);
    LabeledEdit15->setVisible(dof.has_value());
    if (dof)
        LabeledEdit15->setText(ToQt(*dof));
}

void TBudgetTab::SetRelativeCaptions()
{
    LabeledEdit17->EditLabel()->setText(
        Tr2("Відносна стандартна невизначеність", "Относительная стандартная неопределенность"));
    LabeledEdit18->EditLabel()->setText(
        Tr2("Відносна розширена невизначеність", "Относительная расширенная неопределенность"));
    NewBox->setTitle(
        Tr2("Результат оцінювання відносної невизначеності", "Результат оценивания относительной неопределенности"));
}

double TBudgetTab::ConfidenceLevel() const
{
    return ParseNumber(ToStd(LabeledEdit8->text()));
}

uint8_t TBudgetTab::CoverageMethod() const
{
    return CoverageMethodFromText(ComboBox7->currentText());
}

void TBudgetTab::LabeledEdit8Exit()
{
    try {
        const double level = ConfidenceLevel();
        if (level > 0 && level < 1)
            return;
        ShowMessage(this, Tr2("Значення рівня довіри повинне бути від 0 до 1!",
                              "Значения уровня доверия должно быть от 0 до 1!"));
    }
    catch (const std::exception& error) {
        ShowMessage(this, ToQt(error.what()));
    }
    LabeledEdit8->setFocus();
}
