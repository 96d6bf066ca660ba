#pragma once
// The formula editor: output name, formula and unit of the shown evaluation, typed with a keypad
// and one button per input quantity, with a live typeset picture. It checks nothing; the caller
// reads the trimmed texts back after OK.
#include <QDialog>

#include <functional>
#include <vector>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class TLabeledEdit;

// Font size of the editor's picture (1, 4, …, 67); kept between openings.
extern int FormulaZoom;

class TFormula : public QDialog {
    Q_OBJECT
  public:
    explicit TFormula(QWidget* parent);

    // What the caller hands over before opening: the texts and the names of the inputs.
    void SetModel(const QString& name, const QString& formula, const QString& unit, const QStringList& inputNames);
    // The texts after OK, blanks trimmed from both ends.
    QString OutputName() const;
    QString Formula() const;
    QString Unit() const;

    // A keypad or input button: inserts its caption at the caret of EditFormula, replacing a selection.
    void CalcClick(const QString& caption);
    // "back": deletes the character before the selection or the caret.
    void BackClick();
    void ZoomPlusClick();
    void ZoomMinusClick();

    QScrollArea* ScrollBox1;
    QLabel* Image;
    QPushButton* ZoomPlus;
    QPushButton* ZoomMinus;
    QLineEdit* VarEdit;
    QLabel* EqLabel;
    QLineEdit* EditFormula;
    TLabeledEdit* LabeledEdit13;
    QGroupBox* GroupCalc;
    QScrollArea* VarBox;
    QPushButton* bOK;
    QPushButton* bCancel;
    std::vector<QToolButton*> VarButtons;

    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateKeypad();
    QToolButton* KeypadButton(const QString& caption, const QString& hint);
    void FillVar();
    void RemVar();
    void PaintPicture();
    bool PictureTooHigh() const;
    void TextChanged();

    QStringList InputNames;
    QWidget* VarPanel;
};

// Shows the editor modally and returns its result (QDialog::Accepted or Rejected). Tests install a
// runner that works the editor and closes it; an empty runner restores exec().
using TFormulaRunner = std::function<int(TFormula& editor)>;
void SetFormulaRunner(TFormulaRunner runner);
int RunFormulaEditor(TFormula& editor);
