#include "ui/main/Selector.h"

#include <QAbstractItemView>
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

void Selector::showPopup() {
    QComboBox::showPopup();
    const int first = std::max(0, currentIndex() - 9);
    if (first < count())
        view()->scrollTo(model()->index(first, 0), QAbstractItemView::PositionAtTop);
}

void Selector::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    emit FocusIn();
}

}  // namespace veltrin::ui
