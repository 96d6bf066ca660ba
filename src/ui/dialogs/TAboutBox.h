#pragma once
// The about box: the program's emblem, name, version and purpose. Non-modal: the main window stays usable.
//
// Use by the main window ("Про програму"; one window for the whole run, parented to the main window):
//   aboutBox->ShowOverParent();
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Shows the window centred over its parent and brings it to the front.
    void ShowOverParent();

private:
    QFrame* Panel1;
    QLabel* Image1;
    QLabel* RichEdit1;
    QPushButton* OKButton;
};
