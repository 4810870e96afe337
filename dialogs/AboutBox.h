// The About box: the program's picture, name, version and platform, and the project's contact
// lines, built afresh and shown modally each time the Help menu asks for it.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <span>

class QGridLayout;
class QLabel;

// Turns a complemented text back: each stored byte b becomes 255 - b, first to last, into a
// text of the same length.
QByteArray uncomplement(std::span<const unsigned char> stored);

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createPicturePanel();
    QWidget *createTitle();
    QLayout *createTextColumn();
    QLayout *createButtonRow();
    void keepOkInTheMiddle();
    void showOpeningTexts();

    QLabel *m_versionLine = nullptr;
    QLabel *m_platformBits = nullptr;
    QLabel *m_mailLine = nullptr;
    QLabel *m_webLine = nullptr;
    QGridLayout *m_buttonRow = nullptr;
    QLayout *m_platformLine = nullptr;
};

// The About command: creates a fresh box owned by the owner, shows it modally until the user
// closes it, and destroys it.
void showAboutBox(QWidget *owner);
