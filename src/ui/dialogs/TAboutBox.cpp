#include "ui/dialogs/TAboutBox.h"

#include "ui/common/window_placement.h"
#include "ui/dialogs/emblem.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kEmblemSize = 96;
const QString kVersion = QStringLiteral("0.1");
} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Panel1(new QFrame(this)),
      Image1(new QLabel(Panel1)), RichEdit1(new QLabel(Panel1)), OKButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("Про програму"));

    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Raised);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(PaintEmblem(kEmblemSize));
    Image1->setAlignment(Qt::AlignTop);

    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setTextFormat(Qt::RichText);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    RichEdit1->setText(QStringLiteral("<p style='font-size:large'><b>Ormeta</b></p><p>%1</p><p>%2</p><p>%3</p>")
                           .arg(tr("Версія %1").arg(kVersion),
                                tr("Оцінювання невизначеності вимірювань за методом GUM"),
                                tr("Розробка: команда Ormeta")));

    auto* panel = new QHBoxLayout(Panel1);
    panel->setSpacing(16);
    panel->addWidget(Image1);
    panel->addWidget(RichEdit1, 1);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setText(tr("OK"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::ShowOverParent()
{
    CentreOver(this, parentWidget());
    show();
    raise();
    activateWindow();
}
