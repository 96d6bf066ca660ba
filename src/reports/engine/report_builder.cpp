#include "reports/engine/report_builder.h"

#include "reports/engine/band_layout.h"
#include "reports/engine/text_layout.h"
#include "ui/common/text_convert.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double kEpsilon = 1e-6;
constexpr size_t kMaxSheets = 10000;
constexpr int kMaxRecords = 1000000;

class PageBuilder {
public:
    PageBuilder(TReportPage& page, const TBuildContext& context, std::vector<TPreparedPage>& sheets)
        : Page(page), Context(context), Sheets(sheets), Width(page.PrintableWidth())
    {
        Limit = Page.PrintableHeight() - (Page.PageFooter && Page.PageFooter->Visible ? Page.PageFooter->Height : 0);
    }

    void Build()
    {
        NewSheet();
        const TLaidBlock onPage = LayObjects(Page.PageObjects, Width, Context);
        Emit(onPage, 0);
        if (Page.ReportTitle && Visible(*Page.ReportTitle))
            Place(LayBand(*Page.ReportTitle, Width, Context));
        for (auto& band : Page.DataBands)
            PrintDataBand(*band);
        FinishSheet();
    }

private:
    TReportPage& Page;
    const TBuildContext& Context;
    std::vector<TPreparedPage>& Sheets;
    double Width;
    double Limit = 0;  // bottom of the room for bands on a sheet, mm from the printable top
    double Y = 0;      // where the next band goes
    double BodyTop = 0; // below the page header: a sheet with Y here has nothing of its own yet

    bool Visible(TReportBand& band)
    {
        if (Context.BeforePrint)
            Context.BeforePrint(band);
        return band.Visible;
    }

    bool SheetHasBody() const { return Y > BodyTop + kEpsilon; }

    void NewSheet()
    {
        if (!Sheets.empty() && &Sheets.back() == Current)
            FinishSheet();
        if (Sheets.size() >= kMaxSheets)
            throw EReportLimit(Tr2("Звіт перевищив %1 сторінок; підготовку зупинено.",
                                   "Отчет превысил %1 страниц; подготовка остановлена.")
                                   .arg(kMaxSheets));
        TPreparedPage sheet;
        sheet.Width = Page.SheetWidth();
        sheet.Height = Page.SheetHeight();
        sheet.Landscape = Page.Landscape;
        Sheets.push_back(std::move(sheet));
        Current = &Sheets.back();
        Y = 0;
        if (Page.PageHeader && Visible(*Page.PageHeader)) {
            const TLaidBlock header = LayBand(*Page.PageHeader, Width, Context);
            Emit(header, 0);
            Y = header.Height;
        }
        BodyTop = Y;
    }

    void FinishSheet()
    {
        if (Current == nullptr)
            return;
        if (Page.PageFooter && Visible(*Page.PageFooter)) {
            const TLaidBlock footer = LayBand(*Page.PageFooter, Width, Context);
            Emit(footer, Page.PrintableHeight() - footer.Height);
        }
        Current = nullptr;
    }

    TPreparedPage* Current = nullptr;

    // Copies the laid items onto the current sheet at y mm below the printable top.
    void Emit(const TLaidBlock& block, double y)
    {
        const QPointF offset(Page.MarginLeft, Page.MarginTop + y);
        for (auto text : block.Texts) {
            text.Rect.translate(offset);
            Current->Texts.push_back(std::move(text));
        }
        for (auto image : block.Images) {
            image.Rect.translate(offset);
            image.FrameRect.translate(offset);
            Current->Images.push_back(std::move(image));
        }
    }

    // Puts a laid band at the cursor: on this sheet if it fits, else on the next; a band taller than a
    // whole sheet is cut between its lines.
    void Place(TLaidBlock block)
    {
        std::vector<TLaidCrossTab> tables = std::move(block.CrossTabs);
        block.CrossTabs.clear();
        if (!tables.empty())
            block.Height = std::min(block.Height, tables.front().Top);
        for (;;) {
            if (Y + block.Height <= Limit + kEpsilon) {
                Emit(block, Y);
                Y += block.Height;
                break;
            }
            if (SheetHasBody()) {
                NewSheet();
                continue;
            }
            auto [head, tail] = SplitBlock(block, Limit - Y);
            Emit(head, Y);
            NewSheet();
            block = std::move(tail);
        }
        for (const auto& table : tables)
            PlaceCrossTab(table);
    }

    void PrintDataBand(TReportBand& band)
    {
        if (!Visible(band))
            return;
        if (band.DataSet.isEmpty()) {
            PrintRecord(band, true);
            PrintFooter(band);
            return;
        }
        const auto found = Context.DataSets.find(band.DataSet);
        if (found == Context.DataSets.end())
            throw EReportLimit(Tr2("Набір даних %1 смуги %2 не зареєстровано.",
                                   "Набор данных %1 полосы %2 не зарегистрирован.")
                                   .arg(band.DataSet, band.Name));
        const TReportDataSet& data = found->second;
        int& recNo = Context.RecNos[band.DataSet];
        recNo = 0;
        if (data.First)
            data.First(recNo);
        bool first = true;
        while (data.IsEof && !data.IsEof(recNo)) {
            PrintRecord(band, first);
            first = false;
            if (recNo >= kMaxRecords)
                throw EReportLimit(Tr2("Набір даних %1 не закінчується; підготовку зупинено.",
                                       "Набор данных %1 не заканчивается; подготовка остановлена.")
                                       .arg(band.DataSet));
            ++recNo;
            if (data.Next)
                data.Next(recNo);
        }
        if (!first)
            PrintFooter(band);
    }

