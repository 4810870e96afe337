// The editor's look: its text and background colours as colour values, and word wrap.
#include "editor/SPadEditor.h"

#include "platform/ColorValue.h"

#include <QApplication>
#include <QScrollBar>

namespace {

// A value that names no colour draws with the colour the window was created with.
QColor colorOrDefault(quint32 value, QPalette::ColorRole role, const QColor &fallback) {
    const QPalette system = QApplication::palette();
    const QColor color = platform::colorFromValue(value, system);
    return color.isValid() ? color : (fallback.isValid() ? fallback : system.color(role));
}

} // namespace

void SPadEditor::setTextColorValue(quint32 value) {
    m_textColor = value;
    applyColors();
}

void SPadEditor::setBackColorValue(quint32 value) {
    m_backColor = value;
    applyColors();
}

// The selection keeps its highlight while the editor does not have the focus.
void SPadEditor::applyColors() {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, colorOrDefault(m_textColor, QPalette::Text, Qt::black));
    colors.setColor(QPalette::Base, colorOrDefault(m_backColor, QPalette::Base, QColor()));
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);
}

// The scroll bars stand whether or not the text needs them, as the editor is created with them.
void SPadEditor::setWordWrap(bool on) {
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}
