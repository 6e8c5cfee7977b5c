#pragma once
// A small grid of cells without header cells, each with its own text, colours and weight. It
// keeps the attributes of every cell so that they can be read back, and reports the mouse button
// and the cell of every press. It can also be used from the keyboard: a focus cell, moved by the
// arrow keys and taken by Enter.

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace veltrin::ui {

class CellGrid : public QWidget {
    Q_OBJECT
  public:
    struct Cell {
        QString text;
        QColor back = Qt::white;
        QColor fore = QColor(0, 0, 128);
        bool bold = false;
    };

    CellGrid(int rows, int columns, QWidget* parent = nullptr);

    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    Cell& At(int row, int column) { return cells_[row * columns_ + column]; }
    const Cell& At(int row, int column) const { return cells_[row * columns_ + column]; }

    void SetRowHeight(int pixels);
    void SetColumnWidth(int column, int pixels);
    int ColumnWidth(int column) const { return widths_[column]; }
    // The column width that shows the widest of `texts` whole, bold or not.
    int WidthFor(const QStringList& texts) const;
    // The widget's size for the rows and columns as they are set, with the border.
    QSize TotalSize() const;
    int RowHeight() const { return rowHeight_; }
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return back_; }
    void SetColumnAlignment(int column, Qt::Alignment alignment);

    // Painting stays off while the cells change and the grid repaints once at the end.
    void SuspendPainting();
    void ResumePainting();
    bool PaintingSuspended() const { return suspended_; }

    // The tooltip of a cell; empty for none.
    std::function<QString(int row, int column)> ToolTipOf;

    // Lets the grid take the keyboard focus. The arrows move the focus cell over the columns from
    // `firstColumn` on: Up and Down a row, running on into the column before or after, Left and
    // Right a column. Enter or Space takes the focus cell.
    void SetKeyboardCells(int firstColumn);
    void SetFocusCell(int row, int column);
    int FocusRow() const { return focusRow_; }
    int FocusColumn() const { return focusColumn_; }

    // The cell at a point of the widget; false outside the cells.
    bool CellAt(const QPoint& point, int& row, int& column) const;
    QRect CellRect(int row, int column) const;

  signals:
    void MouseDown(Qt::MouseButton button, int row, int column);
    void FocusMoved(int row, int column);
    void Activated(int row, int column);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    static constexpr int kBorder = 2;  // the sunken border's two lines
    static constexpr int kTextMargin = 2;
    int rows_, columns_;
    int rowHeight_ = 17;
    std::vector<int> widths_;
    std::vector<Qt::Alignment> alignments_;
    std::vector<Cell> cells_;
    QColor back_ = Qt::white;
    bool suspended_ = false;
    int firstFocusColumn_ = 0;
    int focusRow_ = 0, focusColumn_ = 0;
};

}  // namespace veltrin::ui
