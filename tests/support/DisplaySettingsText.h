// Display settings as test values: compared and printed by QCOMPARE.
#pragma once

#include "editor/window/DisplaySettings.h"

#include <QTest>

Q_DECLARE_METATYPE(DisplaySettings)

inline char *toString(const DisplaySettings &s) {
    return QTest::toString(QStringLiteral("{%1, %2, %3, bold %4, italic %5, wrap %6, %7}")
                               .arg(s.fontName)
                               .arg(s.fontSize)
                               .arg(s.fontColor)
                               .arg(s.bold)
                               .arg(s.italic)
                               .arg(s.wordWrap)
                               .arg(s.backColor));
}
