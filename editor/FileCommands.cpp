// Open File and Save File As: the editor's text to and from files, in the file's encoding,
// mark and line breaks.
#include "editor/MainWindow.h"
#include "editor/SPadEditor.h"
#include "platform/Beep.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"

void Tfrm_SPad::btn_OpenClick() {
    const QString name = m_fileDialogs.askOpenFileName();
    if (name.isEmpty())
        return;
    if (txt_SPad->byteLength() > 0) {
        platform::messageBeep(platform::BeepKind::Question);
        const auto answer = platform::showMessageBox(
            this, QStringLiteral("Replace existing text with the contents of the selected file?"),
            platform::MessageKind::Confirmation, platform::Yes | platform::No);
        if (answer == platform::No)
            return;
    }
    loadFile(name);
}

void Tfrm_SPad::loadFile(const QString &path) {
    std::string bytes = platform::readWholeFile(path);
    // The editor holds no zero byte: the text ends at the first one.
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    const DocumentFormat format = formatOfFile(bytes);
    // A file equal to the text changes nothing but the format, and what can be undone stays.
    if (!txt_SPad->loadText(withoutMark(bytes, format), format))
        UpdateStatus();
}

void Tfrm_SPad::btn_SaveClick() {
    if (txt_SPad->byteLength() == 0) {
        refuse(QStringLiteral("There is no text that can be saved."));
        return;
    }
    const QString name = m_fileDialogs.askSaveFileName(IsEncryptedText());
    if (!name.isEmpty())
        platform::saveWholeFile(name, txt_SPad->fileBytes());
}
