// The display options: font, text colour, background colour and word wrap. They change how
// the text looks, never the text; none of them refreshes the status.
#include "editor/DisplaySettings.h"
#include "editor/TextEditor.h"
#include "editor/MainWindow.h"
#include "platform/ColorValue.h"
#include "platform/DisplayDialogs.h"

#include <QAction>

namespace {

// The colour dialog opened on the colour drawn for a value: the new value when the user
// confirmed a colour whose value differs. Confirming on a system colour's reference gives its
// explicit colour, which no longer follows the system's setting; a value that names no colour
// opens on the colour drawn in its place.
std::optional<quint32> askColorValue(QWidget *owner, quint32 current, const QColor &drawn) {
    const std::optional<QColor> chosen = platform::chooseColor(owner, drawn);
    if (!chosen || platform::valueFromColor(*chosen) == current)
        return std::nullopt;
    return platform::valueFromColor(*chosen);
}

} // namespace

void MainWindow::Font1Click() {
    const QFont chosen = platform::chooseFont(this, txt_SPad->font());
    // A font the user chose replaces an unusable stored size; a cancelled dialog keeps it.
    if (chosen != txt_SPad->font())
        m_unusableStoredFontSize.reset();
    txt_SPad->setFont(chosen);
}

void MainWindow::TextColor1Click() {
    const QColor drawn = txt_SPad->palette().color(QPalette::Text);
    if (const auto value = askColorValue(this, txt_SPad->textColorValue(), drawn))
        txt_SPad->setTextColorValue(*value);
}

void MainWindow::BackgroundColor1Click() {
    const QColor drawn = txt_SPad->palette().color(QPalette::Base);
    if (const auto value = askColorValue(this, txt_SPad->backColorValue(), drawn))
        txt_SPad->setBackColorValue(*value);
}

// The menu item's check mark has already been inverted when the item was chosen.
void MainWindow::WordWrap1Click() {
    txt_SPad->setWordWrap(WordWrap1->isChecked());
}

DisplaySettings MainWindow::displaySettings() const {
    const QFont font = txt_SPad->font();
    return DisplaySettings{font.family(),
                           m_unusableStoredFontSize.value_or(font.pointSize()),
                           qint32(txt_SPad->textColorValue()),
                           font.bold(),
                           font.italic(),
                           WordWrap1->isChecked(),
                           qint32(txt_SPad->backColorValue())};
}

// Word wrap is switched on by the Word Wrap command itself, as if chosen from the menu.
void MainWindow::applyDisplaySettings(const DisplaySettings &settings) {
    QFont font = txt_SPad->font();
    font.setFamily(settings.fontName);
    // An unusable size is kept to be written back; the editor draws with the size it has.
    m_unusableStoredFontSize.reset();
    if (isUsableFontSize(settings.fontSize))
        font.setPointSize(settings.fontSize);
    else
        m_unusableStoredFontSize = settings.fontSize;
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    txt_SPad->setFont(font);
    txt_SPad->setTextColorValue(quint32(settings.fontColor));
    if (settings.wordWrap != WordWrap1->isChecked())
        WordWrap1->trigger();
    txt_SPad->setBackColorValue(quint32(settings.backColor));
}
