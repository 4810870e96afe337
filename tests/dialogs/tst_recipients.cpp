// Tests of the OpenPGP recipients dialog: its look, choosing keys by keyboard, the filter, the
// own-key choice, the ways out, what a screen reader is told, and the Help topic.
#include "DialogChecks.h"
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "dialogs/RecipientsDialog.h"
#include "platform/Help.h"
#include "platform/HelpWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// Zoë's key stands for the user's own.
const std::vector<cipher::RecipientKey> keyring{
    {"0123456789ABCDEF0123456789ABCDEF01234567",
     {"Ann Example <ann@example.org>", "Ann at Work <ann@work.example>"},
     false,
     cipher::KeyValidity::Full},
    {"FEDCBA9876543210FEDCBA9876543210FEDCBA98", {"Bob Builder <bob@example.net>"}},
    {"1111222233334444555566667777888899990000", {"Zoë Ürgüp <zoe@example.org>"}, true},
};

// The dialog over an empty keyring, as the modality check makes it.
class EmptyRecipientsDialog : public RecipientsDialog {
public:
    explicit EmptyRecipientsDialog(QWidget *parent)
        : RecipientsDialog({}, parent) {}
};

} // namespace

class TestRecipientsDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void layoutAndLook();
    void keysAreChosenByKeyboard();
    void keysWithOneNameAreToldApart();
    void otherWaysOutAreNotOk_data();
    void otherWaysOutAreNotOk();
    void filterShowsMatchingKeys_data();
    void filterShowsMatchingKeys();
    void hiddenKeysStayChosen();
    void ownKeyChoice_data();
    void ownKeyChoice();
    void signingChoice_data();
    void signingChoice();
    void emptyKeyringMeansAPhrase();
    void screenReaderNamesEveryControl();
    void everyWordGoesThroughTheCatalogue();
    void helpButtonKeepsChoiceAndFocus();
    void helpViewerIsUsableWhileDialogWaits();

private:
    void open(const std::vector<cipher::RecipientKey> &keys = keyring) {
        m_dialog = new RecipientsDialog(keys);
        m_dialog->open();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    }
    template <class Widget> Widget *child(const char *name) const {
        return m_dialog->findChild<Widget *>(name);
    }
    QListWidget *list() const { return child<QListWidget>("lst_Recipients"); }
    QStringList shownRows() const {
        QStringList shown;
        for (int row = 0; row < list()->count(); ++row)
            if (!list()->item(row)->isHidden())
                shown << list()->item(row)->text().section('\n', 0, 0);
        return shown;
    }
    void check(int row) { list()->item(row)->setCheckState(Qt::Checked); }

    RecipientsDialog *m_dialog = nullptr;
};

void TestRecipientsDialog::initTestCase() {
    platform::setHelpFile(QStringLiteral("QVL.HLP"));
}

void TestRecipientsDialog::cleanupTestCase() {
    delete platform::helpViewer();
}

void TestRecipientsDialog::cleanup() {
    delete m_dialog;
    m_dialog = nullptr;
}

void TestRecipientsDialog::layoutAndLook() {
    open();
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Tfrm_Recipients"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("OpenPGP Recipients"));
    QVERIFY(dialog_checks::centredOnScreen(m_dialog));
    QCOMPARE(m_dialog->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(m_dialog->focusWidget()->objectName(), QStringLiteral("txt_Filter"));

    QCOMPARE(list()->count(), 3);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("Ann Example <ann@example.org>\n"
                                                     "Ann at Work <ann@work.example>\n"
                                                     "0123 4567 89AB CDEF 0123  4567 89AB CDEF "
                                                     "0123 4567\n"
                                                     "Validity: full"));
    QCOMPARE(list()->item(2)->text().section('\n', 0, 0),
             QStringLiteral("Zoë Ürgüp <zoe@example.org>"));
    for (int row = 0; row < list()->count(); ++row)
        QCOMPARE(list()->item(row)->checkState(), Qt::Unchecked);
    QCOMPARE(child<QLabel>("lab_Chosen")->text(),
             QStringLiteral("No key chosen: the text will be protected by a phrase."));
    QCOMPARE(child<QCheckBox>("chk_OwnKey")->text(), QStringLiteral("Also to my own key"));
    QCOMPARE(child<QLabel>("lab_OwnKey")->text(),
             QStringLiteral("Zoë Ürgüp <zoe@example.org>\n"
                            "1111 2222 3333 4444 5555  6666 7777 8888 9999 0000"));
    QVERIFY(child<QPushButton>("OKBtn")->isDefault());
    QCOMPARE(dialog_checks::clippedTexts(m_dialog), QStringList());
}

