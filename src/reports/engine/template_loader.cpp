// Report templates are UTF-8 XML files:
//
//   <ormeta-report>
//     <page name="Page1" orientation="portrait|landscape" paper-width="215.9" paper-height="279.4"
//           margin-left="15" margin-right="5" margin-top="10" margin-bottom="10" visible="true">
//       <report-title name=".." height="36.6" grows="true"> objects </report-title>   once, first sheet
//       <page-header ...> objects </page-header>                                     top of every sheet
//       <page-footer ...> objects </page-footer>                                     bottom of every sheet
//       <data name=".." dataset="frUserDataset3" height="58" grows="true">          once per record
//         <header ...> objects </header>      before the first record (only if there is one)
//         <footer ...> objects </footer>      after the last record
//         objects, and nested <data> bands printed after every record (details)
//       </data>
//       objects placed directly on the page (first sheet, from the printable area's corner)
//     </page>
//   </ormeta-report>
//
// Bands take name, height, grows, visible. Objects (positions and sizes in mm from the band's corner):
//   <text name left top width height font="Arial" size="9.75" bold italic underline
//         frame="all | left top right bottom" frame-width="0.2" align="left|center|right"
//         valign="top|middle|bottom" wrap="true" grows widens gap="0.5" place="left|center|right"
//         follows="OtherField" left-as="OtherField" visible>text, with [Date] [Page#] [TotalPages#]
//         and [Variable] expressions</text>
//   <picture name left top width height stretch autosize frame place visible/>   image set by code
//   <crosstab name left top cell-height="5.8" min-cell-width="21.2" gap="0.8" header-rows="0"
//             header-columns="0" font size bold visible/>                         cells set by code
// Booleans are "true"/"false", numbers use a decimal point. Names are unique within a template.
// Unknown elements or attributes are errors, so a misspelt template fails loudly.
#include "reports/engine/template_loader.h"

#include "ui/common/text_convert.h"

#include <QSet>
#include <QXmlStreamReader>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class TemplateParser {
public:
    explicit TemplateParser(const QByteArray& xml) : Xml(xml) {}

    std::unique_ptr<TReportTemplate> Parse()
    {
        auto result = std::make_unique<TReportTemplate>();
        if (!NextElement() || Xml.name() != "ormeta-report"_L1)
            Fail(Tr2("очікувався елемент <ormeta-report>", "ожидался элемент <ormeta-report>"));
        CheckAttributes({});
        while (NextChild()) {
            if (Xml.name() != "page"_L1)
                UnknownElement();
            result->Pages.push_back(ReadPage());
        }
        if (result->Pages.empty())
            Fail(Tr2("шаблон не має жодної сторінки", "в шаблоне нет ни одной страницы"));
        return result;
    }

