// The Open File and Save File dialogs of the main window: titles, filter list, default
// extension, and the file-type choice that Open remembers from one confirmed showing to the
// next.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace platform {

class FileDialogs {
public:
    // The dialogs are made at their first showing and live as long as their owner; their
    // objectNames are "OpenDialog1" and "SaveDialog1".
    explicit FileDialogs(QWidget *owner);

    // The chosen file's full path, or an empty name when the user cancelled. A typed name
    // without an extension that names no file is completed by the default extension "qvl".
    QString askOpenFileName();
    // The save dialog proposes the armoured-file type when the text holds a block; it adds the
    // default extension "qvl" to a typed name without an extension.
    QString askSaveFileName(bool proposeArmoured);

private:
    QFileDialog *openDialog();
    QFileDialog *saveDialog();
    static QString ask(QFileDialog *dialog);

    QWidget *m_owner;
    QFileDialog *m_open = nullptr;
    QFileDialog *m_save = nullptr;
};

} // namespace platform
