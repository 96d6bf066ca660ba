#include "reports/engine/report.h"

#include "model/records.h"
#include "reports/engine/report_builder.h"
#include "reports/engine/template_loader.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

void IndexBand(TReportBand& band, std::map<QString, TReportObject*>& index);

void IndexObject(TReportObject& object, std::map<QString, TReportObject*>& index)
{
    if (!object.Name.isEmpty())
        index[object.Name] = &object;
}

void IndexBand(TReportBand& band, std::map<QString, TReportObject*>& index)
{
    IndexObject(band, index);
    for (auto& object : band.Objects)
        IndexObject(*object, index);
    for (auto* part : {band.HeaderBand.get(), band.FooterBand.get()})
        if (part)
            IndexBand(*part, index);
    for (auto& detail : band.Details)
        IndexBand(*detail, index);
}

template <typename T>
T* FindOf(const std::map<QString, TReportObject*>& index, const QString& name, TObjectKind kind)
{
    const auto found = index.find(name);
    return found != index.end() && found->second->Kind == kind ? static_cast<T*>(found->second) : nullptr;
}

} // namespace

TReport::TReport(QWidget* messageParent) : MessageParent(messageParent) {}

TReport::~TReport() = default;

bool TReport::LoadFromFile(const QString& path)
{
    Template.reset();
    Objects.clear();
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(MessageParent, Tr2("Не вдалося відкрити шаблон звіту \"%1\" (%2). Звіт не сформовано.",
                                       "Не удалось открыть шаблон отчета \"%1\" (%2). Отчет не сформирован.")
                                       .arg(name, QFileInfo(path).absoluteFilePath()));
        return false;
    }
    return LoadFromXml(file.readAll(), name);
}

bool TReport::LoadFromXml(const QByteArray& xml, const QString& sourceName)
{
    Template.reset();
    Objects.clear();
    try {
        Template = ParseReportTemplate(xml);
    }
    catch (const ETemplateError& error) {
        ShowMessage(MessageParent, Tr2("Шаблон звіту \"%1\" пошкоджений: %2. Звіт не сформовано.",
                                       "Шаблон отчета \"%1\" поврежден: %2. Отчет не сформирован.")
                                       .arg(sourceName, error.Message));
        return false;
    }
    IndexObjects();
    return true;
}

void TReport::IndexObjects()
{
    for (auto& page : Template->Pages) {
        for (auto* band : {page->ReportTitle.get(), page->PageHeader.get(), page->PageFooter.get()})
            if (band)
                IndexBand(*band, Objects);
        for (auto& band : page->DataBands)
            IndexBand(*band, Objects);
        for (auto& object : page->PageObjects)
            IndexObject(*object, Objects);
    }
}

TReportObject* TReport::FindObject(const QString& name) const
{
    const auto found = Objects.find(name);
    return found != Objects.end() ? found->second : nullptr;
}

TReportText* TReport::FindText(const QString& name) const
{
    return FindOf<TReportText>(Objects, name, TObjectKind::Text);
}

TReportPicture* TReport::FindPicture(const QString& name) const
{
    return FindOf<TReportPicture>(Objects, name, TObjectKind::Picture);
}

TReportCrossTab* TReport::FindCrossTab(const QString& name) const
{
    return FindOf<TReportCrossTab>(Objects, name, TObjectKind::CrossTab);
}

TReportBand* TReport::FindBand(const QString& name) const
{
    return FindOf<TReportBand>(Objects, name, TObjectKind::Band);
}

TReportPage* TReport::FindPage(const QString& name) const
{
    if (Template)
        for (auto& page : Template->Pages)
            if (page->Name == name)
                return page.get();
    return nullptr;
}

int TReport::PageCount() const
{
    return Template ? static_cast<int>(Template->Pages.size()) : 0;
}

TReportPage* TReport::Page(int index) const
{
    return index >= 0 && index < PageCount() ? Template->Pages[static_cast<size_t>(index)].get() : nullptr;
}

bool TReport::SetPageVisible(const QString& name, bool visible)
{
    TReportPage* page = FindPage(name);
    if (page)
        page->Visible = visible;
    return page != nullptr;
}

void TReport::SetDataSet(const QString& name, TReportDataSet dataSet)
{
    DataSets[name] = std::move(dataSet);
}

int TReport::RecNo(const QString& dataSet) const
{
    const auto found = RecNos.find(dataSet);
    return found != RecNos.end() ? found->second : 0;
}

bool TReport::Prepare(bool append)
{
    if (!append)
        Pages.clear();
    PrepareErrors.clear();
    if (!Template)
        PrepareErrors << Tr2("Шаблон звіту не завантажено.", "Шаблон отчета не загружен.");
    const TBuildContext context{DataSets, RecNos, BeforePrint, VariableValue,
                                QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)};
    try {
        if (Template)
            for (auto& page : Template->Pages)
                if (page->Visible)
                    BuildReportPage(*page, context, Pages);
    }
    catch (const EReportLimit& error) {
        PrepareErrors << error.Message;
    }
    catch (const EFormula& error) {
        PrepareErrors << ToQt(error.Text);
    }
    catch (const std::exception& error) {
        PrepareErrors << QString::fromUtf8(error.what());
    }
    ResolvePageNumbers(Pages);
    if (PrepareErrors.isEmpty())
        return true;
    ShowMessage(MessageParent, Tr2("Під час підготовки звіту сталися помилки:\n%1",
                                   "При подготовке отчета произошли ошибки:\n%1")
                                   .arg(PrepareErrors.join(u'\n')));
    return false;
}
