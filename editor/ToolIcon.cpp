// The tool buttons' pictures, from PNG renderings of their SVG drawings at one and two times
// their size: showing the window then decodes a few small images instead of parsing and
// drawing SVG, which made start-up noticeably slower. resources/regenerate.py remakes them.
#include "editor/ToolIcon.h"

#include "platform/Readability.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <utility>

namespace {

// QIcon::addFile adds the "@2x" rendering beside each file itself where the screens ask for
// more than one pixel per point, so a plain screen decodes only the 1x pictures.
QIcon renderings(const QString &base, const char *normal, const char *disabled) {
    QIcon icon;
    for (const auto &[suffix, mode] :
         {std::pair{normal, QIcon::Normal}, {disabled, QIcon::Disabled}})
        icon.addFile(base + QLatin1String(suffix) + QStringLiteral(".png"), {}, mode);
    return icon;
}

// Hands every request to the light theme's look or the dark theme's, whichever the
// application's palette asks for at that moment. Each look's files are read when it is first
// asked for, so a window on a light theme never reads the dark renderings.
class ThemedIconEngine : public QIconEngine {
public:
    explicit ThemedIconEngine(QString base)
        : m_base(std::move(base)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        shown().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return shown().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return shown().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return shown().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return shown().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new ThemedIconEngine(m_base); }

private:
    const QIcon &shown() {
        // The greyed look is pale enough to show on either theme.
        if (platform::isDarkPalette(QGuiApplication::palette())) {
            if (m_dark.isNull())
                m_dark = renderings(m_base, "-dark", "-disabled");
            return m_dark;
        }
        if (m_light.isNull())
            m_light = renderings(m_base, "", "-disabled");
        return m_light;
    }

    QString m_base;
    QIcon m_light;
    QIcon m_dark;
};

} // namespace

QIcon toolIcon(const char *name) {
    return QIcon(new ThemedIconEngine(QStringLiteral(":/icons/") + QLatin1String(name)));
}
