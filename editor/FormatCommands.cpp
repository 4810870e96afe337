// The Options menu's choice of the document's encoding and line breaks. The choice changes how
// Save writes the text and how its size is counted, never a character of it.
#include "editor/MainWindow.h"
#include "editor/TextEditor.h"

#include <QAction>

namespace {

// "U+0436", "U+1F600": the character's code point as it is usually written.
QString codePoint(const QString &character) {
    const char32_t value = character.size() == 2
                               ? QChar::surrogateToUcs4(character[0], character[1])
                               : character[0].unicode();
    return QStringLiteral("U+%1").arg(uint(value), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

void MainWindow::Windows12521Click() {
    const QString outside = txt_SPad->firstOutsideWindows1252();
    if (!outside.isEmpty()) {
        checkFormatItems();
        refuse(QStringLiteral("The text holds \"%1\" (%2), which Windows-1252 cannot hold.")
                   .arg(outside, codePoint(outside)));
        return;
    }
    changeFormat({cipher::Encoding::Windows1252, false, txt_SPad->format().lineBreaks});
}

void MainWindow::Utf81Click() {
    changeFormat({cipher::Encoding::Utf8, false, txt_SPad->format().lineBreaks});
}

void MainWindow::Utf8WithMark1Click() {
    changeFormat({cipher::Encoding::Utf8, true, txt_SPad->format().lineBreaks});
}

void MainWindow::CrLf1Click() {
    DocumentFormat format = txt_SPad->format();
    format.lineBreaks = LineBreaks::CrLf;
    changeFormat(format);
}

void MainWindow::Lf1Click() {
    DocumentFormat format = txt_SPad->format();
    format.lineBreaks = LineBreaks::Lf;
    changeFormat(format);
}

void MainWindow::changeFormat(const DocumentFormat &format) {
    txt_SPad->setFormat(format);
    checkFormatItems();
    UpdateStatus();
}

void MainWindow::checkFormatItems() {
    const DocumentFormat &format = txt_SPad->format();
    const bool utf8 = format.encoding == cipher::Encoding::Utf8;
    Windows12521->setChecked(!utf8);
    Utf81->setChecked(utf8 && !format.byteOrderMark);
    Utf8WithMark1->setChecked(utf8 && format.byteOrderMark);
    CrLf1->setChecked(format.lineBreaks == LineBreaks::CrLf);
    Lf1->setChecked(format.lineBreaks == LineBreaks::Lf);
}
