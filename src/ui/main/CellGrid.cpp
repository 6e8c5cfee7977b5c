#include "ui/main/CellGrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace veltrin::ui {

CellGrid::CellGrid(int rows, int columns, QWidget* parent)
    : QWidget(parent),
      rows_(rows),
      columns_(columns),
      widths_(columns, 20),
      alignments_(columns, Qt::AlignCenter),
      cells_(static_cast<size_t>(rows * columns)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellGrid::SetRowHeight(int pixels) {
    rowHeight_ = pixels;
    update();
}

void CellGrid::SetColumnWidth(int column, int pixels) {
    widths_[column] = pixels;
    update();
}

void CellGrid::SetBackColor(const QColor& color) {
    back_ = color;
    update();
}

void CellGrid::SetColumnAlignment(int column, Qt::Alignment alignment) {
    alignments_[column] = alignment;
    update();
}

void CellGrid::SuspendPainting() {
    suspended_ = true;
    setUpdatesEnabled(false);
}

void CellGrid::ResumePainting() {
    suspended_ = false;
    setUpdatesEnabled(true);
    update();
}

QRect CellGrid::CellRect(int row, int column) const {
    int x = kBorder;
    for (int c = 0; c < column; ++c)
        x += widths_[c];
    return QRect(x, kBorder + row * rowHeight_, widths_[column], rowHeight_);
}

bool CellGrid::CellAt(const QPoint& point, int& row, int& column) const {
    if (point.y() < kBorder || point.x() < kBorder) return false;
    row = (point.y() - kBorder) / rowHeight_;
    if (row >= rows_) return false;
    int x = kBorder;
    for (int c = 0; c < columns_; ++c) {
        x += widths_[c];
        if (point.x() < x) {
            column = c;
            return true;
        }
    }
    return false;
}

void CellGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const QFont normal = font();
    QFont bold = normal;
    bold.setBold(true);
    const QColor lines(192, 192, 192);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            const Cell& cell = At(r, c);
            const QRect box = CellRect(r, c);
            p.fillRect(box, cell.back);
            p.setPen(lines);
            p.drawLine(box.topRight(), box.bottomRight());
            p.drawLine(box.bottomLeft(), box.bottomRight());
            if (cell.text.isEmpty()) continue;
            p.setFont(cell.bold ? bold : normal);
            p.setPen(cell.fore);
            p.drawText(box.adjusted(2, 0, -2, 0), static_cast<int>(alignments_[c]), cell.text);
        }
    }
    // A sunken border around the cells.
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Shadow));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

bool CellGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && ToolTipOf) {
        auto* help = static_cast<QHelpEvent*>(event);
        int row = 0, column = 0;
        const QString text = CellAt(help->pos(), row, column) ? ToolTipOf(row, column) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this, CellRect(row, column));
        return true;
    }
    return QWidget::event(event);
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    int row = 0, column = 0;
    if (CellAt(event->position().toPoint(), row, column))
        emit MouseDown(event->button(), row, column);
}

}  // namespace veltrin::ui
