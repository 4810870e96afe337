// An icon engine that reads its SVG drawings on first use. The toolkit's own SVG engine reads
// every drawing when the icon is made, to check it, and again when it is drawn, which made
// building the window read all twenty-two drawings twice over.
#include "editor/ToolIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <memory>

namespace {

class ToolIconEngine : public QIconEngine {
public:
    explicit ToolIconEngine(const QString &base)
        : m_base(base) {}

    QIconEngine *clone() const override { return new ToolIconEngine(m_base); }
    QString key() const override { return QStringLiteral("ToolIconEngine"); }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State) override {
        QSize drawn = renderer(mode).defaultSize();
        if (drawn.isEmpty())
            return size;
        drawn.scale(size, Qt::KeepAspectRatio);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        const QSize pixels = actualSize(size, mode, state) * scale;
        const QString cacheKey =
            fileFor(mode) + QStringLiteral("@%1x%2").arg(pixels.width()).arg(pixels.height());
        auto cached = m_pixmaps.constFind(cacheKey);
        if (cached != m_pixmaps.constEnd())
            return *cached;
        QPixmap picture(pixels);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            renderer(mode).render(&painter, QRectF(QPointF(), QSizeF(pixels)));
        }
        picture.setDevicePixelRatio(scale);
        m_pixmaps.insert(cacheKey, picture);
        return picture;
    }

private:
    QString fileFor(QIcon::Mode mode) const {
        return m_base +
               (mode == QIcon::Disabled ? QStringLiteral("-disabled.svg") : QStringLiteral(".svg"));
    }

    QSvgRenderer &renderer(QIcon::Mode mode) {
        std::unique_ptr<QSvgRenderer> &read = m_renderers[mode == QIcon::Disabled ? 1 : 0];
        if (!read)
            read = std::make_unique<QSvgRenderer>(fileFor(mode));
        return *read;
    }

    QString m_base;
    std::unique_ptr<QSvgRenderer> m_renderers[2];
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon toolIcon(const char *name) {
    return QIcon(new ToolIconEngine(QStringLiteral(":/icons/") + QLatin1String(name)));
}
