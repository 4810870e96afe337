// The tool buttons' pictures, from PNG renderings of their SVG drawings at one and two times
// their size: showing the window then decodes a few small images instead of parsing and
// drawing SVG, which made start-up noticeably slower. resources/regenerate.py remakes them.
#include "editor/ToolIcon.h"

QIcon toolIcon(const char *name) {
    const QString base = QStringLiteral(":/icons/") + QLatin1String(name);
    QIcon icon;
    for (const auto &[suffix, mode] :
         {std::pair{"", QIcon::Normal}, {"-disabled", QIcon::Disabled}}) {
        icon.addFile(base + QLatin1String(suffix) + QStringLiteral(".png"), {}, mode);
        icon.addFile(base + QLatin1String(suffix) + QStringLiteral("@2x.png"), {}, mode);
    }
    return icon;
}
