// The encoding-method dialog MethodDialog: the choice among the table's methods, each with its
// note, for one run of Encrypt With Specific Method. It opens with the method of plain Encrypt
// selected.
#pragma once

#include <QDialog>
#include <QList>

namespace cipher {
struct Method;
}

class QLabel;
class QPushButton;
class QRadioButton;

class MethodDialog : public QDialog {
    Q_OBJECT

public:
    explicit MethodDialog(QWidget *parent = nullptr);

    // The method of the last OK; null before any.
    const cipher::Method *chosenMethod() const { return m_chosenMethod; }

    // Takes the selected method and closes with OK; without a selection it says so and
    // the dialog stays open.
    void acceptChoice();
    // Jumps to the help topic of the dialog; choice and focus stay as they are.
    void showHelp();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildChoices();
    void buildButtons();
    QLabel *note(const QString &text);

    const cipher::Method *m_chosenMethod = nullptr;

    // One choice per method of the table, in its order.
    QList<QRadioButton *> m_methodChoices;
    QRadioButton *m_preselected = nullptr;
    QPushButton *m_helpButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_okButton = nullptr;
};