    void PrintRecord(TReportBand& band, bool first)
    {
        TLaidBlock record = LayBand(band, Width, Context);
        if (first && band.HeaderBand && Visible(*band.HeaderBand)) {
            TLaidBlock header = LayBand(*band.HeaderBand, Width, Context);
            // The header stays with the first record.
            const double together = header.Height + std::min(record.Height, Limit - BodyTop - header.Height);
            if (Y + together > Limit + kEpsilon && SheetHasBody())
                NewSheet();
            Place(std::move(header));
        }
        Place(std::move(record));
        for (auto& detail : band.Details)
            PrintDataBand(*detail);
    }

    void PrintFooter(TReportBand& band)
    {
        if (band.FooterBand && Visible(*band.FooterBand))
            Place(LayBand(*band.FooterBand, Width, Context));
    }

    // A cross tab continues across first (further columns on further sheets), then down.
    void PlaceCrossTab(const TLaidCrossTab& laid)
    {
        const TReportCrossTab& table = *laid.Table;
        const int rows = table.RowCount();
        const int columns = table.ColumnCount();
        if (rows == 0 || columns == 0)
            return;
        std::vector<double> widths(static_cast<size_t>(columns), table.MinCellWidth);
        std::vector<double> heights(static_cast<size_t>(rows), table.CellHeight);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                const auto lines = BreakTextLines(table.Cell(r, c), table.Font, 0, false);
                auto& width = widths[static_cast<size_t>(c)];
                width = std::max(width, LinesWidth(lines) + 2 * table.Gap);
                auto& height = heights[static_cast<size_t>(r)];
                height = std::max(height, LinesHeight(lines) + 2 * table.Gap);
            }
        const int headerRows = std::min(table.HeaderRows, rows);
        const int headerColumns = std::min(table.HeaderColumns, columns);
        const auto chunks = ColumnChunks(widths, headerColumns, Width - laid.Left);

        double headerHeight = 0;
        for (int r = 0; r < headerRows; ++r)
            headerHeight += heights[static_cast<size_t>(r)];
        // The band above has brought the cursor down to the table's top.
        int row = headerRows;
        do {
            const double room = Limit - Y - headerHeight;
            int count = 0;
            for (double used = 0; row + count < rows && used + heights[static_cast<size_t>(row + count)] <= room + kEpsilon;
                 ++count)
                used += heights[static_cast<size_t>(row + count)];
            if (count == 0 && row < rows && SheetHasBody()) {
                NewSheet();
                continue;
            }
            if (row < rows)
                count = std::max(count, 1);
            double height = 0;
            for (size_t k = 0; k < chunks.size(); ++k) {
                if (k > 0)
                    NewSheet();
                height = EmitCells(table, widths, heights, chunks[k], headerRows, row, count, laid.Left, Y);
            }
            Y += height;
            row += count;
            if (row < rows)
                NewSheet();
        } while (row < rows);
    }

    // Column indices per piece: the header columns, then as many further columns as fit across.
    static std::vector<std::vector<int>> ColumnChunks(const std::vector<double>& widths, int headerColumns, double room)
    {
        std::vector<std::vector<int>> chunks;
        double headerWidth = 0;
        std::vector<int> header;
        for (int c = 0; c < headerColumns; ++c) {
            header.push_back(c);
            headerWidth += widths[static_cast<size_t>(c)];
        }
        const int columns = static_cast<int>(widths.size());
        int column = headerColumns;
        do {
            std::vector<int> chunk = header;
            double used = headerWidth;
            while (column < columns &&
                   (chunk.size() == header.size() || used + widths[static_cast<size_t>(column)] <= room + kEpsilon)) {
                used += widths[static_cast<size_t>(column)];
                chunk.push_back(column++);
            }
            chunks.push_back(std::move(chunk));
        } while (column < columns);
        return chunks;
    }

    double EmitCells(const TReportCrossTab& table, const std::vector<double>& widths, const std::vector<double>& heights,
                     const std::vector<int>& columns, int headerRows, int firstRow, int count, double left, double top)
    {
        TLaidBlock block;
        std::vector<int> rows;
        for (int r = 0; r < headerRows; ++r)
            rows.push_back(r);
        for (int r = firstRow; r < firstRow + count; ++r)
            rows.push_back(r);
        double y = 0;
        for (int r : rows) {
            double x = left;
            const double height = heights[static_cast<size_t>(r)];
            for (int c : columns) {
                TPreparedText cell;
                cell.Rect = QRectF(x, y, widths[static_cast<size_t>(c)], height);
                cell.Text = table.Cell(r, c);
                cell.Font = table.Font;
                cell.HAlign = THorzAlign::Center;
                cell.VAlign = TVertAlign::Middle;
                cell.WordWrap = false;
                cell.Frame = FrameAll;
                cell.Gap = table.Gap;
                block.Texts.push_back(std::move(cell));
                x += widths[static_cast<size_t>(c)];
            }
            y += height;
        }
        Emit(block, top);
        return y;
    }
};

} // namespace

void BuildReportPage(TReportPage& page, const TBuildContext& context, std::vector<TPreparedPage>& sheets)
{
    PageBuilder(page, context, sheets).Build();
}

void ResolvePageNumbers(std::vector<TPreparedPage>& sheets)
{
    const QString total = QString::number(sheets.size());
    for (size_t i = 0; i < sheets.size(); ++i)
        for (auto& text : sheets[i].Texts) {
            if (!text.HasPageNumbers)
                continue;
            if (text.Source.isEmpty())
                text.Source = text.Text;
            text.Text = QString(text.Source).replace("[Page#]"_L1, QString::number(i + 1)).replace("[TotalPages#]"_L1, total);
        }
}
