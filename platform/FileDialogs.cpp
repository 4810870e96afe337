// The file dialogs, non-native so that their titles, filters and checks are the same
// everywhere. A file dialog never changes the process's working directory.
#include "platform/FileDialogs.h"

#include "platform/DialogPlacement.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

namespace platform {

namespace {

// The file types in the user's language, each followed by its pattern. "*.*" on this platform
// would hide every file whose name has no dot, so the last entry matches every file. The
// program's name is a term and stays as it is.
QStringList fileFilters() {
    const QString type = QStringLiteral("%1 (%2)");
    return {
        type.arg(QStringLiteral("Shroud-a-Pad"), QStringLiteral("*.qvl")),
        //: The type of plain text files, shown before its pattern "(*.txt)".
        type.arg(QCoreApplication::translate("FileDialogs", "Text"), QStringLiteral("*.txt")),
        type.arg(QCoreApplication::translate("FileDialogs", "All Files"), QStringLiteral("*")),
    };
}

const QString defaultExtension = QStringLiteral("qvl");

// The extension a name typed without one gets: the chosen file type's, so that plain text
// saved as Text never lands in a file that looks encrypted; the default for the others.
QString extensionOfType(const QString &nameFilter) {
    return nameFilter == fileFilters()[1] ? QStringLiteral("txt") : defaultExtension;
}

// The field in which the user types the file's name.
QLineEdit *nameField(QFileDialog *dialog) {
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// The toolkit adds its default suffix to every name without a dot, in the open dialog too, so
// a file such as "README" could never be opened. This dialog completes a typed name with the
// default extension only when the name as typed is no file and the completed one is.
class OpenFileDialog : public QFileDialog {
public:
    explicit OpenFileDialog(QWidget *owner)
        : QFileDialog(owner, QCoreApplication::translate("FileDialogs", "Open File")) {}

protected:
    void accept() override {
        const QStringList typed = selectedFiles();
        if (typed.size() == 1)
            completeName(typed.constFirst());
        QFileDialog::accept();
    }

private:
    void completeName(const QString &typed) {
        const QFileInfo asTyped(typed);
        const QString completed = typed + u'.' + defaultExtension;
        QLineEdit *field = nameField(this);
        if (field != nullptr && !asTyped.exists() && !asTyped.fileName().contains(u'.') &&
            QFileInfo::exists(completed))
            field->setText(completed);
    }
};

// The toolkit's save dialog takes a name in a folder that does not exist, and only the save
// itself would then fail. A name typed without an extension gets the chosen type's. The path must
// exist: the dialog refuses such a name itself, with a box of its own like the one that refuses a
// missing file to open, and stays open.
class SaveFileDialog : public QFileDialog {
public:
    explicit SaveFileDialog(QWidget *owner)
        : QFileDialog(owner, QCoreApplication::translate("FileDialogs", "Save File")) {}

protected:
    void accept() override {
        setDefaultSuffix(extensionOfType(selectedNameFilter()));
        const QStringList typed = selectedFiles();
        const QString folder =
            typed.size() == 1 ? QFileInfo(typed.constFirst()).absolutePath() : QString();
        if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
            QMessageBox::warning(
                this, windowTitle(),
                QCoreApplication::translate("FileDialogs",
                                            "%1\nDirectory not found.\nPlease verify the correct "
                                            "directory name was given.")
                    .arg(QDir::toNativeSeparators(folder)));
            return;
        }
        QFileDialog::accept();
    }
};

// The list of names that the name field proposes is a window of its own, and the toolkit
// leaves it open when the dialog closes while it shows (Alt+S with the list open): it goes
// with the dialog.
void closeProposalsWithDialog(QFileDialog *dialog) {
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        const QLineEdit *field = nameField(dialog);
        if (field != nullptr && field->completer() != nullptr)
            field->completer()->popup()->hide();
    });
}

QFileDialog *prepared(QFileDialog *dialog, const QString &name) {
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->setNameFilters(fileFilters());
    dialog->setViewMode(QFileDialog::List);
    placeLikeCommonDialog(dialog);
    closeProposalsWithDialog(dialog);
    return dialog;
}

} // namespace

namespace {

// The toolkit's file dialogs write the folders they visited (a recently-used list) into a
// settings file of their own as they go; the program keeps no such record, so that file is
// pointed where nothing can be written. The program's own settings are not kept that way.
void keepNoRecordOfFolders() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

} // namespace

FileDialogs::FileDialogs(QWidget *owner)
    : m_owner(owner) {
    keepNoRecordOfFolders();
}

QFileDialog *FileDialogs::openDialog() {
    if (!m_open) {
        m_open = prepared(new OpenFileDialog(m_owner), QStringLiteral("OpenDialog1"));
        m_open->setFileMode(QFileDialog::ExistingFile);
        m_open->setAcceptMode(QFileDialog::AcceptOpen);
    }
    return m_open;
}

QFileDialog *FileDialogs::saveDialog() {
    if (!m_save) {
        m_save = prepared(new SaveFileDialog(m_owner), QStringLiteral("SaveDialog1"));
        m_save->setFileMode(QFileDialog::AnyFile);
        m_save->setAcceptMode(QFileDialog::AcceptSave);
        m_save->setDefaultSuffix(defaultExtension);
    }
    return m_save;
}

// Only a confirmed Open moves the file type that the next one starts from.
QString FileDialogs::askOpenFileName() {
    QFileDialog *dialog = openDialog();
    const QString startingType = dialog->selectedNameFilter();
    const QString name = ask(dialog);
    if (name.isEmpty())
        dialog->selectNameFilter(startingType);
    return name;
}

QString FileDialogs::askSaveFileName(bool proposeArmoured) {
    const QString proposed = fileFilters()[proposeArmoured ? 0 : 1];
    saveDialog()->selectNameFilter(proposed);
    m_save->setDefaultSuffix(extensionOfType(proposed));
    return ask(m_save);
}

QString FileDialogs::ask(QFileDialog *dialog) {
    // The toolkit ignores the selection of an empty name, so the field is emptied itself.
    if (QLineEdit *field = nameField(dialog))
        field->clear();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

} // namespace platform
