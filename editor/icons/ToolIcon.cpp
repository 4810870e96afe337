// The tool buttons' pictures, from PNG renderings of their SVG drawings at one and two times
// their size: showing the window then decodes a few small images instead of parsing and
// drawing SVG, which made start-up noticeably slower. resources/regenerate.py remakes them.
#include "editor/icons/ToolIcon.h"

#include "editor/icons/DeferredIconEngine.h"
#include "platform/Readability.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <utility>

namespace {

// A PNG read straight into a pixmap. Loading it as a QPixmap would also file it in the pixmap
// cache under its name and modification time, and reading that time converts it to local time,
// which reads the time zone: work the engine's own copy makes useless.
QPixmap png(const QString &file) {
    return QPixmap::fromImage(QImage(file, "PNG"));
}

// One look of a picture, read as PNG (so the reader does not probe for the format) at one pixel
// a point, and at two where the screens ask for more, as QIcon::addFile would.
QIcon picture(const QString &file) {
    QIcon icon;
    icon.addPixmap(png(file + QStringLiteral(".png")));
    if (qGuiApp->devicePixelRatio() > 1.0)
        icon.addPixmap(png(file + QStringLiteral("@2x.png")));
    return icon;
}

// Hands every request to the light theme's look or the dark theme's, whichever the
// application's palette asks for at that moment, and to the greyed look for a disabled button.
// Each look is read when it is first asked for, so a window on a light theme never reads the
// dark renderings, and a button that starts disabled reads only its greyed one.
class ThemedIconEngine : public DeferredIconEngine {
public:
    explicit ThemedIconEngine(QString base)
        : m_base(std::move(base)) {}

    QIconEngine *clone() const override { return new ThemedIconEngine(m_base); }

private:
    // The greyed look is a picture of its own, drawn as it is.
    QIcon::Mode drawnMode(QIcon::Mode mode) const override {
        return mode == QIcon::Disabled ? QIcon::Normal : mode;
    }

    const QIcon &shown(QIcon::Mode mode) override {
        // The greyed look is pale enough to show on either theme.
        if (mode == QIcon::Disabled)
            return read(m_disabled, "-disabled");
        if (platform::isDarkPalette(QGuiApplication::palette()))
            return read(m_dark, "-dark");
        return read(m_light, "");
    }

    const QIcon &read(QIcon &look, const char *suffix) {
        if (look.isNull())
            look = picture(m_base + QLatin1String(suffix));
        return look;
    }

    QString m_base;
    QIcon m_light;
    QIcon m_dark;
    QIcon m_disabled;
};

} // namespace

QIcon toolIcon(const char *name) {
    return QIcon(new ThemedIconEngine(QStringLiteral(":/icons/") + QLatin1String(name)));
}
