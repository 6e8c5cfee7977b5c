#pragma once
// A step arrow beside a selector: "<" or ">". Every press of a button other than the right one
// steps, the second press of a double click included.

#include <QLabel>

namespace veltrin::ui {

class StepArrow : public QLabel {
    Q_OBJECT
  public:
    StepArrow(const QString& text, QWidget* parent = nullptr);

  signals:
    void Step();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace veltrin::ui
