// Answers Encrypt's and Decrypt's dialogs from a script and records what they showed.
#include "CommandScript.h"

#include "tests/dialogs/DialogChecks.h"

#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

template <class T> T *child(QWidget *parent, const char *name) {
    auto *found = parent->findChild<T *>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no %s in %s", name, qPrintable(parent->objectName()));
    return found;
}

QString describeMessageBox(QWidget *box, const QLabel *text) {
    QStringList buttons;
    for (const QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->objectName().startsWith(QLatin1String("msg_")))
            buttons << button->objectName().mid(4) + (button->isDefault() ? "*" : "");
    }
    return box->windowTitle() + ": " + text->text() + " [" + buttons.join(' ') + ']';
}

} // namespace

CommandScript::CommandScript(const QStringList &steps) {
    for (const QString &step : steps)
        m_answerer.then([this, step](QWidget *modal) { answer(modal, step); });
}

QString CommandScript::describe(QWidget *modal) {
    QString seen;
    if (const auto *text = modal->findChild<QLabel *>(QStringLiteral("msg_Text"))) {
        seen = describeMessageBox(modal, text);
    } else if (modal->objectName() == QLatin1String("frm_PWord")) {
        seen = "phrase: " + child<QLabel>(modal, "lab_PWord")->text();
        if (modal == m_lastPhraseDialog)
            seen += " again";
        if (!child<QLineEdit>(modal, "txt_PWord")->text().isEmpty())
            seen += " (not empty)";
        m_lastPhraseDialog = modal;
    } else if (modal->objectName() == QLatin1String("Tfrm_EncodeMethod")) {
        seen = child<QRadioButton>(modal, "RadioButton2")->isChecked()
                   ? QStringLiteral("method")
                   : QStringLiteral("method (not Method 01)");
    } else if (modal->objectName() == QLatin1String("Tfrm_Recipients")) {
        seen = QStringLiteral("recipients: %1 keys")
                   .arg(child<QListWidget>(modal, "lst_Recipients")->count());
        if (child<QCheckBox>(modal, "chk_OwnKey")->isVisible())
            seen += QStringLiteral(", own key offered");
        if (const auto *sign = child<QCheckBox>(modal, "chk_Sign");
            sign->isVisible() && !sign->isChecked())
            seen += QStringLiteral(", not signing");
    } else {
        seen = "unexpected " + modal->objectName();
    }
    if (QApplication::overrideCursor() != nullptr)
        seen += " (busy)";
    return seen;
}

void CommandScript::typePhrase(QWidget *dialog, const QString &phrase) {
    dialog_checks::typeText(child<QLineEdit>(dialog, "txt_PWord"), phrase);
    child<QPushButton>(dialog, "cmd_OK")->click();
}

void CommandScript::chooseRecipients(QWidget *dialog, const QString &keys) {
    auto *list = child<QListWidget>(dialog, "lst_Recipients");
    for (const QString &key : keys.split(',', Qt::SkipEmptyParts)) {
        if (key == QLatin1String("-own")) {
            child<QCheckBox>(dialog, "chk_OwnKey")->setChecked(false);
            continue;
        }
        if (key == QLatin1String("+sign") || key == QLatin1String("-sign")) {
            child<QCheckBox>(dialog, "chk_Sign")->setChecked(key.startsWith('+'));
            continue;
        }
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text().contains(key))
                list->item(row)->setCheckState(Qt::Checked);
    }
    child<QPushButton>(dialog, "OKBtn")->click();
}

void CommandScript::answer(QWidget *modal, const QString &step) {
    m_shown << describe(modal);
    perform(modal, step);
}

void CommandScript::perform(QWidget *modal, const QString &step) {
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
    if (verb == QLatin1String("help")) {
        child<QPushButton>(modal, "HelpBtn")->click();
        const platform::HelpWindow *viewer = platform::helpViewer();
        m_helpTopics << (viewer ? viewer->currentTopic() : QStringLiteral("no help viewer"));
        perform(modal, rest);
    } else if (verb == QLatin1String("phrase")) {
        typePhrase(modal, rest);
    } else if (verb == QLatin1String("Method") || verb == QLatin1String("OpenPGP")) {
        for (QRadioButton *choice : modal->findChildren<QRadioButton *>())
            if (choice->text() == step)
                choice->click();
        child<QPushButton>(modal, "OKBtn")->click();
    } else if (verb == QLatin1String("choose")) {
        chooseRecipients(modal, step.section(' ', 1));
    } else if (verb == QLatin1String("press")) {
        child<QPushButton>(modal, qPrintable(rest))->click();
    } else if (verb == QLatin1String("key")) {
        QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, rest == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
    } else if (verb == QLatin1String("frame")) {
        modal->close();
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}
