#include "reports/engine/TReportPreview.h"

#include "reports/engine/page_painter.h"
#include "reports/engine/report_export.h"
#include "ui/common/file_dialog.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kSheetMargin = 12; // grey border around the sheet, pixels
}

// The current sheet drawn on grey, sized to the zoom.
class TPreviewSheet : public QWidget {
public:
    explicit TPreviewSheet(QWidget* parent) : QWidget(parent) {}
    void SetPage(const TPreparedPage* page, double scale)
    {
        Page = page;
        Scale = scale;
        const QSize size = page ? QSize(qRound(page->Width * scale), qRound(page->Height * scale)) : QSize();
        setFixedSize(size + QSize(2 * kSheetMargin, 2 * kSheetMargin));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (!Page)
            return;
        const QRectF sheet(kSheetMargin, kSheetMargin, Page->Width * Scale, Page->Height * Scale);
        painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 80));
        PaintPreparedPage(painter, *Page, sheet, true);
    }

private:
    const TPreparedPage* Page = nullptr;
    double Scale = 1;
};

TReportPreview::TReportPreview(std::vector<TPreparedPage> pages, QWidget* parent)
    : QDialog(parent), Pages(std::move(pages))
{
    setWindowTitle(tr("Перегляд звіту"));
    setObjectName(QStringLiteral("ReportPreview"));
    setModal(true);

    auto* toolbar = new QHBoxLayout;
    auto addButton = [&](const QString& name, QStyle::StandardPixmap icon, const QString& hint, auto slot) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(hint);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, slot);
        toolbar->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("FirstPage"), QStyle::SP_MediaSkipBackward, tr("Перша сторінка"), [this] { ShowPage(0); });
    addButton(QStringLiteral("PriorPage"), QStyle::SP_MediaSeekBackward, tr("Попередня сторінка"),
              [this] { ShowPage(Current - 1); });
    PageNumber = new QSpinBox(this);
    PageNumber->setObjectName(QStringLiteral("PageNumber"));
    PageNumber->setRange(1, std::max<int>(1, static_cast<int>(Pages.size())));
    connect(PageNumber, &QSpinBox::valueChanged, this, [this](int value) { ShowPage(value - 1); });
    toolbar->addWidget(PageNumber);
    PageTotal = new QLabel(tr("із %1").arg(Pages.size()), this);
    toolbar->addWidget(PageTotal);
    addButton(QStringLiteral("NextPage"), QStyle::SP_MediaSeekForward, tr("Наступна сторінка"),
              [this] { ShowPage(Current + 1); });
    addButton(QStringLiteral("LastPage"), QStyle::SP_MediaSkipForward, tr("Остання сторінка"),
              [this] { ShowPage(static_cast<int>(Pages.size()) - 1); });
    toolbar->addSpacing(16);

    ZoomBox = new QComboBox(this);
    ZoomBox->setObjectName(QStringLiteral("ZoomBox"));
    for (int percent : {50, 75, 100, 150, 200})
        ZoomBox->addItem(QStringLiteral("%1 %").arg(percent), percent);
    ZoomBox->addItem(tr("За шириною сторінки"), 0);
    ZoomBox->addItem(tr("Сторінка цілком"), -1);
    ZoomBox->setCurrentIndex(2);
    connect(ZoomBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetZoom(ZoomBox->itemData(index).toInt()); });
    toolbar->addWidget(ZoomBox);
    toolbar->addSpacing(16);

    auto addAction = [&](const QString& name, const QString& text, auto slot) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        toolbar->addWidget(button);
    };
    addAction(QStringLiteral("PrintButton"), tr("Друк..."), &TReportPreview::PrintReport);
    addAction(QStringLiteral("PdfButton"), tr("Експорт у PDF..."), &TReportPreview::ExportPdf);
    addAction(QStringLiteral("RtfButton"), tr("Експорт у RTF..."), &TReportPreview::ExportRtf);
    toolbar->addStretch();
    addAction(QStringLiteral("CloseButton"), tr("Закрити"), &TReportPreview::accept);

    Scroll = new QScrollArea(this);
    Scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Scroll->setBackgroundRole(QPalette::Dark);
    Sheet = new TPreviewSheet(Scroll);
    Scroll->setWidget(Sheet);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addWidget(Scroll, 1);
    resize(1000, 820);
    UpdateSheet();
}

double TReportPreview::Scale() const
{
    const double natural = logicalDpiX() / 25.4;
    if (Pages.empty() || Zoom > 0)
        return natural * std::max(Zoom, 10) / 100.0;
    const TPreparedPage& page = Pages[static_cast<size_t>(Current)];
    const QSize room = Scroll->viewport()->size() - QSize(2 * kSheetMargin, 2 * kSheetMargin);
    const double byWidth = room.width() / page.Width;
    return std::max(0.5, Zoom == 0 ? byWidth : std::min(byWidth, room.height() / page.Height));
}

void TReportPreview::ShowPage(int index)
{
    if (Pages.empty())
        return;
    index = std::clamp(index, 0, static_cast<int>(Pages.size()) - 1);
    if (index == Current && PageNumber->value() == index + 1)
        return;
    Current = index;
    PageNumber->setValue(index + 1);
    UpdateSheet();
    Scroll->verticalScrollBar()->setValue(0);
}

void TReportPreview::SetZoom(int percent)
{
    Zoom = percent;
    const int index = ZoomBox->findData(percent);
    if (index >= 0 && index != ZoomBox->currentIndex())
        ZoomBox->setCurrentIndex(index);
    UpdateSheet();
}

void TReportPreview::UpdateSheet()
{
    Sheet->SetPage(Pages.empty() ? nullptr : &Pages[static_cast<size_t>(Current)], Scale());
}

void TReportPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (Zoom <= 0)
        UpdateSheet();
}

void TReportPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        ShowPage(Current + 1);
        break;
    case Qt::Key_PageUp:
        ShowPage(Current - 1);
        break;
    case Qt::Key_Home:
        ShowPage(0);
        break;
    case Qt::Key_End:
        ShowPage(static_cast<int>(Pages.size()) - 1);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TReportPreview::PrintReport()
{
    if (Pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, static_cast<int>(Pages.size()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::vector<TPreparedPage> chosen = Pages;
    if (printer.printRange() == QPrinter::PageRange)
        chosen.assign(Pages.begin() + printer.fromPage() - 1, Pages.begin() + printer.toPage());
    if (!PaintPagesOnDevice(printer, chosen))
        ShowMessage(this, Tr2("Не вдалося надрукувати звіт.", "Не удалось напечатать отчет."));
}

QString TReportPreview::ExportName(const QString& title, const QString& filter, const QString& suffix)
{
    QString path = AskSaveFileName(this, title, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

void TReportPreview::ExportPdf()
{
    const QString path = ExportName(tr("Експорт у PDF"), tr("Документи PDF (*.pdf)"), QStringLiteral("pdf"));
    QString error;
    if (!path.isEmpty() && !WritePdfFile(Pages, path, error))
        ShowMessage(this, error);
}

void TReportPreview::ExportRtf()
{
    const QString path = ExportName(tr("Експорт у RTF"), tr("Документи RTF (*.rtf)"), QStringLiteral("rtf"));
    QString error;
    if (!path.isEmpty() && !WriteRtfFile(Pages, path, error))
        ShowMessage(this, error);
}