// Tab from the filter reaches the list, Space checks the current key, the arrows move, and
// Enter anywhere is OK.
void TestRecipientsDialog::keysAreChosenByKeyboard() {
    open();
    QCOMPARE(dialog_checks::tabOrder(m_dialog),
             QStringList({"txt_Filter", "lst_Recipients", "OKBtn", "CancelBtn", "HelpBtn"}));
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Space);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Space);
    QCOMPARE(child<QLabel>("lab_Chosen")->text(), QStringLiteral("2 keys chosen."));
    // The own-key choice joins the tab order once there is a key to add it to.
    QCOMPARE(dialog_checks::tabOrder(m_dialog),
             QStringList(
                 {"lst_Recipients", "chk_OwnKey", "OKBtn", "CancelBtn", "HelpBtn", "txt_Filter"}));

    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->chosenFingerprints(),
             std::vector({keyring[0].fingerprint, keyring[2].fingerprint}));
    QVERIFY(m_dialog->alsoToOwnKey());
}

// Two keys with one user ID differ in their fingerprints and in what the keyring's trust
// proves of them.
void TestRecipientsDialog::keysWithOneNameAreToldApart() {
    const std::string name = "Friend <friend@example.org>";
    open(
        {{"AAAA0000BBBB1111CCCC2222DDDD3333EEEE4444", {name}, false, cipher::KeyValidity::Ultimate},
         {"FFFF5555AAAA6666BBBB7777CCCC8888DDDD9999", {name}, false, cipher::KeyValidity::Unknown},
         {"1234123412341234123412341234123412341234", {name}, false, cipher::KeyValidity::Marginal},
         {"5678567856785678567856785678567856785678", {name}, false, cipher::KeyValidity::Never}});
    QStringList captions;
    for (int row = 0; row < list()->count(); ++row)
        captions << list()->item(row)->text().section('\n', 1);
    QCOMPARE(captions,
             QStringList({"AAAA 0000 BBBB 1111 CCCC  2222 DDDD 3333 EEEE 4444\nValidity: ultimate",
                          "FFFF 5555 AAAA 6666 BBBB  7777 CCCC 8888 DDDD 9999\n"
                          "Validity: unknown (the name is not proven)",
                          "1234 1234 1234 1234 1234  1234 1234 1234 1234 1234\n"
                          "Validity: marginal (the name is not proven)",
                          "5678 5678 5678 5678 5678  5678 5678 5678 5678 5678\n"
                          "Validity: never (the keyring's trust denies the name)"}));
    QCOMPARE(dialog_checks::clippedTexts(m_dialog), QStringList());
}

void TestRecipientsDialog::otherWaysOutAreNotOk_data() {
    dialog_checks::addWaysOutRows("CancelBtn");
}

void TestRecipientsDialog::otherWaysOutAreNotOk() {
    QFETCH(QString, way);
    RecipientsDialog dialog(keyring);
    ModalAnswerer answerer;
    answerer.then([way](QWidget *modal) {
        modal->findChild<QListWidget *>("lst_Recipients")->item(1)->setCheckState(Qt::Checked);
        dialog_checks::leaveBy(modal, way);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answerer.done());
}

void TestRecipientsDialog::filterShowsMatchingKeys_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    const QString ann = "Ann Example <ann@example.org>";
    const QString bob = "Bob Builder <bob@example.net>";
    const QString zoe = QStringLiteral("Zoë Ürgüp <zoe@example.org>");
    QTest::newRow("blank") << "  " << QStringList{ann, bob, zoe};
    QTest::newRow("name, other case") << "bOB" << QStringList{bob};
    QTest::newRow("second user ID") << "work.example" << QStringList{ann};
    QTest::newRow("domain shared") << "example.org" << QStringList{ann, zoe};
    QTest::newRow("accented letters") << QStringLiteral("ürgüp") << QStringList{zoe};
    QTest::newRow("fingerprint grouped, small letters") << "ba98 7654" << QStringList{bob};
    QTest::newRow("no key") << "nobody" << QStringList{};
}

