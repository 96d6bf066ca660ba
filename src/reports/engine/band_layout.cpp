#include "reports/engine/band_layout.h"

#include "reports/engine/text_layout.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

constexpr double kEpsilon = 1e-6;
constexpr double kImageDpi = 96.0;

struct Placed {
    TReportObject* Object = nullptr;
    QString Text; // texts: as expanded
    bool HasPageNumbers = false;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double OriginalTop = 0;
    double OriginalBottom = 0;
    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
};

// Page numbers take room for this many digits while the fields are measured.
QString ForMeasuring(QString text)
{
    return text.replace("[Page#]"_L1, "9999"_L1).replace("[TotalPages#]"_L1, "9999"_L1);
}

void SizeText(const TReportText& field, Placed& placed, const TBuildContext& context)
{
    placed.Text = field.Literal ? field.Text : ExpandExpressions(field.Text, context, placed.HasPageNumbers);
    const QString measured = ForMeasuring(placed.Text);
    if (field.Widens) {
        const double natural = LinesWidth(BreakTextLines(measured, field.Font, 0, false));
        placed.Width = std::max(placed.Width, natural + 2 * field.Gap);
    }
    if (field.Grows && !measured.isEmpty()) {
        const auto lines = BreakTextLines(measured, field.Font, placed.Width - 2 * field.Gap, field.WordWrap);
        placed.Height = std::max(placed.Height, LinesHeight(lines) + field.Gap);
    }
}

void SizePicture(const TReportPicture& picture, Placed& placed)
{
    if (picture.AutoSize && !picture.Image.isNull()) {
        placed.Width = picture.Image.width() * 25.4 / kImageDpi;
        placed.Height = picture.Image.height() * 25.4 / kImageDpi;
    }
}

void PlaceAcross(const TReportObject& object, Placed& placed, double width, const std::map<QString, Placed*>& laid)
{
    if (object.Placement == TPlacement::Centered)
        placed.Left = (width - placed.Width) / 2;
    else if (object.Placement == TPlacement::RightAligned)
        placed.Left = width - placed.Width;
    if (auto it = laid.find(object.Follows); !object.Follows.isEmpty() && it != laid.end())
        placed.Left = it->second->Right();
    if (auto it = laid.find(object.LeftAs); !object.LeftAs.isEmpty() && it != laid.end())
        placed.Left = it->second->Left;
}

// Objects below a field that grew (and overlapping it across) move down by its growth, in chains.
void ShiftDown(std::vector<Placed>& placed)
{
    std::vector<Placed*> order;
    for (auto& item : placed)
        order.push_back(&item);
    std::stable_sort(order.begin(), order.end(),
                     [](const Placed* a, const Placed* b) { return a->OriginalTop < b->OriginalTop; });
    for (size_t i = 0; i < order.size(); ++i) {
        Placed& item = *order[i];
        double shift = 0;
        for (size_t j = 0; j < i; ++j) {
            const Placed& above = *order[j];
            const double growth = above.Bottom() - above.OriginalBottom;
            const bool below = above.OriginalBottom <= item.OriginalTop + kEpsilon;
            const bool across = item.Left < above.Right() - kEpsilon && above.Left < item.Right() - kEpsilon;
            if (growth > kEpsilon && below && across)
                shift = std::max(shift, growth);
        }
        item.Top = item.OriginalTop + shift;
    }
}

TPreparedText PrepareText(const TReportText& field, const Placed& placed)
{
    TPreparedText text;
    text.Rect = QRectF(placed.Left, placed.Top, placed.Width, placed.Height);
    text.Text = placed.Text;
    text.HasPageNumbers = placed.HasPageNumbers;
    text.Font = field.Font;
    text.HAlign = field.HAlign;
    text.VAlign = field.VAlign;
    text.WordWrap = field.WordWrap;
    text.Frame = field.Frame;
    text.FrameWidth = field.FrameWidth;
    text.Gap = field.Gap;
    return text;
}

