#include "reports/TPrintForm.h"

#include "ui/common/window_placement.h"

#include <QCheckBox>
#include <QPushButton>

TPrintForm::TPrintForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), cSources(new QCheckBox(this)),
      cIncl(new QCheckBox(this)), cPareto(new QCheckBox(this)), sSpeedButton1(new QPushButton(this)),
      sSpeedButton2(new QPushButton(this))
{
    setObjectName(QStringLiteral("TPrintForm"));
    setWindowTitle(tr("Друк звіту"));
    setFixedSize(390, 135);

    cSources->setObjectName(QStringLiteral("cSources"));
    cSources->setText(tr("Друкувати детально джерела невизначеності"));
    cSources->setChecked(true);
    cIncl->setObjectName(QStringLiteral("cIncl"));
    cIncl->setText(tr("Друкувати детально вкладені оцінювання"));
    cPareto->setObjectName(QStringLiteral("cPareto"));
    cPareto->setText(tr("Друкувати діаграму Парето"));
    cPareto->setChecked(true);
    int top = 8;
    for (QCheckBox* box : {cSources, cIncl, cPareto}) {
        box->setGeometry(8, top, 374, 19);
        top += 22;
    }

    sSpeedButton1->setObjectName(QStringLiteral("sSpeedButton1"));
    sSpeedButton1->setText(tr("ОК"));
    sSpeedButton1->setGeometry(96, 100, 81, 25);
    sSpeedButton1->setDefault(true);
    connect(sSpeedButton1, &QPushButton::clicked, this, &QDialog::accept);
    sSpeedButton2->setObjectName(QStringLiteral("sSpeedButton2"));
    sSpeedButton2->setText(tr("Відмінити"));
    sSpeedButton2->setGeometry(208, 100, 81, 25);
    connect(sSpeedButton2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TPrintForm::Ask()
{
    CentreOver(this, parentWidget());
    return exec() == QDialog::Accepted;
}
