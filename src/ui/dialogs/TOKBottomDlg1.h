#pragma once
// The colony count window: a counted number N (colony-forming units on a plate) becomes a Type A input
// with N as its single observation and sqrt(N) as a previously evaluated standard deviation with infinite
// degrees of freedom.
//
// Use by the input editor (one window for the whole run, parented to the main window), for
// "Підрахунок КУО": if Ask() gives an entry, write "1" into the observation count, select the previously
// evaluated mode (without running its change handler), put StdDeviation and Dof into their fields and
// make them visible, and hand Observation to the observation values window (SetObservationTexts).
#include <QDialog>

#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The texts the count puts into the Type A fields.
struct TColonyCountEntry {
    QString Observation;  // the count as typed, without surrounding spaces
    QString StdDeviation; // sqrt(N) as numbers are shown
    QString Dof;          // the infinity token of the degrees-of-freedom fields
};

class TOKBottomDlg1 : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg1(QWidget* parent = nullptr);

    // Shows the window modally with an empty field. Gives nothing when the user went back, or when the
    // entry was not a positive integer (after saying so; the user opens the window again to retry).
    std::optional<TColonyCountEntry> Ask();

    // The entry for a typed count; nothing unless it is a positive decimal integer.
    static std::optional<TColonyCountEntry> EntryFor(const QString& typed);

private:
    void OKBtnClick();

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* LabeledEdit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    std::optional<TColonyCountEntry> Entry;
};
