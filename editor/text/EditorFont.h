// The font the editor starts with, before any stored setting applies.
#pragma once

#include <QFont>

// Asked for by name, so the name stays "Fixedsys" while the font system substitutes the
// nearest fixed-pitch face.
inline QFont defaultEditorFont() {
    QFont font(QStringLiteral("Fixedsys"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}