private:
    QXmlStreamReader Xml;
    QSet<QString> Names;

    [[noreturn]] void Fail(const QString& what)
    {
        throw ETemplateError(Tr2("рядок %1: %2", "строка %1: %2").arg(Xml.lineNumber()).arg(what));
    }

    [[noreturn]] void UnknownElement()
    {
        Fail(Tr2("невідомий елемент <%1>", "неизвестный элемент <%1>").arg(Xml.name().toString()));
    }

    void CheckXml()
    {
        if (Xml.hasError())
            Fail(Tr2("пошкоджений XML (%1)", "поврежденный XML (%1)").arg(Xml.errorString()));
    }

    // Moves to the first start element of the document.
    bool NextElement()
    {
        while (!Xml.atEnd()) {
            Xml.readNext();
            if (Xml.isStartElement())
                return true;
        }
        CheckXml();
        return false;
    }

    // Moves to the next child element of the current element; false at its end tag.
    bool NextChild()
    {
        const bool found = Xml.readNextStartElement();
        CheckXml();
        return found;
    }

    void CheckAttributes(std::initializer_list<QLatin1StringView> allowed)
    {
        for (const auto& attribute : Xml.attributes()) {
            bool known = false;
            for (auto name : allowed)
                known = known || attribute.name() == name;
            if (!known)
                Fail(Tr2("невідомий атрибут %1 елемента <%2>", "неизвестный атрибут %1 элемента <%2>")
                         .arg(attribute.name().toString(), Xml.name().toString()));
        }
    }

    QString Text(QLatin1StringView name, const QString& fallback = {})
    {
        return Xml.attributes().hasAttribute(name) ? Xml.attributes().value(name).toString() : fallback;
    }

    double Number(QLatin1StringView name, double fallback)
    {
        if (!Xml.attributes().hasAttribute(name))
            return fallback;
        bool ok = false;
        const double value = Xml.attributes().value(name).toDouble(&ok);
        if (!ok || value < 0 || value > 10000)
            Fail(Tr2("атрибут %1 має бути невід'ємним числом", "атрибут %1 должен быть неотрицательным числом")
                     .arg(QString(name)));
        return value;
    }

    int Integer(QLatin1StringView name, int fallback)
    {
        const double value = Number(name, fallback);
        if (value != static_cast<int>(value))
            Fail(Tr2("атрибут %1 має бути цілим числом", "атрибут %1 должен быть целым числом").arg(QString(name)));
        return static_cast<int>(value);
    }

    bool Flag(QLatin1StringView name, bool fallback)
    {
        const QString value = Text(name);
        if (value.isEmpty())
            return fallback;
        if (value == "true"_L1)
            return true;
        if (value == "false"_L1)
            return false;
        Fail(Tr2("атрибут %1 має бути true або false", "атрибут %1 должен быть true или false").arg(QString(name)));
    }

    template <typename T>
    T Choice(QLatin1StringView name, std::initializer_list<std::pair<QLatin1StringView, T>> choices, T fallback)
    {
        const QString value = Text(name);
        if (value.isEmpty())
            return fallback;
        for (const auto& [word, result] : choices)
            if (value == word)
                return result;
        Fail(Tr2("недопустиме значення \"%1\" атрибута %2", "недопустимое значение \"%1\" атрибута %2")
                 .arg(value, QString(name)));
    }

    uint8_t Frame()
    {
        uint8_t sides = FrameNone;
        const auto words = Text("frame"_L1).split(u' ', Qt::SkipEmptyParts);
        for (const auto& word : words)
            sides |= FrameSide(word);
        return sides;
    }

    uint8_t FrameSide(const QString& word)
    {
        if (word == "all"_L1)
            return FrameAll;
        if (word == "left"_L1)
            return FrameLeft;
        if (word == "top"_L1)
            return FrameTop;
        if (word == "right"_L1)
            return FrameRight;
        if (word == "bottom"_L1)
            return FrameBottom;
        Fail(Tr2("недопустиме значення \"%1\" атрибута frame", "недопустимое значение \"%1\" атрибута frame")
                 .arg(word));
    }

    QString UniqueName(bool required)
    {
        const QString name = Text("name"_L1);
        if (name.isEmpty()) {
            if (required)
                Fail(Tr2("елемент <%1> без імені", "элемент <%1> без имени").arg(Xml.name().toString()));
            return name;
        }
        if (Names.contains(name))
            Fail(Tr2("ім'я %1 повторюється", "имя %1 повторяется").arg(name));
        Names.insert(name);
        return name;
    }

    void ReadCommon(TReportObject& object)
    {
        object.Name = UniqueName(object.Kind != TObjectKind::Band);
        object.Visible = Flag("visible"_L1, true);
        object.Left = Number("left"_L1, 0);
        object.Top = Number("top"_L1, 0);
        object.Width = Number("width"_L1, 0);
        object.Height = Number("height"_L1, 0);
        object.Placement = Choice<TPlacement>(
            "place"_L1,
            {{"left"_L1, TPlacement::AtLeft}, {"center"_L1, TPlacement::Centered}, {"right"_L1, TPlacement::RightAligned}},
            TPlacement::AtLeft);
        object.Follows = Text("follows"_L1);
        object.LeftAs = Text("left-as"_L1);
    }

    TReportFont Font()
    {
        TReportFont font;
        font.Family = Text("font"_L1, font.Family);
        font.Size = Number("size"_L1, font.Size);
        if (font.Size < 1)
            Fail(Tr2("розмір шрифту менший за 1", "размер шрифта меньше 1"));
        font.Bold = Flag("bold"_L1, false);
        font.Italic = Flag("italic"_L1, false);
        font.Underline = Flag("underline"_L1, false);
        return font;
    }

    std::unique_ptr<TReportPage> ReadPage()
    {
        CheckAttributes({"name"_L1, "orientation"_L1, "paper-width"_L1, "paper-height"_L1, "margin-left"_L1,
                         "margin-right"_L1, "margin-top"_L1, "margin-bottom"_L1, "visible"_L1});
        auto page = std::make_unique<TReportPage>();
        page->Name = UniqueName(true);
        page->Visible = Flag("visible"_L1, true);
        page->Landscape =
            Choice<bool>("orientation"_L1, {{"portrait"_L1, false}, {"landscape"_L1, true}}, false);
        page->PaperWidth = Number("paper-width"_L1, page->PaperWidth);
        page->PaperHeight = Number("paper-height"_L1, page->PaperHeight);
        page->MarginLeft = Number("margin-left"_L1, page->MarginLeft);
        page->MarginRight = Number("margin-right"_L1, page->MarginRight);
        page->MarginTop = Number("margin-top"_L1, page->MarginTop);
        page->MarginBottom = Number("margin-bottom"_L1, page->MarginBottom);
        if (page->PrintableWidth() < 10 || page->PrintableHeight() < 10)
            Fail(Tr2("поля не залишають місця для друку", "поля не оставляют места для печати"));
        while (NextChild()) {
            const auto name = Xml.name();
            if (name == "report-title"_L1)
                SetOnce(page->ReportTitle, ReadBand(TBandKind::ReportTitle));
            else if (name == "page-header"_L1)
                SetOnce(page->PageHeader, ReadBand(TBandKind::PageHeader));
            else if (name == "page-footer"_L1)
                SetOnce(page->PageFooter, ReadBand(TBandKind::PageFooter));
            else if (name == "data"_L1)
                page->DataBands.push_back(ReadBand(TBandKind::Data));
            else if (auto object = ReadObject())
                page->PageObjects.push_back(std::move(object));
            else
                UnknownElement();
        }
        return page;
    }

    void SetOnce(std::unique_ptr<TReportBand>& slot, std::unique_ptr<TReportBand> band)
    {
        if (slot)
            Fail(Tr2("друга смуга того ж виду на сторінці", "вторая полоса того же вида на странице"));
        slot = std::move(band);
    }

    std::unique_ptr<TReportBand> ReadBand(TBandKind kind)
    {
        if (kind == TBandKind::Data)
            CheckAttributes({"name"_L1, "height"_L1, "grows"_L1, "visible"_L1, "dataset"_L1});
        else
            CheckAttributes({"name"_L1, "height"_L1, "grows"_L1, "visible"_L1});
        auto band = std::make_unique<TReportBand>();
        band->BandKind = kind;
        ReadCommon(*band);
        band->Grows = Flag("grows"_L1, false);
        band->DataSet = Text("dataset"_L1);
        while (NextChild()) {
            const auto name = Xml.name();
            if (kind == TBandKind::Data && name == "header"_L1)
                SetOnce(band->HeaderBand, ReadBand(TBandKind::Header));
            else if (kind == TBandKind::Data && name == "footer"_L1)
                SetOnce(band->FooterBand, ReadBand(TBandKind::Footer));
            else if (kind == TBandKind::Data && name == "data"_L1)
                band->Details.push_back(ReadBand(TBandKind::Data));
            else if (auto object = ReadObject())
                band->Objects.push_back(std::move(object));
            else
                UnknownElement();
        }
        return band;
    }

    // Reads a text, picture or cross tab at the current element; null for any other element.
    std::unique_ptr<TReportObject> ReadObject()
    {
        const auto name = Xml.name();
        if (name == "text"_L1)
            return ReadText();
        if (name == "picture"_L1)
            return ReadPicture();
        if (name == "crosstab"_L1)
            return ReadCrossTab();
        return nullptr;
    }

    std::unique_ptr<TReportObject> ReadText()
    {
        CheckAttributes({"name"_L1, "visible"_L1, "left"_L1, "top"_L1, "width"_L1, "height"_L1, "place"_L1,
                         "follows"_L1, "left-as"_L1, "font"_L1, "size"_L1, "bold"_L1, "italic"_L1, "underline"_L1,
                         "frame"_L1, "frame-width"_L1, "align"_L1, "valign"_L1, "wrap"_L1, "grows"_L1,
                         "widens"_L1, "gap"_L1});
        auto text = std::make_unique<TReportText>();
        ReadCommon(*text);
        text->Font = Font();
        text->Frame = Frame();
        text->FrameWidth = Number("frame-width"_L1, text->FrameWidth);
        text->HAlign = Choice<THorzAlign>(
            "align"_L1, {{"left"_L1, THorzAlign::Left}, {"center"_L1, THorzAlign::Center}, {"right"_L1, THorzAlign::Right}},
            THorzAlign::Left);
        text->VAlign = Choice<TVertAlign>(
            "valign"_L1,
            {{"top"_L1, TVertAlign::Top}, {"middle"_L1, TVertAlign::Middle}, {"bottom"_L1, TVertAlign::Bottom}},
            TVertAlign::Top);
        text->WordWrap = Flag("wrap"_L1, true);
        text->Grows = Flag("grows"_L1, false);
        text->Widens = Flag("widens"_L1, false);
        text->Gap = Number("gap"_L1, text->Gap);
        text->Text = Xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        CheckXml();
        return text;
    }

    std::unique_ptr<TReportObject> ReadPicture()
    {
        CheckAttributes({"name"_L1, "visible"_L1, "left"_L1, "top"_L1, "width"_L1, "height"_L1, "place"_L1,
                         "follows"_L1, "left-as"_L1, "stretch"_L1, "autosize"_L1, "frame"_L1});
        auto picture = std::make_unique<TReportPicture>();
        ReadCommon(*picture);
        picture->Stretch = Flag("stretch"_L1, false);
        picture->AutoSize = Flag("autosize"_L1, false);
        picture->Frame = Frame();
        SkipContent();
        return picture;
    }

    std::unique_ptr<TReportObject> ReadCrossTab()
    {
        CheckAttributes({"name"_L1, "visible"_L1, "left"_L1, "top"_L1, "cell-height"_L1, "min-cell-width"_L1,
                         "gap"_L1, "header-rows"_L1, "header-columns"_L1, "font"_L1, "size"_L1, "bold"_L1,
                         "italic"_L1, "underline"_L1});
        auto table = std::make_unique<TReportCrossTab>();
        ReadCommon(*table);
        table->CellHeight = Number("cell-height"_L1, table->CellHeight);
        table->MinCellWidth = Number("min-cell-width"_L1, table->MinCellWidth);
        table->Gap = Number("gap"_L1, table->Gap);
        table->HeaderRows = Integer("header-rows"_L1, 0);
        table->HeaderColumns = Integer("header-columns"_L1, 0);
        table->Font = Font();
        if (table->CellHeight < 1)
            Fail(Tr2("висота клітинки менша за 1 мм", "высота ячейки меньше 1 мм"));
        SkipContent();
        return table;
    }

    void SkipContent()
    {
        if (NextChild())
            UnknownElement();
    }
};

} // namespace

std::unique_ptr<TReportTemplate> ParseReportTemplate(const QByteArray& xml)
{
    return TemplateParser(xml).Parse();
}
