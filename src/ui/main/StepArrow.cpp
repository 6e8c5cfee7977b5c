#include "ui/main/StepArrow.h"

#include <QMouseEvent>

namespace veltrin::ui {

StepArrow::StepArrow(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void StepArrow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) emit Step();
}

void StepArrow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) emit Step();
}

}  // namespace veltrin::ui
