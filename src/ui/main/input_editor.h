#pragma once
// The inputs tab: shows one input of the shown evaluation at a time, picked by name, in the group of
// fields of its kind, and holds what the user types until an input command reads it. The observation
// values, calibration data and chart windows belong to it; their grids are part of the same buffer.
#include "model/records.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TCalibM;
class TLSFF;
class TLabeledEdit;
class TMainForm;
class TNewDialog;
class TOKBottomDlg1;
class TValuesF;

// Items of the kind box.
enum class TKindItem { TypeA = 0, TypeB = 1, Calculated = 2, Calibration = 3 };

class TInputEditor : public QWidget {
    Q_OBJECT
  public:
    TInputEditor(TMainForm& form, QWidget* parent);

    // The name box: its text names the input shown.
    QString NameBoxText() const;
    // Sets the text without showing another input.
    void SetNameBoxText(const QString& text);
    QStringList Names() const;
    void AppendName(const QString& name);
    // Drops the first entry of the name list equal to name.
    void RemoveName(const QString& name);

    // Another evaluation is shown: its names in the list, the fields empty, the Type B group in front.
    void Reset();
    // Empties the description, name, unit and value fields (the add and delete commands).
    void ClearFields();
    // Empties the sample grid, the observation values and the calibration data.
    void ClearGrids();
    void SetDescriptionFieldsEnabled(bool enabled);
    // The kind box's choice; an item beyond the first three is a calibration input.
    TKindItem ChosenKind() const;
    // Selects the kind, enables the kind box and shows only that kind's group.
    void SelectKind(TKindItem kind);
    // The sample measurement grid gets max(n, 1) rows; rows dropped lose their texts.
    void SetSampleRows(int n);
    // The infinity token of the degrees-of-freedom fields in the current language.
    static QString InfinityText();

    // Handlers of the tab's controls.
    void ComboBox2Change();
    void ComboBox2Exit();
    void ComboBox1Change();
    void ComboBox3Change();
    void ComboBox8Change();
    void ComboBox4Change();
    void LabeledEdit3Exit();
    void LabeledEdit5Change();
    void LE1Exit();
    void LE2Exit();
    void LE16Exit();
    void EnterValClick();
    void BMatrixClick();
    void LSFBtnClick();
    void CColonClick();
    void AddStButClick();

    QComboBox* ComboBox2;
    TLabeledEdit* LabeledEdit1;
    TLabeledEdit* LabeledEdit12;
    QPlainTextEdit* Memo2;
    QComboBox* ComboBox1;

    QGroupBox* GroupBox3;
    QComboBox* ComboBox4;
    TLabeledEdit* LabeledEdit3;
    QPushButton* EnterVal;
    QPushButton* CColon;
    TLabeledEdit* LabeledEdit2;
    TLabeledEdit* LabeledEdit4;
    QCheckBox* CheckBox1;

    QGroupBox* GroupBox4;
    QComboBox* ComboBox3;
    QLabel* Label15;
    QComboBox* ComboBox8;
    TLabeledEdit* LabeledEdit5;
    TLabeledEdit* LabeledEdit6;
    TLabeledEdit* LabeledEdit7;
    TLabeledEdit* LabeledEdit14;

    QGroupBox* GroupBox13;
    QPlainTextEdit* Memo4;
    QPushButton* AddStBut;
    QPlainTextEdit* Memo5;
    // The evaluation file chosen with AddStBut for the calculated input being created.
    QString NestedFileName;

    QGroupBox* GroupBox14;
    TLabeledEdit* LE1;
    TLabeledEdit* LE2;
    QPushButton* BMatrix;
    TLabeledEdit* LE16;
    QLabel* Label14;
    QTableWidget* SG4;
    QPushButton* LSFBtn;
    QCheckBox* CheckBoxAppr;

    QPushButton* Button1;
    QPushButton* Button6;
    QPushButton* Button3;

    TValuesF* ValuesF;
    TCalibM* CalibM;
    TLSFF* LSFF;
    TOKBottomDlg1* OKBottomDlg1;
    TNewDialog* NewDialog;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateNameColumn();
    QGroupBox* CreateTypeAGroup();
    QGroupBox* CreateTypeBGroup();
    QGroupBox* CreateCalculatedGroup();
    QGroupBox* CreateCalibrationGroup();
    void ShowKindGroup(TKindItem kind);
    void ApplyTypeBFields(bool bySelector);
    void ShowTypeA(const TOrmetaTypeA& input);
    void ShowTypeB(const TOrmetaTypeB& input);
    void ShowCalculated(const TOrmetaCalc& nested);
    void ShowCalibration(const TOrmetaTypeG& input);
    void ShowHead(const std::string& description, const std::string& name, const std::string& unit);
    void ShowDof(TLabeledEdit* field, int32_t dof);
    // Shows the message and puts the focus back into the field.
    void RefuseField(QWidget* field, const QString& message);
    // A positive count in field, or the message and the focus back.
    void CheckPositiveCount(TLabeledEdit* field, const QString& message);

    TMainForm& Form;
};
