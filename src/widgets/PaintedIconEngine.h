#pragma once

#include <QIconEngine>

// An icon that code paints at whatever size Qt asks for, so it stays crisp at every device pixel
// ratio. A subclass paints; a pixmap of a size is that painting on a transparent ground.
class PaintedIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
};
