#pragma once
// The main window: the evaluation list on the left, the model, inputs, correlation and budget tabs
// on the right, the menus. While an evaluation is shown, its texts, model, level of confidence,
// coverage method and correlation coefficients live in the controls; its record receives them at
// the evaluation switch, the Calculate command and Save.
#include "model/records.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QTabWidget;
class QTableWidget;
class TAboutBox;
class TFileCommands;
class TBudgetTab;
class TCorrelationTab;
class TFormula;
class TInputCommands;
class TInputEditor;
class TModelTab;
class TParetoForm;
class TPrintForm;
class TfmOptions;

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The evaluation shown in the tabs.
    TOrmetaCalc& ShownEvaluation() { return *Evaluations[CurrentEvaluation]; }

    // Takes an evaluation tree as the open one (the file commands; tests): the main evaluation first,
    // then its nested ones depth first, children before their parent; the main evaluation shown on
    // the model tab, the budget tab at its defaults.
    void LoadEvaluationTree(std::unique_ptr<TOrmetaCalc> main);
    // The reset of the New command: one empty main evaluation named "<головна>", every tab emptied,
    // the model tab in front.
    void ResetToNewEvaluation();
    // Model texts and correlation grid into a record (the switch, Calculate, Save).
    void StoreModel(TOrmetaCalc& calc) const;
    void StoreCorrelation(TOrmetaCalc& calc) const;

    // Shows the main evaluation on the model tab (start-up, return from the about box).
    void FormActivate();
    // The evaluation switch: saves the shown evaluation, resets the budget entries, loads the selected one.
    void ListBox1Click();
    void DrawFormula();
    // Opens the formula editor on the shown model; after OK the list entries are relabelled.
    void bChangeClick();
    void Edit3Exit();
    // Opening the "Робота" menu: the chart and the report need a calculation.
    void N2Click();
    enum class TCalcMode { Interactive, Silent };
    // Calculate: the interactive call shows its progress; the report's calls run silently.
    void N12Click(TCalcMode mode);
    // The Pareto command: the chart of the last successful calculation, modally.
    void N14Click();
    void N15Click();
    void N16Click();
    void OptionsClick();
    void SetResultsReady(bool ready);
    // Every change of the open work since the last New, Open or Save calls this; New and Open ask
    // whether to save it first.
    void MarkModified();

    // Evaluations[0] is the main evaluation, owned here; the others are nested records owned by their parents.
    std::vector<TOrmetaCalc*> Evaluations;
    int CurrentEvaluation = 0;
    QString PreviousOutputName;
    bool ResultsReady = false;
    // Sum of |c·u| over the inputs of the evaluation calculated last.
    double TotalContribution = 0;
    // The file Save writes to; empty after New.
    QString CurrentFileName;
    bool Modified = false;
    TFileCommands* FileCommands;
    // One print options window for the whole run: it keeps its check marks from one report to the next.
    TPrintForm* PrintForm;

    QListWidget* ListBox1;
    QTabWidget* PageControl1;
    TModelTab* TabSheet1;
    TInputEditor* TabSheet2;
    QWidget* TabSheet4;
    TCorrelationTab* CorrelationControls;
    TInputCommands* InputCommands;
    TBudgetTab* TabSheet3;
    QTableWidget* StringGrid2;
    QLabel* Label16;
    QProgressBar* ProgressBar1;

    QMenu* N1;
    QMenu* N2;
    QAction* New;
    QAction* Open;
    QAction* Save;
    QAction* SaveAs;
    QAction* Exit;
    QAction* Calculate;
    QAction* Pareto;
    QAction* ShowReport;
    QAction* Options;
    QAction* N15;
    QAction* N16;
    QAction* About;
    QAction* AddNewUNC;
    QAction* MakeChanges;
    QAction* DeleteUnc;

    // Created on first use, kept for the whole run.
    TFormula& FormulaEditor();
    // The chart of the last successful calculation, refilled by each one.
    TParetoForm& ParetoChart();

  signals:
    // Another evaluation is shown (switch, New, a loaded tree): the inputs and correlation tabs
    // reset their fields and rebuild their name lists from ShownEvaluation().
    void EvaluationShown();
    // A calculation of ShownEvaluation() succeeded and TotalContribution is set (the Pareto chart).
    void EvaluationCalculated();

  protected:
    // Closing asks whether to save first; "Повернутися" or a save that did not happen keeps the window open.
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    QWidget* CreateCorrelationTab();
    void ShowModel(const TOrmetaCalc& calc);
    void ResetTabs();
    void SetListEntries(const QStringList& entries);
    void CalculateShown();
    void EditModel(int selectionStart, int selectionLength);
    void ShowProgress(bool visible);
    void ShowNow();

    std::unique_ptr<TOrmetaCalc> MainEvaluation;
    TFormula* Formula = nullptr;
    TParetoForm* ParetoForm = nullptr;
    TfmOptions* OptionsWindow = nullptr;
    TAboutBox* AboutBox = nullptr;
};
