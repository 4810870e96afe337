// The file dialogs, non-native so that their titles, filters and checks are the same
// everywhere. A file dialog never changes the process's working directory.
#include "platform/FileDialogs.h"

#include "platform/DialogPlacement.h"

#include <QFileDialog>

namespace platform {

namespace {

// "*.*" on this platform would hide every file whose name has no dot, so the last entry
// matches every file.
const QStringList fileFilters{
    QStringLiteral("Shroud-a-Pad (*.qvl)"),
    QStringLiteral("Text (*.txt)"),
    QStringLiteral("All Files (*)"),
};

QFileDialog *makeDialog(QWidget *owner, const QString &name, const QString &title) {
    auto *dialog = new QFileDialog(owner, title);
    dialog->setObjectName(name);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->setNameFilters(fileFilters);
    dialog->setDefaultSuffix(QStringLiteral("qvl"));
    dialog->setViewMode(QFileDialog::List);
    placeLikeCommonDialog(dialog);
    return dialog;
}

} // namespace

FileDialogs::FileDialogs(QWidget *owner)
    : m_owner(owner) {}

QFileDialog *FileDialogs::openDialog() {
    if (!m_open) {
        m_open = makeDialog(m_owner, QStringLiteral("OpenDialog1"), QStringLiteral("Open File"));
        m_open->setFileMode(QFileDialog::ExistingFile);
        m_open->setAcceptMode(QFileDialog::AcceptOpen);
    }
    return m_open;
}

QFileDialog *FileDialogs::saveDialog() {
    if (!m_save) {
        m_save = makeDialog(m_owner, QStringLiteral("SaveDialog1"), QStringLiteral("Save File"));
        m_save->setFileMode(QFileDialog::AnyFile);
        m_save->setAcceptMode(QFileDialog::AcceptSave);
    }
    return m_save;
}

QString FileDialogs::askOpenFileName() {
    return ask(openDialog());
}

QString FileDialogs::askSaveFileName(bool proposeArmoured) {
    saveDialog()->selectNameFilter(fileFilters[proposeArmoured ? 0 : 1]);
    return ask(m_save);
}

QString FileDialogs::ask(QFileDialog *dialog) {
    dialog->selectFile(QString());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

} // namespace platform
