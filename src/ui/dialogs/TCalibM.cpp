#include "ui/dialogs/TCalibM.h"

#include "text/convert_error.h"
#include "text/editing_number.h"
#include "text/language.h"
#include "text/number_format.h"
#include "ui/common/grid_edit.h"
#include "ui/common/text_convert.h"
#include "ui/common/window_placement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kMaxVisibleColumns = 12;
constexpr int kMaxVisibleRows = 25; // under the header row
constexpr int kMinColumnWidth = 84;
constexpr int kHeaderPadding = 24;
constexpr int kRowPadding = 10;
} // namespace

TCalibM::TCalibM(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), SG1(new QTableWidget(this)), Button1(new QPushButton(this))
{
    setObjectName(QStringLiteral("TCalibM"));
    setWindowTitle(tr("Результати калібрування"));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(tr("Результати:"));

    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->verticalHeader()->hide();
    SG1->horizontalHeader()->setSectionsClickable(false);
    SG1->setSelectionMode(QAbstractItemView::SingleSelection);
    SG1->setWordWrap(false);
    SG1->verticalHeader()->setDefaultSectionSize(SG1->fontMetrics().height() + kRowPadding);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(tr("Закрити"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(SG1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Clear();
}

void TCalibM::SetDimensions(int readings, int standards)
{
    readings = std::max(readings, 0);
    standards = std::max(standards, 0);
    if (static_cast<long long>(readings + 1LL) * standards > kMaxValues)
        throw EConvertError(Msg("Забагато даних калібрування: не більше 100000 значень.",
                                "Слишком много данных калибровки: не более 100000 значений."));
    SG1->setColumnCount(readings + 1);
    SG1->setRowCount(standards);
    QStringList header{Tr2("Ст. зразки", "Ст.образцы")};
    for (int column = 1; column <= readings; ++column)
        header << QString::number(column);
    SG1->setHorizontalHeaderLabels(header);
    FitWindowToGrid();
}

void TCalibM::SetMatrix(const TMatDouble& data)
{
    const int columns = static_cast<int>(data.size());
    int standards = 0;
    for (const TArrDouble& row : data)
        standards = std::max(standards, static_cast<int>(row.size()));
    if (columns > SG1->columnCount() || standards > SG1->rowCount())
        SetDimensions(std::max(columns, SG1->columnCount()) - 1, std::max(standards, SG1->rowCount()));
    for (int column = 0; column < columns; ++column) {
        const TArrDouble& values = data[column];
        for (int s = 0; s < static_cast<int>(values.size()); ++s)
            SG1->setItem(s, column, new QTableWidgetItem(ToQt(FormatForEditing(values[s]))));
    }
}

TMatDouble TCalibM::ReadMatrix(int readings, int standards) const
{
    // Cell by cell: counts far beyond the grid fail at the first missing cell.
    TMatDouble data;
    for (int column = 0; column <= readings; ++column) {
        TArrDouble values;
        for (int s = 0; s < standards; ++s) {
            const QTableWidgetItem* item = SG1->item(s, column);
            values.push_back(ParseNumber(ToStd(item != nullptr ? item->text() : QString())));
        }
        data.push_back(std::move(values));
    }
    return data;
}

void TCalibM::Clear()
{
    SG1->clearContents();
    SetDimensions(0, 1);
}

void TCalibM::Edit()
{
    CentreOnScreenOf(this, parentWidget());
    exec();
}

void TCalibM::done(int result)
{
    CommitGridEdit(SG1);
    QDialog::done(result);
}

void TCalibM::FitWindowToGrid()
{
    QHeaderView* header = SG1->horizontalHeader();
    const QString corner = SG1->horizontalHeaderItem(0)->text();
    const int columnWidth = std::max(kMinColumnWidth, header->fontMetrics().horizontalAdvance(corner) + kHeaderPadding);
    for (int column = 0; column < SG1->columnCount(); ++column)
        SG1->setColumnWidth(column, columnWidth);

    const int visibleColumns = std::min(SG1->columnCount(), kMaxVisibleColumns);
    const int visibleRows = std::clamp(SG1->rowCount(), 1, kMaxVisibleRows);
    int width = 2 * SG1->frameWidth() + visibleColumns * columnWidth;
    int height =
        2 * SG1->frameWidth() + header->sizeHint().height() + visibleRows * SG1->verticalHeader()->defaultSectionSize();
    if (SG1->rowCount() > visibleRows)
        width += SG1->verticalScrollBar()->sizeHint().width();
    if (SG1->columnCount() > visibleColumns)
        height += SG1->horizontalScrollBar()->sizeHint().height();
    SG1->setFixedSize(width, height);
}
