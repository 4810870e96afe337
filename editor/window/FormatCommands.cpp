// The Options menu's choice of the document's encoding and line breaks. The choice changes how
// Save writes the text and how its size is counted, never a character of it.
#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

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

void MainWindow::useWindows1252() {
    const QString outside = m_editor->firstOutsideWindows1252();
    if (!outside.isEmpty()) {
        checkFormatItems();
        refuse(tr("The text holds \"%1\" (%2), which Windows-1252 cannot hold.")
                   .arg(outside, codePoint(outside)));
        return;
    }
    changeFormat({cipher::Encoding::Windows1252, false, m_editor->format().lineBreaks});
}

void MainWindow::useUtf8() {
    changeFormat({cipher::Encoding::Utf8, false, m_editor->format().lineBreaks});
}

void MainWindow::useUtf8WithMark() {
    changeFormat({cipher::Encoding::Utf8, true, m_editor->format().lineBreaks});
}

void MainWindow::useCrLfBreaks() {
    DocumentFormat format = m_editor->format();
    format.lineBreaks = LineBreaks::CrLf;
    changeFormat(format);
}

void MainWindow::useLfBreaks() {
    DocumentFormat format = m_editor->format();
    format.lineBreaks = LineBreaks::Lf;
    changeFormat(format);
}

void MainWindow::changeFormat(const DocumentFormat &format) {
    m_editor->setFormat(format);
    checkFormatItems();
    updateStatus();
}

void MainWindow::checkFormatItems() {
    const DocumentFormat &format = m_editor->format();
    const bool utf8 = format.encoding == cipher::Encoding::Utf8;
    actionFor(&MainWindow::useWindows1252)->setChecked(!utf8);
    actionFor(&MainWindow::useUtf8)->setChecked(utf8 && !format.byteOrderMark);
    actionFor(&MainWindow::useUtf8WithMark)->setChecked(utf8 && format.byteOrderMark);
    actionFor(&MainWindow::useCrLfBreaks)->setChecked(format.lineBreaks == LineBreaks::CrLf);
    actionFor(&MainWindow::useLfBreaks)->setChecked(format.lineBreaks == LineBreaks::Lf);
}
