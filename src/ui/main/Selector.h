#pragma once
// A drop-down list without an editable field. It tells when it gets the keyboard focus, opens
// with the current entry shown below up to nine others, and its opened list can be given a
// height in pixels.

#include <QComboBox>

namespace veltrin::ui {

class Selector : public QComboBox {
    Q_OBJECT
  public:
    explicit Selector(QWidget* parent = nullptr);

    // The height of the selector with its list open, in pixels.
    void SetDropDownHeight(int pixels);
    int DropDownHeight() const { return dropDownHeight_; }
    // The width a selector needs to show the widest of `texts` whole at its font and style.
    int WidthFor(const QStringList& texts) const;
    void showPopup() override;

  signals:
    void FocusIn();

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void HangListBelow();
    int dropDownHeight_ = 0;
};

}  // namespace veltrin::ui
