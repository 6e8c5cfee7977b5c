#include "ui/dialogs/Emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>

namespace veltrin::ui {

void PaintEmblem(QPainter& p, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double u = std::min(box.width(), box.height()) / 100.0;
    p.translate(box.center().x() - 50 * u, box.center().y() - 50 * u);
    p.scale(u, u);

    // The page, with its red head and the two rings it hangs by.
    const QColor navy(0, 0, 128), red(190, 20, 20), gold(200, 160, 60);
    p.setPen(QPen(navy, 2.5));
    p.setBrush(QColor(255, 252, 236));
    p.drawRoundedRect(QRectF(10, 12, 80, 82), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    QPainterPath head;
    head.addRoundedRect(QRectF(10, 12, 80, 20), 6, 6);
    head.addRect(QRectF(10, 24, 80, 8));
    p.drawPath(head.simplified());
    p.setPen(QPen(navy, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 12, 80, 82), 6, 6);
    p.setPen(QPen(navy, 3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(30, 6), QPointF(30, 18));
    p.drawLine(QPointF(70, 6), QPointF(70, 18));

    // The cross: an upper short bar, the main bar and the slanted foot bar.
    p.setPen(QPen(gold.darker(140), 1.2));
    p.setBrush(gold);
    const double cx = 50;
    p.drawRect(QRectF(cx - 3, 38, 6, 50));
    p.drawRect(QRectF(cx - 9, 43, 18, 4.5));
    p.drawRect(QRectF(cx - 17, 53, 34, 5.5));
    QPolygonF foot;
    foot << QPointF(cx - 12, 76) << QPointF(cx + 12, 70) << QPointF(cx + 12, 74.5)
         << QPointF(cx - 12, 80.5);
    p.drawPolygon(foot);
    p.restore();
}

}  // namespace veltrin::ui