TPreparedImage PrepareImage(const TReportPicture& picture, const Placed& placed)
{
    TPreparedImage image;
    image.FrameRect = QRectF(placed.Left, placed.Top, placed.Width, placed.Height);
    image.Frame = picture.Frame;
    image.Image = picture.Image;
    if (picture.Image.isNull())
        return image;
    QSizeF size(picture.Image.width() * 25.4 / kImageDpi, picture.Image.height() * 25.4 / kImageDpi);
    if (picture.Stretch || size.width() > placed.Width || size.height() > placed.Height)
        size.scale(image.FrameRect.size(), Qt::KeepAspectRatio);
    image.Rect = QRectF(QPointF(), size);
    image.Rect.moveCenter(image.FrameRect.center());
    return image;
}

// The largest line boundary of text (block coordinates) not below cut; its top when no line fits.
double LineBoundary(const TPreparedText& text, double cut)
{
    const double textTop = text.Rect.top() + text.Gap / 2;
    double boundary = text.Rect.top();
    for (const auto& line : BreakTextLines(text.Text, text.Font, text.Rect.width() - 2 * text.Gap, text.WordWrap)) {
        const double bottom = textTop + line.Top + line.Height;
        if (bottom > cut + kEpsilon)
            break;
        boundary = bottom;
    }
    return boundary;
}

bool Straddles(const QRectF& rect, double cut)
{
    return rect.top() < cut - kEpsilon && rect.bottom() > cut + kEpsilon;
}

// The cut moved up so that no line of text and no picture is cut; 0 when nothing fits above it.
double CleanCut(const TLaidBlock& block, double cut)
{
    for (;;) {
        double clean = cut;
        for (const auto& text : block.Texts)
            if (!text.Text.isEmpty() && Straddles(text.Rect, clean))
                clean = std::min(clean, LineBoundary(text, clean));
        for (const auto& image : block.Images)
            if (Straddles(image.FrameRect, clean))
                clean = std::min(clean, image.FrameRect.top());
        if (clean >= cut - kEpsilon)
            return clean;
        cut = clean;
    }
}

void SplitText(const TPreparedText& text, double cut, TLaidBlock& head, TLaidBlock& tail)
{
    const auto lines = BreakTextLines(text.Text, text.Font, text.Rect.width() - 2 * text.Gap, text.WordWrap);
    const double textTop = text.Rect.top() + text.Gap / 2;
    size_t kept = 0;
    while (kept < lines.size() && textTop + lines[kept].Top + lines[kept].Height <= cut + kEpsilon)
        ++kept;
    if (kept == 0 && !lines.empty() && cut - text.Rect.top() > kEpsilon && text.Rect.top() < kEpsilon)
        kept = 1; // a line taller than the sheet: print it cut rather than never
    const int split = kept < lines.size() ? lines[kept].Start : static_cast<int>(text.Text.size());

    TPreparedText upper = text;
    upper.Text = text.Text.left(split);
    upper.Rect.setBottom(cut);
    upper.VAlign = TVertAlign::Top;
    head.Texts.push_back(upper);

    TPreparedText lower = text;
    lower.Text = text.Text.mid(split);
    while (lower.Text.startsWith(u'\n') || lower.Text.startsWith(u'\r'))
        lower.Text.remove(0, 1);
    const double lowerHeight =
        LinesHeight(BreakTextLines(lower.Text, text.Font, text.Rect.width() - 2 * text.Gap, text.WordWrap)) +
        text.Gap;
    lower.Rect = QRectF(text.Rect.left(), 0, text.Rect.width(), std::max(text.Rect.bottom() - cut, lowerHeight));
    lower.VAlign = TVertAlign::Top;
    tail.Texts.push_back(lower);
}

} // namespace

QString ExpandExpressions(const QString& text, const TBuildContext& context, bool& hasPageNumbers)
{
    QString result;
    int position = 0;
    while (position < text.size()) {
        const int open = text.indexOf(u'[', position);
        const int close = open < 0 ? -1 : text.indexOf(u']', open + 1);
        const int nested = open < 0 ? -1 : text.indexOf(u'[', open + 1);
        if (open < 0 || close < 0) {
            result += text.mid(position);
            break;
        }
        if (nested >= 0 && nested < close) { // "[[x]": the first bracket is plain text
            result += text.mid(position, nested - position);
            position = nested;
            continue;
        }
        result += text.mid(position, open - position);
        const QString name = text.mid(open + 1, close - open - 1);
        const QString expression = text.mid(open, close - open + 1);
        if (name == "Date"_L1) {
            result += context.Date;
        }
        else if (name == "Page#"_L1 || name == "TotalPages#"_L1) {
            hasPageNumbers = true;
            result += expression;
        }
        else {
            const auto value = context.VariableValue ? context.VariableValue(name) : std::nullopt;
            result += value ? *value : expression;
        }
        position = close + 1;
    }
    return result;
}

