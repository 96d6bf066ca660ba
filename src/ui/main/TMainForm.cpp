#include "ui/main/TMainForm.h"

#include "engine/budget_table.h"
#include "engine/calculation.h"
#include "files/commands/file_commands.h"
#include "model/constructors.h"
#include "model/input_order.h"
#include "model/list_operations.h"
#include "reports/TPrintForm.h"
#include "reports/pareto/TParetoForm.h"
#include "reports/report_command.h"
#include "text/language.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/formula/TFormula.h"
#include "ui/main/TfmOptions.h"
#include "ui/main/budget_tab.h"
#include "ui/main/correlation_tab.h"
#include "ui/main/correlation_grid.h"
#include "ui/main/input_commands.h"
#include "ui/main/input_editor.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/language_setting.h"
#include "ui/main/model_tab.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {
QString MainEntryName()
{
    return Tr2("<головна>", "<главная>");
}

// The separator that number literals in formulas use: the one of the regional settings.
char FormulaDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    const char separator = point.isEmpty() ? '.' : point.at(0).toLatin1();
    return separator == 0 ? '.' : separator;
}

QAction* MakeAction(QObject* parent, const QString& name, const QString& caption, const QKeySequence& shortcut,
                    const QString& hint = QString())
{
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? caption : hint);
    return action;
}
} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(u"Ormeta"_s);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    resize(862, 553);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(u"ListBox1"_s);
    ListBox1->setToolTip(tr("Головне та вкладені оцінювання. Натисніть для переходу"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(u"PageControl1"_s);
    TabSheet1 = new TModelTab(PageControl1);
    TabSheet1->setObjectName(u"TabSheet1"_s);
    TabSheet2 = new TInputEditor(*this, PageControl1);
    TabSheet2->setObjectName(u"TabSheet2"_s);
    TabSheet4 = CreateCorrelationTab();
    TabSheet3 = new TBudgetTab(PageControl1);
    TabSheet3->setObjectName(u"TabSheet3"_s);
    PageControl1->addTab(TabSheet1, tr("Модель оцінювання"));
    PageControl1->addTab(TabSheet2, tr("Джерела(складові) невизначеності"));
    PageControl1->addTab(TabSheet4, tr("Кореляція"));
    PageControl1->addTab(TabSheet3, tr("Бюджет невизначеності"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(ListBox1);
    splitter->addWidget(PageControl1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({120, 740});
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    Label16 = new QLabel(this);
    Label16->setObjectName(u"Label16"_s);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(u"ProgressBar1"_s);
    ProgressBar1->setMaximumWidth(200);
    statusBar()->addWidget(Label16);
    statusBar()->addWidget(ProgressBar1);
    ShowProgress(false);

    CreateActions();
    CreateMenus();
    FileCommands = new TFileCommands(*this);
    InputCommands = new TInputCommands(*this, *TabSheet2);
    PrintForm = new TPrintForm(this);
    connect(this, &TMainForm::EvaluationCalculated, this,
            [this] { ParetoChart().FillParetoChart(ShownEvaluation(), TotalContribution); });
    connect(Pareto, &QAction::triggered, this, &TMainForm::N14Click);
    connect(ShowReport, &QAction::triggered, this, [this] { NM5Click(*this, *PrintForm, ParetoChart()); });

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TMainForm::ListBox1Click);
    connect(TabSheet1, &TModelTab::EditRequested, this, &TMainForm::bChangeClick);

    ResetToNewEvaluation();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateActions()
{
    New = MakeAction(this, u"New"_s, tr("Новий"), QKeySequence(Qt::CTRL | Qt::Key_N),
                     tr("Створити новий файл оцінювання"));
    Open = MakeAction(this, u"Open"_s, tr("Відкрити..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                      tr("Відкрити файл оцінювання"));
    Save = MakeAction(this, u"Save"_s, tr("Зберегти"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      tr("Зберегти дані у поточний файл"));
    SaveAs = MakeAction(this, u"SaveAs"_s, tr("Зберегти як..."), QKeySequence(), tr("Зберегти дані у новий файл"));
    Exit = MakeAction(this, u"Exit"_s, tr("Вийти"), QKeySequence());
    Calculate = MakeAction(this, u"Calculate"_s, tr("Обчислити"), QKeySequence(Qt::Key_F5));
    Pareto = MakeAction(this, u"Pareto"_s, tr("Діаграма Парето..."), QKeySequence(Qt::Key_F6));
    ShowReport = MakeAction(this, u"ShowReport"_s, tr("Друк звіту..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    Options = MakeAction(this, u"Options"_s, tr("Опції..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    N15 = MakeAction(this, u"N15"_s, u"Українська мова"_s, QKeySequence());
    N16 = MakeAction(this, u"N16"_s, u"Русский язык"_s, QKeySequence());
    About = MakeAction(this, u"About"_s, tr("Про програму"), QKeySequence());
    // The buttons of the inputs tab; the input editor enables them and handles them.
    AddNewUNC = MakeAction(this, u"AddNewUNC"_s, tr("Додати нову..."), QKeySequence(Qt::Key_F2));
    MakeChanges = MakeAction(this, u"MakeChanges"_s, tr("Підтвердити зміни"), QKeySequence(Qt::Key_F3));
    DeleteUnc = MakeAction(this, u"DeleteUnc"_s, tr("Видалити"), QKeySequence(Qt::Key_F4));
    for (QAction* action : {AddNewUNC, MakeChanges, DeleteUnc}) {
        action->setEnabled(false);
        addAction(action);
    }
    for (QAction* language : {N15, N16})
        language->setCheckable(true);
    N15->setChecked(IsUkrainian);
    N16->setChecked(!IsUkrainian);

    connect(Exit, &QAction::triggered, this, &QWidget::close);
    connect(Calculate, &QAction::triggered, this, [this] { N12Click(TCalcMode::Interactive); });
    connect(Options, &QAction::triggered, this, &TMainForm::OptionsClick);
    connect(N15, &QAction::triggered, this, &TMainForm::N15Click);
    connect(N16, &QAction::triggered, this, &TMainForm::N16Click);
    connect(About, &QAction::triggered, this, [this] {
        if (!AboutBox) {
            AboutBox = new TAboutBox(this);
            connect(AboutBox, &QDialog::finished, this, &TMainForm::FormActivate);
        }
        AboutBox->ShowOverParent();
    });
}

void TMainForm::CreateMenus()
{
    N1 = menuBar()->addMenu(tr("Файл"));
    N1->setObjectName(u"N1"_s);
    N1->addActions({New, Open, Save, SaveAs});
    N1->addSeparator();
    N1->addAction(Exit);

    N2 = menuBar()->addMenu(tr("Робота"));
    N2->setObjectName(u"N2"_s);
    N2->addActions({Calculate, Pareto, ShowReport, Options});
    N2->addSeparator();
    QMenu* language = N2->addMenu(tr("Мова"));
    language->setObjectName(u"N13"_s);
    language->addActions({N15, N16});
    connect(N2, &QMenu::aboutToShow, this, &TMainForm::N2Click);

    menuBar()->addAction(About);
    N1->setToolTipsVisible(true);
}

QWidget* TMainForm::CreateCorrelationTab()
{
    auto* tab = new QWidget(PageControl1);
    tab->setObjectName(u"TabSheet4"_s);
    auto* group = new QGroupBox(tr("Матриця кореляції"), tab);
    StringGrid2 = CreateCorrelationGrid(group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(StringGrid2);
    CorrelationControls = new TCorrelationTab(*this, tab);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(group, 1);
    layout->addWidget(CorrelationControls);
    return tab;
}

TFormula& TMainForm::FormulaEditor()
{
    if (!Formula)
        Formula = new TFormula(this);
    return *Formula;
}

TParetoForm& TMainForm::ParetoChart()
{
    // The chart library takes a noticeable moment to set up; the first calculation pays it, not start-up.
    if (!ParetoForm)
        ParetoForm = new TParetoForm(this);
    return *ParetoForm;
}

void TMainForm::SetResultsReady(bool ready)
{
    ResultsReady = ready;
    Pareto->setEnabled(ready);
    ShowReport->setEnabled(ready);
}

void TMainForm::MarkModified()
{
    Modified = true;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FileCommands->FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TMainForm::N2Click()
{
    SetResultsReady(ResultsReady);
}

void TMainForm::SetListEntries(const QStringList& entries)
{
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    ListBox1->addItems(entries);
    ListBox1->setCurrentRow(0);
}

void TMainForm::ResetTabs()
{
    SetResultsReady(false);
    TabSheet1->Clear();
    TabSheet3->ResetForNew();
    ClearCorrelationGrid(*StringGrid2);
}

void TMainForm::ShowModel(const TOrmetaCalc& calc)
{
    TabSheet1->Memo3->setPlainText(ToQt(calc.ModelDescription));
    TabSheet1->LabeledEdit13->setText(ToQt(calc.OutputUnit));
    TabSheet1->Memo1->setPlainText(ToQt(calc.Description));
    TabSheet1->Edit4->setText(ToQt(calc.ModelFormula));
    TabSheet1->Edit3->setText(ToQt(calc.OutputName));
    FillCorrelationGrid(*StringGrid2, calc);
}

void TMainForm::ResetToNewEvaluation()
{
    ResetTabs();
    MainEvaluation = CreateCalc("", "", "");
    Evaluations = {MainEvaluation.get()};
    CurrentEvaluation = 0;
    SetListEntries({MainEntryName()});
    TabSheet1->Edit3->setText(MainEntryName());
    PageControl1->setCurrentWidget(TabSheet1);
    DrawFormula();
    emit EvaluationShown();
}

void TMainForm::LoadEvaluationTree(std::unique_ptr<TOrmetaCalc> main)
{
    ResetTabs();
    MainEvaluation = std::move(main);
    Evaluations = {MainEvaluation.get()};
    for (int i = 0; i < CountNested(*MainEvaluation); ++i)
        CollectEvaluations(NestedAt(*MainEvaluation, i), Evaluations);
    CurrentEvaluation = 0;
    ShowModel(*MainEvaluation);
    QStringList entries{MainEvaluation->OutputName.empty() ? MainEntryName() : ToQt(MainEvaluation->OutputName)};
    for (size_t k = 1; k < Evaluations.size(); ++k)
        entries << ToQt(Evaluations[k]->OutputName);
    SetListEntries(entries);
    PageControl1->setCurrentWidget(TabSheet1);
    DrawFormula();
    emit EvaluationShown();
}

void TMainForm::StoreModel(TOrmetaCalc& calc) const
{
    calc.ModelDescription = ToStd(TabSheet1->Memo3->toPlainText());
    calc.OutputName = ToStd(TabSheet1->Edit3->text());
    calc.OutputUnit = ToStd(TabSheet1->LabeledEdit13->text());
    calc.Description = ToStd(TabSheet1->Memo1->toPlainText());
    calc.ModelFormula = ToStd(TabSheet1->Edit4->text());
}

void TMainForm::StoreCorrelation(TOrmetaCalc& calc) const
{
    calc.Correlation = ReadCorrelationGrid(*StringGrid2, CountInputs(calc));
}

void TMainForm::FormActivate()
{
    TabSheet1->Memo1->moveCursor(QTextCursor::End);
    TabSheet1->Memo3->moveCursor(QTextCursor::End);
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    ListBox1Click();
}

void TMainForm::ListBox1Click()
{
    const int selected = ListBox1->currentRow();
    if (selected < 0)
        return;
    TabSheet3->ClearResults();
    TOrmetaCalc& leaving = ShownEvaluation();
    StoreModel(leaving);
    try {
        leaving.ConfidenceLevel = TabSheet3->ConfidenceLevel();
        leaving.CoverageMethod = TabSheet3->CoverageMethod();
        StoreCorrelation(leaving);
    }
    catch (const std::exception& error) {
        // The evaluation being left stays shown; its texts are saved already.
        ShowMessage(this, ToQt(error.what()));
        return;
    }
    TabSheet3->ResetEntries();
    CurrentEvaluation = selected;
    ShowModel(ShownEvaluation());
    PageControl1->setCurrentWidget(TabSheet1);
    DrawFormula();
    SetResultsReady(false);
    emit EvaluationShown();
}

void TMainForm::DrawFormula()
{
    TabSheet1->DrawFormula();
}

void TMainForm::bChangeClick()
{
    const int end = static_cast<int>(TabSheet1->Edit4->text().size());
    EditModel(end, 0);
}

void TMainForm::EditModel(int selectionStart, int selectionLength)
{
    PreviousOutputName = TabSheet1->Edit3->text();
    TFormula& editor = FormulaEditor();
    QStringList inputNames;
    for (const InputView& input : InputsInOrder(ShownEvaluation()))
        inputNames << ToQt(input.Name());
    editor.SetModel(TabSheet1->Edit3->text(), TabSheet1->Edit4->text(), TabSheet1->LabeledEdit13->text(), inputNames);
    editor.EditFormula->setSelection(selectionStart, selectionLength);
    const int result = RunFormulaEditor(editor);
    // Back to the main window, so that its shortcuts (F5) work at once even without a window manager.
    activateWindow();
    if (result != QDialog::Accepted)
        return;
    TabSheet1->Edit3->setText(editor.OutputName());
    TabSheet1->Edit4->setText(editor.Formula());
    TabSheet1->LabeledEdit13->setText(editor.Unit());
    DrawFormula();
    Edit3Exit();
    MarkModified();
}

void TMainForm::Edit3Exit()
{
    if (TabSheet1->Edit3->text().isEmpty())
        TabSheet1->Edit3->setText(Tr2("<без назви>", "<без названия>"));
    for (int row = 0; row < ListBox1->count(); ++row) {
        QListWidgetItem* entry = ListBox1->item(row);
        if (entry->text() == PreviousOutputName)
            entry->setText(TabSheet1->Edit3->text());
    }
}

void TMainForm::ShowProgress(bool visible)
{
    Label16->setVisible(visible);
    ProgressBar1->setVisible(visible);
}

// The window does not answer the user while the engine works: only pending layout and painting run.
void TMainForm::ShowNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TMainForm::N12Click(TCalcMode mode)
{
    const bool interactive = mode == TCalcMode::Interactive;
    if (interactive) {
        Label16->setText(Tr2("Обчислення...", "Вычисления..."));
        ProgressBar1->setRange(0, 100);
        ProgressBar1->setValue(50);
        ShowProgress(true);
        ShowNow();
    }
    bool calculated = false;
    try {
        CalculateShown();
        calculated = true;
    }
    catch (const EFormula& error) {
        ShowMessage(this, ToQt(error.Text));
        // The character at the error position is selected.
        EditModel(error.Position - 1, 1);
        PageControl1->setCurrentWidget(TabSheet1);
    }
    catch (const std::exception& error) {
        ShowMessage(this, ToQt(error.what()));
    }
    if (interactive) {
        if (calculated) {
            ProgressBar1->setValue(ProgressBar1->value() + 25);
            ShowNow();
        }
        ShowProgress(false);
    }
}

void TMainForm::CalculateShown()
{
    if (TabSheet1->Edit3->text().isEmpty())
        throw std::runtime_error("Помилка. У вихідної змінної в формулі моделі повинна бути назва.");
    TOrmetaCalc& calc = ShownEvaluation();
    TabSheet3->ShowTableFrame(CountInputs(calc));
    StoreModel(calc);
    calc.ConfidenceLevel = TabSheet3->ConfidenceLevel();
    StoreCorrelation(calc);
    calc.CoverageMethod = TabSheet3->CoverageMethod();
    CalcEvaluation(calc, FormulaDecimalSeparator());
    TotalContribution = ::TotalContribution(calc);
    TabSheet3->ShowResults(calc);
    PageControl1->setCurrentWidget(TabSheet3);
    SetResultsReady(true);
    emit EvaluationCalculated();
    TabSheet1->Label13->clear();
}

void TMainForm::N14Click()
{
    if (ResultsReady)
        ParetoChart().ShowModal();
}

void TMainForm::N15Click()
{
    N15->setChecked(IsUkrainian);
    N16->setChecked(!IsUkrainian);
    SetLanguage(this, true);
}

void TMainForm::N16Click()
{
    N15->setChecked(IsUkrainian);
    N16->setChecked(!IsUkrainian);
    SetLanguage(this, false);
}

void TMainForm::OptionsClick()
{
    if (!OptionsWindow)
        OptionsWindow = new TfmOptions(this);
    OptionsWindow->exec();
}
