#pragma once
// The desktop's print dialog for a report. With a selection it offers the whole report or the
// selection, preselected, and no page range, which a selection does not have; without one it
// offers a range of pages.

#include <QPrintDialog>

namespace veltrin::ui {

class PrintDialog : public QPrintDialog {
    Q_OBJECT
  public:
    PrintDialog(QPrinter& printer, bool hasSelection, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void HidePageRange();
    bool hasSelection_;
};

}  // namespace veltrin::ui
