#include "ui/main/CellGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <algorithm>

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

int CellGrid::WidthFor(const QStringList& texts) const {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + kTextMargin * 2 + 1;  // the margins and the line on the right
}

QSize CellGrid::TotalSize() const {
    int width = 2 * kBorder;
    for (int w : widths_)
        width += w;
    return QSize(width, 2 * kBorder + rows_ * rowHeight_);
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
            p.drawText(box.adjusted(kTextMargin, 0, -kTextMargin, 0),
                       static_cast<int>(alignments_[c]), cell.text);
        }
    }
    if (hasFocus() && focusPolicy() != Qt::NoFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = CellRect(focusRow_, focusColumn_).adjusted(1, 1, -2, -2);
        focus.backgroundColor = At(focusRow_, focusColumn_).back;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
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

void CellGrid::SetKeyboardCells(int firstColumn) {
    firstFocusColumn_ = firstColumn;
    setFocusPolicy(Qt::StrongFocus);
    SetFocusCell(focusRow_, std::max(focusColumn_, firstColumn));
}

void CellGrid::SetFocusCell(int row, int column) {
    if (row < 0 || row >= rows_ || column < firstFocusColumn_ || column >= columns_) return;
    focusRow_ = row;
    focusColumn_ = column;
    update();
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    int row = focusRow_, column = focusColumn_;
    switch (event->key()) {
        case Qt::Key_Up:
            if (--row < 0) row = rows_ - 1, --column;
            break;
        case Qt::Key_Down:
            if (++row == rows_) row = 0, ++column;
            break;
        case Qt::Key_Left:
            --column;
            break;
        case Qt::Key_Right:
            ++column;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit Activated(focusRow_, focusColumn_);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    // At the grid's edge the focus stays.
    if (column < firstFocusColumn_ || column >= columns_) return;
    SetFocusCell(row, column);
    emit FocusMoved(row, column);
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    int row = 0, column = 0;
    if (CellAt(event->position().toPoint(), row, column))
        emit MouseDown(event->button(), row, column);
}

}  // namespace veltrin::ui
