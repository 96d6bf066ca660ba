#pragma once
// The inputs tab driven as a user drives it: F2, the fields, F3, F4. The new-variable symbol and the
// colony count are answered by the test; the values, calibration and chart windows are not shown but
// recorded.
#include "ui_main/window_fixture.h"

#include "ui/common/file_dialog.h"
#include "ui/dialogs/TCalibM.h"
#include "ui/dialogs/TValuesF.h"
#include "ui/main/TMainForm.h"
#include "ui/main/correlation_tab.h"
#include "ui/main/input_dialog_hooks.h"
#include "ui/main/input_editor.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"
#include "ui/main/type_b_fields.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

class InputsTest : public UiFixture {
  protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        SetInputDialogHooks({[this] { return NextSymbol; }, [this] { return ColonyEntry; },
                             [this](QDialog& window) {
                                 ShownWindows << window.objectName();
                                 if (WhileShown)
                                     WhileShown(window);
                             }});
        Form = std::make_unique<TMainForm>();
        Form->PageControl1->setCurrentWidget(Form->TabSheet2);
    }
    void TearDown() override
    {
        Form.reset();
        SetInputDialogHooks({});
        SetFileDialogHandler({});
        UiFixture::TearDown();
    }

  public:
    // The steps of a user, also for the tables of cases.
    TInputEditor& Editor() { return *Form->TabSheet2; }
    TOrmetaCalc& Shown() { return Form->ShownEvaluation(); }
    QTableWidget& Grid() { return *Form->StringGrid2; }

    // F2 with the symbol typed into the new-variable window; its hint message is not kept.
    void Add(const QString& symbol)
    {
        NextSymbol = symbol;
        Form->AddNewUNC->trigger();
        Messages.clear();
    }
    void Apply() { Form->MakeChanges->trigger(); }
    void Delete() { Form->DeleteUnc->trigger(); }

    void ChooseKind(TKindItem kind)
    {
        Editor().ComboBox1->setCurrentIndex(static_cast<int>(kind));
        Editor().ComboBox1Change();
    }
    void ChooseDistribution(TDistributionItem item, bool centre)
    {
        Editor().ComboBox8->setCurrentIndex(centre ? 1 : 0);
        Editor().ComboBox3->setCurrentIndex(static_cast<int>(item));
        Editor().ComboBox3Change();
    }
    void SetParams(const QStringList& texts)
    {
        TLabeledEdit* fields[] = {Editor().LabeledEdit5, Editor().LabeledEdit6, Editor().LabeledEdit7};
        for (int k = 0; k < texts.size(); ++k)
            fields[k]->setText(texts[k]);
    }
    // Picks an input in the name box as the user does.
    void Select(const QString& name)
    {
        Editor().ComboBox2->setEditText(name);
        Editor().ComboBox2Change();
    }

    // Creates a uniform Type B input around centre with half-width 1 and 10 degrees of freedom.
    void CreateUniform(const QString& name, const QString& centre = QStringLiteral("0"))
    {
        Add(name);
        ChooseDistribution(TDistributionItem::Uniform, true);
        SetParams({centre, QStringLiteral("1")});
        Editor().LabeledEdit14->setText(QStringLiteral("10"));
        Apply();
        Messages.clear();
    }
    // Creates an experimental Type A input from observation texts.
    void CreateObserved(const QString& name, const QStringList& observations)
    {
        Add(name);
        ChooseKind(TKindItem::TypeA);
        Editor().ComboBox4->setCurrentIndex(0);
        Editor().ComboBox4Change();
        Editor().LabeledEdit3->setText(QString::number(observations.size()));
        Editor().ValuesF->SetObservationTexts(observations);
        Apply();
        Messages.clear();
    }
    // The Type A fields of two observations 4 and 6 with a previous standard deviation 0.2 of 12 degrees
    // of freedom, not yet applied.
    void EnterPriorSdObservations()
    {
        ChooseKind(TKindItem::TypeA);
        Editor().ComboBox4->setCurrentIndex(1);
        Editor().ComboBox4Change();
        Editor().LabeledEdit3->setText(QStringLiteral("2"));
        Editor().ValuesF->SetObservationTexts({QStringLiteral("4"), QStringLiteral("6")});
        Editor().LabeledEdit2->setText(QStringLiteral("0.2"));
        Editor().LabeledEdit4->setText(QStringLiteral("12"));
    }
    void CreateCalculated(const QString& name)
    {
        Add(name);
        ChooseKind(TKindItem::Calculated);
        Apply();
        Messages.clear();
    }

    // The names along the grid's top and the coefficient texts, row by row.
    QStringList GridNames()
    {
        QStringList names;
        for (int k = 0; k < Grid().columnCount(); ++k)
            names << Grid().horizontalHeaderItem(k)->text();
        return names;
    }
    QString Cell(int row, int column)
    {
        const QTableWidgetItem* item = Grid().item(row, column);
        return item ? item->text() : QString();
    }
    void SetCoefficient(int p, int q, const QString& text)
    {
        Grid().setItem(p, q, new QTableWidgetItem(text));
        Grid().setItem(q, p, new QTableWidgetItem(text));
    }
    QStringList ListEntries()
    {
        QStringList entries;
        for (int row = 0; row < Form->ListBox1->count(); ++row)
            entries << Form->ListBox1->item(row)->text();
        return entries;
    }

    std::unique_ptr<TMainForm> Form;
    QString NextSymbol;
    std::optional<TColonyCountEntry> ColonyEntry;
    QStringList ShownWindows;
    std::function<void(QDialog&)> WhileShown;
};
