// What a screen reader finds in the accessible tree: the passphrase entry named and labelled by
// its prompt, message boxes as alerts that carry their text, the About box's title read once,
// and the editor named for what it is.
#include "ModalAnswerer.h"
#include "WindowUnderTest.h"

#include "dialogs/AboutBox.h"
#include "dialogs/PassphraseDialog.h"
#include "platform/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

namespace {

QAccessibleInterface *accessible(QObject *object) {
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (interface == nullptr)
        qFatal("no accessible interface");
    return interface;
}

// The names of the nodes under the interface that a screen reader reads: those not reported
// invisible, depth first.
QStringList readNames(QAccessibleInterface *interface) {
    QStringList names;
    if (interface->state().invisible)
        return names;
    names << interface->text(QAccessible::Name);
    for (int i = 0; i < interface->childCount(); ++i)
        names << readNames(interface->child(i));
    return names;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void passphraseEntryNamedByItsPrompt_data();
    void passphraseEntryNamedByItsPrompt();
    void messageBoxIsAnAlert_data();
    void messageBoxIsAnAlert();
    void aboutBoxTitleReadOnce();
    void editorNamedForWhatItIs();
};

void TestAccessibility::passphraseEntryNamedByItsPrompt_data() {
    QTest::addColumn<QString>("prompt");
    QTest::newRow("choose") << "Enter a phrase to password-protect (if desired):";
    QTest::newRow("confirm") << "Re-enter the phrase to confirm:";
}

void TestAccessibility::passphraseEntryNamedByItsPrompt() {
    QFETCH(QString, prompt);
    PassphraseDialog dialog;
    dialog.setPrompt(QStringLiteral("an earlier prompt"));
    dialog.setPrompt(prompt);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *entry = dialog.findChild<QLineEdit *>(QStringLiteral("txt_PWord"));
    QAccessibleInterface *field = accessible(entry);
    QCOMPARE(field->role(), QAccessible::EditableText);
    QVERIFY(field->state().passwordEdit);
    QCOMPARE(field->text(QAccessible::Name), prompt);
    const auto labels = field->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object()->objectName(), QStringLiteral("lab_PWord"));
    QCOMPARE(labels.first().first->text(QAccessible::Name), prompt);
}

void TestAccessibility::messageBoxIsAnAlert_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("warning") << int(platform::MessageKind::Warning) << "Warning";
    QTest::newRow("error") << int(platform::MessageKind::Error) << "Error";
    QTest::newRow("information") << int(platform::MessageKind::Information) << "Information";
    QTest::newRow("confirmation") << int(platform::MessageKind::Confirmation) << "Confirm";
}

void TestAccessibility::messageBoxIsAnAlert() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    const QString text = QStringLiteral("Checksum error.  The text may be damaged.");
    QAccessible::Role role = QAccessible::NoRole;
    QStringList texts, read;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        QAccessibleInterface *alert = accessible(box);
        role = alert->role();
        for (const auto which : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
            texts << alert->text(which);
        read = readNames(alert);
        box->close();
    });
    platform::showMessageBox(nullptr, text, platform::MessageKind(kind), platform::Ok);
    QVERIFY(answerer.done());
    QCOMPARE(role, QAccessible::AlertMessage);
    QCOMPARE(texts, (QStringList{title, text, text}));
    QVERIFY(read.contains(text));
}

void TestAccessibility::aboutBoxTitleReadOnce() {
    QStringList names;
    bool copyDrawn = false;
    ModalAnswerer answerer;
    answerer.then([&](QWidget *box) {
        names = readNames(accessible(box));
        copyDrawn = box->findChild<QWidget *>(QStringLiteral("Label2"))->isVisible();
        box->close();
    });
    showAboutBox(nullptr);
    QVERIFY(answerer.done());
    QCOMPARE(names.count(QStringLiteral("Shroud-a-Pad")), 1);
    QVERIFY(names.contains(QStringLiteral("Version 1.22 - Oct 15, 1996")));
    // The hidden copy is still drawn.
    QVERIFY(copyDrawn);
}

void TestAccessibility::editorNamedForWhatItIs() {
    WindowUnderTest w;
    QAccessibleInterface *editor = accessible(w.editor());
    QCOMPARE(editor->role(), QAccessible::EditableText);
    QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("Text editor"));
    QVERIFY(readNames(accessible(&w.window())).contains(QStringLiteral("Text editor")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
