// An icon engine that hands every request on to an icon it chooses at that moment, so that the
// icons behind it are read only when something first asks for one of their pictures.
#pragma once

#include <QIcon>
#include <QIconEngine>

class DeferredIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        shown(mode).paint(painter, rect, Qt::AlignCenter, drawnMode(mode), state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return shown(mode).pixmap(size, drawnMode(mode), state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return shown(mode).pixmap(size, scale, drawnMode(mode), state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return shown(mode).actualSize(size, drawnMode(mode), state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return shown(mode).availableSizes(drawnMode(mode), state);
    }

protected:
    // The icon that draws a request in this mode, read the first time it is needed.
    virtual const QIcon &shown(QIcon::Mode mode) = 0;
    // The mode that icon draws it in: the same, unless the icon is the mode's own picture.
    virtual QIcon::Mode drawnMode(QIcon::Mode mode) const { return mode; }
};
