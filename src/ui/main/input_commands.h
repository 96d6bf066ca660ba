#pragma once
// The commands of the inputs tab: add (F2), apply (F3: create or change) and delete (F4). They turn
// the editor's fields into input records of the shown evaluation and keep the name list, the
// correlation grid and, for calculated inputs, the evaluation list and Evaluations in step with them.
#include <QObject>

class TInputEditor;
class TMainForm;

class TInputCommands : public QObject {
    Q_OBJECT
  public:
    // Takes over the three actions of the form and the editor's buttons.
    TInputCommands(TMainForm& form, TInputEditor& editor);

    void Button1Click();
    void Button6Click();
    void Button3Click();

  private:
    void Button2Click();
    void Button5Click();
    void CreateCalculated(const std::string& name);
    // The input's row and column come into the correlation grid at its place in input order.
    int InsertIntoGrid(const QString& name);
    bool InputsTabActive() const;
    void Done(const QString& message);

    TMainForm& Form;
    TInputEditor& Editor;
};
