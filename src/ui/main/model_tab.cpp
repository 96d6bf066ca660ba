#include "ui/main/model_tab.h"

#include "ui/formula/formula_picture.h"
#include "ui/main/labeled_edit.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int LargestSize = 13;
constexpr int SmallestSize = 2;
constexpr int FittingWidth = 753;
constexpr int FittingHeight = 121;

QPlainTextEdit* Memo(const QString& name, const QString& hint, QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setToolTip(hint);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}
} // namespace

TModelTab::TModelTab(QWidget* parent) : QWidget(parent)
{
    auto* texts = new QGroupBox(tr("Текстовий опис"), this);
    Memo1 = Memo(u"Memo1"_s, tr("У дане поле вводиться опис вимірювання та оцінювання невизначеності"), texts);
    Memo3 =
        Memo(u"Memo3"_s,
             tr("У дане поле вводиться текстовий опис математичної моделі вимірювання, которкий опис змінних"), texts);
    auto* textsLayout = new QVBoxLayout(texts);
    textsLayout->addWidget(new QLabel(tr("Опис оцінювання:"), texts));
    textsLayout->addWidget(Memo1);
    textsLayout->addWidget(new QLabel(tr("Опис моделі:"), texts));
    textsLayout->addWidget(Memo3);

    auto* model = new QGroupBox(tr("Математична модель вимірювання"), this);
    Image = new QLabel(model);
    Image->setObjectName(u"Image"_s);
    Image->setToolTip(tr("Натисніть для редагування"));
    Image->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Image->setFixedHeight(FittingHeight);
    Image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Image->setCursor(Qt::PointingHandCursor);
    Image->setAutoFillBackground(true);
    QPalette white = Image->palette();
    white.setColor(QPalette::Window, Qt::white);
    Image->setPalette(white);
    Image->installEventFilter(this);
    Label13 = new QLabel(model);
    Label13->setObjectName(u"Label13"_s);
    Label13->setWordWrap(true);
    bChange = new QPushButton(tr("Редагувати"), model);
    bChange->setObjectName(u"bChange"_s);
    bChange->setToolTip(tr("Редагування формули математичної моделі"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(Label13, 1);
    buttonRow->addWidget(bChange);
    auto* modelLayout = new QVBoxLayout(model);
    modelLayout->addWidget(Image);
    modelLayout->addLayout(buttonRow);

    // Name, formula and unit are edited only in the formula editor; the user sees the picture.
    HiddenModel = new QGroupBox(tr("Формула математичної моделі:"), this);
    Edit3 = new QLineEdit(HiddenModel);
    Edit3->setObjectName(u"Edit3"_s);
    Edit4 = new QLineEdit(HiddenModel);
    Edit4->setObjectName(u"Edit4"_s);
    LabeledEdit13 = new TLabeledEdit(u"LabeledEdit13"_s, tr("Одиниця вимірювання результату:"), HiddenModel);
    HiddenModel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texts, 1);
    layout->addWidget(model);

    connect(bChange, &QPushButton::clicked, this, &TModelTab::EditRequested);
    connect(Edit3, &QLineEdit::textChanged, this, [this] {
        if (isVisible())
            DrawFormula();
    });
}

void TModelTab::Clear()
{
    Memo1->clear();
    Memo3->clear();
    Edit3->clear();
    Edit4->clear();
    LabeledEdit13->clear();
}

void TModelTab::DrawFormula()
{
    for (int size = LargestSize; size >= SmallestSize; --size) {
        Picture = PaintFormula(Edit3->text(), Edit4->text(), size);
        PictureSize = size;
        if (Picture.width() < FittingWidth && Picture.height() < FittingHeight)
            break;
    }
    ShowPicture();
}

// The picture keeps its size when there is room and shrinks proportionally when there is not.
void TModelTab::ShowPicture()
{
    if (Picture.isNull())
        return;
    const QSize room = Image->contentsRect().size();
    QPixmap pixmap = QPixmap::fromImage(Picture);
    if (room.isValid() && (pixmap.width() > room.width() || pixmap.height() > room.height()))
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image->setPixmap(pixmap);
}

bool TModelTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image && event->type() == QEvent::MouseButtonRelease)
        emit EditRequested();
    if (watched == Image && event->type() == QEvent::Resize)
        ShowPicture();
    return QWidget::eventFilter(watched, event);
}
