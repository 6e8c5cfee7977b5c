#include "ui/main/Selector.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace veltrin::ui {

Selector::Selector(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void Selector::SetDropDownHeight(int pixels) {
    dropDownHeight_ = pixels;
    const int row = std::max(
        1, view()->sizeHintForRow(0) > 0 ? view()->sizeHintForRow(0) : fontMetrics().height() + 2);
    setMaxVisibleItems(std::max(1, (pixels - height()) / row));
}

int Selector::WidthFor(const QStringList& texts) const {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, fontMetrics().horizontalAdvance(text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize content(widest, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, this).width();
}

void Selector::showPopup() {
    QComboBox::showPopup();
    HangListBelow();
    const int first = std::max(0, currentIndex() - 9);
    if (first < count())
        view()->scrollTo(model()->index(first, 0), QAbstractItemView::PositionAtTop);
}

void Selector::HangListBelow() {
    // Some styles centre the list on the current entry or let it fill the screen; the list
    // hangs from the selector's bottom edge instead, as tall as its rows or the height given.
    QWidget* list = view()->window();
    if (list == window()) return;
    const int decoration = list->height() - view()->viewport()->height();
    const int row = std::max(1, view()->sizeHintForRow(0));
    int height = decoration + std::min(count(), maxVisibleItems()) * row;
    if (dropDownHeight_ > 0)
        height = std::min(height, std::max(row, dropDownHeight_ - this->height()));
    const QPoint below = mapToGlobal(QPoint(0, this->height()));
    if (const QScreen* screen = this->screen())
        height = std::min(height, screen->availableGeometry().bottom() - below.y());
    const int scrollBar =
        count() > maxVisibleItems() ? view()->verticalScrollBar()->sizeHint().width() : 0;
    const int width =
        std::max(this->width(), view()->sizeHintForColumn(0) + scrollBar + decoration);
    list->setGeometry(below.x(), below.y(), width, std::max(row, height));
}

void Selector::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    emit FocusIn();
}

}  // namespace veltrin::ui