void TestRecipientsDialog::filterShowsMatchingKeys() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    open();
    dialog_checks::typeText(child<QLineEdit>("txt_Filter"), filter);
    QCOMPARE(shownRows(), shown);
    // The keyboard starts on the first key shown.
    QListWidgetItem *current = list()->currentItem();
    QCOMPARE(current ? current->text().section('\n', 0, 0) : QString(), shown.value(0));
}

void TestRecipientsDialog::hiddenKeysStayChosen() {
    open();
    check(1);
    child<QLineEdit>("txt_Filter")->setText("ann");
    check(0);
    QCOMPARE(shownRows(), QStringList{"Ann Example <ann@example.org>"});
    QCOMPARE(child<QLabel>("lab_Chosen")->text(), QStringLiteral("2 keys chosen."));
    QCOMPARE(m_dialog->chosenFingerprints(),
             std::vector({keyring[0].fingerprint, keyring[1].fingerprint}));
}

void TestRecipientsDialog::ownKeyChoice_data() {
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("keyChosen");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("alsoToOwnKey");
    QTest::newRow("own key, a key chosen") << true << true << false << true << true << true;
    QTest::newRow("own key, cleared") << true << true << true << true << true << false;
    QTest::newRow("own key, no key chosen") << true << false << false << true << false << false;
    QTest::newRow("no own key") << false << true << false << false << true << false;
}

void TestRecipientsDialog::ownKeyChoice() {
    QFETCH(bool, offered);
    QFETCH(bool, keyChosen);
    QFETCH(bool, cleared);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    QFETCH(bool, alsoToOwnKey);
    std::vector<cipher::RecipientKey> keys = keyring;
    keys[2].ownKey = offered;
    open(keys);
    auto *ownKey = child<QCheckBox>("chk_OwnKey");
    QCOMPARE(ownKey->isChecked(), offered);
    if (keyChosen)
        check(0);
    if (cleared)
        QTest::keyClick(ownKey, Qt::Key_Space);
    QCOMPARE(ownKey->isVisible(), shown);
    QCOMPARE(ownKey->isEnabled(), enabled);
    QCOMPARE(m_dialog->alsoToOwnKey(), alsoToOwnKey);
    QCOMPARE(child<QLabel>("lab_OwnKey") != nullptr && child<QLabel>("lab_OwnKey")->isVisible(),
             shown);
}

void TestRecipientsDialog::signingChoice_data() {
    QTest::addColumn<bool>("signerKnown");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("lastChecked"); // as the settings file kept it
    QTest::addColumn<bool>("keyChosen");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    const QString expired = QStringLiteral("The key Ann cannot sign: it has expired.");
    QTest::newRow("a key that signs") << true << QString() << true << true << true << true;
    QTest::newRow("left clear last time") << true << QString() << false << true << false << true;
    QTest::newRow("no key chosen") << true << QString() << true << false << true << false;
    QTest::newRow("a key that cannot sign") << true << expired << true << true << false << true;
    QTest::newRow("no secret key")
        << false << QStringLiteral("No secret key.") << true << true << false << false;
}

