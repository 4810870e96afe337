// Test helper: answers the dialogs and boxes that Encrypt and Decrypt open, one scripted step
// each, and records what each of them showed, so a test compares the whole exchange at once.
#pragma once

#include "ModalAnswerer.h"

#include <QPointer>
#include <QStringList>

class QWidget;

class CommandScript {
public:
    // One step per modal widget, in order:
    //   "phrase TEXT"  types TEXT (possibly nothing) in the passphrase dialog and presses OK
    //   "help STEP"    presses the dialog's Help first, then takes the step
    //   "Method 00" ... "OpenPGP"           chooses the method of that caption and presses OK
    //   "choose A,B"   checks the keys of the recipients dialog whose text holds A, B, ...
    //                  (none for plain "choose"), clears "Also to my own key" for the part
    //                  "-own", checks or clears "Sign with my own key" for "+sign" or "-sign",
    //                  and presses OK
    //   "press NAME"   presses the button of that objectName ("msg_Retry", "cmd_Cancel", ...)
    //   "key Escape", "key Enter"  sends the key to the widget's focus
    //   "frame"        closes the widget by its frame
    explicit CommandScript(const QStringList &steps);

    bool done() const { return m_answerer.done(); }

    // One line per widget answered:
    //   "phrase: PROMPT", with " again" when the same dialog as the previous prompt is shown
    //   again, and " (not empty)" when its entry did not start empty;
    //   "method", with " (not Method 01)" when Method 01 was not selected at the showing;
    //   "recipients: N keys", with ", own key offered" when "Also to my own key" is shown and
    //   ", not signing" when "Sign with my own key" is shown unchecked;
    //   "TITLE: TEXT [BUTTONS]" for a message box, its buttons in order, the default one
    //   marked "*";
    //   each followed by " (busy)" when the busy cursor was showing.
    const QStringList &shown() const { return m_shown; }
    // The help topic shown after each press of a dialog's Help button.
    const QStringList &helpTopics() const { return m_helpTopics; }

private:
    void answer(QWidget *modal, const QString &step);
    void perform(QWidget *modal, const QString &step);
    QString describe(QWidget *modal);
    void typePhrase(QWidget *dialog, const QString &phrase);
    void chooseRecipients(QWidget *dialog, const QString &keys);

    ModalAnswerer m_answerer;
    QStringList m_shown;
    QStringList m_helpTopics;
    QPointer<QWidget> m_lastPhraseDialog;
};
