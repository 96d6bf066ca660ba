#include "ui/dialogs/TValuesF.h"

#include "text/convert_error.h"
#include "text/editing_number.h"
#include "text/language.h"
#include "text/number_format.h"
#include "ui/common/grid_edit.h"
#include "ui/common/text_convert.h"
#include "ui/common/window_placement.h"
#include "ui/dialogs/observation_grid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kKeptCharacters = 50;
constexpr int kLabelColumnWidth = 44;
constexpr int kValueColumnWidth = 110;

constexpr int kRowPadding = 10;

QString CellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}
} // namespace

TValuesF::TValuesF(QWidget* parent) : QDialog(parent), SG1(new QTableWidget(this)), Button1(new QPushButton(this))
{
    setObjectName(QStringLiteral("TValuesF"));
    setWindowTitle(tr("Значення"));

    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->horizontalHeader()->hide();
    SG1->verticalHeader()->hide();
    SG1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SG1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SG1->setSelectionMode(QAbstractItemView::SingleSelection);
    SG1->setWordWrap(false);
    SG1->verticalHeader()->setDefaultSectionSize(SG1->fontMetrics().height() + kRowPadding);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(tr("Закрити"));
    // Enter confirms a cell; only the button, Esc or the close box close the window.
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SG1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Clear();
}

void TValuesF::SetObservationCount(int n)
{
    if (n > kMaxObservations)
        throw EConvertError(
            Msg("Забагато спостережень: не більше 100000.", "Слишком много наблюдений: не более 100000."));
    QStringList kept = ObservationTexts(SG1->rowCount() * (SG1->columnCount() / 2));
    for (QString& text : kept)
        text.truncate(kKeptCharacters);
    LayOut(n, kept);
}

void TValuesF::SetObservationTexts(const QStringList& texts)
{
    LayOut(static_cast<int>(texts.size()), texts);
}

void TValuesF::SetObservations(const TArrDouble& values)
{
    QStringList texts;
    for (double value : values)
        texts << ToQt(FormatForEditing(value));
    SetObservationTexts(texts);
}

QStringList TValuesF::ObservationTexts(int n) const
{
    QStringList texts;
    const int rows = SG1->rowCount();
    for (int k = 0; k < n; ++k) {
        const TGridCell label = ObservationLabelCell(k, std::max(rows, 1));
        texts << CellText(SG1, label.Row, label.Column + 1);
    }
    return texts;
}

TArrDouble TValuesF::ReadObservations(int n) const
{
    // Cell by cell: a count far beyond the grid fails at its first missing cell.
    TArrDouble values;
    const int rows = std::max(SG1->rowCount(), 1);
    for (int k = 0; k < n; ++k) {
        const TGridCell label = ObservationLabelCell(k, rows);
        values.push_back(ParseNumber(ToStd(CellText(SG1, label.Row, label.Column + 1))));
    }
    return values;
}

void TValuesF::Clear()
{
    SG1->clearContents();
    SG1->setColumnCount(2);
    SG1->setRowCount(1);
    ApplySelectionRule();
    FitWindowToGrid(1);
}

void TValuesF::Edit()
{
    // The cursor starts on the first value when it stands on no editable cell.
    const QTableWidgetItem* current = SG1->currentItem();
    const QTableWidgetItem* first = SG1->item(0, 1);
    if ((current == nullptr || !current->flags().testFlag(Qt::ItemIsEditable)) && first != nullptr &&
        first->flags().testFlag(Qt::ItemIsEditable))
        SG1->setCurrentCell(0, 1);
    SG1->setFocus();
    CentreOnScreenOf(this, parentWidget());
    exec();
}

void TValuesF::done(int result)
{
    CommitGridEdit(SG1);
    QDialog::done(result);
}

void TValuesF::LayOut(int n, const QStringList& texts)
{
    const TObservationGridLayout layout = ObservationGridLayout(n);
    SG1->clearContents();
    SG1->setColumnCount(2 * layout.Pairs);
    SG1->setRowCount(layout.Rows);
    for (int k = 0; k < n; ++k) {
        const TGridCell label = ObservationLabelCell(k, layout.Rows);
        SG1->setItem(label.Row, label.Column, new QTableWidgetItem(QString::number(k + 1)));
        SG1->setItem(label.Row, label.Column + 1, new QTableWidgetItem(k < texts.size() ? texts[k] : QString()));
    }
    ApplySelectionRule();
    FitWindowToGrid(layout.VisibleRows);
}

void TValuesF::ApplySelectionRule()
{
    const QPalette& colours = palette();
    for (int row = 0; row < SG1->rowCount(); ++row) {
        for (int column = 0; column < SG1->columnCount(); ++column) {
            QTableWidgetItem* item = SG1->item(row, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                SG1->setItem(row, column, item);
            }
            const bool labelEmpty = column == 0 || CellText(SG1, row, column - 1).isEmpty();
            if (IsSelectableObservationCell(column, labelEmpty)) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
                continue;
            }
            // Cells the user cannot reach look like the fixed cells of a grid, not greyed out.
            item->setFlags(Qt::NoItemFlags);
            item->setForeground(colours.windowText());
            if (column % 2 == 0) {
                item->setBackground(colours.button());
                item->setTextAlignment(Qt::AlignCenter);
            }
        }
    }
}

void TValuesF::FitWindowToGrid(int visibleRows)
{
    int width = 2 * SG1->frameWidth();
    for (int column = 0; column < SG1->columnCount(); ++column) {
        SG1->setColumnWidth(column, column % 2 == 0 ? kLabelColumnWidth : kValueColumnWidth);
        width += SG1->columnWidth(column);
    }
    if (SG1->rowCount() > visibleRows)
        width += SG1->verticalScrollBar()->sizeHint().width();
    const int height = 2 * SG1->frameWidth() + visibleRows * SG1->verticalHeader()->defaultSectionSize();
    SG1->setFixedSize(width, height);
}