TLaidBlock LayObjects(const std::vector<std::unique_ptr<TReportObject>>& objects, double width,
                      const TBuildContext& context)
{
    std::vector<Placed> placed;
    placed.reserve(objects.size());
    std::map<QString, Placed*> laid;
    for (const auto& object : objects) {
        if (context.BeforePrint)
            context.BeforePrint(*object);
        if (!object->Visible)
            continue;
        Placed item;
        item.Object = object.get();
        item.Left = object->Left;
        item.OriginalTop = object->Top;
        item.Width = object->Width;
        item.Height = object->Height;
        if (object->Kind == TObjectKind::Text)
            SizeText(static_cast<const TReportText&>(*object), item, context);
        else if (object->Kind == TObjectKind::Picture)
            SizePicture(static_cast<const TReportPicture&>(*object), item);
        item.OriginalBottom = item.OriginalTop + object->Height;
        item.Top = item.OriginalTop;
        placed.push_back(item);
        PlaceAcross(*object, placed.back(), width, laid);
        if (!object->Name.isEmpty())
            laid[object->Name] = &placed.back();
    }
    ShiftDown(placed);

    TLaidBlock block;
    for (const auto& item : placed) {
        switch (item.Object->Kind) {
        case TObjectKind::Text:
            block.Texts.push_back(PrepareText(static_cast<const TReportText&>(*item.Object), item));
            break;
        case TObjectKind::Picture:
            block.Images.push_back(PrepareImage(static_cast<const TReportPicture&>(*item.Object), item));
            break;
        case TObjectKind::CrossTab:
            block.CrossTabs.push_back({static_cast<const TReportCrossTab*>(item.Object), item.Left, item.Top});
            continue;
        case TObjectKind::Band:
            continue;
        }
        block.Height = std::max(block.Height, item.Bottom());
    }
    return block;
}

TLaidBlock LayBand(TReportBand& band, double width, const TBuildContext& context)
{
    TLaidBlock block = LayObjects(band.Objects, width, context);
    block.Height = band.Grows ? std::max(band.Height, block.Height) : band.Height;
    return block;
}

std::pair<TLaidBlock, TLaidBlock> SplitBlock(const TLaidBlock& block, double cut)
{
    double clean = CleanCut(block, cut);
    const bool forced = clean <= kEpsilon;
    if (forced)
        clean = cut;

    TLaidBlock head;
    TLaidBlock tail;
    head.Height = clean;
    for (const auto& text : block.Texts) {
        if (text.Rect.bottom() <= clean + kEpsilon) {
            head.Texts.push_back(text);
        }
        else if (text.Rect.top() >= clean - kEpsilon) {
            tail.Texts.push_back(text);
            tail.Texts.back().Rect.translate(0, -clean);
        }
        else {
            SplitText(text, clean, head, tail);
        }
    }
    for (const auto& image : block.Images) {
        if (image.FrameRect.bottom() <= clean + kEpsilon || (forced && image.FrameRect.top() < clean)) {
            head.Images.push_back(image);
            continue;
        }
        tail.Images.push_back(image);
        const double shift = std::min(clean, image.FrameRect.top());
        tail.Images.back().Rect.translate(0, -shift);
        tail.Images.back().FrameRect.translate(0, -shift);
    }
    tail.Height = block.Height - clean;
    for (const auto& text : tail.Texts)
        tail.Height = std::max(tail.Height, text.Rect.bottom());
    for (const auto& image : tail.Images)
        tail.Height = std::max(tail.Height, image.FrameRect.bottom());
    return {head, tail};
}
