#include "reports/report_preparation.h"

#include "text/language.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

bool PrepareFromTemplate(TReport& report, const QString& folder, const char* file, const TReportSources& sources,
                         bool append, const std::function<void(TReport&)>& adjust)
{
    const QString name = QLatin1StringView(file);
    if (!report.LoadFromFile(folder + u'/' + name))
        return false;
    try {
        BindEvaluationReport(report, sources);
        adjust(report);
        if (!IsUkrainian)
            TranslateReportTexts(report);
    }
    catch (const std::exception& error) {
        ShowMessage(report.MessageWindow(), Tr2("Шаблон звіту \"%1\" пошкоджений: %2", "Шаблон отчета \"%1\" поврежден: %2")
                                                .arg(name, QString::fromUtf8(error.what())));
        return false;
    }
    report.Prepare(append); // an error of preparation is shown by the engine; the pages so far stay
    return true;
}

} // namespace

bool PrepareEvaluationReport(TReport& report, const QString& folder, const TReportSources& sources,
                             const TReportParts& parts)
{
    return PrepareFromTemplate(report, folder, kMainTemplate, sources, false, [&](TReport& r) {
        SetReportPages(r, *sources.Calc, parts.Sources, parts.Pareto);
    });
}

bool AppendNestedReport(TReport& report, const QString& folder, const TReportSources& sources, size_t index)
{
    const TOrmetaCalc& nested = *sources.Calc;
    return PrepareFromTemplate(report, folder, kNestedTemplate, sources, true, [&](TReport& r) {
        SetReportPages(r, nested, true, false);
        if (TReportBand* heading = r.FindBand(u"Header6"_s))
            heading->Visible = index == 0;
        if (!IsUkrainian)
            if (TReportText* heading = r.FindText(u"Memo174"_s))
                heading->SetText(u"Описание вложенных источников неопределенности"_s);
        if (TReportText* title = r.FindText(u"Memo166"_s))
            title->SetText(Tr2("Опис вкладеного оцінювання %1:", "Описание вложенного оценивания %1:")
                               .arg(ToQt(nested.OutputName)));
    });
}
