// The encoding-method dialog MethodDialog: the choice among Method 00, Method 01 and the
// strong Method 02 for one run of Encrypt With Specific Method. It opens with Method 01 selected.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

class MethodDialog : public QDialog {
    Q_OBJECT

public:
    explicit MethodDialog(QWidget *parent = nullptr);

    // The method of the last OK: 0, 1 or 2 for Method 00, 01 or 02; 0 before any choice.
    // It outlives the dialog, but Encrypt reads it only right after an OK.
    static int ChosenMethod();

    // Takes the selected method and closes with OK; without a selection it says so and
    // the dialog stays open.
    void OKBtnClick();
    // Jumps to the help topic of the dialog; choice and focus stay as they are.
    void HelpBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildChoices();
    void buildButtons();
    QLabel *note(const QString &text);

    static inline int m_chosenMethod = 0;

    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QPushButton *HelpBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *OKBtn = nullptr;
};
