#pragma once
// The program's emblem, drawn rather than loaded: a page of a wall calendar with the
// eight-pointed cross on it. The About window and the splash picture use it.

class QPainter;
class QRectF;

namespace veltrin::ui {

void PaintEmblem(QPainter& painter, const QRectF& box);

}  // namespace veltrin::ui
