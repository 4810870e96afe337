// The display options: font, text colour, background colour and word wrap. They change how
// the text looks, never the text; none of them refreshes the status.
#include "editor/text/TextEditor.h"
#include "editor/window/DisplaySettings.h"
#include "editor/window/MainWindow.h"
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

void MainWindow::chooseFont() {
    const QFont chosen = platform::chooseFont(this, m_editor->font());
    // A font the user chose replaces an unusable stored size; a cancelled dialog keeps it.
    if (chosen != m_editor->font())
        m_unusableStoredFontSize.reset();
    m_editor->setFont(chosen);
}

void MainWindow::chooseTextColor() {
    const QColor drawn = m_editor->palette().color(QPalette::Text);
    if (const auto value = askColorValue(this, m_editor->textColorValue(), drawn))
        m_editor->setTextColorValue(*value);
}

void MainWindow::chooseBackgroundColor() {
    const QColor drawn = m_editor->palette().color(QPalette::Base);
    if (const auto value = askColorValue(this, m_editor->backColorValue(), drawn))
        m_editor->setBackColorValue(*value);
}

// The menu item's check mark has already been inverted when the item was chosen.
void MainWindow::switchWordWrap() {
    m_editor->setWordWrap(actionFor(&MainWindow::switchWordWrap)->isChecked());
}

DisplaySettings MainWindow::displaySettings() const {
    const QFont font = m_editor->font();
    return DisplaySettings{font.family(),
                           m_unusableStoredFontSize.value_or(font.pointSize()),
                           qint32(m_editor->textColorValue()),
                           font.bold(),
                           font.italic(),
                           actionFor(&MainWindow::switchWordWrap)->isChecked(),
                           qint32(m_editor->backColorValue())};
}

// Word wrap is switched on by the Word Wrap command itself, as if chosen from the menu.
void MainWindow::applyDisplaySettings(const DisplaySettings &settings) {
    QFont font = m_editor->font();
    font.setFamily(settings.fontName);
    // An unusable size is kept to be written back; the editor draws with the size it has.
    m_unusableStoredFontSize.reset();
    if (isUsableFontSize(settings.fontSize))
        font.setPointSize(settings.fontSize);
    else
        m_unusableStoredFontSize = settings.fontSize;
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    m_editor->setFont(font);
    m_editor->setTextColorValue(quint32(settings.fontColor));
    QAction *wordWrap = actionFor(&MainWindow::switchWordWrap);
    if (settings.wordWrap != wordWrap->isChecked())
        wordWrap->trigger();
    m_editor->setBackColorValue(quint32(settings.backColor));
}