// The box names the signing key (and why it cannot sign) and is checked as last left only
// when the key can sign; it signs only while a key is chosen.
void TestRecipientsDialog::signingChoice() {
    QFETCH(bool, signerKnown);
    QFETCH(QString, refusal);
    QFETCH(bool, lastChecked);
    QFETCH(bool, keyChosen);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    open();
    const auto signer = signerKnown ? std::optional(keyring[0]) : std::nullopt;
    m_dialog->offerSigning(signer, refusal, lastChecked);
    if (keyChosen)
        check(1);
    auto *box = child<QCheckBox>("chk_Sign");
    QVERIFY(box->isVisible());
    QCOMPARE(box->isChecked(), checked);
    QCOMPARE(box->isEnabled(), enabled);
    QCOMPARE(m_dialog->signs(), checked && enabled);
    const QString label = child<QLabel>("lab_Signer")->text();
    QCOMPARE(label.contains("Ann Example <ann@example.org>\n0123 4567"), signerKnown);
    QVERIFY(label.endsWith(refusal));
}

void TestRecipientsDialog::emptyKeyringMeansAPhrase() {
    open({});
    QCOMPARE(list()->count(), 0);
    QCOMPARE(child<QLabel>("lab_Chosen")->text(),
             QStringLiteral("The keyring holds no key that can encrypt.  "
                            "The text will be protected by a phrase."));
    QTest::keyClick(child<QLineEdit>("txt_Filter"), Qt::Key_Return);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(m_dialog->chosenFingerprints().empty());
    QVERIFY(!m_dialog->alsoToOwnKey());
}

void TestRecipientsDialog::screenReaderNamesEveryControl() {
    open();
    check(1);
    const auto name = [](QObject *object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    QCOMPARE(name(child<QLineEdit>("txt_Filter")), QStringLiteral("Filter"));
    QCOMPARE(name(list()), QStringLiteral("Keys to encrypt to"));
    QCOMPARE(name(child<QCheckBox>("chk_OwnKey")), QStringLiteral("Also to my own key"));
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QCheckBox>("chk_OwnKey"))
                 ->text(QAccessible::Description),
             QStringLiteral("Zoë Ürgüp <zoe@example.org>, fingerprint "
                            "1111 2222 3333 4444 5555  6666 7777 8888 9999 0000"));

    QAccessibleInterface *keys = QAccessible::queryAccessibleInterface(list());
    QCOMPARE(keys->childCount(), 3);
    QAccessibleInterface *bob = keys->child(1);
    QVERIFY(bob->text(QAccessible::Name).startsWith("Bob Builder <bob@example.net>"));
    QVERIFY(bob->state().checkable);
    QVERIFY(bob->state().checked);
    QVERIFY(!keys->child(0)->state().checked);
}

// Every word but the keys' own: their user IDs and fingerprints. The count is a numerus form.
void TestRecipientsDialog::everyWordGoesThroughTheCatalogue() {
    const MarkingTranslator marking;
    open();
    check(0);
    check(1);
    QCOMPARE(unmarkedTexts(m_dialog), QStringList{child<QLabel>("lab_OwnKey")->text()});
    QCOMPARE(child<QLabel>("lab_Chosen")->text(),
             QStringLiteral("{RecipientsDialog}2 keys chosen."));
    QCOMPARE(list()->item(0)->text().section('\n', -1),
             QStringLiteral("{RecipientsDialog}Validity: full"));
    QVERIFY(child<QLineEdit>("txt_Filter")->placeholderText().startsWith("{RecipientsDialog}"));
    QVERIFY(list()->accessibleName().startsWith("{RecipientsDialog}"));
}

void TestRecipientsDialog::helpButtonKeepsChoiceAndFocus() {
    open();
    check(2);
    QWidget *focus = m_dialog->focusWidget();
    QTest::mouseClick(child<QPushButton>("HelpBtn"), Qt::LeftButton);
    QVERIFY(platform::helpViewer());
    QCOMPARE(platform::helpViewer()->currentTopic(), QStringLiteral("Help_Recipients"));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->chosenFingerprints(), std::vector{keyring[2].fingerprint});
    QCOMPARE(m_dialog->focusWidget(), focus);
}

void TestRecipientsDialog::helpViewerIsUsableWhileDialogWaits() {
    dialog_checks::checkHelpViewerUsableWhileWaiting<EmptyRecipientsDialog>("CancelBtn");
}

QTEST_MAIN(TestRecipientsDialog)
#include "tst_recipients.moc"
