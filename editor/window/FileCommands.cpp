// Open File and Save File As: the editor's text to and from files, in the file's encoding,
// mark and line breaks.
#include "editor/text/EditorCapacity.h"
#include "editor/text/FileText.h"
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"

namespace {

platform::Failure exceedsCapacity() {
    return platform::Failure(MainWindow::tr("Text exceeds memo capacity"));
}

// The editor ends its text at a zero byte; what the file holds after it is said, so that
// nobody saves over the file unaware of the loss.
void warnOfZeroByte(QWidget *parent, std::size_t bytesAfter) {
    // One message per count, so that a translation inflects the count within the whole.
    const QString words = bytesAfter == 1
                              ? MainWindow::tr("The text ends at a zero byte in the file.  "
                                               "The 1 byte after it was not loaded.")
                              : MainWindow::tr("The text ends at a zero byte in the file.  "
                                               "The %n bytes after it were not loaded.",
                                               nullptr, int(bytesAfter));
    platform::beepAndShowMessageBox(parent, words, platform::MessageKind::Warning, platform::Ok);
}

} // namespace

void MainWindow::openFile() {
    const QString name = m_fileDialogs.askOpenFileName();
    if (name.isEmpty())
        return;
    if (m_editor->byteLength() > 0) {
        const auto answer = platform::beepAndShowMessageBox(
            this, tr("Replace existing text with the contents of the selected file?"),
            platform::MessageKind::Confirmation, platform::Yes | platform::No);
        if (answer == platform::No)
            return;
    }
    loadFile(name);
}

void MainWindow::loadFile(const QString &path) {
    // A larger file is refused before it is read, so it cannot exhaust memory.
    std::optional<std::string> bytes = platform::readWholeFile(path, editor_capacity::fileBytes);
    if (!bytes)
        throw exceedsCapacity();
    // The editor holds no zero byte: the text ends at the first one.
    const std::size_t zero = bytes->find('\0');
    const bool cut = zero != std::string::npos;
    const std::size_t bytesAfterZero = cut ? bytes->size() - zero - 1 : 0;
    bytes->resize(std::min(zero, bytes->size()));
    if (!editor_capacity::holdsLines(*bytes))
        throw exceedsCapacity();
    FileText file = fileText(std::move(*bytes));
    // A file equal to the text changes nothing but the format, and what can be undone stays.
    if (!m_editor->loadText(file.characters, file.format, std::move(file.lines)))
        updateStatus();
    if (cut)
        warnOfZeroByte(isVisible() ? this : nullptr, bytesAfterZero);
}

void MainWindow::saveFileAs() {
    if (m_editor->byteLength() == 0) {
        refuse(tr("There is no text that can be saved."));
        return;
    }
    const QString name = m_fileDialogs.askSaveFileName(holdsArmouredBlock());
    if (!name.isEmpty())
        platform::saveWholeFile(name, m_editor->fileBytes());
}
