// The editor's look: its text and background colours as colour values, and word wrap.
#include "editor/text/TextEditor.h"

#include "platform/ColorValue.h"
#include "platform/Readability.h"

#include <QApplication>
#include <QScrollBar>

namespace {

// A value that names no colour draws with the colour the window was created with.
QColor colorOrDefault(quint32 value, QPalette::ColorRole role, const QColor &fallback) {
    const QPalette system = QApplication::palette();
    const QColor color = platform::colorFromValue(value, system);
    return color.isValid() ? color : (fallback.isValid() ? fallback : system.color(role));
}

// The layout's black on the system's window colour would not read on a dark theme, whose
// window colour is dark: there the theme's own text colour is drawn instead. The values stay
// as they are, so the settings file keeps them, and a light theme draws black as before.
QColor drawnTextColor(quint32 text, quint32 back) {
    const QPalette system = QApplication::palette();
    if (text == TextEditor::layoutTextColor && back == platform::windowColorValue &&
        platform::isDarkPalette(system, QPalette::Base))
        return system.color(QPalette::Text);
    return colorOrDefault(text, QPalette::Text, Qt::black);
}

} // namespace

void TextEditor::setTextColorValue(quint32 value) {
    m_textColor = value;
    applyColors();
}

void TextEditor::setBackColorValue(quint32 value) {
    m_backColor = value;
    applyColors();
}

// The selection keeps its highlight while the editor does not have the focus.
void TextEditor::applyColors() {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, drawnTextColor(m_textColor, m_backColor));
    colors.setColor(QPalette::Base, colorOrDefault(m_backColor, QPalette::Base, QColor()));
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);
}

// The scroll bars stand whether or not the text needs them, as the editor is created with them.
void TextEditor::setWordWrap(bool on) {
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}
