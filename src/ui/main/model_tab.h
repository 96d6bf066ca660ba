#pragma once
// The model tab: the two descriptions, the typeset model and the hidden holders of output name,
// formula and unit, which are the authoritative copy of the model while an evaluation is shown.
#include <QImage>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TLabeledEdit;

class TModelTab : public QWidget {
    Q_OBJECT
  public:
    explicit TModelTab(QWidget* parent);

    // Typesets Edit3 = Edit4 at the largest size from 13 down to 2 that fits 752 x 120 pixels.
    void DrawFormula();
    void Clear();

    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo3;
    QLabel* Image;
    QPushButton* bChange;
    QLabel* Label13;
    QGroupBox* HiddenModel;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    TLabeledEdit* LabeledEdit13;

    // The picture last drawn and its font size.
    QImage Picture;
    int PictureSize = 0;

  signals:
    // A click on the picture or on "Редагувати".
    void EditRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowPicture();
};
